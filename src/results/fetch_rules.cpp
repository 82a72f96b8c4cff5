#include "results/fetch_rules.hpp"

#include <cstdarg>
#include <cstring>

#include "results/results_source.hpp"
#include "text/quoted_text.hpp"
#include "text/translation.hpp"

namespace {

constexpr int MOST_REDIRECTS = 3;

} // namespace

Fetched fetch_failed(const char* format, ...)
{
    Fetched fetched{FetchOutcome::Failed, 0, {}};
    std::va_list arguments;
    va_start(arguments, format);
    format_text_list(fetched.reason, sizeof fetched.reason, format, arguments);
    va_end(arguments);
    return fetched;
}

Fetched answer_too_long(std::size_t capacity)
{
    char limit[32];
    format_text(limit, sizeof limit, "%zu", capacity);
    return fetch_failed(translate("the answer is longer than %s bytes"), limit);
}

Fetched answer_of_status(long status, std::size_t length)
{
    if (status == 200) {
        return Fetched{FetchOutcome::Body, length, {}};
    }
    if (status == 404) {
        return Fetched{FetchOutcome::NotFound, 0, {}};
    }
    char shown[16];
    format_text(shown, sizeof shown, "%ld", status);
    return fetch_failed(translate("the source answered with HTTP status %s"), shown);
}

bool redirect_followed(const char* next, bool https, int redirects, Fetched& refused)
{
    char quoted[QUOTE_CAPACITY];
    quote_text(quoted, sizeof quoted, next, QUOTE_SHOWN * 2);
    const bool same_scheme = (std::strncmp(next, "https://", 8) == 0) == https;
    if (link_problem(next) != nullptr || !same_scheme) {
        refused = fetch_failed(translate("a redirect to '%s', which is not followed"), quoted);
        return false;
    }
    if (redirects == MOST_REDIRECTS) {
        refused = fetch_failed(translate("more than three redirects, the last to '%s'"), quoted);
        return false;
    }
    return true;
}
