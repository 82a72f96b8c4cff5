#include "statistics/score_distribution.hpp"

#include <cstring>

#include "generation/shape_filters.hpp"
#include "scoring/set_score.hpp"

namespace {

void count(ScoreDistribution& d, int population, const SetScore& score)
{
    ++d.sets[population];
    ++d.sum_range[population][score.sum_range];
    ++d.color_row[population][score.color_row];
    ++d.odd_count[population][score.odd_count];
    ++d.non_appearing_points[population][score.non_appearing_points];
    ++d.total[population][score.total];
}

void tally(ScoreDistribution& d, const NumberSet& set, const NonAppearingPoints& lists)
{
    const SetScore score = score_of(set, lists);
    if (score.color_row == COLOR_PATTERN_COUNT) {
        d.unmatched_pattern = color_pattern_of(set);
    }
    count(d, ALL_SETS, score);
    const unsigned rejection = rejection_of(set);
    ++d.rejected_by[rejection];
    if (rejection == 0) {
        count(d, PROPOSABLE_SETS, score);
        if (score.total > d.best_total) {
            d.best_total = score.total;
            d.best_set = set;
        }
    }
}

} // namespace

void tally_all_sets(int highest_number, const NonAppearingPoints& lists,
                    ScoreDistribution& distribution, const NumberChoice& choice)
{
    const bool every_set = is_empty_choice(choice);
    std::memset(&distribution, 0, sizeof distribution);
    distribution.highest_number = highest_number;
    distribution.best_total = -1;

    // An odometer over ascending sets: bump the rightmost slot that still has room, then
    // restart every slot after it just above its left neighbour.
    NumberSet set = {1, 2, 3, 4, 5, 6};
    if (highest_number < NUMBERS_PER_SET || highest_number > MAX_NUMBER) {
        return;
    }
    for (;;) {
        if (every_set || fits_number_choice(set, choice)) {
            tally(distribution, set, lists);
        }
        int slot = NUMBERS_PER_SET - 1;
        while (slot >= 0 && set[slot] == highest_number - (NUMBERS_PER_SET - 1 - slot)) {
            --slot;
        }
        if (slot < 0) {
            return;
        }
        ++set[slot];
        for (int next = slot + 1; next < NUMBERS_PER_SET; ++next) {
            set[next] = set[next - 1] + 1;
        }
    }
}
