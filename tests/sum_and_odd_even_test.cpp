#include <gtest/gtest.h>

#include "core_test_support.hpp"
#include "program_text.hpp"
#include "scoring/odd_even.hpp"
#include "scoring/sum_range.hpp"

namespace {

TEST(SumRange, BandBoundariesBelongToTheBandThatNamesThem)
{
    const struct {
        int sum;
        int points;
    } cases[] = {
        {21, 0},   {40, 0},   {41, 1},   {70, 1},   {71, 11}, {100, 11}, {101, 29}, {130, 29},
        {131, 34}, {160, 34}, {161, 21}, {190, 21}, {191, 4}, {220, 4},  {221, 0},  {255, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(find_sum_range(c.sum).points, c.points) << "sum " << c.sum;
    }
}

TEST(SumRange, WritesTheLineOfItsBand)
{
    DetailLine line{};
    EXPECT_EQ(score_sum_range({1, 2, 3, 5, 8, 13}, line), 0);
    EXPECT_EQ(text_of(line), program_text("숫자 총합 = 32, 220~250 구간     \t---> 0점"));

    EXPECT_EQ(score_sum_range({1, 2, 3, 4, 5, 26}, line), 1);
    EXPECT_EQ(text_of(line), program_text("숫자 총합 = 41, 41~70 구간      \t--->  1점"));

    EXPECT_EQ(score_sum_range({10, 20, 30, 31, 40, 44}, line), 21);
    EXPECT_EQ(text_of(line), program_text("숫자 총합 =175, 161~190 구간     \t---> 21점"));

    EXPECT_EQ(score_sum_range({30, 34, 36, 38, 40, 42}, line), 4);
    EXPECT_EQ(text_of(line), program_text("숫자 총합 = 220, 191~220 구간    \t--->  4점"));
}

TEST(SumRange, EveryBandShowsThePointsItGives)
{
    DetailLine line{};
    for (int sum = 21; sum <= 255; ++sum) {
        // Five small numbers and one that makes up the sum; the shape does not matter here.
        const NumberSet set = {1, 2, 3, 4, 5, sum - 15};
        const int points = score_sum_range(set, line);
        EXPECT_EQ(points, points_shown(line)) << text_of(line);
    }
}

TEST(OddEven, CountsOddNumbersAndWritesTheRatio)
{
    DetailLine line{};
    EXPECT_EQ(score_odd_even({1, 2, 3, 4, 5, 6}, line), 35);
    EXPECT_EQ(text_of(line), program_text("(홀수 : 짝수) = 3개 : 3개           \t---> 35점"));

    EXPECT_EQ(score_odd_even({1, 2, 3, 5, 8, 13}, line), 25);
    EXPECT_EQ(text_of(line), program_text("(홀수 : 짝수) = 4개 : 2개           \t---> 25점"));

    EXPECT_EQ(score_odd_even({2, 4, 6, 8, 10, 11}, line), 7);
    EXPECT_EQ(text_of(line), program_text("(홀수 : 짝수) = 1개 : 5개           \t--->  7점"));

    EXPECT_EQ(score_odd_even({1, 3, 5, 7, 9, 11}, line), 2);
    EXPECT_EQ(text_of(line), program_text("(홀수 : 짝수) = 6개 : 0개           \t--->  2점"));
}

} // namespace
