#include "text/text_columns.hpp"

#include <gtest/gtest.h>

#include <string>

#include "program_text.hpp"

namespace {

TEST(TextColumns, HangulTakesTwoColumnsAndEverythingElseOne)
{
    EXPECT_EQ(text_columns(""), 0);
    EXPECT_EQ(text_columns("21, 45"), 6);
    EXPECT_EQ(text_columns(program_text("미출현 숫자 ").c_str()), 12);
    EXPECT_EQ(text_columns(program_text("미출현 숫자 미포함").c_str()), 18);
    EXPECT_EQ(text_columns(program_text("가힣").c_str()), 4); // the first and last syllable
}

TEST(TextColumns, PadsToColumnsNotBytes)
{
    char out[64];
    pad_to_columns(out, sizeof out, program_text("미포함").c_str(), 10);
    EXPECT_EQ(std::string(out), program_text("미포함    "));

    pad_to_columns(out, sizeof out, "abc", 5);
    EXPECT_EQ(std::string(out), "abc  ");
}

TEST(TextColumns, NeverCutsATextThatIsAlreadyWideEnough)
{
    char out[64];
    pad_to_columns(out, sizeof out, program_text("미출현 숫자").c_str(), 4);
    EXPECT_EQ(std::string(out), program_text("미출현 숫자"));
}

TEST(TextColumns, StaysInsideASmallBuffer)
{
    char out[6] = "xxxxx";
    pad_to_columns(out, sizeof out, "ab", 20);
    EXPECT_EQ(std::string(out), "ab   ");

    pad_to_columns(out, sizeof out, "abcdefgh", 2);
    EXPECT_EQ(std::string(out), "abcde");

    pad_to_columns(out, 0, "never written", 3);
    EXPECT_EQ(std::string(out), "abcde");
}

} // namespace
