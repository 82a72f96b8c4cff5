#include <cinttypes>

#include "generation/prediction_table.hpp"
#include "generation/shape_filters.hpp"
#include "history/prize_matches.hpp"
#include "scoring/scoring_pass.hpp"
#include "statistics/history_reports.hpp"
#include "statistics/total_summary.hpp"
#include "text/text_columns.hpp"
#include "text/translation.hpp"

namespace {

// The set's four lines and total as the detail screen shows them: the scoring pass
// writes them, for five copies of the set.
void write_detail_lines(std::FILE* out, const NumberSet& set)
{
    reset_prediction_table();
    prediction_table.sets.fill(set);
    score_sets();
    for (const DetailLine& line : prediction_table.detail_lines[0]) {
        std::fprintf(out, "%s \n", line.data());
    }
    char total_line[64];
    format_total_line(total_line, sizeof total_line, prediction_table.total_score[0]);
    std::fprintf(out, "%s\n", total_line);
}

void write_proposable(std::FILE* out, const NumberSet& set)
{
    if (is_proposable(set)) {
        std::fprintf(out, "%s", translate("\nlotto can propose this set.\n"));
        return;
    }
    std::fprintf(out, translate("\nlotto never proposes this set:%s%s%s.\n"),
                 is_all_odd(set) ? translate(" all odd") : "",
                 is_all_even(set) ? translate(" all even") : "",
                 has_four_in_a_row(set) ? translate(" four in a row") : "");
}

void write_place(std::FILE* out, const TotalCounts& totals, int total)
{
    const auto [below, equal, above, all] = place_of(totals, total);
    std::fprintf(out, translate("\nAmong the %s proposable sets\n"), with_thousands(all).text);
    std::fprintf(out, "  %s%12s  %9s %%\n", align_left(translate("a lower total"), 26).text,
                 with_thousands(below).text, share_of(below, all, 5).text);
    std::fprintf(out, "  %s%12s  %9s %%\n", align_left(translate("the same total"), 26).text,
                 with_thousands(equal).text, share_of(equal, all, 5).text);
    std::fprintf(out, "  %s%12s  %9s %%\n", align_left(translate("a higher total"), 26).text,
                 with_thousands(above).text, share_of(above, all, 5).text);
}

void write_prizes(std::FILE* out, const NumberSet& set, const DrawHistory& history)
{
    static const char* const PRIZE_NAMES[PRIZE_COUNT + 1] = {
        "",
        translatable("1st: 6 numbers"),
        translatable("2nd: 5 and the bonus"),
        translatable("3rd: 5 numbers"),
        translatable("4th: 4 numbers"),
        translatable("5th: 3 numbers"),
    };
    const PrizeRecord record = prizes_over_history(set, history);
    std::fprintf(out, translate("\nIn the %d draws of the history (rounds %d to %d)\n"),
                 history.count, history.draws[0].round, history.draws[history.count - 1].round);
    std::fprintf(out, "  %s%s%s\n", align_left(translate("prize"), 26).text,
                 align_right(translate("won"), 12).text,
                 align_right(translate("by chance"), 12).text);
    for (int prize = 1; prize <= PRIZE_COUNT; ++prize) {
        std::fprintf(out, "  %s%12" PRId64 "%12.3f\n",
                     align_left(translate(PRIZE_NAMES[prize]), 26).text, record.won[prize],
                     prize_chance(prize) * history.count);
    }
    const Draw& best = history.draws[record.best_draw];
    std::fprintf(out, translate("  best draw: round %d, %d of its six numbers%s\n"), best.round,
                 record.best_matches,
                 best.bonus != 0 && prize_of(set, best) == 2 ? translate(" and the bonus") : "");
}

} // namespace

void write_set_report(std::FILE* out, const NumberSet& set, const TotalCounts& totals,
                      const DrawHistory* history)
{
    std::fprintf(out, "%s", translate("Set"));
    for (std::int32_t number : set) {
        std::fprintf(out, " %d", number);
    }
    std::fprintf(out, "%s",
                 history != nullptr ? translate(", scored with the lists of the draw history\n")
                                    : translate(", scored with lotto's own lists\n"));
    write_detail_lines(out, set);
    write_proposable(out, set);
    write_place(out, totals, prediction_table.total_score[0]);
    if (history != nullptr) {
        write_prizes(out, set, *history);
    }
}
