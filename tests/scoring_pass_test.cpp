#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "core_test_support.hpp"
#include "generation/set_generator.hpp"
#include "scoring/color_ratio.hpp"

namespace {

void expect_totals_match_lines(const char* context)
{
    for (int k = 0; k < SET_COUNT; ++k) {
        int shown = 0;
        for (const DetailLine& line : prediction_table.detail_lines[k]) {
            const int points = points_shown(line);
            EXPECT_GE(points, 0) << context << ", set " << k << ": " << text_of(line);
            shown += points;
        }
        EXPECT_EQ(prediction_table.total_score[k], shown) << context << ", set " << k;
    }
}

TEST(ScoringPass, EachTotalIsThePointsItsFourLinesShow)
{
    for (std::uint32_t seed = 0; seed < 3000; ++seed) {
        generate_sets_from_seed(seed);
        expect_totals_match_lines(("seed " + std::to_string(seed)).c_str());
        EXPECT_EQ(prediction_table.scored_set_counter, SET_COUNT);
        ASSERT_FALSE(HasFailure());
    }
}

// A seed whose prediction holds a set with all six numbers in one colour group, the one
// pattern that earns no points.
std::uint32_t seed_with_one_group_set()
{
    for (std::uint32_t seed = 0; seed < 1'000'000; ++seed) {
        generate_sets_from_seed(seed);
        for (const NumberSet& set : prediction_table.sets) {
            if (std::strcmp(color_pattern_of(set).digits, "6") == 0) {
                return seed;
            }
        }
    }
    ADD_FAILURE() << "no seed gives a one-group set";
    return 0;
}

TEST(ScoringPass, ASecondGenerationLeavesNothingOfTheFirst)
{
    const std::uint32_t seed = seed_with_one_group_set();
    clear_whole_table();
    generate_sets_from_seed(seed);
    const PredictionTable fresh = prediction_table;

    // Whatever an earlier prediction left, down to every byte of every line buffer.
    std::memset(&prediction_table, 0x5A, sizeof prediction_table);
    for (auto& lines : prediction_table.detail_lines) {
        for (DetailLine& line : lines) {
            line.back() = '\0';
        }
    }
    generate_sets_from_seed(seed);

    EXPECT_EQ(prediction_table.sets, fresh.sets);
    EXPECT_EQ(prediction_table.total_score, fresh.total_score);
    EXPECT_EQ(prediction_table.matched_numbers, fresh.matched_numbers);
    for (int k = 0; k < SET_COUNT; ++k) {
        for (int i = 0; i < LINES_PER_SET; ++i) {
            EXPECT_EQ(text_of(prediction_table.detail_lines[k][i]),
                      text_of(fresh.detail_lines[k][i]));
        }
    }
    expect_totals_match_lines("after stale lines");
}

} // namespace
