#include <windows.h>
#include <winhttp.h>

#include <cstring>

#include "lotto_version.hpp"
#include "results/fetch_rules.hpp"
#include "text/text_format.hpp"
#include "text/translation.hpp"

namespace {

HINTERNET session = nullptr;

Fetched failed_with(DWORD error)
{
    char code[16];
    format_text(code, sizeof code, "%lu", static_cast<unsigned long>(error));
    return fetch_failed(translate("no answer: WinHTTP error %s"), code);
}

// A link's parts as WinHTTP takes them, in UTF-16; the link is plain ASCII (source_problem
// refuses blanks and controls, and the mirror's links are ASCII).
struct WideLink {
    wchar_t text[4096];
    URL_COMPONENTS parts;
};

bool split(const char* url, WideLink& link)
{
    const int written = MultiByteToWideChar(CP_UTF8, 0, url, -1, link.text, 4096);
    if (written <= 0) {
        return false;
    }
    link.parts = URL_COMPONENTS{};
    link.parts.dwStructSize = sizeof link.parts;
    link.parts.dwHostNameLength = static_cast<DWORD>(-1);
    link.parts.dwUrlPathLength = static_cast<DWORD>(-1);
    link.parts.dwExtraInfoLength = static_cast<DWORD>(-1);
    return WinHttpCrackUrl(link.text, 0, 0, &link.parts) != 0;
}

struct Handles {
    HINTERNET connection = nullptr;
    HINTERNET request = nullptr;
    ~Handles()
    {
        if (request != nullptr) {
            WinHttpCloseHandle(request);
        }
        if (connection != nullptr) {
            WinHttpCloseHandle(connection);
        }
    }
};

} // namespace

std::int64_t steady_milliseconds()
{
    return static_cast<std::int64_t>(GetTickCount64());
}

bool start_fetching()
{
    wchar_t agent[64];
    char narrow[64];
    format_text(narrow, sizeof narrow, "lotto/%s (lotto-stats --update)", LOTTO_VERSION);
    MultiByteToWideChar(CP_UTF8, 0, narrow, -1, agent, 64);
    session = WinHttpOpen(agent, WINHTTP_ACCESS_TYPE_AUTOMATIC_PROXY, WINHTTP_NO_PROXY_NAME,
                          WINHTTP_NO_PROXY_BYPASS, 0);
    if (session == nullptr) {
        // Before Windows 8.1: the proxy settings of the system.
        session = WinHttpOpen(agent, WINHTTP_ACCESS_TYPE_DEFAULT_PROXY, WINHTTP_NO_PROXY_NAME,
                              WINHTTP_NO_PROXY_BYPASS, 0);
    }
    return session != nullptr;
}

void stop_fetching()
{
    if (session != nullptr) {
        WinHttpCloseHandle(session);
        session = nullptr;
    }
}

Fetched fetch_url(const char* url, char* body, std::size_t capacity, const FetchLimits& limits)
{
    char current[4096];
    format_text(current, sizeof current, "%s", url);
    const bool https = std::strncmp(url, "https://", 8) == 0;
    const FetchDeadline deadline = deadline_after(limits);
    // WinHTTP's limits apply to each step and each receive; the deadline is kept here.
    const auto failed = [&deadline](DWORD error) {
        return error == ERROR_WINHTTP_TIMEOUT || milliseconds_left(deadline) == 0
                   ? deadline_passed(deadline)
                   : failed_with(error);
    };
    for (int redirects = 0;; ++redirects) {
        static WideLink link;
        if (!split(current, link)) {
            return fetch_failed("%s", translate("the link cannot be read"));
        }
        wchar_t host[256] = L"";
        const DWORD host_length =
            link.parts.dwHostNameLength < 255 ? link.parts.dwHostNameLength : 255;
        std::memcpy(host, link.parts.lpszHostName, host_length * sizeof(wchar_t));
        host[host_length] = L'\0';
        const int left = static_cast<int>(milliseconds_left(deadline));
        if (left == 0) {
            return deadline_passed(deadline);
        }
        const int connect_ms = static_cast<int>(limits.connect_seconds * 1000);
        if (!WinHttpSetTimeouts(session, left, connect_ms < left ? connect_ms : left, left, left)) {
            return failed_with(GetLastError());
        }
        Handles handles;
        handles.connection = WinHttpConnect(session, host, link.parts.nPort, 0);
        if (handles.connection == nullptr) {
            return failed_with(GetLastError());
        }
        // The path and the query, as the link has them.
        handles.request = WinHttpOpenRequest(
            handles.connection, L"GET", link.parts.lpszUrlPath, nullptr, WINHTTP_NO_REFERER,
            WINHTTP_DEFAULT_ACCEPT_TYPES, https ? WINHTTP_FLAG_SECURE : 0);
        if (handles.request == nullptr) {
            return failed_with(GetLastError());
        }
        // Redirects are followed here, one by one, each checked as the source was.
        DWORD disable = WINHTTP_DISABLE_REDIRECTS;
        DWORD headers_ms = static_cast<DWORD>(left);
        if (!WinHttpSetOption(handles.request, WINHTTP_OPTION_DISABLE_FEATURE, &disable,
                              sizeof disable) ||
            !WinHttpSetOption(handles.request, WINHTTP_OPTION_RECEIVE_RESPONSE_TIMEOUT, &headers_ms,
                              sizeof headers_ms)) {
            return failed_with(GetLastError());
        }
        if (!WinHttpSendRequest(handles.request, WINHTTP_NO_ADDITIONAL_HEADERS, 0,
                                WINHTTP_NO_REQUEST_DATA, 0, 0, 0) ||
            !WinHttpReceiveResponse(handles.request, nullptr)) {
            return failed(GetLastError());
        }
        DWORD status = 0;
        DWORD status_size = sizeof status;
        if (!WinHttpQueryHeaders(
                handles.request, WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                WINHTTP_HEADER_NAME_BY_INDEX, &status, &status_size, WINHTTP_NO_HEADER_INDEX)) {
            return failed_with(GetLastError());
        }
        if (status >= 300 && status < 400) {
            wchar_t location[2048] = L"";
            DWORD location_size = sizeof location;
            char given[4096] = "";
            char next[4096];
            if (WinHttpQueryHeaders(handles.request, WINHTTP_QUERY_LOCATION,
                                    WINHTTP_HEADER_NAME_BY_INDEX, location, &location_size,
                                    WINHTTP_NO_HEADER_INDEX) &&
                WideCharToMultiByte(CP_UTF8, 0, location, -1, given, sizeof given, nullptr,
                                    nullptr) > 0 &&
                resolve_location(current, given, next, sizeof next)) {
                Fetched refused{};
                if (!redirect_followed(next, https, redirects, refused)) {
                    return refused;
                }
                format_text(current, sizeof current, "%s", next);
                continue;
            }
            // No Location that leads anywhere: an answer of its status, as on POSIX.
        }
        std::size_t length = 0;
        for (;;) {
            // What has arrived, never more: a read of a fuller buffer would wait for it.
            DWORD available = 0;
            if (!WinHttpQueryDataAvailable(handles.request, &available)) {
                return failed(GetLastError());
            }
            if (available == 0) {
                break;
            }
            if (milliseconds_left(deadline) == 0) {
                return deadline_passed(deadline);
            }
            if (available > capacity - length) {
                return answer_too_long(capacity);
            }
            DWORD got = 0;
            if (!WinHttpReadData(handles.request, body + length, available, &got)) {
                return failed(GetLastError());
            }
            length += got;
        }
        return answer_of_status(static_cast<long>(status), length);
    }
}
