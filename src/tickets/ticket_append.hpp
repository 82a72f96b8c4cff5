#pragma once

#include <cstdio>

#include "history/draw_history.hpp"
#include "records/text_insertion.hpp"
#include "tickets/tickets.hpp"

// The header a tickets file the programs start begins with.
inline constexpr char TICKETS_HEADER[] = "round,n1,n2,n3,n4,n5,n6,slip";

enum class AddTicketsOutcome {
    Added,
    SlipKnown,   // the file holds the slip already: nothing written (`known_line` says where)
    FileRefused, // the tickets file does not read: `error` says why
    Busy,        // another program held the file too long
    Failed,      // it could not be read or written: errno says why
};

// Where and how `count` games (at most a slip's five) go at the end of the tickets read
// from `source`, in its line ends, with a header when it is empty. With a slip's games, a
// slip the file holds already adds nothing. Added when `insertion` is to be made; `tickets`
// then holds the file's games as they were. Failed, errno EFBIG, when they would not fit.
AddTicketsOutcome plan_ticket_insertion(TextSource& source, const Ticket* games, int count,
                                        TicketFile& tickets, RecordError& error, int& known_line,
                                        TextInsertion& insertion);
