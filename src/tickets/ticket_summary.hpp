#pragma once

#include <cstdint>

#include "history/draw_history.hpp"
#include "tickets/ticket_check.hpp"
#include "tickets/tickets.hpp"

// The rows of results after the five ranks and "no prize" (0).
inline constexpr int NOT_DRAWN = 6;
inline constexpr int BEFORE_HISTORY = 7;
inline constexpr int NOT_IN_HISTORY_YET = 8;
inline constexpr int RESULT_ROWS = 9;

// What the games of `tickets` (only those of `round`, unless it is 0) cost and won.
struct TicketSummary {
    std::int64_t games;
    std::int64_t spent;
    std::int64_t won;                    // the prizes whose amounts are known
    std::int64_t prizes_not_known;       // winning games whose amount is not known
    std::int64_t by_result[RESULT_ROWS]; // by rank, 0 no prize, then the rows above
};
TicketSummary summarize_tickets(const TicketFile& tickets, const CheckBasis& basis,
                                std::int32_t round);

// The row of a game's result: its rank (0 for no prize), or the row of its state.
int result_row(const TicketResult& result);

// A result's name, "1st prize" to "5th prize", "no prize" (0), "not drawn yet",
// "before the history" or "not in the history yet", and why the sum of prizes won leaves
// some out, in the language in use.
const char* ticket_result_name(int row);
const char* pool_prizes_note();
