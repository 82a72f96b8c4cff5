#include "history/number_record.hpp"

#include <cmath>

NumberRecord number_record(const DrawHistory& history)
{
    NumberRecord record{};
    record.draws = history.count;
    record.recent_draws = history.count < RECENT_DRAWS ? history.count : RECENT_DRAWS;
    const int recent_from = history.count - record.recent_draws;
    for (int index = 0; index < history.count; ++index) {
        for (std::int32_t number : history.draws[index].numbers) {
            ++record.all[number];
            record.recent[number] += index >= recent_from ? 1 : 0;
        }
    }
    record.since = draws_since_drawn(history, history.count);
    return record;
}

ChanceBand chance_band(int draws)
{
    constexpr double chance = double{NUMBERS_PER_SET} / MAX_NUMBER;
    ChanceBand band{};
    band.expected = draws * chance;
    band.spread = std::sqrt(draws * chance * (1 - chance));
    const auto rounded = [](double count) {
        return static_cast<std::int32_t>(std::lround(count < 0 ? 0 : count));
    };
    band.low = rounded(band.expected - band.spread);
    band.high = rounded(band.expected + band.spread);
    band.wide_low = rounded(band.expected - 2 * band.spread);
    band.wide_high = rounded(band.expected + 2 * band.spread);
    return band;
}
