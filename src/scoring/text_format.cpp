#include "scoring/text_format.hpp"

#include <cstring>

namespace {

// Appends to a fixed buffer, keeping room for the final NUL and dropping what overflows.
struct Output {
    char* out;
    std::size_t size;
    std::size_t length;

    void put(char c)
    {
        if (length + 1 < size) {
            out[length++] = c;
        }
    }
    std::size_t room() const { return length + 1 < size ? size - 1 - length : 0; }
    void put(const char* text, std::size_t count)
    {
        count = count < room() ? count : room();
        std::memcpy(out + length, text, count);
        length += count;
    }
    void pad(std::size_t count)
    {
        count = count < room() ? count : room();
        if (count > 0) {
            std::memset(out + length, ' ', count);
            length += count;
        }
    }
};

void put_field(Output& output, const char* text, std::size_t length, std::size_t width,
               bool left_aligned)
{
    const std::size_t padding = width > length ? width - length : 0;
    if (!left_aligned) {
        output.pad(padding);
    }
    output.put(text, length);
    if (left_aligned) {
        output.pad(padding);
    }
}

// Decimal digits of `number`, sign included, at the end of `digits`; returns where they start.
char* decimal(std::int64_t number, char (&digits)[24])
{
    char* start = digits + sizeof digits;
    // Negated one digit at a time so the most negative value needs no special case.
    const bool negative = number < 0;
    do {
        const int digit = static_cast<int>(number % 10);
        *--start = static_cast<char>('0' + (negative ? -digit : digit));
        number /= 10;
    } while (number != 0);
    if (negative) {
        *--start = '-';
    }
    return start;
}

} // namespace

std::size_t format_arguments(char* out, std::size_t size, const char* format,
                             const FormatArgument* arguments, std::size_t count)
{
    Output output{out, size, 0};
    std::size_t next = 0;
    for (const char* at = format; *at != '\0'; ++at) {
        if (*at != '%') {
            const char* percent = std::strchr(at, '%');
            const char* literal_end = percent != nullptr ? percent : at + std::strlen(at);
            output.put(at, static_cast<std::size_t>(literal_end - at));
            at = literal_end - 1;
            continue;
        }
        const char* conversion = at + 1;
        const bool left_aligned = *conversion == '-';
        conversion += left_aligned ? 1 : 0;
        std::size_t width = 0;
        while (*conversion >= '0' && *conversion <= '9') {
            width = width * 10 + static_cast<std::size_t>(*conversion - '0');
            ++conversion;
        }
        if (*conversion == '%') {
            output.put('%');
            at = conversion;
            continue;
        }
        if (next >= count || (*conversion != 'd' && *conversion != 's' && *conversion != 'c')) {
            output.put('%'); // not a conversion this formatter knows: copied as written
            continue;
        }
        const FormatArgument& argument = arguments[next++];
        if (argument.kind == FormatArgument::Kind::Text) {
            put_field(output, argument.text, std::strlen(argument.text), width, left_aligned);
        } else if (*conversion == 'c' ||
                   (argument.kind == FormatArgument::Kind::Character && *conversion == 's')) {
            const char character = static_cast<char>(argument.number);
            put_field(output, &character, 1, width, left_aligned);
        } else {
            char digits[24];
            const char* start = decimal(argument.number, digits);
            put_field(output, start, static_cast<std::size_t>(digits + sizeof digits - start),
                      width, left_aligned);
        }
        at = conversion;
    }
    if (size > 0) {
        out[output.length] = '\0';
    }
    return output.length;
}
