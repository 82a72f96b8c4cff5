#pragma once

#include <cstdint>

#include "lottery/lottery.hpp"
#include "scoring/criterion_line.hpp"

// Points by the number of odd numbers in a set, 0 to 6.
extern const std::int32_t ODD_EVEN_POINTS[NUMBERS_PER_SET + 1];

std::int32_t count_odd_numbers(const NumberSet& set);

// Writes the odd/even line for `set` and returns its points.
std::int32_t score_odd_even(const NumberSet& set, DetailLine& line);
