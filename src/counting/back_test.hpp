#pragma once

#include <cstdint>

#include "counting/score_distribution.hpp"
#include "counting/total_counting.hpp"
#include "history/draw_history.hpp"
#include "scoring/non_appearing.hpp"

// How many sets have a lower, the same and a higher total than `total`, of how many.
struct TotalPlace {
    std::int64_t below;
    std::int64_t equal;
    std::int64_t above;
    std::int64_t all;
};
TotalPlace place_of(const TotalCounts& totals, int total);

// Where a total stands among the proposable sets: the share below it plus half the share
// equal to it, from 0 to 1.
double mid_rank(const TotalCounts& totals, int total);

// Score bands of the chi-square test: totals below 50, then ten points each, then 140 and
// above.
inline constexpr int SCORE_BAND_COUNT = 11;
int score_band(int total);
// The lowest total of a band (0 for the first) and the highest (-1 for the last, open).
int score_band_lowest(int band);
int score_band_highest(int band);

// One draw of the back-test: how the winning set scored under the lists as they stood
// before that draw.
struct BackTestDraw {
    std::int32_t round;
    std::int32_t total;
    double mid_rank;
};

struct BackTest {
    BackTestDraw draws[MAX_DRAWS];
    int count;
    // Per score band: winning sets seen there, and the sum over draws of the band's
    // probability for a set drawn from all sets.
    std::int64_t observed[SCORE_BAND_COUNT];
    double expected[SCORE_BAND_COUNT];
    double mean_mid_rank;
    double top_tenth_share; // mid-rank at least 90 %
    // What chance gives for the two: the draw picks any of all sets, and the sets lotto
    // never proposes score low, so the mean mid-rank expected is a little below 50 %.
    double chance_mean_mid_rank;
    double chance_top_tenth_share;
    // The chi-square test over the bands, merged from the top down until every merged
    // band expects at least five winning sets.
    double chi_square;
    int degrees_of_freedom; // 0 when there are too few draws for a test
    double p_value;
};

// The chi-square test of `observed` against `expected`, bands merged from the top down
// until each merged band expects at least five draws.
void test_score_bands(BackTest& result);

// Tests every draw that has at least MIN_DRAWS draws before it, counting the totals of
// many draws at once the way and with the workers of `options`.
void run_back_test(const DrawHistory& history, BackTest& result,
                   const CountingOptions& options = default_counting_options());

// The same back-test a batch of draws at a time, for a caller that shows how far it is and
// may stop between batches: start, then continue while it says there is more.
struct BackTestRun {
    int next; // the next draw to test
    double mid_rank_sum;
    int in_top_tenth;
};
// How many draws the back-test of `history` tests.
int back_test_draw_count(const DrawHistory& history);
void start_back_test(const DrawHistory& history, BackTest& result, BackTestRun& run);
// Tests the next batch of up to MOST_LISTS_AT_ONCE draws; false once every draw is tested
// and `result` is whole.
bool continue_back_test(const DrawHistory& history, BackTest& result, BackTestRun& run,
                        const CountingOptions& options);

// The same in two halves, for workers that count batches apart and one that adds them up
// in order: the counts of a batch's draws, and adding the next batch's counts to the result.
struct BackTestCounts {
    TotalCounts proposable[MOST_LISTS_AT_ONCE];
    TotalCounts all_sets[MOST_LISTS_AT_ONCE];
};
int back_test_batch_count(const DrawHistory& history);
void count_back_test_batch(const DrawHistory& history, int batch, BackTestCounts& counts,
                           const CountingOptions& options);
// Adds the counts of the batch that starts at run.next; false once `result` is whole.
bool add_back_test_batch(const DrawHistory& history, const BackTestCounts& counts, BackTest& result,
                         BackTestRun& run);
