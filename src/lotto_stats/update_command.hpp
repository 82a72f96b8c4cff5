#pragma once

#include "lotto_stats/week_files.hpp"

// --update: every round after the older of the history's and the prizes file's newest, asked
// of the results source one at a time until it has not published the next; each new draw
// added as --add-draw adds it, each round's prizes once final. With --tickets, the games of
// the rounds added checked; with `check`, every game checked after, also when the update
// stopped. `source` null: the one the programs were built with. Returns the exit status.
int run_update(const WeekOptions& options, const char* source, bool check);
