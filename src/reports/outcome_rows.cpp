#include "reports/outcome_rows.hpp"

#include <cstdio>

#include "scoring/odd_even.hpp"
#include "text/translation.hpp"

namespace {

using Describe = void (*)(const ScoreDistribution& distribution, int outcome, OutcomeRow& row);

template <std::size_t N>
int collect(const ScoreDistribution& distribution,
            const std::int64_t (&counts)[POPULATION_COUNT][N], Describe describe,
            OutcomeRow (&rows)[MAX_OUTCOME_ROWS])
{
    int written = 0;
    for (std::size_t outcome = 0; outcome < N && written < MAX_OUTCOME_ROWS; ++outcome) {
        if (counts[ALL_SETS][outcome] == 0) {
            continue;
        }
        OutcomeRow& row = rows[written++];
        row = OutcomeRow{};
        row.sets[ALL_SETS] = counts[ALL_SETS][outcome];
        row.sets[PROPOSABLE_SETS] = counts[PROPOSABLE_SETS][outcome];
        describe(distribution, static_cast<int>(outcome), row);
    }
    return written;
}

void describe_sum_band(const ScoreDistribution&, int band, OutcomeRow& row)
{
    if (band < SUM_RANGE_COUNT) {
        std::snprintf(row.label, sizeof row.label, "%d~%d", SUM_RANGES[band].lowest,
                      SUM_RANGES[band].highest);
        row.points = SUM_RANGES[band].points;
    } else {
        std::snprintf(row.label, sizeof row.label, "%s", translate("other"));
        row.points = OUTSIDE_SUM_RANGES.points;
    }
}

void describe_color_pattern(const ScoreDistribution& distribution, int pattern_row, OutcomeRow& row)
{
    const bool has_row = pattern_row < COLOR_PATTERN_COUNT;
    std::snprintf(row.label, sizeof row.label, "%s",
                  has_row ? COLOR_PATTERNS[pattern_row].pattern
                          : distribution.unmatched_pattern.digits);
    row.points = color_row_points(pattern_row);
}

void describe_odd_count(const ScoreDistribution&, int odd, OutcomeRow& row)
{
    std::snprintf(row.label, sizeof row.label, "%d : %d", odd, NUMBERS_PER_SET - odd);
    row.points = ODD_EVEN_POINTS[odd];
}

void describe_points(const ScoreDistribution&, int points, OutcomeRow& row)
{
    std::snprintf(row.label, sizeof row.label, "%d", points);
    row.points = points;
}

} // namespace

int outcome_rows(const ScoreDistribution& distribution, ReportedCriterion criterion,
                 OutcomeRow (&rows)[MAX_OUTCOME_ROWS])
{
    switch (criterion) {
    case ReportedCriterion::SumBand:
        return collect(distribution, distribution.sum_range, describe_sum_band, rows);
    case ReportedCriterion::ColorPattern:
        return collect(distribution, distribution.color_row, describe_color_pattern, rows);
    case ReportedCriterion::OddCount:
        return collect(distribution, distribution.odd_count, describe_odd_count, rows);
    case ReportedCriterion::NonAppearing:
        return collect(distribution, distribution.non_appearing_points, describe_points, rows);
    case ReportedCriterion::Total:
        return collect(distribution, distribution.total, describe_points, rows);
    }
    return 0;
}

namespace {

struct CriterionNames {
    ReportedCriterion criterion;
    const char* title;
    const char* key;
};

constexpr CriterionNames CRITERION_NAMES[] = {
    {ReportedCriterion::SumBand, translatable("Sum band"), "sum_band"},
    {ReportedCriterion::ColorPattern, translatable("Colour pattern"), "color_pattern"},
    {ReportedCriterion::OddCount, translatable("Odd : even"), "odd_count"},
    {ReportedCriterion::NonAppearing, translatable("Non-appearing"), "non_appearing_points"},
    {ReportedCriterion::Total, translatable("Total"), "total"},
};

const CriterionNames& names_of(ReportedCriterion criterion)
{
    for (const CriterionNames& names : CRITERION_NAMES) {
        if (names.criterion == criterion) {
            return names;
        }
    }
    return CRITERION_NAMES[0];
}

} // namespace

const char* criterion_title(ReportedCriterion criterion)
{
    return translate(names_of(criterion).title);
}

const char* criterion_key(ReportedCriterion criterion)
{
    return names_of(criterion).key;
}
