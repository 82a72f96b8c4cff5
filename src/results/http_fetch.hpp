#pragma once

#include <cstddef>

// One request to the results source, as a careful client makes it: HTTPS with the
// certificate checked (plain HTTP only to the loopback), at most three redirects and never to
// another scheme or to a link the source could not be, a time limit to connect and one for
// the whole answer, a User-Agent naming lotto, and a body of at most `capacity` bytes. One
// request at a time; the platform's own library (libcurl, WinHTTP) behind this alone.

enum class FetchOutcome {
    Body,     // an answer with status 200: its body
    NotFound, // 404: not published yet
    Failed,   // anything else: `reason` says what
};

struct FetchLimits {
    long connect_seconds;
    long total_seconds;
};

struct Fetched {
    FetchOutcome outcome;
    std::size_t length; // of the body, for Body
    char reason[512];   // for Failed, in the user's language
};

Fetched fetch_url(const char* url, char* body, std::size_t capacity, const FetchLimits& limits);

// Readies the platform's library, before any request; false when it cannot be.
bool start_fetching();
void stop_fetching();
