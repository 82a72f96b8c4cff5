#include "counting/score_distribution.hpp"

#include <cstring>
#include <iterator>
#include <type_traits>

#include "counting/parallel_runs.hpp"
#include "counting/set_shapes.hpp"

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

void tally(ScoreDistribution& d, const NumberSet& set, const SetShape& shape,
           std::int32_t non_appearing_points)
{
    const SetScore score = score_of_shape(shape, non_appearing_points);
    if (score.color_row == COLOR_PATTERN_COUNT) {
        d.unmatched_pattern = color_pattern_of(set);
    }
    count(d, ALL_SETS, score);
    const unsigned rejection = rejection_of_shape(shape);
    ++d.rejected_by[rejection];
    if (rejection == 0) {
        count(d, PROPOSABLE_SETS, score);
        if (score.total > d.best_total) {
            d.best_total = score.total;
            d.best_set = set;
        }
    }
}

struct TallyWork {
    int highest_number;
    const NonAppearingPoints* lists;
    const NumberChoice* choice;
    int workers;
};

constexpr int MOST_TALLY_WORKERS = 64;
ScoreDistribution shares[MOST_TALLY_WORKERS];

// One worker's share: the sets whose lowest number is one of its own.
void tally_share(int worker, void* context)
{
    const auto& work = *static_cast<TallyWork*>(context);
    ScoreDistribution& d = shares[worker];
    std::memset(&d, 0, sizeof d);
    d.best_total = -1;
    const bool every_set = is_empty_choice(*work.choice);
    // What each number earns from the lists, as score_of counts it.
    std::int32_t earned[MAX_NUMBER + 1] = {};
    for (int number = 1; number <= MAX_NUMBER; ++number) {
        earned[number] = find_non_appearing(NumberSet{number}, *work.lists).points;
    }
    const auto score = [&](const NumberSet& set, const SetShape& shape) {
        if (every_set || fits_number_choice(set, *work.choice)) {
            std::int32_t points = 0;
            for (std::int32_t number : set) {
                points += earned[number];
            }
            tally(d, set, shape, points);
        }
    };
    for (int lowest = 1 + worker; lowest <= work.highest_number - (NUMBERS_PER_SET - 1);
         lowest += work.workers) {
        for_every_set_from(lowest, work.highest_number, score);
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
    prepare_set_shapes();
    TallyWork work{highest_number, &lists, &choice, workers};
    run_in_parallel(workers, tally_share, &work);
    for (int worker = 0; worker < workers; ++worker) {
        merge(distribution, shares[worker]);
    }
}
