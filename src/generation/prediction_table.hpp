#pragma once

#include <array>
#include <cstdint>

#include "lottery/lottery.hpp"
#include "scoring/criterion_line.hpp"

// Sizes of one prediction.
inline constexpr int SET_COUNT = 5;

// The current prediction. Exactly one exists, for the whole run: the generator resets
// and fills it, the scoring pass explains it, the screens only read it.
struct PredictionTable {
    // The five proposed sets, set 0 first.
    std::array<NumberSet, SET_COUNT> sets;
    // Per set, the sum of the points its four criterion lines show.
    std::array<std::int32_t, SET_COUNT> total_score;
    // Per set, the four criterion lines in Criterion order.
    std::array<CriterionLines, SET_COUNT> detail_lines;
    // Per set, the numbers that matched a non-appearing list in matching order; 0 is empty.
    std::array<std::array<std::int32_t, NUMBERS_PER_SET>, SET_COUNT> matched_numbers;
    // The set the next non-appearing scoring call belongs to; SET_COUNT once all are scored.
    std::int32_t scored_set_counter;
};

extern PredictionTable prediction_table;

// Clears sets, totals, matches and the counter for a new prediction. The lines are left
// alone: every scoring pass rewrites all of them.
void reset_prediction_table();
