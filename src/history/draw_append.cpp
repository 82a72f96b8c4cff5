#include "history/draw_append.hpp"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "files/file_lock.hpp"
#include "files/replaced_file.hpp"
#include "text/text_format.hpp"
#include "text/translation.hpp"

namespace {

const Draw* find_round(const DrawHistory& history, std::int32_t round)
{
    const std::int32_t first = history.draws[0].round;
    return round >= first && round - first < history.count ? &history.draws[round - first]
                                                           : nullptr;
}

bool has_bonuses(const DrawHistory& history)
{
    return history.draws[history.count - 1].bonus != 0;
}

// Whether the draw given can be the file's next one. `already` when it is there as given.
bool fits(const DrawHistory& history, const Draw& draw, bool model_dated, bool& already,
          HistoryError& error)
{
    already = false;
    const Draw& latest = history.draws[history.count - 1];
    if (const Draw* same = find_round(history, draw.round); same != nullptr) {
        if (same->numbers == draw.numbers && same->bonus == draw.bonus &&
            (same->date == draw.date || draw.date == 0 || same->date == 0)) {
            already = true;
            return true;
        }
        return refuse_with(error, translate("round %d is already on line %d, with another draw"),
                           draw.round, same->line);
    }
    if (draw.round < history.draws[0].round) {
        return refuse_with(
            error, translate("the history begins with round %d; only round %d can be added"),
            history.draws[0].round, latest.round + 1);
    }
    if (draw.round > latest.round + 1) {
        return refuse_with(error, translate("round %d is missing: add it before round %d"),
                           latest.round + 1, draw.round);
    }
    if (has_bonuses(history) && draw.bonus == 0) {
        return refuse_with(
            error, "%s",
            translate("the draws of the history have a bonus: a winning number or the "
                      "bonus is missing"));
    }
    if (!has_bonuses(history) && draw.bonus != 0) {
        return refuse_with(
            error, "%s",
            translate("the draws of the history have no bonus; give the draw without "
                      "one"));
    }
    if (model_dated && draw.date == 0) {
        return refuse_with(error, "%s",
                           translate("the draws of the history have dates; give the draw's date"));
    }
    if (draw.date != 0 && latest.date != 0 && draw.date <= latest.date) {
        return refuse_with(error, translate("the date is not after round %d's, %04d-%02d-%02d"),
                           latest.round, latest.date / 10000, latest.date / 100 % 100,
                           latest.date % 100);
    }
    return true;
}

// The history's draw count once the draw is in, for the check of the new file.
int expected_count;

bool reads_with_the_new_draw(std::FILE* written)
{
    static DrawHistory check;
    HistoryError error{};
    return read_draw_stream(written, check, error) && check.count == expected_count;
}

} // namespace

void format_draw_like(char (&out)[MAX_LINE_BYTES + 1], const Draw& draw, const char* model)
{
    const char* first = model;
    while (is_blank(*first)) {
        ++first;
    }
    const bool quoted = *first == '"';
    const char* comma = std::strchr(model, ',');
    char separator[3] = ",";
    if (comma == nullptr) {
        separator[0] = std::strchr(model, '\t') != nullptr ? '\t' : ' ';
    } else if (comma[1] == ' ') {
        separator[1] = ' ';
    }
    // The model's date, if it has one: its separator is the fifth character of the field.
    const Fields fields = split_fields(model);
    const bool dated = fields.count > 1 && fields.field[1].length == 10 &&
                       (fields.field[1].text[4] == '-' || fields.field[1].text[4] == '.');
    const char date_separator = dated ? fields.field[1].text[4] : '-';
    const char* quote = quoted ? "\"" : "";
    std::size_t length = format_text(out, sizeof out, "%s%d%s", quote, draw.round, quote);
    if (dated && draw.date != 0) {
        length += format_text(out + length, sizeof out - length, "%s%s%04d%c%02d%c%02d%s",
                              separator, quote, draw.date / 10000, date_separator,
                              draw.date / 100 % 100, date_separator, draw.date % 100, quote);
    }
    for (int i = 0; i <= NUMBERS_PER_SET; ++i) {
        const std::int32_t number = i < NUMBERS_PER_SET ? draw.numbers[i] : draw.bonus;
        if (number != 0) {
            length += format_text(out + length, sizeof out - length, "%s%s%d%s", separator, quote,
                                  number, quote);
        }
    }
}

AddDrawOutcome add_draw_to_file(const char* path, const char* line, int wait_milliseconds,
                                DrawHistory& history, Draw& draw, HistoryError& error)
{
    error = HistoryError{};
    draw = Draw{};
    if (parse_draw_line(line, false, draw, error) != LineKind::Draw) {
        if (error.message[0] == '\0') {
            refuse_with(error, "%s",
                        translate("expected the round, a date if any, six numbers and a bonus"));
        }
        error.line = 0;
        return AddDrawOutcome::LineRefused;
    }
    LockedFile file{};
    switch (open_locked(path, false, wait_milliseconds, file)) {
    case LockOutcome::Locked:
        break;
    case LockOutcome::Busy:
        return AddDrawOutcome::Busy;
    case LockOutcome::Failed:
        return AddDrawOutcome::Failed;
    }
    AddDrawOutcome outcome = AddDrawOutcome::Failed;
    static DrawLayout layout;
    bool already = false;
    if (!read_draw_stream(file.stream, history, error, &layout)) {
        outcome = AddDrawOutcome::FileRefused;
    } else if (!fits(history, draw, find_round(history, layout.last.round)->date != 0, already,
                     error)) {
        outcome = AddDrawOutcome::LineRefused;
    } else if (already) {
        outcome = AddDrawOutcome::AlreadyThere;
    } else {
        // Oldest first: after the last draw line. Newest first (the operator's order):
        // before the first.
        const bool newest_first = layout.first.round > layout.last.round;
        const DrawLine& model = newest_first ? layout.first : layout.last;
        char text[MAX_LINE_BYTES + 1];
        format_draw_like(text, draw, model.text);
        char inserted[MAX_LINE_BYTES + 8];
        long at = 0;
        if (newest_first) {
            at = layout.first.start;
            format_text(inserted, sizeof inserted, "%s%s", text,
                        layout.first.line_end[0] != '\0' ? layout.first.line_end : layout.line_end);
        } else if (layout.last.line_end[0] == '\0') {
            at = layout.last.end; // the file's last line, without a line end: give it one
            format_text(inserted, sizeof inserted, "%s%s", layout.line_end, text);
        } else {
            at = layout.last.end;
            format_text(inserted, sizeof inserted, "%s%s", text, layout.last.line_end);
        }
        expected_count = history.count + 1;
        std::FILE* old = file.stream;
        file.stream = nullptr; // closed by the replacement
        outcome = replace_with_insertion(path, old, at, inserted, reads_with_the_new_draw)
                      ? AddDrawOutcome::Added
                      : AddDrawOutcome::Failed;
    }
    close_locked(file);
    return outcome;
}
