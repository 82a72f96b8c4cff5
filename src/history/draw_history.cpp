#include "history/draw_history.hpp"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "scoring/text_format.hpp"

namespace {

// Longer lines than this are no line of a draw history.
constexpr int LINE_CAPACITY = 512;
constexpr int MAX_FIELDS = 9;

struct Field {
    const char* text;
    int length;
};

bool is_separator(char c)
{
    return c == ',' || c == ' ' || c == '\t' || c == '"';
}

int split_fields(const char* text, Field (&fields)[MAX_FIELDS + 1])
{
    int count = 0;
    while (*text != '\0') {
        while (is_separator(*text)) {
            ++text;
        }
        if (*text == '\0') {
            break;
        }
        const char* start = text;
        while (*text != '\0' && !is_separator(*text)) {
            ++text;
        }
        if (count <= MAX_FIELDS) {
            fields[count] = Field{start, static_cast<int>(text - start)};
        }
        ++count;
    }
    return count;
}

// A whole number of at most nine digits, no sign.
bool whole_number(const Field& field, std::int32_t& value)
{
    if (field.length == 0 || field.length > 9) {
        return false;
    }
    value = 0;
    for (int i = 0; i < field.length; ++i) {
        if (field.text[i] < '0' || field.text[i] > '9') {
            return false;
        }
        value = value * 10 + (field.text[i] - '0');
    }
    return true;
}

// YYYY-MM-DD or YYYY.MM.DD.
bool is_date(const Field& field)
{
    if (field.length != 10 || (field.text[4] != '-' && field.text[4] != '.') ||
        field.text[7] != field.text[4]) {
        return false;
    }
    std::int32_t year = 0;
    std::int32_t month = 0;
    std::int32_t day = 0;
    return whole_number(Field{field.text, 4}, year) &&
           whole_number(Field{field.text + 5, 2}, month) &&
           whole_number(Field{field.text + 8, 2}, day) && month >= 1 && month <= 12 && day >= 1 &&
           day <= 31;
}

bool looks_like_date(const Field& field)
{
    return std::find_if(field.text, field.text + field.length, [](char c) {
               return c == '-' || c == '.' || c == '/';
           }) != field.text + field.length;
}

// A message that quotes the field it is about between two texts.
LineKind invalid(HistoryError& error, const char* before, const Field& field, const char* after)
{
    format_text(error.message, sizeof error.message, "%s'%.*s'%s", before, field.length, field.text,
                after);
    return LineKind::Invalid;
}

bool lottery_number(const Field& field, std::int32_t& number)
{
    return whole_number(field, number) && number >= 1 && number <= MAX_NUMBER;
}

} // namespace

LineKind parse_draw_line(const char* text, bool first_content, Draw& draw, HistoryError& error)
{
    const char* start = text;
    while (*start == ' ' || *start == '\t') {
        ++start;
    }
    Field fields[MAX_FIELDS + 1];
    const int count = split_fields(start, fields);
    if (count == 0 || *start == '#') {
        return LineKind::Skipped;
    }
    draw = Draw{};
    if (!whole_number(fields[0], draw.round)) {
        if (first_content) {
            return LineKind::Header;
        }
        return invalid(error, "the round ", fields[0], " is not a positive whole number");
    }
    if (draw.round < 1) {
        return invalid(error, "the round ", fields[0], " is not a positive whole number");
    }
    const bool dated = count > 1 && looks_like_date(fields[1]);
    if (dated && !is_date(fields[1])) {
        return invalid(error, "the date ", fields[1], " is neither YYYY-MM-DD nor YYYY.MM.DD");
    }
    const int first_number = dated ? 2 : 1;
    const int numbers = count - first_number;
    if (numbers != NUMBERS_PER_SET && numbers != NUMBERS_PER_SET + 1) {
        format_text(error.message, sizeof error.message,
                    "expected the round, a date if any, six numbers and a bonus if any, "
                    "not %d fields",
                    count);
        return LineKind::Invalid;
    }
    for (int i = 0; i < numbers; ++i) {
        std::int32_t number = 0;
        if (!lottery_number(fields[first_number + i], number)) {
            return invalid(error, "", fields[first_number + i], " is not a number from 1 to 45");
        }
        if (i < NUMBERS_PER_SET) {
            draw.numbers[i] = number;
        } else {
            draw.bonus = number;
        }
    }
    std::sort(draw.numbers.begin(), draw.numbers.end());
    const auto repeated = std::adjacent_find(draw.numbers.begin(), draw.numbers.end());
    if (repeated != draw.numbers.end()) {
        format_text(error.message, sizeof error.message, "%d is drawn twice", *repeated);
        return LineKind::Invalid;
    }
    if (std::find(draw.numbers.begin(), draw.numbers.end(), draw.bonus) != draw.numbers.end()) {
        format_text(error.message, sizeof error.message, "the bonus %d is also a winning number",
                    draw.bonus);
        return LineKind::Invalid;
    }
    return LineKind::Draw;
}

namespace {

bool refuse(HistoryError& error, int line, const char* message)
{
    error.line = line;
    format_text(error.message, sizeof error.message, "%s", message);
    return false;
}

// Orders the draws by round, drops exact repeats, and checks that no round is missing.
bool put_in_order(DrawHistory& history, HistoryError& error)
{
    Draw* const begin = history.draws;
    Draw* end = history.draws + history.count;
    std::sort(begin, end, [](const Draw& a, const Draw& b) {
        return a.round != b.round ? a.round < b.round : a.line < b.line;
    });
    Draw* kept = begin;
    for (Draw* draw = begin; draw != end; ++draw) {
        if (kept != begin && (kept - 1)->round == draw->round) {
            const Draw& earlier = *(kept - 1);
            if (earlier.numbers != draw->numbers || earlier.bonus != draw->bonus) {
                error.line = draw->line;
                format_text(error.message, sizeof error.message,
                            "round %d is also on line %d, with other numbers", draw->round,
                            earlier.line);
                return false;
            }
            continue;
        }
        *kept++ = *draw;
    }
    history.count = static_cast<int>(kept - begin);
    for (int i = 1; i < history.count; ++i) {
        if (history.draws[i].round != history.draws[i - 1].round + 1) {
            error.line = 0;
            format_text(error.message, sizeof error.message, "round %d is missing",
                        history.draws[i - 1].round + 1);
            return false;
        }
    }
    if (history.count < MIN_DRAWS) {
        error.line = 0;
        format_text(error.message, sizeof error.message, "%d draws; at least %d are needed",
                    history.count, MIN_DRAWS);
        return false;
    }
    return true;
}

} // namespace

namespace {

enum class LineRead { Line, End, TooLong, HoldsNul };

// One line without its line end (LF or CRLF), read byte by byte so that nothing in it can
// pass unseen.
LineRead read_line(std::FILE* file, char (&text)[LINE_CAPACITY + 1])
{
    int length = 0;
    bool nul = false;
    int c = std::getc(file);
    if (c == EOF) {
        return LineRead::End;
    }
    while (c != EOF && c != '\n') {
        if (length == LINE_CAPACITY) {
            return LineRead::TooLong;
        }
        nul = nul || c == '\0';
        text[length++] = static_cast<char>(c);
        c = std::getc(file);
    }
    if (length > 0 && text[length - 1] == '\r') {
        --length;
    }
    text[length] = '\0';
    return nul ? LineRead::HoldsNul : LineRead::Line;
}

} // namespace

bool read_draw_history(const char* path, DrawHistory& history, HistoryError& error)
{
    history.count = 0;
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr) {
        return refuse(error, 0, std::strerror(errno));
    }
    const bool ok = read_draw_stream(file, history, error);
    std::fclose(file);
    return ok;
}

bool read_draw_stream(std::FILE* file, DrawHistory& history, HistoryError& error)
{
    history.count = 0;
    char text[LINE_CAPACITY + 1];
    int line = 0;
    bool first_content = true;
    bool ok = true;
    for (LineRead read = read_line(file, text); ok && read != LineRead::End;
         read = read_line(file, text)) {
        ++line;
        if (read == LineRead::TooLong) {
            ok = refuse(error, line, "the line is too long");
            break;
        }
        if (read == LineRead::HoldsNul) {
            ok = refuse(error, line, "the line holds a NUL byte");
            break;
        }
        const char* content = text;
        if (line == 1 && std::strncmp(content, "\xEF\xBB\xBF", 3) == 0) {
            content += 3; // the byte-order mark some editors write
        }
        Draw draw{};
        switch (parse_draw_line(content, first_content, draw, error)) {
        case LineKind::Skipped:
            break;
        case LineKind::Header:
            first_content = false;
            break;
        case LineKind::Invalid:
            error.line = line;
            ok = false;
            break;
        case LineKind::Draw:
            first_content = false;
            if (history.count == MAX_DRAWS) {
                ok = refuse(error, line, "more draws than this program keeps (4096)");
                break;
            }
            draw.line = line;
            history.draws[history.count++] = draw;
            break;
        }
    }
    if (ok && std::ferror(file) != 0) {
        ok = refuse(error, 0, std::strerror(errno != 0 ? errno : EIO));
    }
    return ok && put_in_order(history, error);
}
