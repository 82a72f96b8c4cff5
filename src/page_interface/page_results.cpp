// The page's side of the week's update: the same procedure as lotto-stats --update
// (results/week_update), which says which round to ask for and what each answer means; the
// page fetches and makes the changes in its core. Built apart from the page's core, so the
// first view does not carry it: the page hands it what it needs of its files on each call.
#include <cstdint>

#include "history/draw_append.hpp"
#include "history/shown_draw.hpp"
#include "page_interface/page_codes.hpp"
#include "page_interface/page_export.hpp"
#include "results/round_result.hpp"
#include "results/week_update.hpp"
#include "text/text_format.hpp"
#include "text/translation.hpp"

namespace {

// The answer's bytes, or the page's words for a failed fetch.
char answer[MOST_RESULT_BYTES + 1];
// The history's draw of the round asked, as a line of the history; empty when it holds none.
char held_line[MAX_LINE_BYTES + 1];
WeekUpdate update;
RoundDecision decision;
Draw held;
char prizes_line[MAX_LINE_BYTES + 1];
char held_shown[64];

} // namespace

static_assert(page_code(FetchCode::Answer) == static_cast<int>(Fetch::Answer) &&
              page_code(FetchCode::NotPublished) == static_cast<int>(Fetch::NotPublished) &&
              page_code(FetchCode::Failed) == static_cast<int>(Fetch::Failed));
static_assert(page_code(RoundStepCode::Next) == static_cast<int>(RoundStep::Next) &&
              page_code(RoundStepCode::Done) == static_cast<int>(RoundStep::Done) &&
              page_code(RoundStepCode::Refused) == static_cast<int>(RoundStep::Refused) &&
              page_code(RoundStepCode::Contradicts) == static_cast<int>(RoundStep::Contradicts));

extern "C" {

// Where the page puts an answer's bytes (or its words for a failed fetch), and how many it
// may: the most an answer may weigh and one more, which shows it is longer.
LOTTO_PAGE_EXPORT char* lotto_answer_buffer()
{
    return answer;
}

LOTTO_PAGE_EXPORT int lotto_answer_capacity()
{
    return static_cast<int>(sizeof answer);
}

// Where the page puts the history's draw of the round asked, before lotto_decide_round.
LOTTO_PAGE_EXPORT char* lotto_held_line_buffer()
{
    return held_line;
}

LOTTO_PAGE_EXPORT int lotto_held_line_capacity()
{
    return static_cast<int>(sizeof held_line);
}

// Starts the week's update from what the page's files hold, at `unix_seconds`.
LOTTO_PAGE_EXPORT void lotto_start_update(int history_first, int history_newest, int keeps_bonus,
                                          int prizes_newest, double unix_seconds)
{
    start_week_update(update,
                      WeekFacts{history_first, history_newest, keeps_bonus != 0, prizes_newest},
                      static_cast<std::int64_t>(unix_seconds));
}

// The round to ask for next; 0 once the asking is over.
LOTTO_PAGE_EXPORT int lotto_round_to_ask()
{
    return round_to_ask(update);
}

// What the answer in the answer buffer (`length` bytes; a FetchCode says how the fetch went)
// means for the round asked: a RoundStepCode. `prizes_held` is 1 when the page's prizes hold
// the round's row.
LOTTO_PAGE_EXPORT int lotto_decide_round(int fetch, int length, int prizes_held)
{
    use_language(Language::Korean);
    const std::size_t given = length < 0 ? 0 : static_cast<std::size_t>(length);
    const std::size_t bytes = given < sizeof answer ? given : sizeof answer;
    answer[sizeof answer - 1] = '\0';
    held_line[sizeof held_line - 1] = '\0';
    RecordError error{};
    const bool holds = held_line[0] != '\0' && parse_draw_to_add(held_line, held, error);
    held_shown[0] = '\0';
    if (holds) {
        format_text(held_shown, sizeof held_shown, "%s",
                    shown_draw(held.numbers.data(), held.bonus, held.date).text);
    }
    decide_round(update, static_cast<Fetch>(fetch), answer, bytes, answer, holds ? &held : nullptr,
                 prizes_held != 0, decision);
    prizes_line[0] = '\0';
    if (decision.add_prizes) {
        format_prizes_line(prizes_line, decision.prizes);
    }
    return static_cast<int>(decision.step);
}

// The decision's parts: the draw to add (empty for none; for a contradiction, the source's
// draw in the history's shape), the prizes row to add (empty for none), why the asking
// stopped, and the held draw a contradiction keeps, as shown.
LOTTO_PAGE_EXPORT const char* lotto_decision_draw_line()
{
    return decision.add_draw || decision.step == RoundStep::Contradicts ? decision.draw_line : "";
}

LOTTO_PAGE_EXPORT const char* lotto_decision_prizes_line()
{
    return prizes_line;
}

LOTTO_PAGE_EXPORT const char* lotto_decision_problem()
{
    return decision.problem;
}

LOTTO_PAGE_EXPORT const char* lotto_decision_held_draw()
{
    return held_shown;
}

// How the update ended: the first round whose prizes are not out yet, and a round whose
// record of its prizes was still incomplete once the next round was drawn; 0 for none.
LOTTO_PAGE_EXPORT int lotto_update_waiting()
{
    return finish_week_update(update).waiting;
}

LOTTO_PAGE_EXPORT int lotto_update_incomplete()
{
    return finish_week_update(update).incomplete;
}
}
