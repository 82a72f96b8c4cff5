#pragma once

#include <cstddef>

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
