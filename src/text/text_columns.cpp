#include "text/text_columns.hpp"

#include <cstdint>
#include <cstring>

namespace {

// A Hangul syllable is three bytes in UTF-8 and two in a double-byte code page.
constexpr bool texts_are_utf8 = sizeof("가") == 4;

bool is_wide(std::uint32_t code_point)
{
    return (code_point >= 0x1100 && code_point <= 0x115F)    // Hangul Jamo
           || (code_point >= 0x2E80 && code_point <= 0xA4CF) // CJK, Hangul compatibility Jamo
           || (code_point >= 0xAC00 && code_point <= 0xD7A3) // Hangul syllables
           || (code_point >= 0xF900 && code_point <= 0xFAFF) // CJK compatibility ideographs
           || (code_point >= 0xFF00 && code_point <= 0xFF60) // full-width forms
           || (code_point >= 0xFFE0 && code_point <= 0xFFE6);
}

int utf8_columns(const unsigned char* text)
{
    int columns = 0;
    while (*text != '\0') {
        const unsigned char lead = *text;
        int length = 1;
        std::uint32_t code_point = lead;
        if (lead >= 0xF0) {
            length = 4;
            code_point = lead & 0x07U;
        } else if (lead >= 0xE0) {
            length = 3;
            code_point = lead & 0x0FU;
        } else if (lead >= 0xC0) {
            length = 2;
            code_point = lead & 0x1FU;
        }
        int taken = 1;
        while (taken < length && (text[taken] & 0xC0U) == 0x80U) {
            code_point = (code_point << 6) | (text[taken] & 0x3FU);
            ++taken;
        }
        // A broken sequence still shows as one replacement column.
        columns += taken == length && is_wide(code_point) ? 2 : 1;
        text += taken;
    }
    return columns;
}

} // namespace

int text_columns(const char* text)
{
    if constexpr (texts_are_utf8) {
        return utf8_columns(reinterpret_cast<const unsigned char*>(text));
    } else {
        return static_cast<int>(std::strlen(text));
    }
}

void pad_to_columns(char* out, std::size_t out_size, const char* text, int columns)
{
    if (out_size == 0) {
        return;
    }
    std::size_t length = std::strlen(text);
    if (length >= out_size) {
        length = out_size - 1;
    }
    std::memcpy(out, text, length);
    out[length] = '\0';
    for (int shown = text_columns(out); shown < columns && length + 1 < out_size; ++shown) {
        out[length++] = ' ';
    }
    out[length] = '\0';
}

PaddedText align_left(const char* text, int columns)
{
    PaddedText padded{};
    pad_to_columns(padded.text, sizeof padded.text, text, columns);
    return padded;
}

PaddedText align_right(const char* text, int columns)
{
    PaddedText padded{};
    const int blanks = columns - text_columns(text);
    int length = 0;
    while (length < blanks && length + 1 < static_cast<int>(sizeof padded.text)) {
        padded.text[length++] = ' ';
    }
    const std::size_t room = sizeof padded.text - static_cast<std::size_t>(length) - 1;
    std::strncat(padded.text + length, text, room);
    return padded;
}
