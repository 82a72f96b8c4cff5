#include "history/shown_draw.hpp"

#include "lottery/lottery_calendar.hpp"
#include "text/text_format.hpp"

ShownDraw shown_draw(const std::int32_t* numbers, std::int32_t bonus, std::int32_t date)
{
    ShownDraw shown{};
    std::size_t length = format_text(shown.text, sizeof shown.text, "%d %d %d %d %d %d", numbers[0],
                                     numbers[1], numbers[2], numbers[3], numbers[4], numbers[5]);
    if (bonus != 0) {
        length += format_text(shown.text + length, sizeof shown.text - length, " + %d", bonus);
    }
    if (date != 0) {
        format_text(shown.text + length, sizeof shown.text - length, " (%s)", day_text(date).text);
    }
    return shown;
}
