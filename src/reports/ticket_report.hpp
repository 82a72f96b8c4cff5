#pragma once

#include <cstdint>
#include <cstdio>

#include "history/draw_history.hpp"
#include "tickets/tickets.hpp"

// Every game of `tickets` (only those of `round`, unless it is 0) against its draw: the
// numbers with the drawn ones marked, the rank or "not drawn yet", then a summary of games,
// money spent, ranks and the fixed prizes won.
void write_ticket_report(std::FILE* out, const TicketFile& tickets, const DrawHistory& history,
                         std::int32_t round);

// The same as CSV, one row a game in file order:
// round,n1,n2,n3,n4,n5,n6,matched,bonus_matched,rank (the last three empty before the draw).
void write_ticket_csv(std::FILE* out, const TicketFile& tickets, const DrawHistory& history,
                      std::int32_t round);
