#pragma once

#include <cstddef>
#include <cstdint>

#include "results/http_fetch.hpp"
#include "text/text_format.hpp"

// What both platforms' clients decide alike, in the same words: an answer's status, an answer
// too long, a redirect followed or not. Only the transfer itself differs between them.

// A failure, its reason formatted in the user's language.
Fetched fetch_failed(const char* format, ...) LOTTO_PRINTF_FORMAT(1, 2);

Fetched answer_too_long(std::size_t capacity);

// A whole answer of `length` bytes with HTTP status `status`: its body for 200, not published
// for 404, any other status a failure.
Fetched answer_of_status(long status, std::size_t length);

// Whether the redirect to `next`, after `redirects` followed already from a source of the
// scheme `https` says, is followed: false with the failure in `refused` when it leads off the
// source's scheme, to a link that could be no source, or past the third.
bool redirect_followed(const char* next, bool https, int redirects, Fetched& refused);

// Where a redirect's Location leads from the link `current`: an absolute link as it is, any
// other reference resolved against `current` as a browser resolves it. False when there is
// no Location or the result does not fit in `size` bytes.
bool resolve_location(const char* current, const char* location, char* out, std::size_t size);

// One deadline for a round's whole fetch, from the first connection to the last byte,
// redirects included: no server, however slow or trickling, holds a round longer.
struct FetchDeadline {
    std::int64_t end; // on the platform's steady clock, in milliseconds
    long seconds;
};

// Milliseconds on a clock that only goes forward, whatever the wall clock does; each
// platform's client gives its own.
std::int64_t steady_milliseconds();

FetchDeadline deadline_after(const FetchLimits& limits);

// The milliseconds left, at least 1 while any is; 0 once the deadline has passed.
long milliseconds_left(const FetchDeadline& deadline);

// The failure of a fetch whose deadline passed.
Fetched deadline_passed(const FetchDeadline& deadline);
