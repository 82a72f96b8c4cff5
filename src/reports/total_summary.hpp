#pragma once

#include <cstdint>

#include "counting/score_distribution.hpp"
#include "text/number_words.hpp"

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
