// The page's draw history: the text the page keeps on the device, read by the programs'
// rules, its lists in force, and the next draw added to it in its own order and style.
#include <cstdint>
#include <cstring>

#include "history/draw_append.hpp"
#include "history/overdue_numbers.hpp"
#include "lottery/lottery_calendar.hpp"
#include "page_interface/page_buffers.hpp"
#include "page_interface/page_codes.hpp"
#include "page_interface/page_export.hpp"
#include "page_interface/page_state.hpp"
#include "text/text_format.hpp"
#include "text/translation.hpp"

DrawHistory page_history;

namespace {

constexpr std::size_t HISTORY_CAPACITY = 1 << 20;
char history_text[HISTORY_CAPACITY];
std::size_t history_length;
char history_name[256];
RecordError history_error;
std::int32_t added_round;

bool read_history(std::size_t length)
{
    history_error = RecordError{};
    TextSource source = memory_source(history_text, length);
    const bool ok = read_draw_source(source, page_history, history_error);
    if (!ok) {
        page_history.count = 0;
    }
    return ok;
}

const Draw* held_draw(std::int32_t round)
{
    if (page_history.count == 0 || round < page_history.draws[0].round ||
        round > page_history.draws[page_history.count - 1].round) {
        return nullptr;
    }
    const Draw& draw = page_history.draws[round - page_history.draws[0].round];
    return draw.round == round ? &draw : nullptr;
}

// Line `line` of the history's text: where it starts, its text without its line end, and
// that line end.
struct HeldLine {
    long start;
    char text[MAX_LINE_BYTES + 1];
    const char* line_end;
};

bool held_line(std::int32_t line, HeldLine& held)
{
    held.start = text_line_start(history_text, history_length, line);
    if (held.start < 0) {
        return false;
    }
    std::size_t at = static_cast<std::size_t>(held.start);
    std::size_t length = 0;
    while (at + length < history_length && history_text[at + length] != '\n' &&
           history_text[at + length] != '\r') {
        ++length;
    }
    if (length > MAX_LINE_BYTES) {
        return false;
    }
    std::memcpy(held.text, history_text + at, length);
    held.text[length] = '\0';
    at += length;
    held.line_end = at == history_length                                      ? ""
                    : history_text[at] == '\n'                                ? "\n"
                    : at + 1 < history_length && history_text[at + 1] == '\n' ? "\r\n"
                                                                              : "\r";
    return true;
}

} // namespace

extern "C" {

// Where the page puts the file's text, and its name, before lotto_use_history.
LOTTO_PAGE_FILE(history, history_text, HISTORY_CAPACITY, history_name, history_length)

// Reads the history in the buffer and puts its lists in force, as lotto --draws does.
// Returns 1, or 0 with lotto_history_error telling why it was refused; the page's history
// is then none, until it hands one that reads.
LOTTO_PAGE_EXPORT int lotto_use_history(int length)
{
    use_language(Language::Korean); // the page is Korean, its messages too
    history_length = page_length(length, HISTORY_CAPACITY);
    if (!read_history(history_length)) {
        history_length = 0;
        return 0;
    }
    use_history_lists(page_history);
    return 1;
}

// Why the history was refused, as lotto says it: "NAME:LINE: what is wrong".
LOTTO_PAGE_EXPORT const char* lotto_history_error()
{
    history_name[sizeof history_name - 1] = '\0';
    return page_error(history_name, history_error);
}

// The latest round of the page's history, or 0 for none.
LOTTO_PAGE_EXPORT int lotto_history_round()
{
    return page_history.count > 0 ? page_history.draws[page_history.count - 1].round : 0;
}

// The first round of the page's history, or 0 for none.
LOTTO_PAGE_EXPORT int lotto_history_first_round()
{
    return page_history.count > 0 ? page_history.draws[0].round : 0;
}

// Puts in force the lists as they stood after `round`, for a link that replays sets made
// then. 0 when the history does not reach the round or holds too few draws before it.
LOTTO_PAGE_EXPORT int lotto_use_lists_of_round(int round)
{
    if (page_history.count == 0) {
        return 0;
    }
    const std::int32_t first = page_history.draws[0].round;
    const int count = round - first + 1;
    if (count < MIN_DRAWS || count > page_history.count) {
        return 0;
    }
    use_non_appearing_points(overdue_points(draws_since_drawn(page_history, count)));
    return 1;
}

LOTTO_PAGE_EXPORT void lotto_use_built_in_lists()
{
    use_non_appearing_points(COMPILED_IN_POINTS);
}

// Where the page hands in a line, and how much it holds with its final NUL.
LOTTO_PAGE_EXPORT char* lotto_line_buffer()
{
    return page_line;
}

LOTTO_PAGE_EXPORT int lotto_line_capacity()
{
    return static_cast<int>(PAGE_LINE_CAPACITY);
}

// The start of the next draw's line for the form: "1231,2026-07-04,".
LOTTO_PAGE_EXPORT const char* lotto_next_draw_line()
{
    // Its own buffer: the page's message of an earlier refusal stays readable.
    static char next_line[32];
    const std::int32_t round = lotto_history_round() + 1;
    format_text(next_line, sizeof next_line, "%d,%s,", round,
                day_text(draw_date_of_round(round)).text);
    return next_line;
}

// Adds the draw in the line buffer to the history as lotto-stats --add-draw does to a file,
// then reads the history again and puts its lists in force. An AddDrawCode: refused and
// the history not reading say why in lotto_message.
LOTTO_PAGE_EXPORT int lotto_add_draw()
{
    take_page_line();
    Draw draw{};
    RecordError error{};
    static TextInsertion insertion;
    if (!parse_draw_to_add(page_line, draw, error)) {
        page_says(error.message);
        return page_code(AddDrawCode::Refused);
    }
    added_round = draw.round;
    AddDrawOutcome outcome = AddDrawOutcome::Failed;
    TextSource source = memory_source(history_text, history_length);
    outcome = plan_draw_insertion(source, draw, page_history, error, insertion);
    switch (outcome) {
    case AddDrawOutcome::Added:
        break;
    case AddDrawOutcome::AlreadyThere:
        return page_code(AddDrawCode::AlreadyThere);
    case AddDrawOutcome::LineRefused:
        page_says(error.message);
        return page_code(AddDrawCode::Refused);
    case AddDrawOutcome::FileRefused:
        page_error(history_name, error);
        return page_code(AddDrawCode::FileRefused);
    case AddDrawOutcome::Busy:
    case AddDrawOutcome::Failed:
        return page_code(AddDrawCode::NoRoom);
    }
    if (!insert_text(history_text, history_length, HISTORY_CAPACITY, insertion)) {
        return page_code(AddDrawCode::NoRoom);
    }
    read_history(history_length); // reads: the same rules allowed the draw
    use_history_lists(page_history);
    return page_code(AddDrawCode::Added);
}

// The history's draw of `round` as a line of the history, for the week's update to judge
// the source's against; empty when the history holds none.
LOTTO_PAGE_EXPORT const char* lotto_draw_line_of_round(int round)
{
    static char line[MAX_LINE_BYTES + 1];
    line[0] = '\0';
    if (const Draw* held = held_draw(round); held != nullptr) {
        format_draw_like(line, *held, held->date != 0 ? "0,2000-01-01" : "0,1");
    }
    return line;
}

// Puts the draw in the line buffer in place of the history's draw of its round, in the
// style of that line, every other byte kept; nothing changed unless replaced. A
// ReplaceDrawCode.
LOTTO_PAGE_EXPORT int lotto_replace_draw()
{
    take_page_line();
    Draw draw{};
    RecordError error{};
    const Draw* held = nullptr;
    if (!parse_draw_to_add(page_line, draw, error) || (held = held_draw(draw.round)) == nullptr) {
        return page_code(ReplaceDrawCode::NotHeld);
    }
    static HeldLine model;
    if (!held_line(held->line, model)) {
        return page_code(ReplaceDrawCode::NotHeld);
    }
    static char before[HISTORY_CAPACITY];
    const std::size_t before_length = history_length;
    std::memcpy(before, history_text, history_length);
    static TextInsertion insertion;
    insertion.at = model.start;
    char line[MAX_LINE_BYTES + 1];
    format_draw_like(line, draw, model.text);
    format_text(insertion.text, sizeof insertion.text, "%s%s", line, model.line_end);
    if (!remove_text_line(history_text, history_length, held->line) ||
        !insert_text(history_text, history_length, HISTORY_CAPACITY, insertion)) {
        std::memcpy(history_text, before, before_length);
        history_length = before_length;
        return page_code(ReplaceDrawCode::NoRoom);
    }
    if (!read_history(history_length)) {
        std::memcpy(history_text, before, before_length);
        history_length = before_length;
        read_history(history_length);
        return page_code(ReplaceDrawCode::WouldNotRead);
    }
    use_history_lists(page_history);
    return page_code(ReplaceDrawCode::Replaced);
}

// The newest draw: its numbers (position 6 the bonus, 0 where the line gives none) and its
// date as YYYYMMDD (0 for none).
LOTTO_PAGE_EXPORT int lotto_latest_number(int position)
{
    if (page_history.count == 0 || position < 0 || position > NUMBERS_PER_SET) {
        return 0;
    }
    const Draw& latest = page_history.draws[page_history.count - 1];
    return position == NUMBERS_PER_SET ? latest.bonus
                                       : latest.numbers[static_cast<std::size_t>(position)];
}

LOTTO_PAGE_EXPORT int lotto_latest_date()
{
    return page_history.count > 0 ? page_history.draws[page_history.count - 1].date : 0;
}

// The same date as the page shows it, YYYY-MM-DD; empty for none.
LOTTO_PAGE_EXPORT const char* lotto_latest_day()
{
    static DayText day;
    const std::int32_t date = lotto_latest_date();
    day = date != 0 ? day_text(date) : DayText{};
    return day.text;
}

// The round of the draw lotto_add_draw looked at last.
LOTTO_PAGE_EXPORT int lotto_added_round()
{
    return added_round;
}
}
