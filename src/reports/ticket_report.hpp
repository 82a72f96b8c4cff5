#pragma once

#include <cstdint>
#include <cstdio>

#include "tickets/ticket_check.hpp"
#include "tickets/tickets.hpp"

// Every game of `tickets` (only those of `round`, unless it is 0) against its draw: the
// numbers with the drawn ones marked, the rank and the amount won or the game's state, and
// under a winning game what is left after tax and the last day to claim; then a summary of
// games, money spent, results and the prizes won.
void write_ticket_report(std::FILE* out, const TicketFile& tickets, const CheckBasis& basis,
                         std::int32_t round);

// The same as CSV, one row a game in file order:
// round,n1,n2,n3,n4,n5,n6,matched,bonus_matched,rank,prize. Before the draw the last four
// are empty; before the history's first round they are '-'. `prize` is the amount won, 0 for
// no prize, empty where it is not known.
void write_ticket_csv(std::FILE* out, const TicketFile& tickets, const CheckBasis& basis,
                      std::int32_t round);
