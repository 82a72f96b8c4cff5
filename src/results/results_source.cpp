#include "results/results_source.hpp"

#include <cstdio>
#include <cstring>

#include "text/translation.hpp"

namespace {

constexpr char ROUND[] = "{round}";

bool starts_with(const char* text, const char* prefix)
{
    return std::strncmp(text, prefix, std::strlen(prefix)) == 0;
}

// The host part of a link after its scheme: up to the first '/', '?' or '#'.
struct Host {
    const char* begin;
    std::size_t length;
};

Host host_of(const char* after_scheme)
{
    std::size_t length = std::strcspn(after_scheme, "/?#");
    return Host{after_scheme, length};
}

bool host_is(const Host& host, const char* name)
{
    const std::size_t length = std::strlen(name);
    if (host.length < length || std::strncmp(host.begin, name, length) != 0) {
        return false;
    }
    return host.length == length || host.begin[length] == ':';
}

// 127.0.0.0/8, ::1 and localhost: this machine, where a test or a mirror may serve plain HTTP.
bool loopback(const Host& host)
{
    if (host_is(host, "localhost") || host_is(host, "[::1]")) {
        return true;
    }
    if (host.length < 4 || std::strncmp(host.begin, "127.", 4) != 0) {
        return false;
    }
    int dots = 0;
    for (std::size_t i = 0; i < host.length && host.begin[i] != ':'; ++i) {
        const char c = host.begin[i];
        if (c == '.') {
            ++dots;
        } else if (c < '0' || c > '9') {
            return false;
        }
    }
    return dots == 3;
}

} // namespace

const char* link_problem(const char* url)
{
    const bool https = starts_with(url, "https://");
    const bool http = starts_with(url, "http://");
    if (!https && !http) {
        return translatable("the link must begin with https://");
    }
    for (const char* c = url; *c != '\0'; ++c) {
        if (static_cast<unsigned char>(*c) <= ' ' || *c == '\x7f' || *c == '"' || *c == '\\') {
            return translatable("the link holds a blank, a quote or a control character");
        }
    }
    const Host host = host_of(url + (https ? 8 : 7));
    if (host.length == 0 || std::memchr(host.begin, '@', host.length) != nullptr) {
        return translatable("the link names no host, or a user with it");
    }
    if (http && !loopback(host)) {
        return translatable("plain HTTP is only for this machine (127.0.0.1, ::1, localhost); "
                            "use https://");
    }
    return nullptr;
}

const char* source_problem(const char* url)
{
    const char* problem = link_problem(url);
    if (problem != nullptr) {
        return problem;
    }
    if (std::strstr(url, ROUND) == nullptr) {
        return translatable("the link has no {round} to stand for the round");
    }
    return nullptr;
}

bool round_link(const char* source, std::int32_t round, char* out, std::size_t size)
{
    std::size_t length = 0;
    for (const char* at = source; *at != '\0';) {
        if (starts_with(at, ROUND)) {
            const int written = std::snprintf(out + length, size - length, "%d", round);
            if (written < 0 || static_cast<std::size_t>(written) >= size - length) {
                return false;
            }
            length += static_cast<std::size_t>(written);
            at += sizeof ROUND - 1;
        } else {
            if (length + 1 >= size) {
                return false;
            }
            out[length++] = *at++;
        }
    }
    out[length] = '\0';
    return true;
}
