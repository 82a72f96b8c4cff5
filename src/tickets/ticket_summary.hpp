#pragma once

#include <cstdint>

#include "history/draw_history.hpp"
#include "tickets/tickets.hpp"

// What the games of `tickets` (only those of `round`, unless it is 0) cost and won.
inline constexpr int NOT_DRAWN = 6; // the row after the five ranks and "no prize"
struct TicketSummary {
    std::int64_t games;
    std::int64_t spent;
    std::int64_t fixed_won;                // the fixed prizes only
    std::int64_t by_result[NOT_DRAWN + 1]; // by rank, 0 no prize, NOT_DRAWN
};
TicketSummary summarize_tickets(const TicketFile& tickets, const DrawHistory& history,
                                std::int32_t round);

// A result's name, "1st prize" to "5th prize", "no prize" (0) or "not drawn yet" (NOT_DRAWN),
// and why the sum of prizes won leaves some out, in the language in use.
const char* ticket_result_name(int row);
const char* pool_prizes_note();
