#pragma once

#include <cstdarg>
#include <cstddef>
#include <cstdio>

// The compiler checks every format against its arguments. MinGW names the flavour of
// printf its C library really has; elsewhere it is the standard one.
#if defined(__MINGW_PRINTF_FORMAT)
#define LOTTO_PRINTF_FORMAT(format_index, first_argument)                                          \
    __attribute__((format(__MINGW_PRINTF_FORMAT, format_index, first_argument)))
#elif defined(__GNUC__)
#define LOTTO_PRINTF_FORMAT(format_index, first_argument)                                          \
    __attribute__((format(printf, format_index, first_argument)))
#else
#define LOTTO_PRINTF_FORMAT(format_index, first_argument)
#endif

// snprintf into a fixed buffer: always NUL-terminated, cut to fit. Returns the length
// written, which is less than `size` (0 when `size` is 0 or the format fails).
std::size_t format_text(char* out, std::size_t size, const char* format, ...)
    LOTTO_PRINTF_FORMAT(3, 4);
std::size_t format_text_list(char* out, std::size_t size, const char* format,
                             std::va_list arguments) LOTTO_PRINTF_FORMAT(3, 0);
