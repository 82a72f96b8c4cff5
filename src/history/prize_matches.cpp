#include "history/prize_matches.hpp"

#include <algorithm>

namespace {

int matches_of(const NumberSet& set, const Draw& draw)
{
    int matches = 0;
    for (std::int32_t number : set) {
        matches += std::find(draw.numbers.begin(), draw.numbers.end(), number) != draw.numbers.end()
                       ? 1
                       : 0;
    }
    return matches;
}

} // namespace

int prize_of(const NumberSet& set, const Draw& draw)
{
    const int matches = matches_of(set, draw);
    const bool bonus =
        draw.bonus != 0 && std::find(set.begin(), set.end(), draw.bonus) != set.end();
    switch (matches) {
    case 6:
        return 1;
    case 5:
        return bonus ? 2 : 3;
    case 4:
        return 4;
    case 3:
        return 5;
    default:
        return 0;
    }
}

double prize_chance(int prize)
{
    // Ways to match, out of C(45,6) = 8,145,060 equally likely draws of six: the other
    // numbers come from the 39 (or 38 besides the bonus) that the set does not hold.
    constexpr auto draws = static_cast<double>(ALL_SET_COUNT);
    switch (prize) {
    case 1:
        return 1.0 / draws;
    case 2:
        return 6.0 / draws; // C(6,5), and the bonus is the sixth number
    case 3:
        return 6.0 * 38.0 / draws; // C(6,5) x 38
    case 4:
        return 15.0 * 741.0 / draws; // C(6,4) x C(39,2)
    case 5:
        return 20.0 * 9139.0 / draws; // C(6,3) x C(39,3)
    default:
        return 0.0;
    }
}

PrizeRecord prizes_over_history(const NumberSet& set, const DrawHistory& history)
{
    PrizeRecord record{};
    record.best_draw = -1;
    int best_prize = RANKS + 1;
    for (int index = 0; index < history.count; ++index) {
        const Draw& draw = history.draws[index];
        const int prize = prize_of(set, draw);
        ++record.won[prize];
        const int rank = prize == 0 ? RANKS + 1 : prize;
        const int matches = matches_of(set, draw);
        if (record.best_draw < 0 || rank < best_prize ||
            (rank == best_prize && matches > record.best_matches)) {
            record.best_draw = index;
            best_prize = rank;
            record.best_matches = matches;
        }
    }
    return record;
}
