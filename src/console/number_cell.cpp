#include "console/number_cell.hpp"

#include "console/console.hpp"

namespace {

// The five ball colours, as console attributes (background in the high four bits).
constexpr ConsoleAttribute BLACK_ON_YELLOW = 0xE0;
constexpr ConsoleAttribute WHITE_ON_BLUE = 0x9F;
constexpr ConsoleAttribute WHITE_ON_RED = 0xCF;
constexpr ConsoleAttribute BLACK_ON_WHITE = 0xF0;
constexpr ConsoleAttribute BLACK_ON_GREEN = 0xA0;

struct BallBand {
    std::int32_t highest; // the band's last number
    ConsoleAttribute colour;
};

constexpr BallBand BALL_BANDS[] = {
    {10, BLACK_ON_YELLOW}, {20, WHITE_ON_BLUE},          {30, WHITE_ON_RED},
    {40, BLACK_ON_WHITE},  {MAX_NUMBER, BLACK_ON_GREEN},
};

} // namespace

ConsoleAttribute ball_color(std::int32_t number)
{
    for (const BallBand& band : BALL_BANDS) {
        if (number <= band.highest) {
            return band.colour;
        }
    }
    return BLACK_ON_GREEN;
}

void print_number_cell(std::int32_t number)
{
    console_set_attribute(ball_color(number));
    console_printf(" %2d ", number);
    console_set_attribute(RESET_ATTRIBUTE);
}
