#pragma once

#include <cstddef>

// The real draws shipped with the programs (data/draws.csv), compiled in, so that a user's
// first history can be started from them wherever the program runs.
extern const unsigned char SHIPPED_HISTORY[];
extern const std::size_t SHIPPED_HISTORY_SIZE;
