#pragma once

#include <cstdint>

#include "generation/number_choice.hpp"
#include "generation/shape_filters.hpp"
#include "lottery/lottery.hpp"
#include "scoring/color_ratio.hpp"
#include "scoring/non_appearing.hpp"
#include "scoring/sum_range.hpp"

// Bounds of what the criteria can give one set; anything above is a fault, caught in tests.
inline constexpr int MAX_NON_APPEARING_POINTS = 90;
inline constexpr int MAX_TOTAL_POINTS = 255;

// Counts over two populations: every set, and the sets the generator can propose.
enum Population : int { ALL_SETS = 0, PROPOSABLE_SETS = 1, POPULATION_COUNT = 2 };

struct ScoreDistribution {
    int highest_number;
    std::int64_t sets[POPULATION_COUNT];
    // Per outcome of each criterion; the last slot of sum_range and color_row is "none".
    std::int64_t sum_range[POPULATION_COUNT][SUM_RANGE_COUNT + 1];
    std::int64_t color_row[POPULATION_COUNT][COLOR_PATTERN_COUNT + 1];
    std::int64_t odd_count[POPULATION_COUNT][NUMBERS_PER_SET + 1];
    std::int64_t non_appearing_points[POPULATION_COUNT][MAX_NON_APPEARING_POINTS + 1];
    std::int64_t total[POPULATION_COUNT][MAX_TOTAL_POINTS + 1];
    // Rejected sets by the combination of their reasons; slot 0 counts the proposable ones.
    std::int64_t rejected_by[REJECTION_KINDS];
    // The pattern of the sets whose pattern has no row, e.g. "6".
    ColorPattern unmatched_pattern;
    // The first proposable set, in ascending order, that reaches the highest total.
    NumberSet best_set;
    std::int32_t best_total;
};

// Scores every set of six distinct numbers from 1 to `highest_number` (6 to MAX_NUMBER)
// that fits `choice` under the non-appearing `lists`, in ascending order, without building
// a list of them. The proposable sets are then those lotto can propose under the choice.
// `workers` threads share the sets by their lowest number; the counts are the same.
void tally_all_sets(int highest_number, const NonAppearingPoints& lists,
                    ScoreDistribution& distribution, const NumberChoice& choice = NO_NUMBER_CHOICE,
                    int workers = 1);
