#include "results/fetch_rules.hpp"

#include <cstdarg>
#include <cstdio>
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

namespace {

// The length of the link's start up to the end of its host ("https://host:port").
std::size_t origin_length(const char* link)
{
    const char* after = std::strstr(link, "://");
    if (after == nullptr) {
        return 0;
    }
    return std::strcspn(after + 3, "/?#") + static_cast<std::size_t>(after + 3 - link);
}

bool has_scheme(const char* reference)
{
    const std::size_t letters =
        std::strspn(reference, "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789+.-");
    return letters > 0 && reference[letters] == ':' &&
           ((reference[0] | 0x20) >= 'a' && (reference[0] | 0x20) <= 'z');
}

// Removes the "." and ".." segments of a path ("/a/b/../c?q") in place, as a browser does;
// the path only ever shortens.
void remove_dot_segments(char* path)
{
    const std::size_t path_length = std::strcspn(path, "?#");
    std::size_t length = 0;
    for (std::size_t slash = 0; slash < path_length;) {
        const std::size_t letters = std::strcspn(path + slash + 1, "/?#");
        const char* segment = path + slash + 1;
        const bool dot = letters == 1 && segment[0] == '.';
        const bool dot_dot = letters == 2 && segment[0] == '.' && segment[1] == '.';
        if (dot_dot) {
            while (length > 0 && path[--length] != '/') {
            }
        } else if (!dot) {
            std::memmove(path + length, path + slash, letters + 1);
            length += letters + 1;
        }
        if ((dot || dot_dot) && slash + 1 + letters >= path_length) {
            path[length++] = '/'; // a last "." or ".." leaves its directory
        }
        slash += letters + 1;
    }
    std::memmove(path + length, path + path_length, std::strlen(path + path_length) + 1);
}

} // namespace

bool resolve_location(const char* current, const char* location, char* out, std::size_t size)
{
    if (location == nullptr || location[0] == '\0') {
        return false;
    }
    const std::size_t origin = origin_length(current);
    int written = 0;
    if (has_scheme(location)) {
        written = std::snprintf(out, size, "%s", location);
    } else if (location[0] == '/' && location[1] == '/') {
        written = std::snprintf(out, size, "%.*s%s",
                                static_cast<int>(std::strstr(current, "//") - current), current,
                                location);
    } else if (location[0] == '/') {
        written = std::snprintf(out, size, "%.*s%s", static_cast<int>(origin), current, location);
    } else {
        // Relative to the current path's directory, without its query.
        const std::size_t path_end = origin + std::strcspn(current + origin, "?#");
        std::size_t directory = path_end;
        while (directory > origin && current[directory - 1] != '/') {
            --directory;
        }
        const bool no_path = directory == origin;
        written =
            location[0] == '?' || location[0] == '#'
                ? std::snprintf(out, size, "%.*s%s", static_cast<int>(path_end), current, location)
                : std::snprintf(out, size, "%.*s%s%s", static_cast<int>(directory), current,
                                no_path ? "/" : "", location);
    }
    if (written < 0 || static_cast<std::size_t>(written) >= size) {
        return false;
    }
    remove_dot_segments(out + origin_length(out));
    return true;
}

FetchDeadline deadline_after(const FetchLimits& limits)
{
    return {steady_milliseconds() + std::int64_t{limits.total_seconds} * 1000,
            limits.total_seconds};
}

long milliseconds_left(const FetchDeadline& deadline)
{
    const std::int64_t left = deadline.end - steady_milliseconds();
    return left > 0 ? static_cast<long>(left) : 0;
}

Fetched deadline_passed(const FetchDeadline& deadline)
{
    char seconds[16];
    format_text(seconds, sizeof seconds, "%ld", deadline.seconds);
    return fetch_failed(translate("no whole answer within %s seconds"), seconds);
}
