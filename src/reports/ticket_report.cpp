#include "reports/ticket_report.hpp"

#include <cinttypes>

#include "reports/total_summary.hpp"
#include "text/text_columns.hpp"
#include "text/text_format.hpp"
#include "text/translation.hpp"
#include "tickets/ticket_check.hpp"
#include "tickets/ticket_claim.hpp"
#include "tickets/ticket_summary.hpp"

namespace {

bool reported(const Ticket& ticket, std::int32_t round)
{
    return round == 0 || ticket.round == round;
}

struct Amount {
    char text[64];
};

// An amount of money, its digits right-aligned in 12 columns: "      12,000 won".
Amount in_won(std::int64_t amount)
{
    char digits[24];
    format_text(digits, sizeof digits, "%12s", with_thousands(amount).text);
    Amount shown{};
    format_text(shown.text, sizeof shown.text, translate("%s won"), digits);
    return shown;
}

// Where the numbers begin, after the round: the line under a game starts there.
constexpr int NUMBERS_COLUMN = 2 + 5 + 2;

// The result column: the rank and, where known, the amount one game of it won.
void write_result(std::FILE* out, const TicketResult& result)
{
    const int row = result_row(result);
    if (result.state == GameState::Drawn && result.rank > 0 && result.prize > 0) {
        char amount[64];
        format_text(amount, sizeof amount, translate("%s won"), with_thousands(result.prize).text);
        std::fprintf(out, "   %s %s\n", ticket_result_name(row), amount);
    } else {
        std::fprintf(out, "   %s\n", ticket_result_name(row));
    }
}

// Under a winning game: what is left after tax and the last day to claim it.
void write_claim(std::FILE* out, const Ticket& ticket, const TicketResult& result)
{
    std::fprintf(out, "%*s%s\n", NUMBERS_COLUMN, "", claim_line(ticket, result).text);
}

} // namespace

void write_ticket_report(std::FILE* out, const TicketFile& tickets, const CheckBasis& basis,
                         std::int32_t round)
{
    std::fprintf(out, "%s\n", translate("  round  numbers ([n]: drawn)        result"));
    bool winning = false;
    bool waiting = false;
    for (int i = 0; i < tickets.count; ++i) {
        const Ticket& ticket = tickets.tickets[i];
        if (!reported(ticket, round)) {
            continue;
        }
        const TicketResult result = check_ticket(ticket, basis);
        std::fprintf(out, "  %5d  ", ticket.round);
        for (int n = 0; n < NUMBERS_PER_SET; ++n) {
            std::fprintf(out, result.is_matched[n] ? "[%2d]" : " %2d ", ticket.numbers[n]);
        }
        write_result(out, result);
        if (result.state == GameState::Drawn && result.rank > 0) {
            write_claim(out, ticket, result);
            winning = true;
        }
        waiting = waiting || result.state == GameState::NotInHistoryYet;
    }
    const TicketSummary summary = summarize_tickets(tickets, basis, round);
    std::fprintf(out, "\n  %s%12s\n", align_left(translate("games"), 26).text,
                 with_thousands(summary.games).text);
    std::fprintf(out, "  %s%s\n", align_left(translate("spent"), 26).text,
                 in_won(summary.spent).text);
    for (int row : {1, 2, 3, 4, 5, 0, NOT_DRAWN, NOT_IN_HISTORY_YET, BEFORE_HISTORY}) {
        if ((row == BEFORE_HISTORY || row == NOT_IN_HISTORY_YET) && summary.by_result[row] == 0) {
            continue; // a row only where a game is in that state
        }
        std::fprintf(out, "    %s%12s\n", align_left(ticket_result_name(row), 24).text,
                     with_thousands(summary.by_result[row]).text);
    }
    std::fprintf(out, "  %s%s\n", align_left(translate("prizes won"), 26).text,
                 in_won(summary.won).text);
    if (summary.prizes_not_known > 0) {
        std::fprintf(out, "%s\n", pool_prizes_note());
    }
    if (winning) {
        std::fprintf(out, "%s\n",
                     // xgettext:no-c-format
                     translate("After tax: an estimate by the rule in force since 2023, nothing "
                               "up to 2,000,000 won;\nabove it, 22 % of the prize less the "
                               "1,000-won game up to 300,000,000 won and 33 % on\nthe part "
                               "above. A holiday can move the last day to claim."));
    }
    if (waiting) {
        std::fprintf(out, "%s\n",
                     translate("A round whose sales have closed is not in the draw history yet: "
                               "lotto-stats --update\nfetches it."));
    }
}

void write_ticket_csv(std::FILE* out, const TicketFile& tickets, const CheckBasis& basis,
                      std::int32_t round)
{
    std::fprintf(out, "round,n1,n2,n3,n4,n5,n6,matched,bonus_matched,rank,prize\n");
    for (int i = 0; i < tickets.count; ++i) {
        const Ticket& ticket = tickets.tickets[i];
        if (!reported(ticket, round)) {
            continue;
        }
        const TicketResult result = check_ticket(ticket, basis);
        const NumberSet& n = ticket.numbers;
        std::fprintf(out, "%d,%d,%d,%d,%d,%d,%d,", ticket.round, n[0], n[1], n[2], n[3], n[4],
                     n[5]);
        switch (result.state) {
        case GameState::Drawn:
            std::fprintf(out, "%d,%d,%d,", result.matched, result.bonus_matched ? 1 : 0,
                         result.rank);
            if (result.prize >= 0) {
                std::fprintf(out, "%" PRId64, result.prize);
            }
            std::fprintf(out, "\n");
            break;
        case GameState::NotDrawnYet:
        case GameState::NotInHistoryYet:
            std::fprintf(out, ",,,\n");
            break;
        case GameState::BeforeHistory: // neither drawn nor waiting: nothing to tell
            std::fprintf(out, "-,-,-,-\n");
            break;
        }
    }
}
