#include "tickets/ticket_summary.hpp"

#include "text/translation.hpp"
#include "tickets/ticket_check.hpp"

namespace {

bool reported(const Ticket& ticket, std::int32_t round)
{
    return round == 0 || ticket.round == round;
}

} // namespace

int result_row(const TicketResult& result)
{
    switch (result.state) {
    case GameState::Drawn:
        return result.rank;
    case GameState::BeforeHistory:
        return BEFORE_HISTORY;
    case GameState::NotInHistoryYet:
        return NOT_IN_HISTORY_YET;
    case GameState::NotDrawnYet:
        break;
    }
    return NOT_DRAWN;
}

const char* ticket_result_name(int row)
{
    static const char* const NAMES[RESULT_ROWS] = {
        translatable("no prize"),
        translatable("1st prize"),
        translatable("2nd prize"),
        translatable("3rd prize"),
        translatable("4th prize"),
        translatable("5th prize"),
        translatable("not drawn yet"),
        translatable("before the history"),
        translatable("not in the history yet"),
    };
    return translate(NAMES[row >= 0 && row < RESULT_ROWS ? row : NOT_DRAWN]);
}

const char* pool_prizes_note()
{
    return translate("The 1st to 3rd prizes (and the 4th before round 401) are a share of "
                     "each round's prize pool:\nwhere the prizes file does not hold the round, "
                     "they are not in this sum.");
}

TicketSummary summarize_tickets(const TicketFile& tickets, const CheckBasis& basis,
                                std::int32_t round)
{
    TicketSummary summary{};
    for (int i = 0; i < tickets.count; ++i) {
        const Ticket& ticket = tickets.tickets[i];
        if (!reported(ticket, round)) {
            continue;
        }
        const TicketResult result = check_ticket(ticket, basis);
        ++summary.games;
        ++summary.by_result[result_row(result)];
        summary.spent += game_price(ticket.round);
        if (result.state == GameState::Drawn && result.prize > 0) {
            summary.won += result.prize;
        } else if (result.state == GameState::Drawn && result.prize < 0) {
            ++summary.prizes_not_known;
        }
    }
    return summary;
}
