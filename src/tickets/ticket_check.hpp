#pragma once

#include <cstdint>

#include "history/draw_history.hpp"
#include "tickets/tickets.hpp"

// Where a game's round stands against the history.
enum class GameState {
    Drawn,         // in the history
    NotDrawnYet,   // after the history's newest round
    BeforeHistory, // before its first round: the history cannot tell what it won
};

// What one game won, once its round is drawn.
struct TicketResult {
    GameState state;
    int matched;        // winning numbers among the six
    bool bonus_matched; // the bonus among them
    int rank;           // 1 to 5, or 0 for no prize
    bool is_matched[NUMBERS_PER_SET];
};

TicketResult check_ticket(const Ticket& ticket, const DrawHistory& history);

// What a game cost in won: 2,000 before round 88, 1,000 since.
std::int64_t game_price(std::int32_t round);

// The fixed prize of a rank in won: 5th 10,000 before round 88 and 5,000 since, 4th 50,000
// from round 401. -1 where the prize is a share of the round's pool (1st to 3rd, and 4th
// before round 401), which a history does not hold.
std::int64_t fixed_prize(int rank, std::int32_t round);
