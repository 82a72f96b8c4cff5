#include "statistics/ticket_report.hpp"

#include "statistics/total_summary.hpp"
#include "text/text_columns.hpp"
#include "text/translation.hpp"
#include "tickets/ticket_check.hpp"

namespace {

constexpr int NOT_DRAWN = 6; // the summary's row after the five ranks and "no prize"

const char* result_name(int row)
{
    static const char* const NAMES[NOT_DRAWN + 1] = {
        translatable("no prize"),      translatable("1st prize"), translatable("2nd prize"),
        translatable("3rd prize"),     translatable("4th prize"), translatable("5th prize"),
        translatable("not drawn yet"),
    };
    return translate(NAMES[row]);
}

bool reported(const Ticket& ticket, std::int32_t round)
{
    return round == 0 || ticket.round == round;
}

} // namespace

void write_ticket_report(std::FILE* out, const TicketFile& tickets, const DrawHistory& history,
                         std::int32_t round)
{
    std::int64_t games = 0;
    std::int64_t spent = 0;
    std::int64_t won = 0;
    std::int64_t by_result[NOT_DRAWN + 1] = {};
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
        const int row = result.drawn ? result.rank : NOT_DRAWN;
        std::fprintf(out, "   %s\n", result_name(row));
        ++games;
        ++by_result[row];
        spent += game_price(ticket.round);
        const std::int64_t prize = result.drawn ? fixed_prize(result.rank, ticket.round) : 0;
        won += prize > 0 ? prize : 0;
    }
    std::fprintf(out, "\n  %s%12s\n", align_left(translate("games"), 26).text,
                 with_thousands(games).text);
    std::fprintf(out, "  %s%12s %s\n", align_left(translate("spent"), 26).text,
                 with_thousands(spent).text, translate("won"));
    for (int row : {1, 2, 3, 4, 5, 0, NOT_DRAWN}) {
        std::fprintf(out, "    %s%12s\n", align_left(result_name(row), 24).text,
                     with_thousands(by_result[row]).text);
    }
    std::fprintf(out, "  %s%12s %s\n", align_left(translate("fixed prizes won"), 26).text,
                 with_thousands(won).text, translate("won"));
    std::fprintf(out, "%s\n",
                 translate("The 1st to 3rd prizes (and the 4th before round 401) are a share of "
                           "each round's prize pool,\nwhich the draw history does not hold: they "
                           "are not in this sum."));
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
        if (result.drawn) {
            std::fprintf(out, "%d,%d,%d\n", result.matched, result.bonus_matched ? 1 : 0,
                         result.rank);
        } else {
            std::fprintf(out, ",,\n");
        }
    }
}
