#include "counting/back_test.hpp"

#include <boost/math/distributions/chi_squared.hpp>

#include <algorithm>

#include "history/overdue_numbers.hpp"
#include "scoring/set_score.hpp"

TotalPlace place_of(const TotalCounts& totals, int total)
{
    TotalPlace place{};
    for (int t = 0; t <= MAX_TOTAL_POINTS; ++t) {
        place.below += t < total ? totals[t] : 0;
        place.above += t > total ? totals[t] : 0;
        place.all += totals[t];
    }
    place.equal = place.all - place.below - place.above;
    return place;
}

double mid_rank(const TotalCounts& totals, int total)
{
    const TotalPlace place = place_of(totals, total);
    return place.all == 0
               ? 0.0
               : (static_cast<double>(place.below) + 0.5 * static_cast<double>(place.equal)) /
                     static_cast<double>(place.all);
}

namespace {

constexpr int FIRST_BAND_END = 50; // the first band holds every total below it
constexpr int BAND_WIDTH = 10;

} // namespace

int score_band(int total)
{
    const int band = total < FIRST_BAND_END ? 0 : (total - FIRST_BAND_END) / BAND_WIDTH + 1;
    return band < SCORE_BAND_COUNT ? band : SCORE_BAND_COUNT - 1;
}

int score_band_lowest(int band)
{
    return band == 0 ? 0 : FIRST_BAND_END + (band - 1) * BAND_WIDTH;
}

int score_band_highest(int band)
{
    return band == SCORE_BAND_COUNT - 1 ? -1 : score_band_lowest(band + 1) - 1;
}

void test_score_bands(BackTest& result)
{
    // Merge bands from the top down until each expects at least five draws.
    double merged_expected[SCORE_BAND_COUNT] = {};
    std::int64_t merged_observed[SCORE_BAND_COUNT] = {};
    int merged = 0;
    double expected = 0.0;
    std::int64_t observed = 0;
    for (int band = SCORE_BAND_COUNT - 1; band >= 0; --band) {
        expected += result.expected[band];
        observed += result.observed[band];
        if (expected >= 5.0) {
            merged_expected[merged] = expected;
            merged_observed[merged] = observed;
            ++merged;
            expected = 0.0;
            observed = 0;
        }
    }
    if (merged > 0) {
        merged_expected[merged - 1] += expected; // the rest joins the lowest band
        merged_observed[merged - 1] += observed;
    }
    result.chi_square = 0.0;
    for (int band = 0; band < merged; ++band) {
        const double difference =
            static_cast<double>(merged_observed[band]) - merged_expected[band];
        result.chi_square += difference * difference / merged_expected[band];
    }
    result.degrees_of_freedom = merged > 1 ? merged - 1 : 0;
    result.p_value = 1.0;
    if (result.degrees_of_freedom > 0) {
        // The program uses no exceptions: a domain, overflow or evaluation error sets errno
        // and gives a NaN or infinity, which the report then shows, instead of throwing.
        using namespace boost::math::policies;
        using quiet = policy<domain_error<errno_on_error>, overflow_error<errno_on_error>,
                             evaluation_error<errno_on_error>>;
        const boost::math::chi_squared_distribution<double, quiet> distribution(
            result.degrees_of_freedom);
        result.p_value = boost::math::cdf(boost::math::complement(distribution, result.chi_square));
    }
}

int back_test_draw_count(const DrawHistory& history)
{
    return history.count > MIN_DRAWS ? history.count - MIN_DRAWS : 0;
}

void start_back_test(const DrawHistory& history, BackTest& result, BackTestRun& run)
{
    result = BackTest{};
    run = BackTestRun{MIN_DRAWS < history.count ? MIN_DRAWS : history.count, 0.0, 0};
}

namespace {

void finish_back_test(BackTest& result, const BackTestRun& run)
{
    if (result.count > 0) {
        result.mean_mid_rank = run.mid_rank_sum / result.count;
        result.top_tenth_share = static_cast<double>(run.in_top_tenth) / result.count;
        result.chance_mean_mid_rank /= result.count;
        result.chance_top_tenth_share /= result.count;
    }
    test_score_bands(result);
}

} // namespace

int back_test_batch_count(const DrawHistory& history)
{
    return (back_test_draw_count(history) + MOST_LISTS_AT_ONCE - 1) / MOST_LISTS_AT_ONCE;
}

namespace {

// The first draw of a batch, and how many it holds.
int first_of_batch(int batch)
{
    return MIN_DRAWS + batch * MOST_LISTS_AT_ONCE;
}

// No draw for a batch outside the back-test.
int size_of_batch(const DrawHistory& history, int batch)
{
    return batch < 0 ? 0 : std::clamp(history.count - first_of_batch(batch), 0, MOST_LISTS_AT_ONCE);
}

NonAppearingPoints list_before(const DrawHistory& history, int draw)
{
    return overdue_points(draws_since_drawn(history, draw));
}

} // namespace

void count_back_test_batch(const DrawHistory& history, int batch, BackTestCounts& counts,
                           const CountingOptions& options)
{
    static NonAppearingPoints lists[MOST_LISTS_AT_ONCE];
    const int size = size_of_batch(history, batch);
    for (int i = 0; i < size; ++i) {
        lists[i] = list_before(history, first_of_batch(batch) + i);
    }
    if (size > 0) {
        count_totals_of_lists(lists, size, counts.proposable, counts.all_sets, options);
    }
}

bool add_back_test_batch(const DrawHistory& history, const BackTestCounts& counts, BackTest& result,
                         BackTestRun& run)
{
    const int batch = (run.next - MIN_DRAWS) / MOST_LISTS_AT_ONCE;
    const int size = run.next < history.count ? size_of_batch(history, batch) : 0;
    // In draw order, so the sums are the same whatever the batches and workers.
    for (int i = 0; i < size; ++i) {
        const Draw& draw = history.draws[run.next + i];
        const std::int32_t total = score_of(draw.numbers, list_before(history, run.next + i)).total;
        const TotalCounts& proposable = counts.proposable[i];
        const TotalCounts& all_sets = counts.all_sets[i];
        // Under chance the winning set is any of all sets, each as likely.
        for (int t = 0; t <= MAX_TOTAL_POINTS; ++t) {
            if (all_sets[t] == 0) {
                continue;
            }
            const double chance = static_cast<double>(all_sets[t]) / ALL_SET_COUNT;
            const double rank = mid_rank(proposable, t);
            result.expected[score_band(t)] += chance;
            result.chance_mean_mid_rank += chance * rank;
            result.chance_top_tenth_share += rank >= 0.9 ? chance : 0.0;
        }
        ++result.observed[score_band(total)];
        const double rank = mid_rank(proposable, total);
        result.draws[result.count++] = BackTestDraw{draw.round, total, rank};
        run.mid_rank_sum += rank;
        run.in_top_tenth += rank >= 0.9 ? 1 : 0;
    }
    run.next += size;
    if (run.next < history.count) {
        return true;
    }
    finish_back_test(result, run);
    return false;
}

bool continue_back_test(const DrawHistory& history, BackTest& result, BackTestRun& run,
                        const CountingOptions& options)
{
    static BackTestCounts counts;
    if (run.next < history.count) {
        count_back_test_batch(history, (run.next - MIN_DRAWS) / MOST_LISTS_AT_ONCE, counts,
                              options);
    }
    return add_back_test_batch(history, counts, result, run);
}

void run_back_test(const DrawHistory& history, BackTest& result, const CountingOptions& options)
{
    BackTestRun run{};
    start_back_test(history, result, run);
    while (continue_back_test(history, result, run, options)) {
    }
}
