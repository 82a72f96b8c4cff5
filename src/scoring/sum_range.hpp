#pragma once

#include <cstddef>
#include <cstdint>

#include "lottery/lottery.hpp"
#include "scoring/criterion_line.hpp"

// One band of the sum of a set's numbers, bounds included, with the line that explains it.
struct SumRange {
    std::int32_t lowest;
    std::int32_t highest;
    std::int32_t points;
    // The line is these two texts with the sum between them.
    const char* before_sum;
    const char* after_sum;
};

inline constexpr int SUM_RANGE_COUNT = 6;
extern const SumRange SUM_RANGES[SUM_RANGE_COUNT];
// Every sum that no band holds, those below the first band included.
extern const SumRange OUTSIDE_SUM_RANGES;

std::int32_t sum_of(const NumberSet& set);

// The first band that holds `sum`, or OUTSIDE_SUM_RANGES.
const SumRange& find_sum_range(std::int32_t sum);

// A band's sums, e.g. "101~130", or "구간 밖" for the sums no band holds. Returns the length.
std::size_t format_sum_band(const SumRange& range, char* out, std::size_t size);

// Writes the sum-range line for `set` and returns its points.
std::int32_t score_sum_range(const NumberSet& set, DetailLine& line);
