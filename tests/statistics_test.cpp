#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>

#include "core_test_support.hpp"
#include "scoring/scoring_pass.hpp"
#include "statistics/reports.hpp"
#include "statistics/total_summary.hpp"

namespace {

class WholeSpace : public ::testing::Test {
protected:
    static void SetUpTestSuite() { tally_all_sets(MAX_NUMBER, space); }
    static ScoreDistribution space;
};

ScoreDistribution WholeSpace::space;

template <std::size_t N> std::int64_t sum_of_counts(const std::int64_t (&counts)[N])
{
    std::int64_t sum = 0;
    for (std::int64_t count : counts) {
        sum += count;
    }
    return sum;
}

TEST_F(WholeSpace, EveryCriterionAccountsForEverySet)
{
    const std::int64_t expected[POPULATION_COUNT] = {8'145'060, 7'936'700};
    for (int population : {ALL_SETS, PROPOSABLE_SETS}) {
        EXPECT_EQ(space.sets[population], expected[population]);
        EXPECT_EQ(sum_of_counts(space.sum_range[population]), expected[population]);
        EXPECT_EQ(sum_of_counts(space.color_row[population]), expected[population]);
        EXPECT_EQ(sum_of_counts(space.odd_count[population]), expected[population]);
        EXPECT_EQ(sum_of_counts(space.non_appearing_points[population]), expected[population]);
        EXPECT_EQ(sum_of_counts(space.total[population]), expected[population]);
    }
}

TEST_F(WholeSpace, RejectedSetsByReason)
{
    // C(23,6) sets of odd numbers, C(22,6) of even ones; a run of four mixes both.
    EXPECT_EQ(space.rejected_by[0], 7'936'700);
    EXPECT_EQ(space.rejected_by[REJECTED_ALL_ODD], 100'947);
    EXPECT_EQ(space.rejected_by[REJECTED_ALL_EVEN], 74'613);
    EXPECT_EQ(space.rejected_by[REJECTED_FOUR_IN_A_ROW], 208'360 - 100'947 - 74'613);
    EXPECT_EQ(space.rejected_by[REJECTED_ALL_ODD | REJECTED_FOUR_IN_A_ROW], 0);
    EXPECT_EQ(space.rejected_by[REJECTED_ALL_EVEN | REJECTED_FOUR_IN_A_ROW], 0);
}

TEST_F(WholeSpace, CountsThatFollowByHand)
{
    // All six in one group of ten: 4 groups x C(10,6), of which the all-odd and all-even
    // ones (2 x C(5,6) = 0) and those with four in a row are rejected.
    EXPECT_STREQ(space.unmatched_pattern.digits, "6");
    EXPECT_EQ(space.color_row[ALL_SETS][COLOR_PATTERN_COUNT], 4 * 210);
    EXPECT_EQ(space.color_row[PROPOSABLE_SETS][COLOR_PATTERN_COUNT], 540);
    // Odd/even splits: C(23,k) x C(22,6-k); a proposable set is never 6:0 or 0:6.
    EXPECT_EQ(space.odd_count[ALL_SETS][3], 1771 * 1540);
    EXPECT_EQ(space.odd_count[PROPOSABLE_SETS][0], 0);
    EXPECT_EQ(space.odd_count[PROPOSABLE_SETS][6], 0);
    // Every non-appearing number in one set: 21, 5, 7, 17, 23, 38 is the only 65.
    EXPECT_EQ(space.non_appearing_points[ALL_SETS][65], 1);
}

TEST_F(WholeSpace, TheBestSetReachesTheHighestTotal)
{
    const TotalSummary summary = summarize_totals(space.total[PROPOSABLE_SETS]);
    EXPECT_EQ(space.best_total, summary.highest);
    prediction_table.sets.fill(space.best_set);
    prediction_table.total_score = {};
    prediction_table.scored_set_counter = 0;
    score_sets();
    EXPECT_EQ(prediction_table.total_score[0], summary.highest);
}

// The interactive program's own totals for every set of six numbers from 1 to `highest`,
// scored five at a time through the prediction table, as a prediction would be.
std::map<int, std::int64_t> interactive_totals(int highest)
{
    std::map<int, std::int64_t> totals;
    NumberSet set = {};
    const auto score_batch = [&](int filled) {
        prediction_table.total_score = {};
        prediction_table.scored_set_counter = 0;
        score_sets();
        for (int k = 0; k < filled; ++k) {
            ++totals[prediction_table.total_score[k]];
        }
    };
    int filled = 0;
    for (set[0] = 1; set[0] <= highest; ++set[0])
        for (set[1] = set[0] + 1; set[1] <= highest; ++set[1])
            for (set[2] = set[1] + 1; set[2] <= highest; ++set[2])
                for (set[3] = set[2] + 1; set[3] <= highest; ++set[3])
                    for (set[4] = set[3] + 1; set[4] <= highest; ++set[4])
                        for (set[5] = set[4] + 1; set[5] <= highest; ++set[5]) {
                            prediction_table.sets[filled++] = set;
                            if (filled == SET_COUNT) {
                                score_batch(filled);
                                filled = 0;
                            }
                        }
    score_batch(filled);
    return totals;
}

TEST(Statistics, TheCsvOfASliceAgreesWithTheProgramsOwnScoring)
{
    constexpr int highest = 14; // C(14,6) = 3003 sets
    static ScoreDistribution slice;
    tally_all_sets(highest, slice);
    std::FILE* csv = std::tmpfile();
    ASSERT_NE(csv, nullptr);
    write_csv_report(csv, slice);
    std::rewind(csv);

    std::map<int, std::int64_t> reported;
    char line[128];
    while (std::fgets(line, sizeof line, csv) != nullptr) {
        int total = 0;
        int points = 0;
        long long all = 0;
        long long proposable = 0;
        if (std::sscanf(line, "total,%d,%d,%lld,%lld", &total, &points, &all, &proposable) == 4) {
            reported[total] = all;
        }
    }
    std::fclose(csv);
    EXPECT_EQ(reported, interactive_totals(highest));
}

TEST(Statistics, SummaryOfAHandMadeDistribution)
{
    std::int64_t totals[MAX_TOTAL_POINTS + 1] = {};
    totals[10] = 1;
    totals[20] = 2;
    totals[40] = 1;
    const TotalSummary summary = summarize_totals(totals);
    EXPECT_EQ(summary.sets, 4);
    EXPECT_EQ(summary.lowest, 10);
    EXPECT_EQ(summary.highest, 40);
    EXPECT_EQ(summary.median, 20);
    EXPECT_DOUBLE_EQ(summary.mean, 22.5);
    EXPECT_EQ(sets_scoring_at_least(totals, 20), 3);
    EXPECT_EQ(sets_scoring_at_least(totals, 41), 0);
    EXPECT_STREQ(with_thousands(8'145'060).text, "8,145,060");
    EXPECT_STREQ(with_thousands(540).text, "540");
    EXPECT_STREQ(with_thousands(100'000).text, "100,000");
}

} // namespace
