#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

// printf-style formatting for the conversions the program's texts use, without the C
// library's per-call cost: %d and %s with an optional '-' flag and width (counted in
// bytes, as printf counts them), %c and %%. Anything else in the format is copied.

struct FormatArgument {
    enum class Kind { Number, Text, Character } kind;
    std::int64_t number;
    const char* text;
};

inline FormatArgument format_argument(const char* text)
{
    return {FormatArgument::Kind::Text, 0, text != nullptr ? text : "(null)"};
}

inline FormatArgument format_argument(char character)
{
    return {FormatArgument::Kind::Character, character, nullptr};
}

template <typename Number, typename = std::enable_if_t<std::is_integral_v<Number>>>
FormatArgument format_argument(Number number)
{
    return {FormatArgument::Kind::Number, static_cast<std::int64_t>(number), nullptr};
}

// Writes into `out` (always NUL-terminated, cut to fit) and returns the length written.
std::size_t format_arguments(char* out, std::size_t size, const char* format,
                             const FormatArgument* arguments, std::size_t count);

template <typename... Arguments>
std::size_t format_text(char* out, std::size_t size, const char* format,
                        const Arguments&... arguments)
{
    const FormatArgument list[sizeof...(Arguments) + 1] = {format_argument(arguments)...};
    return format_arguments(out, size, format, list, sizeof...(Arguments));
}
