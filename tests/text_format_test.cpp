#include "scoring/text_format.hpp"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

template <typename... Arguments>
std::string formatted(const char* format, const Arguments&... arguments)
{
    char out[64];
    const std::size_t length = format_text(out, sizeof out, format, arguments...);
    EXPECT_EQ(length, std::string(out).size());
    return out;
}

TEST(TextFormat, WidthsFlagsAndSignsAsPrintfHasThem)
{
    EXPECT_EQ(formatted("%3d || %2d|%-4d|%d", 1, 7, 5, -12), "  1 ||  7|5   |-12");
    EXPECT_EQ(formatted("[%-17s]", "1 : 2 : 3"), "[1 : 2 : 3        ]");
    EXPECT_EQ(formatted("[%5s]", "ab"), "[   ab]");
    EXPECT_EQ(formatted("%d", LLONG_MIN), "-9223372036854775808");
    EXPECT_EQ(formatted("%c%s", 'x', 'y'), "xy");
}

TEST(TextFormat, PercentSignsAndMissingArgumentsStandAsWritten)
{
    EXPECT_EQ(formatted("100%% %d%%", 5), "100% 5%");
    EXPECT_EQ(formatted("%d and %d", 1), "1 and %d");
    EXPECT_EQ(formatted("%x", 1), "%x");
}

TEST(TextFormat, CutsToTheBufferAndAlwaysTerminates)
{
    char out[6];
    EXPECT_EQ(format_text(out, sizeof out, "%-10s|", "abc"), 5U);
    EXPECT_EQ(std::string(out), "abc  ");
    EXPECT_EQ(format_text(out, sizeof out, "%d", 1234567), 5U);
    EXPECT_EQ(std::string(out), "12345");
    EXPECT_EQ(format_text(out, 0, "never"), 0U);
}

} // namespace
