#pragma once

#include <cstdint>

#include "console/console_attribute.hpp"
#include "lottery/lottery.hpp"

// The colour of a number's ball: yellow, blue, red, white, green for 1-10 ... 41-45.
ConsoleAttribute ball_color(std::int32_t number);

// Prints " %2d " in the number's ball colour, then sets RESET_ATTRIBUTE.
void print_number_cell(std::int32_t number);
