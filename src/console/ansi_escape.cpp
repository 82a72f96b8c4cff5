#include "console/ansi_escape.hpp"

#include "text/text_format.hpp"

namespace {

// ANSI numbers its eight colours red = 1, green = 2, blue = 4; the console's bits are the
// other way round.
int ansi_color_index(unsigned nibble)
{
    const unsigned blue = nibble & 1U;
    const unsigned green = (nibble >> 1) & 1U;
    const unsigned red = (nibble >> 2) & 1U;
    return static_cast<int>(red | (green << 1) | (blue << 2));
}

bool is_intense(unsigned nibble)
{
    return (nibble & 8U) != 0;
}

} // namespace

std::size_t format_ansi_attribute(ConsoleAttribute attribute, char (&out)[ANSI_ESCAPE_SIZE])
{
    const unsigned foreground = attribute & 0x0FU;
    const unsigned background = (attribute >> 4) & 0x0FU;
    const int fg = (is_intense(foreground) ? 90 : 30) + ansi_color_index(foreground);
    const int bg = (is_intense(background) ? 100 : 40) + ansi_color_index(background);
    return format_text(out, sizeof out, "\x1b[%d;%dm", fg, bg);
}
