// Feeds arbitrary bytes to the draw-history reader. Beyond not crashing: an accepted
// history is one a user could have kept (consecutive rounds, enough draws, six distinct
// ascending numbers from 1 to 45, a bonus outside them in every draw or in none, dates of
// the calendar growing with the round); the same file with CRLF line
// ends gets the same answer; an accepted history written out again reads back the same;
// and every message is valid UTF-8 without a control byte.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "fuzz_promise.hpp"
#include "history/draw_history.hpp"
#include "visible_text.hpp"

namespace {

struct Reading {
    bool ok;
    RecordError error;
};

Reading read_bytes(const std::string& bytes, DrawHistory& history)
{
    Reading reading{};
    std::FILE* file = open_bytes(bytes);
    reading.ok = read_draw_stream(file, history, reading.error);
    std::fclose(file);
    return reading;
}

void require_keepable(const DrawHistory& history)
{
    require(history.count >= MIN_DRAWS && history.count <= MAX_DRAWS, "enough draws, not too many");
    for (int i = 0; i < history.count; ++i) {
        const Draw& draw = history.draws[i];
        require(i == 0 || draw.round == history.draws[i - 1].round + 1, "consecutive rounds");
        for (int n = 0; n < NUMBERS_PER_SET; ++n) {
            require(draw.numbers[n] >= 1 && draw.numbers[n] <= MAX_NUMBER, "numbers 1 to 45");
            require(n == 0 || draw.numbers[n] > draw.numbers[n - 1], "distinct, ascending");
            require(draw.numbers[n] != draw.bonus, "the bonus is not a winning number");
        }
        require(draw.bonus >= 0 && draw.bonus <= MAX_NUMBER, "a bonus from 1 to 45, or none");
        require((draw.bonus == 0) == (history.draws[0].bonus == 0),
                "every draw has a bonus, or none has");
        const int day = draw.date % 100;
        const int month = draw.date / 100 % 100;
        require(draw.date == 0 || (day >= 1 && day <= 31 && month >= 1 && month <= 12),
                "a date of the calendar");
    }
    int latest_date = 0;
    for (int i = 0; i < history.count; ++i) {
        const int date = history.draws[i].date;
        require(date == 0 || date > latest_date, "dates grow with the round");
        latest_date = date != 0 ? date : latest_date;
    }
}

bool same_draws(const DrawHistory& a, const DrawHistory& b)
{
    if (a.count != b.count) {
        return false;
    }
    for (int i = 0; i < a.count; ++i) {
        if (a.draws[i].round != b.draws[i].round || a.draws[i].numbers != b.draws[i].numbers ||
            a.draws[i].bonus != b.draws[i].bonus) {
            return false;
        }
    }
    return true;
}

std::string written_out(const DrawHistory& history)
{
    std::string text = "round,n1,n2,n3,n4,n5,n6,bonus\n";
    for (int i = 0; i < history.count; ++i) {
        const Draw& draw = history.draws[i];
        text += std::to_string(draw.round);
        for (std::int32_t number : draw.numbers) {
            text += ',';
            text += std::to_string(number);
        }
        if (draw.bonus != 0) {
            text += ',';
            text += std::to_string(draw.bonus);
        }
        text += '\n';
    }
    return text;
}

DrawHistory first;
DrawHistory second;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) {
        return 0;
    }
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const Reading reading = read_bytes(bytes, first);
    if (reading.ok) {
        require_keepable(first);
    } else {
        require(is_visible_text(reading.error.message), "messages are safe to show");
        require(reading.error.line >= 0, "a line number, or 0 for the whole file");
    }

    const Reading crlf = read_bytes(with_crlf(bytes), second);
    require(crlf.ok == reading.ok, "CRLF gives the same verdict");
    require(!reading.ok || same_draws(first, second), "CRLF gives the same draws");
    require(reading.ok || (crlf.error.line == reading.error.line &&
                           std::strcmp(crlf.error.message, reading.error.message) == 0),
            "CRLF gives the same message");

    if (reading.ok) {
        const Reading again = read_bytes(written_out(first), second);
        require(again.ok && same_draws(first, second), "a history written out reads back");
    }
    return 0;
}
