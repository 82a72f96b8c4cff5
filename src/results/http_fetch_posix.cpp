#include <curl/curl.h>
#include <curl/header.h>

#include <cstring>
#include <ctime>

#include "lotto_version.hpp"
#include "results/fetch_rules.hpp"
#include "text/quoted_text.hpp"
#include "text/text_format.hpp"
#include "text/translation.hpp"

namespace {

struct Receiving {
    char* body;
    std::size_t capacity;
    std::size_t length;
    bool too_long;
};

std::size_t receive(char* data, std::size_t size, std::size_t count, void* context)
{
    Receiving& receiving = *static_cast<Receiving*>(context);
    const std::size_t bytes = size * count;
    if (bytes > receiving.capacity - receiving.length) {
        receiving.too_long = true;
        return 0; // ends the transfer
    }
    std::memcpy(receiving.body + receiving.length, data, bytes);
    receiving.length += bytes;
    return bytes;
}

char user_agent[64];

} // namespace

std::int64_t steady_milliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return std::int64_t{now.tv_sec} * 1000 + now.tv_nsec / 1'000'000;
}

bool start_fetching()
{
    format_text(user_agent, sizeof user_agent, "lotto/%s (lotto-stats --update)", LOTTO_VERSION);
    return curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
}

void stop_fetching()
{
    curl_global_cleanup();
}

Fetched fetch_url(const char* url, char* body, std::size_t capacity, const FetchLimits& limits)
{
    char current[4096];
    format_text(current, sizeof current, "%s", url);
    if (capacity > 0) {
        body[0] = '\0'; // nothing received yet
    }
    const bool https = std::strncmp(url, "https://", 8) == 0;
    const FetchDeadline deadline = deadline_after(limits);
    for (int redirects = 0;; ++redirects) {
        const long left = milliseconds_left(deadline);
        if (left == 0) {
            return deadline_passed(deadline);
        }
        CURL* curl = curl_easy_init();
        if (curl == nullptr) {
            return fetch_failed("%s", translate("the network library did not start"));
        }
        Receiving receiving{body, capacity, 0, false};
        char error[CURL_ERROR_SIZE] = "";
        // Only the scheme the source asked for, and the redirects followed here, one by one.
        curl_easy_setopt(curl, CURLOPT_URL, current);
        curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, https ? "https" : "http");
        curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 0L);
        curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, 1L);
        curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, 2L);
        const long connect_ms = limits.connect_seconds * 1000;
        curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, left < connect_ms ? left : connect_ms);
        curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, left);
        curl_easy_setopt(curl, CURLOPT_USERAGENT, user_agent);
        curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
        curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, receive);
        curl_easy_setopt(curl, CURLOPT_WRITEDATA, &receiving);
        curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, error);
        const CURLcode code = curl_easy_perform(curl);
        long status = 0;
        curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
        curl_header* location = nullptr;
        char next[4096] = "";
        const bool redirected =
            status >= 300 && status < 400 &&
            curl_easy_header(curl, "Location", 0, CURLH_HEADER, -1, &location) == CURLHE_OK &&
            resolve_location(current, location->value, next, sizeof next);
        // Out of time once connected, or while connecting with less time left than the
        // limit to connect: the round's deadline, not the connection's.
        curl_off_t connected = 0;
        curl_easy_getinfo(curl, CURLINFO_CONNECT_TIME_T, &connected);
        const bool out_of_time =
            code == CURLE_OPERATION_TIMEDOUT && (connected > 0 || left <= connect_ms);
        curl_easy_cleanup(curl);
        if (receiving.too_long) {
            return answer_too_long(capacity);
        }
        if (out_of_time) {
            return deadline_passed(deadline);
        }
        if (code != CURLE_OK) {
            char quoted[QUOTE_CAPACITY];
            quote_text(quoted, sizeof quoted, error[0] != '\0' ? error : curl_easy_strerror(code),
                       QUOTE_SHOWN * 2);
            return fetch_failed(translate("no answer: %s"), quoted);
        }
        if (redirected) {
            Fetched refused{};
            if (!redirect_followed(next, https, redirects, refused)) {
                return refused;
            }
            format_text(current, sizeof current, "%s", next);
            continue;
        }
        return answer_of_status(status, receiving.length);
    }
}
