#include "tickets/ticket_check.hpp"

#include <algorithm>

#include "history/prize_matches.hpp"

namespace {

constexpr std::int32_t PRICE_CHANGE_ROUND = 88;
constexpr std::int32_t FIXED_FOURTH_ROUND = 401;

} // namespace

TicketResult check_ticket(const Ticket& ticket, const DrawHistory& history)
{
    TicketResult result{GameState::NotDrawnYet, 0, false, 0, {}};
    if (history.count == 0) {
        return result;
    }
    const std::int32_t first = history.draws[0].round;
    if (ticket.round < first) {
        result.state = GameState::BeforeHistory;
        return result;
    }
    if (ticket.round - first >= history.count) {
        return result;
    }
    const Draw& draw = history.draws[ticket.round - first];
    result.state = GameState::Drawn;
    for (int i = 0; i < NUMBERS_PER_SET; ++i) {
        const std::int32_t number = ticket.numbers[i];
        result.is_matched[i] =
            std::find(draw.numbers.begin(), draw.numbers.end(), number) != draw.numbers.end();
        result.matched += result.is_matched[i] ? 1 : 0;
        result.bonus_matched = result.bonus_matched || (draw.bonus != 0 && number == draw.bonus);
    }
    result.rank = prize_of(ticket.numbers, draw);
    return result;
}

std::int64_t game_price(std::int32_t round)
{
    return round < PRICE_CHANGE_ROUND ? 2000 : 1000;
}

std::int64_t fixed_prize(int rank, std::int32_t round)
{
    if (rank == 5) {
        return round < PRICE_CHANGE_ROUND ? 10'000 : 5'000;
    }
    if (rank == 4 && round >= FIXED_FOURTH_ROUND) {
        return 50'000;
    }
    return rank == 0 ? 0 : -1;
}
