#include "console/number_cell.hpp"

#include "console/console.hpp"

namespace {

// The five ball colours, as console attributes (background in the high four bits).
constexpr ConsoleAttribute BLACK_ON_YELLOW = 0xE0;
constexpr ConsoleAttribute WHITE_ON_BLUE = 0x9F;
constexpr ConsoleAttribute WHITE_ON_RED = 0xCF;
constexpr ConsoleAttribute BLACK_ON_WHITE = 0xF0;
constexpr ConsoleAttribute BLACK_ON_GREEN = 0xA0;

// The ball colours by colour group.
constexpr ConsoleAttribute BALL_ATTRIBUTES[COLOR_GROUP_COUNT] = {
    BLACK_ON_YELLOW, WHITE_ON_BLUE, WHITE_ON_RED, BLACK_ON_WHITE, BLACK_ON_GREEN,
};

} // namespace

ConsoleAttribute ball_color(std::int32_t number)
{
    // A number outside 1 to 45 takes the colour of the nearest group.
    const int group = number < 1            ? 0
                      : number > MAX_NUMBER ? COLOR_GROUP_COUNT - 1
                                            : color_group(number);
    return BALL_ATTRIBUTES[group];
}

void print_number_cell(std::int32_t number)
{
    console_set_attribute(ball_color(number));
    console_printf(" %2d ", number);
    console_set_attribute(RESET_ATTRIBUTE);
}
