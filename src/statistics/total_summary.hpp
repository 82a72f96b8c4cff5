#pragma once

#include <cstdint>

#include "statistics/score_distribution.hpp"

// Where the totals of one population lie.
struct TotalSummary {
    std::int64_t sets;
    int lowest;
    int highest;
    int median; // the lower median: half of the sets score at most this
    double mean;
};

TotalSummary summarize_totals(const std::int64_t (&totals)[MAX_TOTAL_POINTS + 1]);

// How many sets of the population score `threshold` or more.
std::int64_t sets_scoring_at_least(const std::int64_t (&totals)[MAX_TOTAL_POINTS + 1],
                                   int threshold);

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
