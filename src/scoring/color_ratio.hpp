#pragma once

#include <cstddef>
#include <cstdint>

#include "lottery/lottery.hpp"
#include "scoring/criterion_line.hpp"

// How a set spreads over the colour groups: the sizes of the non-empty groups as digits in
// ascending order, e.g. "1122". At most one digit per group, plus the NUL.
struct ColorPattern {
    char digits[COLOR_GROUP_COUNT + 1];
};

struct ColorPatternPoints {
    const char* pattern;
    std::int32_t points;
};

inline constexpr int COLOR_PATTERN_COUNT = 9;
// "6", all six numbers in one group, has no row and earns nothing.
extern const ColorPatternPoints COLOR_PATTERNS[COLOR_PATTERN_COUNT];

ColorPattern color_pattern_of(const NumberSet& set);

// The index of the row of COLOR_PATTERNS that holds `pattern`, or COLOR_PATTERN_COUNT.
int find_color_pattern(const ColorPattern& pattern);

// The points of a row found by find_color_pattern: 0 for COLOR_PATTERN_COUNT, no row.
std::int32_t color_row_points(int row);

// The pattern's digits joined by " : ", e.g. "1 : 1 : 2 : 2". Returns the length.
std::size_t join_color_ratio(const ColorPattern& pattern, char* out, std::size_t size);

// Writes the ball-colour ratio line for `set` and returns its points.
std::int32_t score_color_ratio(const NumberSet& set, DetailLine& line);
