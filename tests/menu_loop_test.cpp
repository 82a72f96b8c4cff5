// The whole dialogue, driven through the real menu loop and compared byte for byte.
#include <gtest/gtest.h>

#include <cstdio>

#include "console/ticket_saving.hpp"
#include "generation/prediction_table.hpp"
#include "known_screens.hpp"
#include "program_text.hpp"
#include "scripted_console.hpp"
#include "text/translation.hpp"
#include "tickets/tickets.hpp"

namespace {

class MenuLoop : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!screens_are_known_for_this_rand()) {
            GTEST_SKIP() << "no known screens for this platform's rand";
        }
    }
};

// The transcript of a plain session, delivered `chunk` bytes per read; the status must be 0.
std::string session(const std::string& input, std::size_t chunk = 4096)
{
    ScriptedConsole script;
    script.input = input;
    script.chunk = chunk;
    EXPECT_EQ(run_scripted_session(script, ConsoleMode::Plain, KNOWN_SEED), 0) << input;
    return script.output;
}

TEST_F(MenuLoop, Transcripts)
{
    const std::string P = PREDICTIONS + SHOWN_MENU;
    const std::string retry = INVALID + FIRST_MENU;
    const struct {
        const char* input;
        std::string transcript;
    } cases[] = {
        {"2\n3\n1\n", FIRST_MENU + P + DETAILS + "\n"},
        // Within one second the clock, and so the prediction, is the same.
        {"2\n2\n1\n", FIRST_MENU + P + P + FAREWELL},
        {"2\n3\n2\n1\n", FIRST_MENU + P + DETAILS + "\n" + P + FAREWELL},
        // The detail screen repeats whole below the old one.
        {"2\n3\n3\nx\n1\n",
         FIRST_MENU + P + DETAILS + INVALID + DETAILS + INVALID + DETAILS + "\n"},
        {"1\n", FIRST_MENU + FAREWELL},
        {"3\n1\n", FIRST_MENU + retry + FAREWELL},
        // Each character that cannot start a number costs a retry; a sign is consumed with
        // the character after it.
        {"abc\n-x1\n", FIRST_MENU + retry + retry + retry + retry + FAREWELL},
        {"12\n0\n-1\n99999999999999999999\n1\n",
         FIRST_MENU + retry + retry + retry + retry + FAREWELL},
        // The character right after a number is discarded with it.
        {"2x\n+1\n", FIRST_MENU + P + FAREWELL},
        // A new menu starts from no choice: junk there is not the previous answer.
        {"2\nx\n1\n", FIRST_MENU + P + INVALID + SHOWN_MENU + FAREWELL},
        {"\n\n \t\r\n\n2\n\n\n0001\n", FIRST_MENU + P + FAREWELL},
        // The end of input ends the program on a fresh line, after answering what came.
        {"", FIRST_MENU + "\n"},
        {"2\n3\n\n\n", FIRST_MENU + P + DETAILS + "\n"},
        {"ab", FIRST_MENU + retry + retry + "\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(session(c.input), c.transcript) << "input: " << c.input;
        // A terminal hands over a byte or a line at a time; the dialogue is the same.
        EXPECT_EQ(session(c.input, 1), c.transcript) << "byte by byte: " << c.input;
    }
}

TEST_F(MenuLoop, EveryPromptIsShownBeforeTheProgramWaits)
{
    ScriptedConsole script;
    script.input = "2\n3\n2\n";
    script.chunk = 2; // one answer per read, as a terminal delivers them
    script.record_shown_at_each_read = true;
    ASSERT_EQ(run_scripted_session(script, ConsoleMode::AnsiTerminal, KNOWN_SEED), 0);
    const std::vector<std::string> expected = {
        FIRST_MENU,
        FIRST_MENU + PREDICTIONS + SHOWN_MENU,
        FIRST_MENU + PREDICTIONS + SHOWN_MENU + DETAILS,
        FIRST_MENU + PREDICTIONS + SHOWN_MENU + DETAILS + "\n" + PREDICTIONS + SHOWN_MENU,
    };
    ASSERT_EQ(script.shown_at_each_read.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(strip_escapes(script.shown_at_each_read[i]), expected[i]) << "read " << i;
    }
    // One write before each wait and the farewell at the end, never one per cell.
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

TEST_F(MenuLoop, TheScreensDoNotChangeWithTheLanguage)
{
    use_language(Language::Korean);
    const std::string korean = session("x\n2\n3\n2\n1\n");
    use_language(Language::English);
    EXPECT_EQ(korean, session("x\n2\n3\n2\n1\n"));
    EXPECT_EQ(korean, FIRST_MENU + INVALID + FIRST_MENU + PREDICTIONS + SHOWN_MENU + DETAILS +
                          "\n" + PREDICTIONS + SHOWN_MENU + FAREWELL);
}

TEST(ConsoleOutput, AFailedWriteEndsTheSessionWithoutReadingOn)
{
    for (std::size_t writable : {std::size_t{0}, std::size_t{100}}) {
        ScriptedConsole script;
        script.input = "2\n3\n2\n2\n2\n1\n" + std::string(100000, 'x');
        script.chunk = 2;
        script.writable = writable;
        EXPECT_EQ(run_scripted_session(script, ConsoleMode::Plain, 1), -1);
        // Nobody can see the questions, so at most the answer to the first one is read.
        EXPECT_LE(script.read_position, writable == 0 ? 0U : 2U);
    }
}

} // namespace

namespace {

// 2026-12-07 12:00 in Korea, a Monday: round 1254 is on sale.
std::int64_t monday_noon()
{
    return 1'796'601'600 + 3 * 3600;
}

} // namespace

TEST_F(MenuLoop, WithTicketsAFourthChoiceSavesTheSetsShownOnce)
{
    const std::string path = testing::TempDir() + "lotto-menu-tickets.csv";
    std::remove(path.c_str());
    const std::string saving_menu = SHOWN_MENU.substr(0, SHOWN_MENU.find(program_text("\n실행"))) +
                                    program_text("4번: 번호 저장\n\n실행하실 메뉴를 선택하세요: ");
    const std::string P = PREDICTIONS + saving_menu;
    use_ticket_saving(path.c_str(), monday_noon);
    const std::string transcript = session("2\n4\n4\n2\n4\n3\n1\n");
    use_ticket_saving(nullptr, nullptr);
    const std::string saved = program_text("1254회 5게임을 저장하였습니다\n") + saving_menu;
    // A new prediction (the same sets within the same second) is saved again.
    EXPECT_EQ(transcript, FIRST_MENU + P + saved + program_text("이미 저장한 번호입니다\n") +
                              saving_menu + P + saved + DETAILS + "\n");
    // Twice five games of round 1254, the sets of the prediction screen, after a header.
    static TicketFile saved_games;
    RecordError error{};
    ASSERT_TRUE(read_ticket_file(path.c_str(), false, saved_games, error)) << error.message;
    ASSERT_EQ(saved_games.count, 2 * SET_COUNT);
    for (int i = 0; i < 2 * SET_COUNT; ++i) {
        EXPECT_EQ(saved_games.tickets[i].round, 1254);
        EXPECT_EQ(saved_games.tickets[i].numbers, prediction_table.sets[i % SET_COUNT]);
    }
    std::remove(path.c_str());
    // Without a tickets file, 4 is no choice and nothing else changes.
    EXPECT_EQ(session("2\n4\n1\n"),
              FIRST_MENU + PREDICTIONS + SHOWN_MENU + INVALID + SHOWN_MENU + FAREWELL);
}
