#pragma once

#include <cstdint>

#include "generation/prediction_table.hpp"

// Numbers that have not been drawn for a long time, by the points each match earns.
// The lists share no number.
extern const std::int32_t NON_APPEARING_5[13];
extern const std::int32_t NON_APPEARING_10[5];
extern const std::int32_t NON_APPEARING_15[1];

// Scores the set that prediction_table.scored_set_counter names: records its matches in
// that set's row of matched_numbers (5-point matches first, then 10, then 15), writes its
// non-appearing line, advances the counter, and returns the points.
std::int32_t score_non_appearing(const NumberSet& set);
