#pragma once

#include "history/draw_history.hpp"
#include "prizes/prize_table.hpp"

// The page's draw history as last read: what the tickets are checked against.
extern DrawHistory page_history;

// The page's prizes as last read: what each winning game's amount comes from.
extern PrizeTable page_prizes;
