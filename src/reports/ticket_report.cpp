#include "reports/ticket_report.hpp"

#include "reports/total_summary.hpp"
#include "text/text_columns.hpp"
#include "text/text_format.hpp"
#include "text/translation.hpp"
#include "tickets/ticket_check.hpp"
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

} // namespace

void write_ticket_report(std::FILE* out, const TicketFile& tickets, const DrawHistory& history,
                         std::int32_t round)
{
    std::fprintf(out, "%s\n", translate("  round  numbers ([n]: drawn)        result"));
    for (int i = 0; i < tickets.count; ++i) {
        const Ticket& ticket = tickets.tickets[i];
        if (!reported(ticket, round)) {
            continue;
        }
        const TicketResult result = check_ticket(ticket, history);
        std::fprintf(out, "  %5d  ", ticket.round);
        for (int n = 0; n < NUMBERS_PER_SET; ++n) {
            std::fprintf(out, result.is_matched[n] ? "[%2d]" : " %2d ", ticket.numbers[n]);
        }
        std::fprintf(out, "   %s\n", ticket_result_name(result_row(result)));
    }
    const TicketSummary summary = summarize_tickets(tickets, history, round);
    std::fprintf(out, "\n  %s%12s\n", align_left(translate("games"), 26).text,
                 with_thousands(summary.games).text);
    std::fprintf(out, "  %s%s\n", align_left(translate("spent"), 26).text,
                 in_won(summary.spent).text);
    for (int row : {1, 2, 3, 4, 5, 0, NOT_DRAWN, BEFORE_HISTORY}) {
        if (row == BEFORE_HISTORY && summary.by_result[row] == 0) {
            continue; // a row only where the history does not reach a game's round
        }
        std::fprintf(out, "    %s%12s\n", align_left(ticket_result_name(row), 24).text,
                     with_thousands(summary.by_result[row]).text);
    }
    std::fprintf(out, "  %s%s\n", align_left(translate("fixed prizes won"), 26).text,
                 in_won(summary.fixed_won).text);
    std::fprintf(out, "%s\n", pool_prizes_note());
}

void write_ticket_csv(std::FILE* out, const TicketFile& tickets, const DrawHistory& history,
                      std::int32_t round)
{
    std::fprintf(out, "round,n1,n2,n3,n4,n5,n6,matched,bonus_matched,rank\n");
    for (int i = 0; i < tickets.count; ++i) {
        const Ticket& ticket = tickets.tickets[i];
        if (!reported(ticket, round)) {
            continue;
        }
        const TicketResult result = check_ticket(ticket, history);
        const NumberSet& n = ticket.numbers;
        std::fprintf(out, "%d,%d,%d,%d,%d,%d,%d,", ticket.round, n[0], n[1], n[2], n[3], n[4],
                     n[5]);
        switch (result.state) {
        case GameState::Drawn:
            std::fprintf(out, "%d,%d,%d\n", result.matched, result.bonus_matched ? 1 : 0,
                         result.rank);
            break;
        case GameState::NotDrawnYet:
            std::fprintf(out, ",,\n");
            break;
        case GameState::BeforeHistory: // neither drawn nor waiting: nothing to tell
            std::fprintf(out, "-,-,-\n");
            break;
        }
    }
}
