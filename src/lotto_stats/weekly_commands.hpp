#pragma once

// A player's week on the command line. A null file means the one in the user's data folder
// (draws.csv, started from the shipped draws the first time, and tickets.csv). Each returns
// the exit status, having said what it did or what was wrong.

// --add-draw LINE: the next round into the history; with `tickets_path`, that round's
// games checked right away.
int run_add_draw(const char* draws_path, const char* tickets_path, const char* line);

// --add-ticket TEXT: a line of the tickets format, or the text of a slip's QR code.
int run_add_ticket(const char* tickets_path, const char* text);

// --check: every game against its draw, as a report or (`csv`) as CSV.
int run_check(const char* draws_path, const char* tickets_path, bool csv);
