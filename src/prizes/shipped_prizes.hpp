#pragma once

#include <cstddef>

// What each round of the shipped draws paid (data/prizes.csv), compiled in, so that a
// user's first prizes file can be started from it wherever the program runs.
extern const unsigned char SHIPPED_PRIZES[];
extern const std::size_t SHIPPED_PRIZES_SIZE;
