#pragma once

#include <array>
#include <cstdint>

#include "history/draw_history.hpp"
#include "scoring/non_appearing.hpp"

// Per number, how many of the latest draws have passed since it was last among the six
// winning numbers: 0 when it is in the latest draw, the number of draws when it is in
// none. The bonus does not count. Index 0 is unused.
using DrawsSinceDrawn = std::array<std::int32_t, MAX_NUMBER + 1>;

// As of the latest of the first `count` draws of the history, oldest first.
DrawsSinceDrawn draws_since_drawn(const DrawHistory& history, int count);

// The non-appearing lists those absences make: a number absent for at least as many draws
// as a list's points earns them (15 or more earn 15, 10 to 14 earn 10, 5 to 9 earn 5),
// fewer nothing.
NonAppearingPoints overdue_points(const DrawsSinceDrawn& absences);

// The lists as of the history's latest draw.
NonAppearingPoints latest_overdue_points(const DrawHistory& history);

// Puts the lists as of the history's latest draw in force for the scoring pass.
void use_history_lists(const DrawHistory& history);
