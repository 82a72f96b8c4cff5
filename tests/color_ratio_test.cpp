#include <gtest/gtest.h>

#include <cstring>

#include "core_test_support.hpp"
#include "program_text.hpp"
#include "scoring/color_ratio.hpp"

namespace {

struct RatioCase {
    NumberSet set;
    const char* pattern;
    int points;
    const char* line;
};

TEST(ColorRatio, PatternsPointsAndLines)
{
    const RatioCase cases[] = {
        {{1, 12, 23, 34, 41, 45}, "11112", 11, "공 색 구간별 비율 = 1 : 1 : 1 : 1 : 2   ---> 11점"},
        {{3, 5, 7, 11, 14, 21}, "123", 23, "공 색 구간별 비율 = 1 : 2 : 3           ---> 23점"},
        {{2, 4, 13, 15, 22, 24}, "222", 6, "공 색 구간별 비율 = 2 : 2 : 2           --->  6점"},
        {{2, 14, 15, 17, 19, 20}, "15", 0, "공 색 구간별 비율 = 1 : 5               --->  0점"},
        {{1, 2, 11, 12, 21, 31}, "1122", 39, "공 색 구간별 비율 = 1 : 1 : 2 : 2       ---> 39점"},
        {{1, 11, 21, 31, 32, 33}, "1113", 14, "공 색 구간별 비율 = 1 : 1 : 1 : 3       ---> 14점"},
        {{40, 41, 42, 43, 44, 45}, "15", 0, "공 색 구간별 비율 = 1 : 5               --->  0점"},
        {{1, 2, 3, 41, 42, 43}, "33", 1, "공 색 구간별 비율 = 3 : 3               --->  1점"},
    };
    for (const RatioCase& c : cases) {
        EXPECT_STREQ(color_pattern_of(c.set).digits, c.pattern);
        DetailLine line{};
        EXPECT_EQ(score_color_ratio(c.set, line), c.points) << c.pattern;
        EXPECT_EQ(text_of(line), program_text(c.line));
    }
}

TEST(ColorRatio, AllInOneGroupGetsAFreshLineWithNoPoints)
{
    DetailLine line{};
    std::strcpy(line.data(), "a line left from an earlier prediction");
    const NumberSet one_group = {1, 3, 5, 7, 8, 10};
    EXPECT_STREQ(color_pattern_of(one_group).digits, "6");
    EXPECT_EQ(score_color_ratio(one_group, line), 0);
    EXPECT_EQ(text_of(line), program_text("공 색 구간별 비율 = 6                   --->  0점"));
}

TEST(ColorRatio, BoundaryNumbersFallInTheirOwnGroup)
{
    // 10, 20, 30, 40 close their groups and 11, 21, 31, 41 open the next ones.
    EXPECT_STREQ(color_pattern_of({10, 11, 20, 21, 30, 31}).digits, "1122");
    EXPECT_STREQ(color_pattern_of({1, 10, 40, 41, 44, 45}).digits, "123");
}

} // namespace
