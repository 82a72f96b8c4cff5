#pragma once

#include <cstdint>

#include "history/draw_history.hpp"
#include "tickets/ticket_check.hpp"
#include "tickets/tickets.hpp"

// What the games of `tickets` (only those of `round`, unless it is 0) cost and won.
// The rows of results after the five ranks and "no prize" (0).
inline constexpr int NOT_DRAWN = 6;
inline constexpr int BEFORE_HISTORY = 7;
inline constexpr int RESULT_ROWS = 8;
struct TicketSummary {
    std::int64_t games;
    std::int64_t spent;
    std::int64_t fixed_won;              // the fixed prizes only
    std::int64_t by_result[RESULT_ROWS]; // by rank, 0 no prize, NOT_DRAWN, BEFORE_HISTORY
};
TicketSummary summarize_tickets(const TicketFile& tickets, const DrawHistory& history,
                                std::int32_t round);

// The row of a game's result: its rank (0 for no prize), NOT_DRAWN or BEFORE_HISTORY.
int result_row(const TicketResult& result);

// A result's name, "1st prize" to "5th prize", "no prize" (0), "not drawn yet" (NOT_DRAWN)
// or "before the history" (BEFORE_HISTORY), and why the sum of prizes won leaves some out, in the
// language in use.
const char* ticket_result_name(int row);
const char* pool_prizes_note();
