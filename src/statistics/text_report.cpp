#include "statistics/outcome_rows.hpp"
#include "statistics/reports.hpp"
#include "statistics/total_summary.hpp"

namespace {

// The threshold rows of the table of totals step by this much.
constexpr int THRESHOLD_STEP = 10;

void write_set_counts(std::FILE* out, const ScoreDistribution& d)
{
    const std::int64_t rejected = d.sets[ALL_SETS] - d.sets[PROPOSABLE_SETS];
    const std::int64_t several =
        d.rejected_by[REJECTED_ALL_ODD | REJECTED_FOUR_IN_A_ROW] +
        d.rejected_by[REJECTED_ALL_EVEN | REJECTED_FOUR_IN_A_ROW] +
        d.rejected_by[REJECTED_ALL_ODD | REJECTED_ALL_EVEN] +
        d.rejected_by[REJECTED_ALL_ODD | REJECTED_ALL_EVEN | REJECTED_FOUR_IN_A_ROW];
    std::fprintf(out, "Sets of six numbers from 1 to %d\n", d.highest_number);
    std::fprintf(out, "  %-26s%12s\n", "all sets", with_thousands(d.sets[ALL_SETS]).text);
    std::fprintf(out, "  %-26s%12s  %6.2f %%\n", "proposable",
                 with_thousands(d.sets[PROPOSABLE_SETS]).text,
                 percent_of(d.sets[PROPOSABLE_SETS], d.sets[ALL_SETS]));
    std::fprintf(out, "  %-26s%12s  %6.2f %%\n", "rejected", with_thousands(rejected).text,
                 percent_of(rejected, d.sets[ALL_SETS]));
    std::fprintf(out, "    %-24s%12s\n", "all odd",
                 with_thousands(d.rejected_by[REJECTED_ALL_ODD]).text);
    std::fprintf(out, "    %-24s%12s\n", "all even",
                 with_thousands(d.rejected_by[REJECTED_ALL_EVEN]).text);
    std::fprintf(out, "    %-24s%12s\n", "four in a row",
                 with_thousands(d.rejected_by[REJECTED_FOUR_IN_A_ROW]).text);
    std::fprintf(out, "    %-24s%12s\n", "more than one of these", with_thousands(several).text);
}

void write_criterion(std::FILE* out, const ScoreDistribution& d, ReportedCriterion criterion)
{
    static OutcomeRow rows[MAX_OUTCOME_ROWS];
    const int count = outcome_rows(d, criterion, rows);
    std::fprintf(out, "\n%-16s%7s%14s%9s%14s%9s\n", criterion_title(criterion), "points",
                 "all sets", "%", "proposable", "%");
    for (int i = 0; i < count; ++i) {
        const OutcomeRow& row = rows[i];
        std::fprintf(out, "  %-14s%7d%14s%9.3f%14s%9.3f\n", row.label, row.points,
                     with_thousands(row.sets[ALL_SETS]).text,
                     percent_of(row.sets[ALL_SETS], d.sets[ALL_SETS]),
                     with_thousands(row.sets[PROPOSABLE_SETS]).text,
                     percent_of(row.sets[PROPOSABLE_SETS], d.sets[PROPOSABLE_SETS]));
    }
}

void write_totals(std::FILE* out, const ScoreDistribution& d)
{
    const auto& totals = d.total[PROPOSABLE_SETS];
    const TotalSummary summary = summarize_totals(totals);
    std::fprintf(out, "\nTotal of the proposable sets\n");
    std::fprintf(out, "  %-26s%12.2f\n", "mean", summary.mean);
    std::fprintf(out, "  %-26s%12d\n", "median", summary.median);
    std::fprintf(out, "  %-26s%12d\n", "lowest", summary.lowest);
    std::fprintf(out, "  %-26s%12d  e.g.", "highest", summary.highest);
    for (std::int32_t number : d.best_set) {
        std::fprintf(out, " %d", number);
    }
    std::fprintf(out, "\n\n  %-26s%12s%12s\n", "a total of at least", "sets", "% of them");
    const int first = summary.lowest - summary.lowest % THRESHOLD_STEP;
    for (int threshold = first; threshold <= summary.highest; threshold += THRESHOLD_STEP) {
        const std::int64_t sets = sets_scoring_at_least(totals, threshold);
        std::fprintf(out, "  %-26d%12s%12.3f\n", threshold, with_thousands(sets).text,
                     percent_of(sets, summary.sets));
    }
    const std::int64_t at_best = totals[summary.highest];
    std::fprintf(out, "  %-26d%12s%12.5f\n", summary.highest, with_thousands(at_best).text,
                 percent_of(at_best, summary.sets));
}

} // namespace

void write_text_report(std::FILE* out, const ScoreDistribution& distribution)
{
    write_set_counts(out, distribution);
    for (ReportedCriterion criterion :
         {ReportedCriterion::SumBand, ReportedCriterion::ColorPattern, ReportedCriterion::OddCount,
          ReportedCriterion::NonAppearing}) {
        write_criterion(out, distribution, criterion);
    }
    if (distribution.sets[PROPOSABLE_SETS] > 0) {
        write_totals(out, distribution);
    }
}
