#include "text/text_format.hpp"

#include <cstdarg>

std::size_t format_text_list(char* out, std::size_t size, const char* format,
                             std::va_list arguments)
{
    if (size == 0) {
        return 0;
    }
    const int wanted = std::vsnprintf(out, size, format, arguments);
    if (wanted < 0) {
        out[0] = '\0';
        return 0;
    }
    const auto length = static_cast<std::size_t>(wanted);
    return length < size ? length : size - 1;
}

std::size_t format_text(char* out, std::size_t size, const char* format, ...)
{
    std::va_list arguments;
    va_start(arguments, format);
    const std::size_t length = format_text_list(out, size, format, arguments);
    va_end(arguments);
    return length;
}
