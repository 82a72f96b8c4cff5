#pragma once

#include <cstdint>

// Reads one menu choice the way "%d" does, skipping blanks and newlines, then discards one
// more character. Input that holds no number, or a number outside 32 bits, costs that one
// character and leaves `choice` as it was. Returns false when the input ends before any
// character other than blanks.
bool read_choice(std::int32_t& choice);
