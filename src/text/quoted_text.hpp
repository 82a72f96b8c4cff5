#pragma once

#include <cstddef>

// Copies `length` bytes of `text` (a file name, a field of a file, an argument) into `out`
// so that a terminal shows them and is steered by nothing: control bytes, invalid UTF-8 and
// invisible or direction-changing spaces come out as \xNN or \uNNNN escapes. At most
// `shown` bytes of the text are copied, cut at a character boundary and followed by an
// ellipsis when there were more. Always NUL-terminates; returns the length written.
std::size_t quote_text(char* out, std::size_t size, const char* text, std::size_t length,
                       std::size_t shown);

// The same for a NUL-terminated text.
std::size_t quote_text(char* out, std::size_t size, const char* text, std::size_t shown);

// How many bytes of its source a quote may show: a field of a file is recognised by its
// start, and short enough that the reason around it always fits a message; a file name or
// an argument is shown nearly always whole.
inline constexpr std::size_t QUOTE_SHOWN = 60;
inline constexpr std::size_t NAME_SHOWN = 256;
// Room for a quote of NAME_SHOWN bytes, each escaped, and the ellipsis.
inline constexpr std::size_t QUOTE_CAPACITY = NAME_SHOWN * 6 + 4;
