#pragma once

#include <cstddef>
#include <cstdint>

// Where the week's results are asked for: a link in which {round} stands for the round.
// HTTPS for every host; plain HTTP only to the loopback (127.0.0.0/8, ::1, localhost), for
// tests and local mirrors.

// Why a link cannot be a source (or a redirect's target), untranslated; null when it can.
const char* source_problem(const char* url);
// The same for a link without {round}: a redirect's target.
const char* link_problem(const char* url);

// The source's link for `round`; false when it does not fit `size`.
bool round_link(const char* source, std::int32_t round, char* out, std::size_t size);
