#include "tickets/slip_code.hpp"

#include <cstddef>
#include <cstring>

#include "text/quoted_text.hpp"
#include "text/text_format.hpp"
#include "text/translation.hpp"

namespace {

constexpr std::ptrdiff_t ROUND_DIGITS = 4;
constexpr std::ptrdiff_t SLOT_LENGTH = 13;
constexpr int OLD_SLIP_DIGITS = 10;
constexpr int NEW_SLIP_DIGITS = 18;
constexpr int LONGEST_VALUE =
    static_cast<int>(ROUND_DIGITS + SLIP_SLOTS * SLOT_LENGTH) + NEW_SLIP_DIGITS;

bool is_digit(char c)
{
    return c >= '0' && c <= '9';
}

int two_digits(const char* at)
{
    return (at[0] - '0') * 10 + (at[1] - '0');
}

// The value of v= in a link's query, or the whole text; `length` is its length.
const char* slip_value(const char* text, int& length)
{
    const char* query = std::strchr(text, '?');
    const char* value = text;
    if (query != nullptr) {
        for (const char* at = query; at != nullptr && *at != '\0' && *at != '#';
             at = std::strpbrk(at + 1, "&#")) {
            if (*at == '#') {
                break;
            }
            if (std::strncmp(at + 1, "v=", 2) == 0) {
                value = at + 3;
                break;
            }
        }
    }
    length = static_cast<int>(std::strcspn(value, "&# \t\r\n"));
    return value;
}

} // namespace

bool looks_like_slip_code(const char* text)
{
    int length = 0;
    slip_value(text, length);
    return std::strchr(text, '?') != nullptr || std::strstr(text, "://") != nullptr ||
           (length > ROUND_DIGITS + 1 && std::strpbrk(text, ", \t") == nullptr);
}

namespace {

bool read_slip_games(const char* text, SlipGames& slip, RecordError& error)
{
    int length = 0;
    const char* value = slip_value(text, length);
    const int slip_digits = length - static_cast<int>(ROUND_DIGITS + SLIP_SLOTS * SLOT_LENGTH);
    if (slip_digits != OLD_SLIP_DIGITS && slip_digits != NEW_SLIP_DIGITS) {
        return refuse_with(error, translate("a slip's code has %d or %d characters, not %d"),
                           LONGEST_VALUE - (NEW_SLIP_DIGITS - OLD_SLIP_DIGITS), LONGEST_VALUE,
                           length);
    }
    std::int32_t round = 0;
    for (int i = 0; i < ROUND_DIGITS; ++i) {
        if (!is_digit(value[i])) {
            return refuse_with(error, "%s",
                               translate("a slip's code begins with its round in four digits"));
        }
        round = round * 10 + (value[i] - '0');
    }
    if (round == 0) {
        return refuse_with(error, "%s", translate("the slip's round is 0"));
    }
    const char* digits = value + ROUND_DIGITS + SLIP_SLOTS * SLOT_LENGTH;
    for (int i = 0; i < slip_digits; ++i) {
        if (!is_digit(digits[i])) {
            return refuse_with(error, "%s",
                               translate("a slip's code ends with the slip's number, in digits"));
        }
    }
    for (int slot = 0; slot < SLIP_SLOTS; ++slot) {
        const char* at = value + ROUND_DIGITS + SLOT_LENGTH * slot;
        for (int i = 1; i < SLOT_LENGTH; ++i) {
            if (!is_digit(at[i])) {
                return refuse_with(
                    error, translate("game %d of the slip holds a character that is no digit"),
                    slot + 1);
            }
        }
        if (at[0] == 'n') {
            if (std::strncmp(at + 1, "000000000000", SLOT_LENGTH - 1) != 0) {
                return refuse_with(error,
                                   translate("game %d of the slip is not bought but holds numbers"),
                                   slot + 1);
            }
            continue;
        }
        if (at[0] != 'm' && at[0] != 'q' && at[0] != 's') {
            char letter[QUOTE_CAPACITY];
            quote_text(letter, sizeof letter, at, 1, QUOTE_SHOWN);
            return refuse_with(error,
                               translate("game %d of the slip begins with '%s', not m, q, s or n"),
                               slot + 1, letter);
        }
        Ticket& game = slip.games[slip.count];
        game.round = round;
        for (int i = 0; i < NUMBERS_PER_SET; ++i) {
            game.numbers[i] = two_digits(at + 1 + std::ptrdiff_t{2} * i);
            if (game.numbers[i] < 1 || game.numbers[i] > MAX_NUMBER) {
                return refuse_with(
                    error, translate("game %d of the slip holds %02d, not a number from 1 to 45"),
                    slot + 1, game.numbers[i]);
            }
            if (i > 0 && game.numbers[i] <= game.numbers[i - 1]) {
                return refuse_with(
                    error, translate("game %d of the slip holds its numbers out of order or twice"),
                    slot + 1);
            }
        }
        std::memcpy(game.slip, digits, static_cast<std::size_t>(slip_digits));
        game.slip[slip_digits] = '\0';
        ++slip.count;
    }
    if (slip.count == 0) {
        return refuse_with(error, "%s", translate("the slip holds no game"));
    }
    return true;
}

} // namespace

bool read_slip_code(const char* text, SlipGames& slip, RecordError& error)
{
    slip = SlipGames{};
    error = RecordError{};
    if (!read_slip_games(text, slip, error)) {
        slip.count = 0; // none of a slip that does not read
        return false;
    }
    return true;
}

bool read_games_to_add(const char* text, SlipGames& games, RecordError& error)
{
    games = SlipGames{};
    error = RecordError{};
    if (looks_like_slip_code(text)) {
        return read_slip_code(text, games, error);
    }
    games.count = 1;
    if (parse_ticket_line(text, false, games.games[0], error) == LineKind::Draw) {
        return true;
    }
    if (error.message[0] == '\0') {
        format_text(error.message, sizeof error.message, "%s",
                    translate("expected the round and six numbers, or a slip's QR code"));
    }
    return false;
}
