#pragma once

#include <cstdint>

#include "history/draw_history.hpp"

// A draw without a bonus in the history cannot tell the 2nd prize from the 3rd: five
// matches then count as the 3rd.
int prize_of(const NumberSet& set, const Draw& draw); // 1 to 5, or 0 for none

// The chance of each prize for one set in one draw, from the counts of sets.
double prize_chance(int prize);

struct PrizeRecord {
    std::int64_t won[RANKS + 1]; // by prize, 1 to 5; slot 0 counts draws without one
    int best_draw;               // index of the first draw with the best result, or -1
    int best_matches;
};

PrizeRecord prizes_over_history(const NumberSet& set, const DrawHistory& history);
