// The page's reader of the results source: a round's answer, read by the same rules as
// lotto-stats --update reads it, turned into the two lines the page's core adds: the draw as
// --add-draw takes it, and the round's row of the prizes file once its prizes are final.
// Built apart from the page's core, so the first view does not carry it.
#include <cstdint>

#include "page_interface/page_codes.hpp"
#include "page_interface/page_export.hpp"
#include "results/round_result.hpp"
#include "text/translation.hpp"

namespace {

char answer[MOST_RESULT_BYTES + 1];
RoundResult result;
char draw_line[MAX_LINE_BYTES + 1];
char prizes_line[MAX_LINE_BYTES + 1];
char problem[512];

} // namespace

extern "C" {

// Where the page puts the answer's bytes, and how many it may: the most an answer may weigh
// and one more, which shows it is longer.
LOTTO_PAGE_EXPORT char* lotto_answer_buffer()
{
    return answer;
}

LOTTO_PAGE_EXPORT int lotto_answer_capacity()
{
    return static_cast<int>(sizeof answer);
}

// Reads the `length` bytes in the answer buffer as round `round`'s results on `today` in
// Korea (YYYYMMDD). An AnswerCode: final prizes, the numbers alone (prizes pending), refused
// (lotto_answer_problem says why), or the numbers and a record of the prizes not complete
// (an empty 4th or 5th division).
LOTTO_PAGE_EXPORT int lotto_read_answer(int length, int round, int today)
{
    use_language(Language::Korean);
    draw_line[0] = '\0';
    prizes_line[0] = '\0';
    // One byte past the most tells an answer too long, which the reader refuses.
    const std::size_t given = length < 0 ? 0 : static_cast<std::size_t>(length);
    if (!read_round_result(answer, given < sizeof answer ? given : sizeof answer, round, today,
                           result, problem, sizeof problem)) {
        return page_code(AnswerCode::Refused);
    }
    format_result_line(draw_line, result);
    if (result.prizes_state == PrizesState::Pending) {
        return page_code(AnswerCode::Pending);
    }
    if (result.prizes_state == PrizesState::Incomplete) {
        return page_code(AnswerCode::Incomplete);
    }
    format_prizes_line(prizes_line, result.prizes);
    return page_code(AnswerCode::Final);
}

LOTTO_PAGE_EXPORT const char* lotto_answer_draw_line()
{
    return draw_line;
}

LOTTO_PAGE_EXPORT const char* lotto_answer_prizes_line()
{
    return prizes_line;
}

LOTTO_PAGE_EXPORT const char* lotto_answer_problem()
{
    return problem;
}
}
