#include <gtest/gtest.h>

#include <bit>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>

#include "counting/set_shapes.hpp"
#include "generation/prediction_table.hpp"
#include "generation/shape_filters.hpp"
#include "reports/reports.hpp"
#include "reports/total_summary.hpp"
#include "scoring/scoring_pass.hpp"
#include "scoring/set_score.hpp"

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

// Going through millions of sets, each set's shape is carried from number to number; every
// set of the game, under lists with numbers of every class, must score
// and be rejected as the interactive program's own functions score and reject it.
TEST(SetShapes, EverySetScoresAndIsRejectedAsTheSetItself)
{
    NonAppearingPoints every_class{};
    for (int number = 1; number <= MAX_NUMBER; ++number) {
        every_class.by_number[number] = 5 * (number * 7 % 4);
    }
    prepare_set_shapes();
    for (const NonAppearingPoints& lists : {every_class}) {
        std::int64_t sets = 0;
        NumberSet set = {1, 2, 3, 4, 5, 6};
        for (;;) {
            const SetScore expected = score_of(set, lists);
            const SetScore shaped =
                score_of_shape(shape_of(set), find_non_appearing(set, lists).points);
            ASSERT_EQ(std::memcmp(&shaped, &expected, sizeof expected), 0)
                << set[0] << " " << set[1] << " " << set[2] << " " << set[3] << " " << set[4] << " "
                << set[5] << ": total " << shaped.total << ", not " << expected.total;
            ASSERT_EQ(rejection_of_shape(shape_of(set)), rejection_of(set))
                << set[0] << " " << set[5];
            ++sets;
            int slot = NUMBERS_PER_SET - 1;
            while (slot >= 0 && set[slot] == MAX_NUMBER - (NUMBERS_PER_SET - 1 - slot)) {
                --slot;
            }
            if (slot < 0) {
                break;
            }
            ++set[slot];
            for (int next = slot + 1; next < NUMBERS_PER_SET; ++next) {
                set[next] = set[next - 1] + 1;
            }
        }
        EXPECT_EQ(sets, ALL_SET_COUNT);
    }
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
