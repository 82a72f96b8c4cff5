#pragma once

#include <cstdint>

#include "history/draw_history.hpp"
#include "history/overdue_numbers.hpp"

// The recent window of a number's record: a year of weekly draws.
inline constexpr int RECENT_DRAWS = 52;

// How each number has come up in a history: among the six winning numbers (the bonus does
// not count) over every draw, over the latest RECENT_DRAWS, and the draws since it last
// did. Index 0 is unused.
struct NumberRecord {
    int draws;
    int recent_draws; // RECENT_DRAWS, or fewer for a shorter history
    std::int32_t all[MAX_NUMBER + 1];
    std::int32_t recent[MAX_NUMBER + 1];
    DrawsSinceDrawn since;
};

NumberRecord number_record(const DrawHistory& history);

// What chance alone makes of one number's count over `draws` draws: it is binomial, with
// six numbers of MAX_NUMBER drawn each time. `expected` is its mean and `spread` its
// standard deviation; about two numbers in three land within one spread of the mean and
// about 19 in 20 within two. The band's ends are those counts, rounded.
struct ChanceBand {
    double expected;
    double spread;
    std::int32_t low; // within one spread
    std::int32_t high;
    std::int32_t wide_low; // within two
    std::int32_t wide_high;
};

ChanceBand chance_band(int draws);
