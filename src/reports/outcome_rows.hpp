#pragma once

#include <cstdint>

#include "counting/score_distribution.hpp"

enum class ReportedCriterion { SumBand, ColorPattern, OddCount, NonAppearing, Total };

inline constexpr ReportedCriterion ALL_CRITERIA[] = {
    ReportedCriterion::SumBand, ReportedCriterion::ColorPattern, ReportedCriterion::OddCount,
    ReportedCriterion::NonAppearing, ReportedCriterion::Total};

// One outcome of a criterion: what the set shows, the points it earns, and how many sets
// of each population have it.
struct OutcomeRow {
    char label[32];
    std::int32_t points;
    std::int64_t sets[POPULATION_COUNT];
};

inline constexpr int MAX_OUTCOME_ROWS = MAX_TOTAL_POINTS + 1;

// The outcomes of `criterion` that some set has, in the order the criterion lists them.
// Returns how many rows were written.
int outcome_rows(const ScoreDistribution& distribution, ReportedCriterion criterion,
                 OutcomeRow (&rows)[MAX_OUTCOME_ROWS]);

// "Sum band", ... for people; "sum_band", ... for machines.
const char* criterion_title(ReportedCriterion criterion);
const char* criterion_key(ReportedCriterion criterion);
