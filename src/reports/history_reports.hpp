#pragma once

#include <cstdio>

#include "counting/back_test.hpp"
#include "generation/number_choice.hpp"
#include "history/draw_history.hpp"
#include "prizes/prize_table.hpp"

// One set: its four lines and total as the detail screen shows them, whether lotto could
// propose it, where its total stands among the proposable sets (`totals`, under
// `lists`) and, with a history, the prizes it would have won there and what they paid by
// `prizes`.
// With a choice of kept and left-out numbers, also whether lotto could propose it under them.
void write_set_report(std::FILE* out, const NumberSet& set, const NonAppearingPoints& lists,
                      const TotalCounts& totals, const DrawHistory* history,
                      const PrizeTable* prizes, const NumberChoice& choice);

// The history section of the report: the lists as of the latest draw, how often each
// number was drawn, and the back-test.
void write_history_report(std::FILE* out, const DrawHistory& history, const BackTest& test);

// The back-test per draw, as CSV: round,total,mid_rank.
void write_back_test_csv(std::FILE* out, const BackTest& test);

// The winning sets' mid-ranks by tenths against the flat line chance gives, as an SVG
// element placed `top` pixels down in a larger image.
void write_back_test_svg(std::FILE* out, const BackTest& test, int top);
