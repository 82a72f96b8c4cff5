#include "reports/outcome_rows.hpp"
#include "reports/reports.hpp"
#include "reports/total_summary.hpp"
#include "text/text_columns.hpp"
#include "text/translation.hpp"

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
    std::fprintf(out, translate("Sets of six numbers from 1 to %d\n"), d.highest_number);
    std::fprintf(out, "  %s%12s\n", align_left(translate("all sets"), 26).text,
                 with_thousands(d.sets[ALL_SETS]).text);
    std::fprintf(out, "  %s%12s  %6s %%\n", align_left(translate("proposable"), 26).text,
                 with_thousands(d.sets[PROPOSABLE_SETS]).text,
                 share_of(d.sets[PROPOSABLE_SETS], d.sets[ALL_SETS], 2).text);
    std::fprintf(out, "  %s%12s  %6s %%\n", align_left(translate("rejected"), 26).text,
                 with_thousands(rejected).text, share_of(rejected, d.sets[ALL_SETS], 2).text);
    std::fprintf(out, "    %s%12s\n", align_left(translate("all odd"), 24).text,
                 with_thousands(d.rejected_by[REJECTED_ALL_ODD]).text);
    std::fprintf(out, "    %s%12s\n", align_left(translate("all even"), 24).text,
                 with_thousands(d.rejected_by[REJECTED_ALL_EVEN]).text);
    std::fprintf(out, "    %s%12s\n", align_left(translate("four in a row"), 24).text,
                 with_thousands(d.rejected_by[REJECTED_FOUR_IN_A_ROW]).text);
    std::fprintf(out, "    %s%12s\n", align_left(translate("more than one of these"), 24).text,
                 with_thousands(several).text);
}

void write_criterion(std::FILE* out, const ScoreDistribution& d, ReportedCriterion criterion)
{
    static OutcomeRow rows[MAX_OUTCOME_ROWS];
    const int count = outcome_rows(d, criterion, rows);
    std::fprintf(out, "\n%s%s%s%9s%s%9s\n", align_left(criterion_title(criterion), 16).text,
                 align_right(translate("points"), 7).text,
                 align_right(translate("all sets"), 14).text, "%",
                 align_right(translate("proposable"), 14).text, "%");
    for (int i = 0; i < count; ++i) {
        const OutcomeRow& row = rows[i];
        std::fprintf(out, "  %s%7d%14s%9s%14s%9s\n", align_left(row.label, 14).text, row.points,
                     with_thousands(row.sets[ALL_SETS]).text,
                     share_of(row.sets[ALL_SETS], d.sets[ALL_SETS], 3).text,
                     with_thousands(row.sets[PROPOSABLE_SETS]).text,
                     share_of(row.sets[PROPOSABLE_SETS], d.sets[PROPOSABLE_SETS], 3).text);
    }
}

void write_totals(std::FILE* out, const ScoreDistribution& d)
{
    const auto& totals = d.total[PROPOSABLE_SETS];
    const TotalSummary summary = summarize_totals(totals);
    std::fprintf(out, "\n%s\n", translate("Total of the proposable sets"));
    std::fprintf(out, "  %s%12.2f\n", align_left(translate("mean"), 26).text, summary.mean);
    std::fprintf(out, "  %s%12d\n", align_left(translate("median"), 26).text, summary.median);
    std::fprintf(out, "  %s%12d\n", align_left(translate("lowest"), 26).text, summary.lowest);
    std::fprintf(out, "  %s%12d  %s", align_left(translate("highest"), 26).text, summary.highest,
                 translate("e.g."));
    for (std::int32_t number : d.best_set) {
        std::fprintf(out, " %d", number);
    }
    std::fprintf(out, "\n\n  %s%s%s\n", align_left(translate("a total of at least"), 26).text,
                 align_right(translate("sets"), 12).text,
                 // xgettext:no-c-format
                 align_right(translate("% of them"), 12).text);
    const int first = summary.lowest - summary.lowest % THRESHOLD_STEP;
    for (int threshold = first; threshold <= summary.highest; threshold += THRESHOLD_STEP) {
        const std::int64_t sets = sets_scoring_at_least(totals, threshold);
        std::fprintf(out, "  %-26d%12s%12s\n", threshold, with_thousands(sets).text,
                     share_of(sets, summary.sets, 3).text);
    }
    const std::int64_t at_best = totals[summary.highest];
    std::fprintf(out, "  %-26d%12s%12s\n", summary.highest, with_thousands(at_best).text,
                 share_of(at_best, summary.sets, 5).text);
}

} // namespace

void write_choice_lines(std::FILE* out, const NumberChoice& choice)
{
    if (is_empty_choice(choice)) {
        return;
    }
    char numbers[200];
    if (choice.kept_count > 0) {
        join_choice_numbers(choice, ChoiceList::Kept, numbers, sizeof numbers);
        std::fprintf(out, translate("Only the sets that hold %s (--with)\n"), numbers);
    }
    if (choice.left_out != 0) {
        join_choice_numbers(choice, ChoiceList::LeftOut, numbers, sizeof numbers);
        std::fprintf(out, translate("Only the sets that hold none of %s (--without)\n"), numbers);
    }
    std::fputc('\n', out);
}

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
