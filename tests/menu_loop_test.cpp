// The whole dialogue, driven through the real menu loop and compared byte for byte.
#include <gtest/gtest.h>

#include "known_screens.hpp"
#include "scripted_console.hpp"

namespace {

class MenuLoop : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!screens_are_known_for_this_rand()) {
            GTEST_SKIP() << "no known screens for this platform's rand";
        }
    }

    // The transcript of a plain session; the exit status must be 0.
    static std::string session(const std::string& input)
    {
        ScriptedConsole script;
        script.input = input;
        EXPECT_EQ(run_scripted_session(script, ConsoleMode::Plain, KNOWN_SEED), 0);
        return script.output;
    }
};

TEST_F(MenuLoop, GenerateShowDetailsAndLeaveFromThem)
{
    EXPECT_EQ(session("2\n3\n1\n"), FIRST_MENU + PREDICTIONS + SHOWN_MENU + DETAILS + "\n");
}

TEST_F(MenuLoop, RegeneratingWithinOneSecondShowsTheSameSets)
{
    EXPECT_EQ(session("2\n2\n1\n"),
              FIRST_MENU + PREDICTIONS + SHOWN_MENU + PREDICTIONS + SHOWN_MENU + FAREWELL);
}

TEST_F(MenuLoop, BackFromDetailsShowsTheSamePredictionAgain)
{
    EXPECT_EQ(session("2\n3\n2\n1\n"), FIRST_MENU + PREDICTIONS + SHOWN_MENU + DETAILS + "\n" +
                                           PREDICTIONS + SHOWN_MENU + FAREWELL);
}

TEST_F(MenuLoop, AnInvalidDetailChoiceRepeatsTheWholeScreen)
{
    EXPECT_EQ(session("2\n3\n3\nx\n1\n"), FIRST_MENU + PREDICTIONS + SHOWN_MENU + DETAILS +
                                              INVALID + DETAILS + INVALID + DETAILS + "\n");
}

TEST_F(MenuLoop, LeavingFromTheFirstMenu)
{
    EXPECT_EQ(session("1\n"), FIRST_MENU + FAREWELL);
}

TEST_F(MenuLoop, DetailsAreNotOfferedBeforeAGeneration)
{
    EXPECT_EQ(session("3\n1\n"), FIRST_MENU + INVALID + FIRST_MENU + FAREWELL);
}

TEST_F(MenuLoop, EveryCharacterThatCannotStartANumberCostsOneRetry)
{
    const std::string retry = INVALID + FIRST_MENU;
    EXPECT_EQ(session("abc\n1\n"), FIRST_MENU + retry + retry + retry + FAREWELL);
    // A sign that no digit follows is consumed with the character after it.
    EXPECT_EQ(session("-x1\n"), FIRST_MENU + retry + FAREWELL);
}

TEST_F(MenuLoop, NumbersThatNameNoChoiceAreInvalid)
{
    const std::string retry = INVALID + FIRST_MENU;
    EXPECT_EQ(session("12\n0\n-1\n1\n"), FIRST_MENU + retry + retry + retry + FAREWELL);
}

TEST_F(MenuLoop, ANumberBeyondThirtyTwoBitsIsOneInvalidChoice)
{
    const std::string retry = INVALID + FIRST_MENU;
    EXPECT_EQ(session("99999999999999999999\n1\n"), FIRST_MENU + retry + FAREWELL);
    EXPECT_EQ(session("4294967297\n1\n"), FIRST_MENU + retry + FAREWELL);
    EXPECT_EQ(session("-99999999999999999999999999999999\n1\n"), FIRST_MENU + retry + FAREWELL);
}

TEST_F(MenuLoop, TheCharacterRightAfterANumberIsDiscarded)
{
    EXPECT_EQ(session("2x\n1\n"), FIRST_MENU + PREDICTIONS + SHOWN_MENU + FAREWELL);
    EXPECT_EQ(session("+1\n"), FIRST_MENU + FAREWELL);
    EXPECT_EQ(session("0001\n"), FIRST_MENU + FAREWELL);
}

TEST_F(MenuLoop, BlankLinesDoNotAnswerThePrompt)
{
    EXPECT_EQ(session("\n\n \t\r\n\n2\n\n\n1\n"), FIRST_MENU + PREDICTIONS + SHOWN_MENU + FAREWELL);
}

TEST_F(MenuLoop, TheEndOfInputEndsTheProgramOnAFreshLine)
{
    EXPECT_EQ(session(""), FIRST_MENU + "\n");
    EXPECT_EQ(session("\n\n  \n"), FIRST_MENU + "\n");
    EXPECT_EQ(session("2\n"), FIRST_MENU + PREDICTIONS + SHOWN_MENU + "\n");
    EXPECT_EQ(session("2\n3\n"), FIRST_MENU + PREDICTIONS + SHOWN_MENU + DETAILS + "\n");
    EXPECT_EQ(session("2\n3\n\n\n"), FIRST_MENU + PREDICTIONS + SHOWN_MENU + DETAILS + "\n");
    // Input that ends inside an entry still answers it first.
    EXPECT_EQ(session("ab"), FIRST_MENU + INVALID + FIRST_MENU + INVALID + FIRST_MENU + "\n");
    EXPECT_EQ(session("2"), FIRST_MENU + PREDICTIONS + SHOWN_MENU + "\n");
}

TEST_F(MenuLoop, ALineAtATimeGivesTheSameTranscriptAsOneBlock)
{
    ScriptedConsole byte_by_byte;
    byte_by_byte.input = "abc\n2\n3\n9\n2\n2x\n3\n1\n";
    byte_by_byte.chunk = 1;
    ASSERT_EQ(run_scripted_session(byte_by_byte, ConsoleMode::Plain, KNOWN_SEED), 0);
    EXPECT_EQ(byte_by_byte.output, session(byte_by_byte.input));
}

TEST_F(MenuLoop, EveryPromptIsShownBeforeTheProgramWaits)
{
    ScriptedConsole script;
    script.input = "2\n3\n2\n";
    script.chunk = 2; // one answer per read, as a terminal delivers them
    script.record_shown_at_each_read = true;
    ASSERT_EQ(run_scripted_session(script, ConsoleMode::Plain, KNOWN_SEED), 0);
    const std::vector<std::string> expected = {
        FIRST_MENU,
        FIRST_MENU + PREDICTIONS + SHOWN_MENU,
        FIRST_MENU + PREDICTIONS + SHOWN_MENU + DETAILS,
        FIRST_MENU + PREDICTIONS + SHOWN_MENU + DETAILS + "\n" + PREDICTIONS + SHOWN_MENU,
    };
    EXPECT_EQ(script.shown_at_each_read, expected);
}

TEST_F(MenuLoop, EachWaitForInputSendsWhatIsShownInOneWrite)
{
    ScriptedConsole script;
    script.input = "2\n3\n9\n2\n3\n1\n";
    script.chunk = 2; // a line per read, as typed
    ASSERT_EQ(run_scripted_session(script, ConsoleMode::AnsiTerminal, KNOWN_SEED), 0);
    EXPECT_EQ(script.reads, 6);
    // One before each wait, detail screens included, and the farewell at the end.
    EXPECT_EQ(script.writes, script.reads + 1);
}

TEST_F(MenuLoop, AFloodOfJunkEndsWithTheInputAndIsWrittenInBlocks)
{
    constexpr int junk = 10'000;
    ScriptedConsole script;
    script.input = std::string(junk, 'x');
    ASSERT_EQ(run_scripted_session(script, ConsoleMode::Plain, KNOWN_SEED), 0);
    std::string expected = FIRST_MENU;
    for (int i = 0; i < junk; ++i) {
        expected += INVALID + FIRST_MENU;
    }
    EXPECT_EQ(script.output, expected + "\n");
    EXPECT_EQ(script.reads_after_end, 0);
    EXPECT_LE(script.writes, static_cast<int>(script.output_bytes / 4096) + 2);
}

} // namespace
