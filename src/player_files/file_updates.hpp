#pragma once

#include "history/draw_append.hpp"
#include "prizes/prize_append.hpp"
#include "tickets/ticket_append.hpp"

// The weekly changes of a player's files, each made by one locked update.

// Adds the draw in `line` to the history file at `path` as planned above. The file is
// locked from reading to renaming and is left untouched unless the draw is added.
// `history` then holds the file's draws, the one added with them, and `draw` the one given.
AddDrawOutcome add_draw_to_file(const char* path, const char* line, int wait_milliseconds,
                                DrawHistory& history, Draw& draw, RecordError& error);

// Adds `count` games at the end of the tickets file at `path` (made, with a header, when
// missing), keeping every byte that is there, locked from reading to renaming. With a slip's
// games, a slip the file holds already adds nothing. `tickets` then holds the file's games
// as they were.
AddTicketsOutcome add_tickets_to_file(const char* path, const Ticket* games, int count,
                                      int wait_milliseconds, TicketFile& tickets,
                                      RecordError& error, int& known_line);

// Adds a round's prizes at the end of the prizes file at `path`, as planned above, locked
// from reading to renaming. `table` then holds the file's rows, the one added with them.
AddPrizesOutcome add_prizes_to_file(const char* path, const RoundPrizes& prizes,
                                    int wait_milliseconds, PrizeTable& table, RecordError& error);
