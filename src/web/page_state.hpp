#pragma once

#include "history/draw_history.hpp"

// The page's draw history as last read: what the tickets are checked against.
extern DrawHistory page_history;
