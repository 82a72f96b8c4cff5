#pragma once

#include "tickets/ticket_check.hpp"
#include "tickets/tickets.hpp"

// What a winning game's owner is told under it: what is left after tax, where the amount is
// known, and the last day to claim it, in the language in use.
struct ClaimLine {
    char text[256];
};
ClaimLine claim_line(const Ticket& ticket, const TicketResult& result);
