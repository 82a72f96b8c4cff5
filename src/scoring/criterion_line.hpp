#pragma once

#include <array>

#include "lottery/lottery.hpp"

// One criterion's line as the detail screen shows it, NUL-terminated.
inline constexpr int LINE_SIZE = 200;
using DetailLine = std::array<char, LINE_SIZE>;

// A set's four lines, in Criterion order.
using CriterionLines = std::array<DetailLine, CRITERION_COUNT>;
