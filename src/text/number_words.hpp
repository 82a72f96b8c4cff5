#pragma once

#include <cstdint>

// Counts and shares as people read them.

// `part` of `whole` in percent; 0 for an empty whole.
double percent_of(std::int64_t part, std::int64_t whole);

// `part` of `whole` in percent as text, with at least `decimals` digits after the point and
// as many more as it takes for a share above none never to read 0 and a share below all
// never to read 100.
struct ShareText {
    char text[32];
};
ShareText share_of(std::int64_t part, std::int64_t whole, int decimals);

// A count with thousands separators, e.g. "8,145,060".
struct CountText {
    char text[32];
};
CountText with_thousands(std::int64_t count);
