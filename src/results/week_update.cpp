#include "results/week_update.hpp"

#include <algorithm>

#include "lottery/lottery_calendar.hpp"
#include "results/round_result.hpp"
#include "text/text_format.hpp"

namespace {

// Past the round just decided: the next, unless the clock says it has not been drawn.
void go_on(WeekUpdate& update)
{
    update.next = update.next < update.drawn ? update.next + 1 : 0;
}

// Stops the asking with `step`.
void stop(WeekUpdate& update, RoundDecision& decision, RoundStep step)
{
    update.next = 0;
    decision.step = step;
}

} // namespace

void start_week_update(WeekUpdate& update, const WeekFacts& facts, std::int64_t now)
{
    update = WeekUpdate{};
    update.facts = facts;
    update.drawn = round_on_sale(now) - 1;
    update.today = korean_date(now);
    const std::int32_t prizes =
        facts.prizes_newest > 0 ? facts.prizes_newest : facts.history_newest;
    const std::int32_t first = std::min(facts.history_newest, prizes) + 1;
    update.next = first <= update.drawn ? first : 0;
}

std::int32_t round_to_ask(const WeekUpdate& update)
{
    return update.next;
}

void decide_round(WeekUpdate& update, Fetch fetch, const char* body, std::size_t length,
                  const char* failure, const Draw* held, bool prizes_held, RoundDecision& decision)
{
    decision = RoundDecision{};
    decision.round = update.next;
    if (fetch == Fetch::NotPublished) {
        stop(update, decision, RoundStep::Done);
        return;
    }
    if (fetch == Fetch::Failed) {
        format_text(decision.problem, sizeof decision.problem, "%s", failure);
        stop(update, decision, RoundStep::Refused);
        return;
    }
    static RoundResult result;
    if (!read_round_result(body, length, decision.round, update.today, result, decision.problem,
                           sizeof decision.problem)) {
        stop(update, decision, RoundStep::Refused);
        return;
    }
    format_result_line(decision.draw_line, result, update.facts.keeps_bonus);
    Draw& given = decision.source_draw;
    given.round = result.round;
    std::copy(result.numbers, result.numbers + NUMBERS_PER_SET, given.numbers.begin());
    given.bonus = result.bonus;
    given.date = result.date;
    // A draw held must be the source's: one the player typed is never replaced.
    if (held != nullptr && !same_draw(*held, given)) {
        stop(update, decision, RoundStep::Contradicts);
        return;
    }
    if (held == nullptr && decision.round > update.facts.history_newest) {
        decision.add_draw = true;
        update.facts.history_newest = decision.round;
    }
    decision.step = RoundStep::Next;
    // Prizes go in order: while a round's are not final, the later rounds' wait.
    if (result.prizes_state != PrizesState::Final) {
        update.waiting = update.waiting != 0 ? update.waiting : decision.round;
        if (result.prizes_state == PrizesState::Incomplete && update.incomplete == 0) {
            update.incomplete = decision.round;
        }
    } else if (update.waiting == 0 || prizes_held) {
        RecordError error{};
        if (!prizes_hold_together(result.prizes, error)) {
            // The draw is the source's all the same; the prizes are not.
            format_text(decision.problem, sizeof decision.problem, "%s", error.message);
            stop(update, decision, RoundStep::Refused);
            return;
        }
        decision.add_prizes = true;
        decision.prizes = result.prizes;
    }
    go_on(update);
}

WeekEnd finish_week_update(const WeekUpdate& update)
{
    // An incomplete record is waited for until the next round is drawn, then named.
    const bool overdue = update.incomplete != 0 && update.incomplete < update.drawn;
    WeekEnd end{};
    end.newest = update.facts.history_newest;
    end.incomplete = overdue ? update.incomplete : 0;
    end.waiting = overdue && update.waiting == update.incomplete ? 0 : update.waiting;
    return end;
}
