#include <algorithm>
#include <cinttypes>

#include "generation/shape_filters.hpp"
#include "history/prize_matches.hpp"
#include "reports/history_reports.hpp"
#include "reports/total_summary.hpp"
#include "scoring/scoring_pass.hpp"
#include "scoring/set_score.hpp"
#include "text/text_columns.hpp"
#include "text/translation.hpp"
#include "tickets/ticket_check.hpp"

namespace {

// The set's four lines and total as the detail screen shows them. Returns the total.
std::int32_t write_detail_lines(std::FILE* out, const NumberSet& set,
                                const NonAppearingPoints& lists)
{
    CriterionLines lines{};
    const std::int32_t total = write_criterion_lines(set, lists, lines);
    for (const DetailLine& line : lines) {
        std::fprintf(out, "%s \n", line.data());
    }
    char total_line[64];
    format_total_line(total_line, sizeof total_line, total);
    std::fprintf(out, "%s\n", total_line);
    return total;
}

// Under a choice: whether the set fits it, and what it lacks or holds.
void write_proposable_under(std::FILE* out, const NumberSet& set, const NumberChoice& choice)
{
    if (is_empty_choice(choice)) {
        return;
    }
    if (fits_number_choice(set, choice)) {
        std::fprintf(out, "%s",
                     is_proposable(set)
                         ? translate("Under --with and --without lotto can propose it too.\n")
                         : translate("Under --with and --without it still never does.\n"));
        return;
    }
    NumberChoice lacked = NO_NUMBER_CHOICE;
    NumberChoice held = NO_NUMBER_CHOICE;
    for (int i = 0; i < choice.kept_count; ++i) {
        if (std::find(set.begin(), set.end(), choice.kept[i]) == set.end()) {
            lacked.kept[static_cast<std::size_t>(lacked.kept_count++)] = choice.kept[i];
        }
    }
    for (std::int32_t number : set) {
        if (is_left_out(choice, number)) {
            held.left_out |= number_bit(number);
        }
    }
    char lacks[64];
    char holds[64];
    join_choice_numbers(lacked, ChoiceList::Kept, lacks, sizeof lacks);
    join_choice_numbers(held, ChoiceList::LeftOut, holds, sizeof holds);
    if (held.left_out == 0) {
        std::fprintf(
            out, translate("Under --with and --without lotto never proposes it: it lacks %s.\n"),
            lacks);
    } else if (lacked.kept_count == 0) {
        std::fprintf(
            out, translate("Under --with and --without lotto never proposes it: it holds %s.\n"),
            holds);
    } else {
        std::fprintf(out,
                     translate("Under --with and --without lotto never proposes it: it lacks %s "
                               "and holds %s.\n"),
                     lacks, holds);
    }
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

// What the set would have been paid, by rank: the round's prize where the prizes hold it,
// else the fixed one; wins whose amount is not known are counted apart.
struct PrizeAmounts {
    std::int64_t won[RANKS + 1];
    std::int64_t not_known;
};

PrizeAmounts amounts_over_history(const NumberSet& set, const DrawHistory& history,
                                  const PrizeTable& prizes)
{
    PrizeAmounts amounts{};
    for (int i = 0; i < history.count; ++i) {
        const Draw& draw = history.draws[i];
        const int rank = prize_of(set, draw);
        if (rank == 0) {
            continue;
        }
        const RoundPrizes* paid = prizes_of_round(prizes, draw.round);
        const std::int64_t amount = paid != nullptr && paid->division[rank - 1].prize > 0
                                        ? paid->division[rank - 1].prize
                                        : fixed_prize(rank, draw.round);
        if (amount > 0) {
            amounts.won[rank] += amount;
        } else {
            ++amounts.not_known;
        }
    }
    return amounts;
}

void write_prizes(std::FILE* out, const NumberSet& set, const DrawHistory& history,
                  const PrizeTable& prizes)
{
    static const char* const PRIZE_NAMES[RANKS + 1] = {
        "",
        translatable("1st: 6 numbers"),
        translatable("2nd: 5 and the bonus"),
        translatable("3rd: 5 numbers"),
        translatable("4th: 4 numbers"),
        translatable("5th: 3 numbers"),
    };
    const PrizeRecord record = prizes_over_history(set, history);
    const PrizeAmounts amounts = amounts_over_history(set, history, prizes);
    std::fprintf(out, translate("\nIn the %d draws of the history (rounds %d to %d)\n"),
                 history.count, history.draws[0].round, history.draws[history.count - 1].round);
    std::fprintf(out, "  %s%s%s%s\n", align_left(translate("prize"), 26).text,
                 align_right(translate("won"), 12).text,
                 align_right(translate("by chance"), 12).text,
                 align_right(translate("paid (won)"), 18).text);
    std::int64_t total = 0;
    for (int prize = 1; prize <= RANKS; ++prize) {
        std::fprintf(out, "  %s%12" PRId64 "%12.3f%18s\n",
                     align_left(translate(PRIZE_NAMES[prize]), 26).text, record.won[prize],
                     prize_chance(prize) * history.count, with_thousands(amounts.won[prize]).text);
        total += amounts.won[prize];
    }
    std::fprintf(out, "  %s%42s\n", align_left(translate("in all"), 26).text,
                 with_thousands(total).text);
    if (amounts.not_known > 0) {
        std::fprintf(out,
                     translate("  and %" PRId64 " prizes of rounds the prizes file lacks, whose "
                               "amounts are not known\n"),
                     amounts.not_known);
    }
    const Draw& best = history.draws[record.best_draw];
    std::fprintf(out, translate("  best draw: round %d, %d of its six numbers%s\n"), best.round,
                 record.best_matches,
                 best.bonus != 0 && prize_of(set, best) == 2 ? translate(" and the bonus") : "");
}

} // namespace

void write_set_report(std::FILE* out, const NumberSet& set, const NonAppearingPoints& lists,
                      const TotalCounts& totals, const DrawHistory* history,
                      const PrizeTable* prizes, const NumberChoice& choice)
{
    std::fprintf(out, "%s", translate("Set"));
    for (std::int32_t number : set) {
        std::fprintf(out, " %d", number);
    }
    std::fprintf(out, "%s",
                 history != nullptr ? translate(", scored with the lists of the draw history\n")
                                    : translate(", scored with lotto's own lists\n"));
    const std::int32_t total = write_detail_lines(out, set, lists);
    write_proposable(out, set);
    write_proposable_under(out, set, choice);
    write_place(out, totals, total);
    if (history != nullptr) {
        write_prizes(out, set, *history, *prizes);
    }
}
