#pragma once

#include <cstdint>

// A Windows console character attribute: foreground in the low four bits, background in
// the high four; in each, bit 0 blue, bit 1 green, bit 2 red, bit 3 intensity.
using ConsoleAttribute = std::uint8_t;

// Bright white on black: set after every number cell and left in force.
inline constexpr ConsoleAttribute RESET_ATTRIBUTE = 0x0F;
