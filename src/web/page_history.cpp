// The page's draw history: the text the page keeps on the device, read by the programs'
// rules, its lists in force, and the next draw added to it in its own order and style.
#include <cstdint>

#include "history/draw_append.hpp"
#include "history/overdue_numbers.hpp"
#include "text/text_format.hpp"
#include "text/translation.hpp"
#include "tickets/sales_round.hpp"
#include "web/page_buffers.hpp"
#include "web/page_export.hpp"
#include "web/page_state.hpp"

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

} // namespace

extern "C" {

// Where the page puts a history's text, and its file's name, before lotto_use_history.
LOTTO_PAGE_EXPORT char* lotto_history_buffer()
{
    return history_text;
}

LOTTO_PAGE_EXPORT int lotto_history_capacity()
{
    return static_cast<int>(HISTORY_CAPACITY);
}

LOTTO_PAGE_EXPORT char* lotto_history_name_buffer()
{
    return history_name;
}

LOTTO_PAGE_EXPORT int lotto_history_name_capacity()
{
    return static_cast<int>(sizeof history_name);
}

LOTTO_PAGE_EXPORT int lotto_history_length()
{
    return static_cast<int>(history_length);
}

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
    const std::int32_t round = lotto_history_round() + 1;
    const std::int32_t date = draw_date_of_round(round);
    format_text(page_message, sizeof page_message, "%d,%04d-%02d-%02d,", round, date / 10000,
                date / 100 % 100, date % 100);
    return page_message;
}

// Adds the draw in the line buffer to the history as lotto-stats --add-draw does to a file,
// then reads the history again and puts its lists in force. Returns 0 added, 1 there as
// given, 2 refused (lotto_message says why), 3 the history does not read, 4 no room.
LOTTO_PAGE_EXPORT int lotto_add_draw()
{
    use_language(Language::Korean);
    page_line[PAGE_LINE_CAPACITY - 1] = '\0';
    Draw draw{};
    RecordError error{};
    static TextInsertion insertion;
    if (!parse_draw_to_add(page_line, draw, error)) {
        format_text(page_message, sizeof page_message, "%s", error.message);
        return 2;
    }
    added_round = draw.round;
    AddDrawOutcome outcome = AddDrawOutcome::Failed;
    TextSource source = memory_source(history_text, history_length);
    outcome = plan_draw_insertion(source, draw, page_history, error, insertion);
    switch (outcome) {
    case AddDrawOutcome::Added:
        break;
    case AddDrawOutcome::AlreadyThere:
        return 1;
    case AddDrawOutcome::LineRefused:
        format_text(page_message, sizeof page_message, "%s", error.message);
        return 2;
    case AddDrawOutcome::FileRefused:
        page_error(history_name, error);
        return 3;
    case AddDrawOutcome::Busy:
    case AddDrawOutcome::Failed:
        return 4;
    }
    if (!insert_text(history_text, history_length, HISTORY_CAPACITY, insertion)) {
        return 4;
    }
    read_history(history_length); // reads: the same rules allowed the draw
    use_history_lists(page_history);
    return 0;
}

// The round of the draw lotto_add_draw looked at last.
LOTTO_PAGE_EXPORT int lotto_added_round()
{
    return added_round;
}
}
