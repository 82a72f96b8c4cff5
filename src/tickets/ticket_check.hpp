#pragma once

#include <cstdint>

#include "history/draw_history.hpp"
#include "prizes/prize_table.hpp"
#include "tickets/tickets.hpp"

// What a game is checked against: the draws, what each round paid (null: nothing known),
// and the moment (seconds since 1970; 0 for no clock, when every round after the history
// counts as not drawn yet).
struct CheckBasis {
    const DrawHistory& history;
    const PrizeTable* prizes;
    std::int64_t now;
};

// Where a game's round stands.
enum class GameState {
    Drawn,           // in the history
    NotDrawnYet,     // after the history's newest round, its sales still open
    NotInHistoryYet, // its sales closed, but the history does not hold its draw yet
    BeforeHistory,   // before the history's first round: it cannot tell what the game won
};

// What one game won, once its round is drawn.
struct TicketResult {
    GameState state;
    std::int64_t prize; // won, for a drawn game: 0 for no prize, -1 where not known
    int matched;        // winning numbers among the six
    bool bonus_matched; // the bonus among them
    int rank;           // 1 to 5, or 0 for no prize
    bool is_matched[NUMBERS_PER_SET];
};

TicketResult check_ticket(const Ticket& ticket, const CheckBasis& basis);

// What a game cost in won: 2,000 before round 88, 1,000 since.
std::int64_t game_price(std::int32_t round);

// The fixed prize of a rank in won: 5th 10,000 before round 88 and 5,000 since, 4th 50,000
// from round 401. -1 where the prize is a share of the round's pool (1st to 3rd, and 4th
// before round 401), which only the round's prizes tell.
std::int64_t fixed_prize(int rank, std::int32_t round);

// What is left of a prize after the tax withheld since 2023, an estimate: nothing up to
// 2,000,000 won; above, the prize less the 1,000-won game is taxed 22 % up to 300,000,000
// won and 33 % on the part above.
std::int64_t after_tax_estimate(std::int64_t prize);
