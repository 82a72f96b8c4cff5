#include "history/draw_append.hpp"

#include <cstring>

#include "lottery/lottery_calendar.hpp"
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
          RecordError& error)
{
    already = false;
    const Draw& latest = history.draws[history.count - 1];
    if (const Draw* same = find_round(history, draw.round); same != nullptr) {
        if (same_draw(*same, draw)) {
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
        return refuse_with(error, translate("the date is not after round %d's, %s"), latest.round,
                           day_text(latest.date).text);
    }
    return true;
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

bool parse_draw_to_add(const char* line, Draw& draw, RecordError& error)
{
    error = RecordError{};
    draw = Draw{};
    if (parse_draw_line(line, false, draw, error) == LineKind::Draw) {
        return true;
    }
    if (error.message[0] == '\0') {
        refuse_with(error, "%s",
                    translate("expected the round, a date if any, six numbers and a bonus"));
    }
    error.line = 0;
    return false;
}

AddDrawOutcome plan_draw_insertion(TextSource& source, const Draw& draw, DrawHistory& history,
                                   RecordError& error, TextInsertion& insertion)
{
    insertion = TextInsertion{};
    static DrawLayout layout;
    bool already = false;
    if (!read_draw_source(source, history, error, &layout)) {
        return AddDrawOutcome::FileRefused;
    }
    if (!fits(history, draw, find_round(history, layout.last.round)->date != 0, already, error)) {
        return AddDrawOutcome::LineRefused;
    }
    if (already) {
        return AddDrawOutcome::AlreadyThere;
    }
    // Oldest first: after the last draw line. Newest first (the operator's order): before
    // the first.
    const bool newest_first = layout.first.round > layout.last.round;
    const DrawLine& model = newest_first ? layout.first : layout.last;
    char text[MAX_LINE_BYTES + 1];
    format_draw_like(text, draw, model.text);
    if (newest_first) {
        insertion.at = layout.first.start;
        format_text(insertion.text, sizeof insertion.text, "%s%s", text,
                    layout.first.line_end[0] != '\0' ? layout.first.line_end : layout.line_end);
    } else if (layout.last.line_end[0] == '\0') {
        insertion.at = layout.last.end; // the file's last line, without a line end: give it one
        format_text(insertion.text, sizeof insertion.text, "%s%s", layout.line_end, text);
    } else {
        insertion.at = layout.last.end;
        format_text(insertion.text, sizeof insertion.text, "%s%s", text, layout.last.line_end);
    }
    return AddDrawOutcome::Added;
}
