#pragma once

#include "lotto_stats/week_files.hpp"

// A player's week on the command line. Each returns the exit status, having said what it
// did or what was wrong.

// --add-draw LINE: the next round into the history; with --tickets, that round's games
// checked right away.
int run_add_draw(const WeekOptions& options, const char* line);

// --add-ticket TEXT: a line of the tickets format, or the text of a slip's QR code.
int run_add_ticket(const WeekOptions& options, const char* text);

// --check: every game against its draw and what its round paid, as a report or as CSV.
int run_check(const WeekOptions& options);

// --ledger: what the games cost and paid back by the month of their draws, as a report or as
// CSV.
int run_ledger(const WeekOptions& options);
