#include "history/draw_history.hpp"
#include "history/draw_checks.hpp"

#include <algorithm>
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "lottery/lottery_calendar.hpp"
#include "records/record_lines.hpp"
#include "text/error_text.hpp"
#include "text/quoted_text.hpp"
#include "text/text_format.hpp"
#include "text/translation.hpp"

namespace {

enum class DateForm { Valid, NotDate, NotOnCalendar };

// YYYY-MM-DD or YYYY.MM.DD, and a day the calendar has; `date` gets YYYYMMDD.
DateForm read_date(const Field& field, std::int32_t& date)
{
    if (field.length != 10 || (field.text[4] != '-' && field.text[4] != '.') ||
        field.text[7] != field.text[4]) {
        return DateForm::NotDate;
    }
    std::int32_t year = 0;
    std::int32_t month = 0;
    std::int32_t day = 0;
    if (!whole_number(Field{field.text, 4}, year) ||
        !whole_number(Field{field.text + 5, 2}, month) ||
        !whole_number(Field{field.text + 8, 2}, day)) {
        return DateForm::NotDate;
    }
    if (!calendar_day(year, month, day)) {
        return DateForm::NotOnCalendar;
    }
    date = year * 10000 + month * 100 + day;
    return DateForm::Valid;
}

// Meant as a date: digits parted twice by '-', '.' or '/'. A sign or a decimal point alone
// makes a number, not a date.
bool looks_like_date(const Field& field)
{
    const auto parts = std::count_if(field.text, field.text + field.length,
                                     [](char c) { return c == '-' || c == '.' || c == '/'; });
    return parts >= 2 && holds_digit(field);
}

LineKind empty_field(RecordError& error, int place)
{
    return invalid_line(error, translate("field %d is empty"), place);
}

bool lottery_number(const Field& field, std::int32_t& number)
{
    return whole_number(field, number) && number >= 1 && number <= MAX_NUMBER;
}

} // namespace

LineKind parse_draw_line(const char* text, bool first_content, Draw& draw, RecordError& error)
{
    Fields fields{};
    if (!record_fields(text, fields)) {
        return LineKind::Skipped;
    }
    draw = Draw{};
    const Field& round = fields.field[0];
    const bool dated = fields.count > 1 && looks_like_date(fields.field[1]);
    // A header names its columns; no draw loses every digit of its round by a slip.
    if (first_content && !holds_digit(round) && !dated) {
        return LineKind::Header;
    }
    if (fields.empty_place != 0) {
        return empty_field(error, fields.empty_place);
    }
    if (!read_round(round, draw.round, error)) {
        return LineKind::Invalid;
    }
    const DateForm date = dated ? read_date(fields.field[1], draw.date) : DateForm::Valid;
    if (date == DateForm::NotDate) {
        return invalid_line(error, translate("the date '%s' is neither YYYY-MM-DD nor YYYY.MM.DD"),
                            quoted(fields.field[1]).text);
    }
    if (date == DateForm::NotOnCalendar) {
        return invalid_line(error, translate("the date '%s' is no day of the calendar"),
                            quoted(fields.field[1]).text);
    }
    const int first_number = dated ? 2 : 1;
    const int numbers = fields.count - first_number;
    // One empty field in the bonus's place says the draw has no bonus; any other is a gap.
    if (fields.trailing_empty > 0 && !(numbers == NUMBERS_PER_SET && fields.trailing_empty == 1)) {
        return empty_field(error, fields.count + (numbers == NUMBERS_PER_SET ? 2 : 1));
    }
    if (numbers != NUMBERS_PER_SET && numbers != NUMBERS_PER_SET + 1) {
        return invalid_line(
            error,
            translate("expected the round, a date if any, six numbers and a bonus if "
                      "any, not %d fields"),
            fields.count);
    }
    for (int i = 0; i < numbers; ++i) {
        std::int32_t number = 0;
        if (!lottery_number(fields.field[first_number + i], number)) {
            return invalid_line(error, translate("'%s' is not a number from 1 to 45"),
                                quoted(fields.field[first_number + i]).text);
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
        return invalid_line(error, translate("%d is drawn twice"), *repeated);
    }
    if (std::find(draw.numbers.begin(), draw.numbers.end(), draw.bonus) != draw.numbers.end()) {
        return invalid_line(error, translate("the bonus %d is also a winning number"), draw.bonus);
    }
    return LineKind::Draw;
}

namespace {

// The draws read so far, distinct by round: a sorted run, then a short tail in reading order
// that is sorted into the run when it fills, so that a file repeating its rounds many times
// is read as fast as one that does not.
constexpr int UNSORTED_TAIL = 64;

struct DrawStore {
    DrawHistory& history;
    int sorted;

    const Draw* find(std::int32_t round) const
    {
        const Draw* const begin = history.draws;
        const Draw* const middle = begin + sorted;
        const Draw* const end = begin + history.count;
        const Draw* found = std::lower_bound(
            begin, middle, round, [](const Draw& draw, std::int32_t r) { return draw.round < r; });
        if (found != middle && found->round == round) {
            return found;
        }
        found =
            std::find_if(middle, end, [round](const Draw& draw) { return draw.round == round; });
        return found != end ? found : nullptr;
    }

    void sort_all()
    {
        std::sort(history.draws, history.draws + history.count,
                  [](const Draw& a, const Draw& b) { return a.round < b.round; });
        sorted = history.count;
    }
};

// A round given twice in one file must be the same draw both times, with or without its
// bonus alike; the message says how they differ.
bool repeated_round_agrees(const Draw& earlier, const Draw& draw, RecordError& error)
{
    if (earlier.numbers == draw.numbers && earlier.bonus == draw.bonus &&
        (earlier.date == draw.date || earlier.date == 0 || draw.date == 0)) {
        return true;
    }
    error.line = draw.line;
    if (earlier.numbers == draw.numbers && earlier.bonus == 0) {
        format_text(error.message, sizeof error.message,
                    translate("round %d is also on line %d, without a bonus; here its bonus is %d"),
                    draw.round, earlier.line, draw.bonus);
    } else if (earlier.numbers == draw.numbers && draw.bonus == 0) {
        format_text(error.message, sizeof error.message,
                    translate("round %d is also on line %d, with the bonus %d; here it has none"),
                    draw.round, earlier.line, earlier.bonus);
    } else if (earlier.numbers == draw.numbers && earlier.bonus == draw.bonus) {
        format_text(error.message, sizeof error.message,
                    translate("round %d is also on line %d, with another date"), draw.round,
                    earlier.line);
    } else {
        format_text(error.message, sizeof error.message,
                    translate("round %d is also on line %d, with other numbers"), draw.round,
                    earlier.line);
    }
    return false;
}

bool keep_draw(DrawStore& store, const Draw& draw, RecordError& error)
{
    const Draw* earlier = store.find(draw.round);
    if (earlier != nullptr) {
        return repeated_round_agrees(*earlier, draw, error);
    }
    DrawHistory& history = store.history;
    if (history.count == MAX_DRAWS) {
        return refuse_at(error, draw.line,
                         translate("more than %d different draws; this program keeps at most %d"),
                         MAX_DRAWS, MAX_DRAWS);
    }
    history.draws[history.count++] = draw;
    if (history.count - store.sorted == UNSORTED_TAIL) {
        store.sort_all();
    }
    return true;
}

// Every round from the first to the last, and enough of them.
} // namespace

bool read_draw_history(const char* path, DrawHistory& history, RecordError& error)
{
    history.count = 0;
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr) {
        return refuse_line(error, 0, error_text(errno));
    }
    const bool ok = read_draw_stream(file, history, error);
    std::fclose(file);
    return ok;
}

namespace {

void copy_line_end(char (&to)[3], const char* line_end)
{
    format_text(to, sizeof to, "%s", line_end);
}

void note_draw_line(DrawLine& line, const LineReader& reader, const Draw& draw, const char* text)
{
    line.start = reader.line_start;
    line.end = reader.offset;
    copy_line_end(line.line_end, reader.line_end);
    line.round = draw.round;
    format_text(line.text, sizeof line.text, "%s", text);
}

// What reading a history keeps between its lines.
struct HistoryReading {
    DrawStore store;
    DrawLayout* layout;
    bool first_content;
    bool line_end_seen;
};

bool take_draw_line(void* records, const char* text, std::int32_t line, const LineReader& reader,
                    RecordError& error)
{
    HistoryReading& reading = *static_cast<HistoryReading*>(records);
    DrawLayout* layout = reading.layout;
    if (layout != nullptr && !reading.line_end_seen && reader.line_end[0] != '\0') {
        copy_line_end(layout->line_end, reader.line_end);
        reading.line_end_seen = true;
    }
    Draw draw{};
    const LineStep step = step_of(parse_draw_line(text, reading.first_content, draw, error),
                                  reading.first_content, line, error);
    if (step != LineStep::Keep) {
        return step == LineStep::Next;
    }
    draw.line = line;
    if (!keep_draw(reading.store, draw, error)) {
        return false;
    }
    if (layout != nullptr) {
        if (layout->first.end == 0) {
            note_draw_line(layout->first, reader, draw, text);
        }
        note_draw_line(layout->last, reader, draw, text);
    }
    return true;
}

} // namespace

bool read_draw_stream(std::FILE* file, DrawHistory& history, RecordError& error, DrawLayout* layout)
{
    TextSource source = stream_source(file);
    return read_draw_source(source, history, error, layout);
}

bool read_draw_source(TextSource& source, DrawHistory& history, RecordError& error,
                      DrawLayout* layout)
{
    history.count = 0;
    if (layout != nullptr) {
        *layout = DrawLayout{};
        copy_line_end(layout->line_end, "\n");
    }
    HistoryReading reading{DrawStore{history, 0}, layout, true, false};
    if (!read_record_lines(source,
                           translate("more than 1,000,000 lines; no draw history is that long"),
                           take_draw_line, &reading, error)) {
        return false;
    }
    reading.store.sort_all();
    return check_history(history, error);
}
