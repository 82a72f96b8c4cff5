#include <gtest/gtest.h>

#include <array>

#include "core_test_support.hpp"
#include "program_text.hpp"
#include "scoring/non_appearing.hpp"

namespace {

using Row = std::array<std::int32_t, NUMBERS_PER_SET>;

class NonAppearing : public ::testing::Test {
protected:
    void SetUp() override { clear_whole_table(); }

    static std::string line_of(int set_index)
    {
        return text_of(prediction_table.detail_lines[set_index][NON_APPEARING_LINE]);
    }
};

TEST_F(NonAppearing, FivePointMatchesComeFirstThenTenThenFifteen)
{
    EXPECT_EQ(score_non_appearing({3, 5, 7, 11, 14, 21}), 50);
    EXPECT_EQ(prediction_table.matched_numbers[0], (Row{3, 11, 14, 5, 7, 21}));
    // 36 columns of text, padded to 39.
    EXPECT_EQ(line_of(0), program_text("미출현 숫자 3, 11, 14, 5, 7, 21 포함    ---> 50점"));
}

TEST_F(NonAppearing, SixTwoDigitMatchesFillTheFieldExactly)
{
    EXPECT_EQ(score_non_appearing({11, 14, 22, 24, 27, 31}), 30);
    EXPECT_EQ(line_of(0), program_text("미출현 숫자 11, 14, 22, 24, 27, 31 포함 ---> 30점"));
}

TEST_F(NonAppearing, NoMatchIsPaddedToTheSameColumn)
{
    EXPECT_EQ(score_non_appearing({1, 2, 8, 9, 10, 12}), 0);
    EXPECT_EQ(prediction_table.matched_numbers[0], (Row{}));
    EXPECT_EQ(line_of(0), program_text("미출현 숫자 미포함                      --->  0점"));
}

TEST_F(NonAppearing, TwentyOneAloneEarnsFifteen)
{
    EXPECT_EQ(score_non_appearing({1, 2, 8, 9, 21, 30}), 15);
    EXPECT_EQ(line_of(0), program_text("미출현 숫자 21 포함                     ---> 15점"));
}

TEST_F(NonAppearing, EachCallScoresTheNextSetsRow)
{
    prediction_table.scored_set_counter = 2;
    EXPECT_EQ(score_non_appearing({5, 10, 17, 30, 38, 45}), 30);
    EXPECT_EQ(prediction_table.scored_set_counter, 3);
    EXPECT_EQ(prediction_table.matched_numbers[2], (Row{5, 17, 38, 0, 0, 0}));
    EXPECT_EQ(line_of(2), program_text("미출현 숫자 5, 17, 38 포함              ---> 30점"));
    EXPECT_EQ(line_of(1), program_text(""));
    EXPECT_EQ(prediction_table.matched_numbers[1], (Row{}));
}

TEST_F(NonAppearing, ACallPastTheLastSetWritesNothing)
{
    prediction_table.scored_set_counter = SET_COUNT;
    EXPECT_EQ(score_non_appearing({3, 4, 6, 11, 14, 22}), 0);
    EXPECT_EQ(prediction_table.scored_set_counter, SET_COUNT);
    for (int k = 0; k < SET_COUNT; ++k) {
        EXPECT_EQ(prediction_table.matched_numbers[k], (Row{}));
    }
}

} // namespace
