#include <gtest/gtest.h>

#include <bit>
#include <cstdio>
#include <map>
#include <string>

#include "scoring/scoring_pass.hpp"
#include "statistics/reports.hpp"
#include "statistics/total_summary.hpp"

namespace {

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
    // Every ascending set is one mask of six bits over the numbers 1..highest.
    for (unsigned mask = 0; mask < (1U << highest); ++mask) {
        if (std::popcount(mask) != NUMBERS_PER_SET) {
            continue;
        }
        int slot = 0;
        for (int number = 1; number <= highest; ++number) {
            if ((mask & (1U << (number - 1))) != 0) {
                set[slot++] = number;
            }
        }
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
    tally_all_sets(highest, COMPILED_IN_POINTS, slice);
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
    totals[20] = 1;
    totals[30] = 1;
    totals[40] = 1;
    const TotalSummary summary = summarize_totals(totals);
    EXPECT_EQ(summary.sets, 4);
    EXPECT_EQ(summary.lowest, 10);
    EXPECT_EQ(summary.highest, 40);
    EXPECT_EQ(summary.median, 20); // the lower of the two middle totals
    EXPECT_DOUBLE_EQ(summary.mean, 25.0);
    EXPECT_EQ(sets_scoring_at_least(totals, 20), 3);
    EXPECT_EQ(sets_scoring_at_least(totals, 41), 0);
    EXPECT_STREQ(with_thousands(8'145'060).text, "8,145,060");
    EXPECT_STREQ(with_thousands(540).text, "540");
    EXPECT_STREQ(with_thousands(100'000).text, "100,000");
}

} // namespace

TEST(Statistics, SharesNeverRoundToNoneOrAllWhenTheyAreNeither)
{
    const struct {
        std::int64_t part;
        std::int64_t whole;
        int decimals;
        const char* shown;
    } cases[] = {
        {7'936'679, 7'936'700, 3, "99.9997"}, // not 100.000
        {36, 7'936'700, 3, "0.0005"},         // not 0.000
        {1, 8'145'060, 3, "0.00001"},
        {123, 7'936'700, 5, "0.00155"},
        {0, 7'936'700, 3, "0.000"},
        {7'936'700, 7'936'700, 3, "100.000"},
        {5, 10, 3, "50.000"},
        {0, 0, 2, "0.00"},
    };
    for (const auto& c : cases) {
        EXPECT_STREQ(share_of(c.part, c.whole, c.decimals).text, c.shown) << c.part;
    }
}
