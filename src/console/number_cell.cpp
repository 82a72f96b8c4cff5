#include "console/number_cell.hpp"

#include "console/console.hpp"

ConsoleAttribute ball_color(std::int32_t number)
{
    if (number <= 10) {
        return 0xE0; // black on bright yellow
    }
    if (number <= 20) {
        return 0x9F; // bright white on bright blue
    }
    if (number <= 30) {
        return 0xCF; // bright white on bright red
    }
    if (number <= 40) {
        return 0xF0; // black on bright white
    }
    return 0xA0; // black on bright green
}

void print_number_cell(std::int32_t number)
{
    console_set_attribute(ball_color(number));
    console_printf(" %2d ", number);
    console_set_attribute(RESET_ATTRIBUTE);
}
