#pragma once

#include <cstdint>

#include "lottery/lottery.hpp"
#include "scoring/criterion_line.hpp"
#include "scoring/non_appearing.hpp"

// What the four criteria make of one set, without writing any line: the same points the
// scoring pass adds up, for analyses that look at many sets. The non-appearing lists are
// given, never taken from those in force.
struct SetScore {
    int sum_range; // index into SUM_RANGES, or SUM_RANGE_COUNT for a sum outside them
    int color_row; // index into COLOR_PATTERNS, or COLOR_PATTERN_COUNT for a pattern without a row
    int odd_count; // 0 to 6
    std::int32_t sum_range_points;
    std::int32_t color_points;
    std::int32_t odd_even_points;
    std::int32_t non_appearing_points;
    std::int32_t total;
};

SetScore score_of(const NumberSet& set, const NonAppearingPoints& lists);

// Writes the set's four criterion lines, as the scoring pass writes them, and returns their
// total.
std::int32_t write_criterion_lines(const NumberSet& set, const NonAppearingPoints& lists,
                                   CriterionLines& lines);
