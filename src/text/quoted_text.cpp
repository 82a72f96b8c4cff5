#include "text/quoted_text.hpp"

#include <cstdint>
#include <cstdio>
#include <cstring>

namespace {

// The length of the valid UTF-8 sequence at `text` (at most `left` bytes) and its code
// point, or 0 when the bytes there are no valid sequence.
std::size_t utf8_sequence(const unsigned char* text, std::size_t left, std::uint32_t& code_point)
{
    const unsigned char lead = text[0];
    std::size_t length = 0;
    std::uint32_t lowest = 0;
    if (lead < 0x80) {
        code_point = lead;
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code_point = lead & 0x1FU;
        lowest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code_point = lead & 0x0FU;
        lowest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code_point = lead & 0x07U;
        lowest = 0x10000;
    } else {
        return 0;
    }
    if (length > left) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((text[i] & 0xC0U) != 0x80U) {
            return 0;
        }
        code_point = (code_point << 6) | (text[i] & 0x3FU);
    }
    const bool surrogate = code_point >= 0xD800 && code_point <= 0xDFFF;
    return code_point < lowest || code_point > 0x10FFFF || surrogate ? 0 : length;
}

// Characters that steer a terminal, or that a reader cannot see: controls, the no-break
// and other special spaces, zero-width characters and the direction marks and overrides.
bool shown_escaped(std::uint32_t code_point)
{
    return code_point < 0x20 || (code_point >= 0x7F && code_point <= 0xA0) || code_point == 0xAD ||
           (code_point >= 0x2000 && code_point <= 0x200F) ||
           (code_point >= 0x2028 && code_point <= 0x202F) ||
           (code_point >= 0x205F && code_point <= 0x206F) || code_point == 0x3000 ||
           code_point == 0xFEFF;
}

} // namespace

std::size_t quote_text(char* out, std::size_t size, const char* text, std::size_t length,
                       std::size_t shown)
{
    if (size < 4) {
        if (size > 0) {
            out[0] = '\0';
        }
        return 0;
    }
    const auto* bytes = reinterpret_cast<const unsigned char*>(text);
    std::size_t written = 0;
    std::size_t at = 0;
    // Room kept for the ellipsis and the NUL.
    const std::size_t room = size > 4 ? size - 4 : 0;
    while (at < length) {
        std::uint32_t code_point = 0;
        std::size_t taken = utf8_sequence(bytes + at, length - at, code_point);
        char piece[16];
        std::size_t piece_length = 0;
        if (taken == 0) {
            taken = 1;
            piece_length = static_cast<std::size_t>(
                std::snprintf(piece, sizeof piece, "\\x%02x", static_cast<unsigned>(bytes[at])));
        } else if (shown_escaped(code_point)) {
            piece_length = static_cast<std::size_t>(
                code_point < 0x80 ? std::snprintf(piece, sizeof piece, "\\x%02x",
                                                  static_cast<unsigned>(code_point))
                                  : std::snprintf(piece, sizeof piece, "\\u%04x",
                                                  static_cast<unsigned>(code_point)));
        } else {
            std::memcpy(piece, text + at, taken);
            piece_length = taken;
        }
        if (at + taken > shown || written + piece_length > room) {
            // Three dots, the ellipsis every console can show.
            std::memcpy(out + written, "...", 3);
            written += 3;
            break;
        }
        std::memcpy(out + written, piece, piece_length);
        written += piece_length;
        at += taken;
    }
    out[written] = '\0';
    return written;
}

std::size_t quote_text(char* out, std::size_t size, const char* text, std::size_t shown)
{
    return quote_text(out, size, text, std::strlen(text), shown);
}
