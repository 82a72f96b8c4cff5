#include "console/read_choice.hpp"

#include <limits>

#include "console/console.hpp"

namespace {

// The C locale's white space, which "%d" skips.
bool is_blank(int c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool is_digit(int c)
{
    return c >= '0' && c <= '9';
}

} // namespace

bool read_choice(std::int32_t& choice)
{
    int c = console_read_byte();
    while (is_blank(c)) {
        c = console_read_byte();
    }
    if (c == CONSOLE_END_OF_INPUT) {
        return false;
    }

    bool negative = false;
    if (c == '+' || c == '-') {
        negative = c == '-';
        c = console_read_byte();
    }
    if (!is_digit(c)) {
        // No number; the character that stopped the conversion is the one discarded.
        return true;
    }

    // Read every digit even past the 32-bit range, so a long number costs one choice.
    constexpr std::int64_t limit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t magnitude = 0;
    while (is_digit(c)) {
        if (magnitude <= limit) {
            magnitude = magnitude * 10 + (c - '0');
        }
        c = console_read_byte();
    }
    // `c` ended the number and is the discarded character.
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value >= std::numeric_limits<std::int32_t>::min() &&
        value <= std::numeric_limits<std::int32_t>::max()) {
        choice = static_cast<std::int32_t>(value);
    }
    return true;
}
