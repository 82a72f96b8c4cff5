#include "tickets/ticket_check.hpp"

#include <algorithm>

#include "history/prize_matches.hpp"
#include "lottery/lottery_calendar.hpp"

namespace {

constexpr std::int32_t PRICE_CHANGE_ROUND = 88;
constexpr std::int32_t FIXED_FOURTH_ROUND = 401;

} // namespace

TicketResult check_ticket(const Ticket& ticket, const CheckBasis& basis)
{
    const DrawHistory& history = basis.history;
    TicketResult result{GameState::NotDrawnYet, 0, 0, false, 0, {}};
    const std::int32_t first = history.count > 0 ? history.draws[0].round : 1;
    if (ticket.round < first) {
        result.state = GameState::BeforeHistory;
        return result;
    }
    if (ticket.round - first >= history.count) {
        if (basis.now != 0 && sales_closed(ticket.round, basis.now)) {
            result.state = GameState::NotInHistoryYet;
        }
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
    const RoundPrizes* paid =
        basis.prizes != nullptr ? prizes_of_round(*basis.prizes, ticket.round) : nullptr;
    if (result.rank == 0) {
        result.prize = 0;
    } else if (paid != nullptr && paid->division[result.rank - 1].prize > 0) {
        result.prize = paid->division[result.rank - 1].prize;
    } else {
        result.prize = fixed_prize(result.rank, ticket.round);
    }
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

std::int64_t after_tax_estimate(std::int64_t prize)
{
    constexpr std::int64_t TAX_FREE = 2'000'000;
    constexpr std::int64_t GAME = 1'000;
    constexpr std::int64_t HIGHER_RATE_FROM = 300'000'000;
    if (prize <= TAX_FREE) {
        return prize;
    }
    const std::int64_t taxed = prize - GAME;
    const std::int64_t lower = taxed < HIGHER_RATE_FROM ? taxed : HIGHER_RATE_FROM;
    const std::int64_t higher = taxed - lower;
    return prize - (lower * 22 + higher * 33) / 100;
}
