#include "statistics/score_distribution.hpp"

#include <cstring>
#include <iterator>
#include <type_traits>

#include "generation/shape_filters.hpp"
#include "scoring/set_score.hpp"
#include "statistics/parallel_runs.hpp"

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

// One worker's share: the sets whose lowest number is one of its own.
struct TallyWork {
    int highest_number;
    const NonAppearingPoints* lists;
    const NumberChoice* choice;
    int workers;
};

constexpr int MOST_TALLY_WORKERS = 64;
ScoreDistribution shares[MOST_TALLY_WORKERS];

void tally_share(int worker, void* context)
{
    const auto& work = *static_cast<TallyWork*>(context);
    ScoreDistribution& d = shares[worker];
    std::memset(&d, 0, sizeof d);
    d.best_total = -1;
    const bool every_set = is_empty_choice(*work.choice);
    const int highest = work.highest_number;
    for (int lowest = 1 + worker; lowest <= highest - (NUMBERS_PER_SET - 1);
         lowest += work.workers) {
        // An odometer over ascending sets: bump the rightmost slot that still has room,
        // then restart every slot after it just above its left neighbour.
        NumberSet set{};
        for (int slot = 0; slot < NUMBERS_PER_SET; ++slot) {
            set[slot] = lowest + slot;
        }
        for (;;) {
            if (every_set || fits_number_choice(set, *work.choice)) {
                tally(d, set, *work.lists);
            }
            int slot = NUMBERS_PER_SET - 1;
            while (slot > 0 && set[slot] == highest - (NUMBERS_PER_SET - 1 - slot)) {
                --slot;
            }
            if (slot == 0) {
                break;
            }
            ++set[slot];
            for (int next = slot + 1; next < NUMBERS_PER_SET; ++next) {
                set[next] = set[next - 1] + 1;
            }
        }
    }
}

// Adds a share's counts; the best set is the first, in ascending order, to reach the
// highest total.
void merge(ScoreDistribution& into, const ScoreDistribution& share)
{
    const auto add = [](auto& to, const auto& from) {
        for (std::size_t i = 0; i < std::size(to); ++i) {
            if constexpr (std::is_array_v<std::remove_reference_t<decltype(to[0])>>) {
                for (std::size_t j = 0; j < std::size(to[i]); ++j) {
                    to[i][j] += from[i][j];
                }
            } else {
                to[i] += from[i];
            }
        }
    };
    add(into.sets, share.sets);
    add(into.sum_range, share.sum_range);
    add(into.color_row, share.color_row);
    add(into.odd_count, share.odd_count);
    add(into.non_appearing_points, share.non_appearing_points);
    add(into.total, share.total);
    add(into.rejected_by, share.rejected_by);
    if (share.unmatched_pattern.digits[0] != '\0') {
        into.unmatched_pattern = share.unmatched_pattern;
    }
    if (share.best_total > into.best_total ||
        (share.best_total == into.best_total && share.best_total >= 0 &&
         share.best_set < into.best_set)) {
        into.best_total = share.best_total;
        into.best_set = share.best_set;
    }
}

} // namespace

void tally_all_sets(int highest_number, const NonAppearingPoints& lists,
                    ScoreDistribution& distribution, const NumberChoice& choice, int workers)
{
    std::memset(&distribution, 0, sizeof distribution);
    distribution.highest_number = highest_number;
    distribution.best_total = -1;
    if (highest_number < NUMBERS_PER_SET || highest_number > MAX_NUMBER) {
        return;
    }
    workers = workers < 1 ? 1 : workers > MOST_TALLY_WORKERS ? MOST_TALLY_WORKERS : workers;
    TallyWork work{highest_number, &lists, &choice, workers};
    run_in_parallel(workers, tally_share, &work);
    for (int worker = 0; worker < workers; ++worker) {
        merge(distribution, shares[worker]);
    }
}
