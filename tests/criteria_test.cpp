// Each criterion's line and points for sets chosen to reach every row of its table and
// both sides of every boundary.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "core_test_support.hpp"
#include "program_text.hpp"
#include "scoring/color_ratio.hpp"
#include "scoring/non_appearing.hpp"
#include "scoring/odd_even.hpp"
#include "scoring/scoring_pass.hpp"
#include "scoring/set_score.hpp"
#include "scoring/sum_range.hpp"

namespace {

enum class ReportedCriterion { OddEven, ColorRatio, SumRange, NonAppearing };

struct LineCase {
    ReportedCriterion criterion;
    NumberSet set;
    const char* line;
};

// Scores `set` on one criterion into a line that holds something stale beforehand.
std::string scored_line(ReportedCriterion criterion, const NumberSet& set, std::int32_t& points)
{
    clear_whole_table();
    DetailLine line{};
    std::strcpy(line.data(), "a line left from an earlier prediction");
    switch (criterion) {
    case ReportedCriterion::OddEven:
        points = score_odd_even(set, line);
        break;
    case ReportedCriterion::ColorRatio:
        points = score_color_ratio(set, line);
        break;
    case ReportedCriterion::SumRange:
        points = score_sum_range(set, line);
        break;
    case ReportedCriterion::NonAppearing:
        points = write_non_appearing_line(set, COMPILED_IN_POINTS, line).points;
        break;
    }
    return text_of(line);
}

// Six distinct numbers with the given sum, 21 to 255: the excess over 1..6 is laid on the
// highest slots first.
NumberSet set_with_sum(int sum)
{
    NumberSet set = {1, 2, 3, 4, 5, 6};
    int excess = sum - 21;
    for (int slot = NUMBERS_PER_SET - 1; slot >= 0 && excess > 0; --slot) {
        const int room = MAX_NUMBER - (NUMBERS_PER_SET - 1 - slot) - set[slot];
        const int step = excess < room ? excess : room;
        set[slot] += step;
        excess -= step;
    }
    return set;
}

const LineCase LINE_CASES[] = {
    {ReportedCriterion::OddEven,
     {2, 4, 6, 8, 10, 12},
     "(홀수 : 짝수) = 0개 : 6개           \t--->  1점"},
    {ReportedCriterion::OddEven,
     {2, 4, 6, 8, 10, 11},
     "(홀수 : 짝수) = 1개 : 5개           \t--->  7점"},
    {ReportedCriterion::OddEven,
     {1, 3, 4, 6, 8, 10},
     "(홀수 : 짝수) = 2개 : 4개           \t---> 22점"},
    {ReportedCriterion::OddEven,
     {1, 2, 3, 4, 5, 6},
     "(홀수 : 짝수) = 3개 : 3개           \t---> 35점"},
    {ReportedCriterion::OddEven,
     {1, 2, 3, 5, 8, 13},
     "(홀수 : 짝수) = 4개 : 2개           \t---> 25점"},
    {ReportedCriterion::OddEven,
     {1, 3, 5, 7, 9, 10},
     "(홀수 : 짝수) = 5개 : 1개           \t--->  8점"},
    {ReportedCriterion::OddEven,
     {1, 3, 5, 7, 9, 11},
     "(홀수 : 짝수) = 6개 : 0개           \t--->  2점"},

    {ReportedCriterion::ColorRatio,
     {1, 12, 23, 34, 41, 45},
     "공 색 구간별 비율 = 1 : 1 : 1 : 1 : 2   ---> 11점"},
    {ReportedCriterion::ColorRatio,
     {10, 11, 21, 31, 32, 33},
     "공 색 구간별 비율 = 1 : 1 : 1 : 3       ---> 14점"},
    {ReportedCriterion::ColorRatio,
     {10, 11, 20, 21, 30, 31},
     "공 색 구간별 비율 = 1 : 1 : 2 : 2       ---> 39점"},
    {ReportedCriterion::ColorRatio,
     {1, 11, 41, 42, 43, 44},
     "공 색 구간별 비율 = 1 : 1 : 4           --->  4점"},
    {ReportedCriterion::ColorRatio,
     {1, 10, 40, 41, 44, 45},
     "공 색 구간별 비율 = 1 : 2 : 3           ---> 23점"},
    {ReportedCriterion::ColorRatio,
     {2, 14, 15, 17, 19, 20},
     "공 색 구간별 비율 = 1 : 5               --->  0점"},
    {ReportedCriterion::ColorRatio,
     {2, 4, 13, 15, 22, 24},
     "공 색 구간별 비율 = 2 : 2 : 2           --->  6점"},
    {ReportedCriterion::ColorRatio,
     {3, 5, 31, 33, 35, 37},
     "공 색 구간별 비율 = 2 : 4               --->  2점"},
    {ReportedCriterion::ColorRatio,
     {1, 2, 3, 41, 42, 43},
     "공 색 구간별 비율 = 3 : 3               --->  1점"},
    // All six in one group has no row; it still gets a line of its own.
    {ReportedCriterion::ColorRatio,
     {1, 3, 5, 7, 8, 10},
     "공 색 구간별 비율 = 6                   --->  0점"},

    {ReportedCriterion::SumRange, set_with_sum(40), "숫자 총합 = 40, 220~250 구간     \t---> 0점"},
    {ReportedCriterion::SumRange, set_with_sum(41), "숫자 총합 = 41, 41~70 구간      \t--->  1점"},
    {ReportedCriterion::SumRange, set_with_sum(70), "숫자 총합 = 70, 41~70 구간      \t--->  1점"},
    {ReportedCriterion::SumRange, set_with_sum(71), "숫자 총합 = 71, 71~100 구간     \t---> 11점"},
    {ReportedCriterion::SumRange, set_with_sum(100),
     "숫자 총합 = 100, 71~100 구간     \t---> 11점"},
    {ReportedCriterion::SumRange, set_with_sum(101),
     "숫자 총합 = 101, 101~130 구간     \t---> 29점"},
    {ReportedCriterion::SumRange, set_with_sum(130),
     "숫자 총합 = 130, 101~130 구간     \t---> 29점"},
    {ReportedCriterion::SumRange, set_with_sum(131),
     "숫자 총합 = 131, 131~160 구간     \t---> 34점"},
    {ReportedCriterion::SumRange, set_with_sum(160),
     "숫자 총합 = 160, 131~160 구간     \t---> 34점"},
    {ReportedCriterion::SumRange, set_with_sum(161),
     "숫자 총합 =161, 161~190 구간     \t---> 21점"},
    {ReportedCriterion::SumRange, set_with_sum(190),
     "숫자 총합 =190, 161~190 구간     \t---> 21점"},
    {ReportedCriterion::SumRange, set_with_sum(191),
     "숫자 총합 = 191, 191~220 구간    \t--->  4점"},
    {ReportedCriterion::SumRange, set_with_sum(220),
     "숫자 총합 = 220, 191~220 구간    \t--->  4점"},
    {ReportedCriterion::SumRange, set_with_sum(221),
     "숫자 총합 = 221, 220~250 구간     \t---> 0점"},

    // 5-point matches first, then 10, then 15, each group in ascending order.
    {ReportedCriterion::NonAppearing,
     {3, 5, 7, 11, 14, 21},
     "미출현 숫자 3, 11, 14, 5, 7, 21 포함    ---> 50점"},
    // Six two-digit matches fill the 39 columns exactly.
    {ReportedCriterion::NonAppearing,
     {11, 14, 22, 24, 27, 31},
     "미출현 숫자 11, 14, 22, 24, 27, 31 포함 ---> 30점"},
    {ReportedCriterion::NonAppearing,
     {1, 2, 8, 9, 10, 12},
     "미출현 숫자 미포함                      --->  0점"},
    {ReportedCriterion::NonAppearing,
     {1, 2, 8, 9, 21, 30},
     "미출현 숫자 21 포함                     ---> 15점"},
    {ReportedCriterion::NonAppearing,
     {4, 6, 25, 28, 29, 41},
     "미출현 숫자 4, 6, 25, 28, 29, 41 포함   ---> 30점"},
    {ReportedCriterion::NonAppearing,
     {17, 18, 23, 37, 38, 45},
     "미출현 숫자 17, 23, 38 포함             ---> 30점"},
};

TEST(Criteria, EachLineAndThePointsItShows)
{
    for (const LineCase& c : LINE_CASES) {
        std::int32_t points = -1;
        const std::string line = scored_line(c.criterion, c.set, points);
        EXPECT_EQ(line, program_text(c.line));
        DetailLine shown{};
        std::strncpy(shown.data(), line.c_str(), shown.size() - 1);
        EXPECT_EQ(points, points_shown(shown)) << line;
    }
}

// The scoring pass writes each set of the prediction the lines and total its own numbers
// give, whatever the order it goes through the criteria in.
TEST(ScoringPass, EverySetGetsTheLinesOfItsOwnNumbers)
{
    clear_whole_table();
    prediction_table.sets = {{{1, 2, 3, 4, 5, 6},
                              {5, 10, 17, 30, 38, 45},
                              {3, 4, 6, 11, 14, 22},
                              {7, 16, 21, 29, 33, 44},
                              {2, 12, 20, 31, 40, 41}}};
    score_sets();
    for (int k = 0; k < SET_COUNT; ++k) {
        CriterionLines expected{};
        const std::int32_t total =
            write_criterion_lines(prediction_table.sets[k], COMPILED_IN_POINTS, expected);
        EXPECT_EQ(prediction_table.total_score[k], total) << "set " << k;
        for (int c = 0; c < CRITERION_COUNT; ++c) {
            EXPECT_EQ(text_of(prediction_table.detail_lines[k][c]), text_of(expected[c]))
                << "set " << k << ", criterion " << c;
        }
    }
}

} // namespace
