#include <curl/curl.h>

#include <cstdarg>
#include <cstring>

#include "lotto_version.hpp"
#include "results/http_fetch.hpp"
#include "results/results_source.hpp"
#include "text/quoted_text.hpp"
#include "text/text_format.hpp"
#include "text/translation.hpp"

namespace {

constexpr int MOST_REDIRECTS = 3;

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

Fetched failed(const char* format, ...) LOTTO_PRINTF_FORMAT(1, 2);
Fetched failed(const char* format, ...)
{
    Fetched fetched{FetchOutcome::Failed, 0, {}};
    std::va_list arguments;
    va_start(arguments, format);
    format_text_list(fetched.reason, sizeof fetched.reason, format, arguments);
    va_end(arguments);
    return fetched;
}

char user_agent[64];

} // namespace

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
    for (int redirects = 0;; ++redirects) {
        CURL* curl = curl_easy_init();
        if (curl == nullptr) {
            return failed("%s", translate("the network library did not start"));
        }
        Receiving receiving{body, capacity, 0, false};
        char error[CURL_ERROR_SIZE] = "";
        // Only the scheme the source asked for, and the redirects followed here, one by one.
        curl_easy_setopt(curl, CURLOPT_URL, current);
        curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, https ? "https" : "http");
        curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 0L);
        curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, 1L);
        curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, 2L);
        curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, limits.connect_seconds);
        curl_easy_setopt(curl, CURLOPT_TIMEOUT, limits.total_seconds);
        curl_easy_setopt(curl, CURLOPT_USERAGENT, user_agent);
        curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
        curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, receive);
        curl_easy_setopt(curl, CURLOPT_WRITEDATA, &receiving);
        curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, error);
        const CURLcode code = curl_easy_perform(curl);
        long status = 0;
        curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
        char* location = nullptr;
        curl_easy_getinfo(curl, CURLINFO_REDIRECT_URL, &location);
        char next[4096] = "";
        if (location != nullptr) {
            format_text(next, sizeof next, "%s", location);
        }
        curl_easy_cleanup(curl);
        if (receiving.too_long) {
            char limit[32];
            format_text(limit, sizeof limit, "%zu", capacity);
            return failed(translate("the answer is longer than %s bytes"), limit);
        }
        if (code != CURLE_OK) {
            char quoted[QUOTE_CAPACITY];
            quote_text(quoted, sizeof quoted, error[0] != '\0' ? error : curl_easy_strerror(code),
                       QUOTE_SHOWN * 2);
            return failed(translate("no answer: %s"), quoted);
        }
        if (status >= 300 && status < 400 && next[0] != '\0') {
            const char* problem = link_problem(next);
            const bool same_scheme = (std::strncmp(next, "https://", 8) == 0) == https;
            char quoted[QUOTE_CAPACITY];
            quote_text(quoted, sizeof quoted, next, QUOTE_SHOWN * 2);
            if (problem != nullptr || !same_scheme) {
                return failed(translate("a redirect to '%s', which is not followed"), quoted);
            }
            if (redirects == MOST_REDIRECTS) {
                return failed(translate("more than three redirects, the last to '%s'"), quoted);
            }
            format_text(current, sizeof current, "%s", next);
            continue;
        }
        if (status == 404) {
            return Fetched{FetchOutcome::NotFound, 0, {}};
        }
        if (status != 200) {
            char shown[16];
            format_text(shown, sizeof shown, "%ld", status);
            return failed(translate("the source answered with HTTP status %s"), shown);
        }
        return Fetched{FetchOutcome::Body, receiving.length, {}};
    }
}
