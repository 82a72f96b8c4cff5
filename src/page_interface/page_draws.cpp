// The history's draws as the page lists them, newest first, and each number's record over
// them: the same figures lotto-stats --draws prints.
#include <cstdint>

#include "history/number_record.hpp"
#include "lottery/lottery_calendar.hpp"
#include "page_interface/page_codes.hpp"
#include "page_interface/page_export.hpp"
#include "page_interface/page_state.hpp"

namespace {

NumberRecord record;
ChanceBand band;

const Draw* newest_but(int index)
{
    return index >= 0 && index < page_history.count
               ? &page_history.draws[page_history.count - 1 - index]
               : nullptr;
}

bool is_number(int number)
{
    return number >= 1 && number <= MAX_NUMBER;
}

} // namespace

extern "C" {

int lotto_drawn_round(); // by the page's clock, lotto_set_clock

LOTTO_PAGE_EXPORT int lotto_draw_count()
{
    return page_history.count;
}

// The draw `index` places from the newest (0): its round, its numbers (position 6 the bonus,
// 0 where the history gives none) and its day, YYYY-MM-DD or empty; 0 and empty past the
// history.
LOTTO_PAGE_EXPORT int lotto_draw_round(int index)
{
    const Draw* draw = newest_but(index);
    return draw != nullptr ? draw->round : 0;
}

LOTTO_PAGE_EXPORT int lotto_draw_number(int index, int position)
{
    const Draw* draw = newest_but(index);
    if (draw == nullptr || position < 0 || position > NUMBERS_PER_SET) {
        return 0;
    }
    return position == NUMBERS_PER_SET ? draw->bonus
                                       : draw->numbers[static_cast<std::size_t>(position)];
}

LOTTO_PAGE_EXPORT const char* lotto_draw_day(int index)
{
    static DayText day;
    const Draw* draw = newest_but(index);
    day = draw != nullptr && draw->date != 0 ? day_text(draw->date) : DayText{};
    return day.text;
}

// Where a round stands for a search: a RoundStandingCode. Held rounds are listed at index
// lotto_history_round() - round.
LOTTO_PAGE_EXPORT int lotto_round_standing(int round)
{
    if (page_history.count > 0 && round >= page_history.draws[0].round &&
        round <= page_history.draws[page_history.count - 1].round) {
        return page_code(RoundStandingCode::Held);
    }
    if (round < 1 || (page_history.count > 0 && round < page_history.draws[0].round)) {
        return page_code(RoundStandingCode::BeforeHistory);
    }
    return page_code(round > lotto_drawn_round() ? RoundStandingCode::NotDrawn
                                                 : RoundStandingCode::NotFetched);
}

// Counts each number's record over the history in force; the calls after it read it.
LOTTO_PAGE_EXPORT void lotto_count_numbers()
{
    record = number_record(page_history);
    band = chance_band(record.draws);
}

LOTTO_PAGE_EXPORT int lotto_number_all(int number)
{
    return is_number(number) ? record.all[number] : 0;
}

LOTTO_PAGE_EXPORT int lotto_number_recent(int number)
{
    return is_number(number) ? record.recent[number] : 0;
}

LOTTO_PAGE_EXPORT int lotto_number_since(int number)
{
    return is_number(number) ? record.since[static_cast<std::size_t>(number)] : 0;
}

LOTTO_PAGE_EXPORT int lotto_recent_draws()
{
    return record.recent_draws;
}

// What chance alone makes of a number's count over every draw: its mean, its spread, and
// the counts within one spread (low, high) and two (wide_low, wide_high).
LOTTO_PAGE_EXPORT double lotto_chance_expected()
{
    return band.expected;
}

LOTTO_PAGE_EXPORT double lotto_chance_spread()
{
    return band.spread;
}

LOTTO_PAGE_EXPORT int lotto_chance_band(int end)
{
    const std::int32_t ends[] = {band.wide_low, band.low, band.high, band.wide_high};
    return end >= 0 && end < 4 ? ends[end] : 0;
}

} // extern "C"
