#include "history/draw_checks.hpp"

#include "lottery/lottery_calendar.hpp"
#include "text/text_format.hpp"
#include "text/translation.hpp"

namespace {

bool check_rounds(const DrawHistory& history, RecordError& error)
{
    for (int i = 1; i < history.count; ++i) {
        if (history.draws[i].round != history.draws[i - 1].round + 1) {
            error.line = 0;
            format_text(error.message, sizeof error.message, translate("round %d is missing"),
                        history.draws[i - 1].round + 1);
            return false;
        }
    }
    if (history.count < MIN_DRAWS) {
        error.line = 0;
        format_text(error.message, sizeof error.message,
                    translate("%d draws; at least %d are needed"), history.count, MIN_DRAWS);
        return false;
    }
    return true;
}

// Where the other draws have a bonus, a draw without one has lost a number: its bonus was
// read as a winning number. The first such line in the file is named.
bool check_bonuses(const DrawHistory& history, RecordError& error)
{
    const Draw* without = nullptr;
    bool any_bonus = false;
    for (int i = 0; i < history.count; ++i) {
        const Draw& draw = history.draws[i];
        any_bonus = any_bonus || draw.bonus != 0;
        if (draw.bonus == 0 && (without == nullptr || draw.line < without->line)) {
            without = &draw;
        }
    }
    if (!any_bonus || without == nullptr) {
        return true;
    }
    error.line = without->line;
    format_text(error.message, sizeof error.message,
                translate("round %d has six numbers where the other draws have seven: a winning "
                          "number or the bonus is missing"),
                without->round);
    return false;
}

// Dates, where the lines give them, grow with the round.
bool check_dates(const DrawHistory& history, RecordError& error)
{
    const Draw* previous = nullptr;
    for (int i = 0; i < history.count; ++i) {
        const Draw& draw = history.draws[i];
        if (draw.date == 0) {
            continue;
        }
        if (previous != nullptr && draw.date <= previous->date) {
            error.line = draw.line;
            format_text(error.message, sizeof error.message,
                        translate("round %d is dated %s, not after round %d (%s, line %d)"),
                        draw.round, day_text(draw.date).text, previous->round,
                        day_text(previous->date).text, previous->line);
            return false;
        }
        previous = &draw;
    }
    return true;
}

} // namespace

bool check_history(const DrawHistory& history, RecordError& error)
{
    return check_rounds(history, error) && check_bonuses(history, error) &&
           check_dates(history, error);
}

bool same_draw(const Draw& held, const Draw& given)
{
    return held.numbers == given.numbers &&
           (held.bonus == given.bonus || held.bonus == 0 || given.bonus == 0) &&
           (held.date == given.date || held.date == 0 || given.date == 0);
}
