#pragma once

#include "history/draw_history.hpp"

// What a history read in full must hold together: every round from the first to the last,
// no bonus among its own draw's numbers, dates that grow with the rounds. Fills `error` with
// the first fault.
bool check_history(const DrawHistory& history, RecordError& error);
