// How colours and clearing reach a terminal, a pipe and a native console.
#include <gtest/gtest.h>

#include <cctype>

#include "console/ansi_escape.hpp"
#include "console/number_cell.hpp"
#include "generation/prediction_table.hpp"
#include "known_screens.hpp"
#include "program_text.hpp"
#include "scripted_console.hpp"

namespace {

const std::string CLEAR = "\x1b[H\x1b[2J\x1b[3J";
const std::string RESET = "\x1b[97;40m";

std::string escape_for(ConsoleAttribute attribute)
{
    char escape[ANSI_ESCAPE_SIZE];
    const std::size_t length = format_ansi_attribute(attribute, escape);
    return std::string(escape, length);
}

TEST(AnsiEscape, BallColoursAndTheResetAttribute)
{
    EXPECT_EQ(escape_for(0xE0), "\x1b[30;103m");
    EXPECT_EQ(escape_for(0x9F), "\x1b[97;104m");
    EXPECT_EQ(escape_for(0xCF), "\x1b[97;101m");
    EXPECT_EQ(escape_for(0xF0), "\x1b[30;107m");
    EXPECT_EQ(escape_for(0xA0), "\x1b[30;102m");
    EXPECT_EQ(escape_for(RESET_ATTRIBUTE), RESET);
}

TEST(BallColor, BandsChangeAfterTenTwentyThirtyForty)
{
    EXPECT_EQ(ball_color(1), 0xE0);
    EXPECT_EQ(ball_color(10), 0xE0);
    EXPECT_EQ(ball_color(11), 0x9F);
    EXPECT_EQ(ball_color(20), 0x9F);
    EXPECT_EQ(ball_color(21), 0xCF);
    EXPECT_EQ(ball_color(30), 0xCF);
    EXPECT_EQ(ball_color(31), 0xF0);
    EXPECT_EQ(ball_color(40), 0xF0);
    EXPECT_EQ(ball_color(41), 0xA0);
    EXPECT_EQ(ball_color(45), 0xA0);
}

// The text without its "ESC [ parameters letter" sequences.
std::string strip_escapes(const std::string& text)
{
    std::string plain;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\x1b' && i + 1 < text.size() && text[i + 1] == '[') {
            i += 2;
            while (i < text.size() &&
                   (std::isdigit(static_cast<unsigned char>(text[i])) != 0 || text[i] == ';')) {
                ++i;
            }
            continue; // skips the final letter too
        }
        plain += text[i];
    }
    return plain;
}

std::string terminal_session(const std::string& input)
{
    ScriptedConsole script;
    script.input = input;
    EXPECT_EQ(run_scripted_session(script, ConsoleMode::AnsiTerminal, KNOWN_SEED), 0);
    return script.output;
}

std::string plain_session(const std::string& input)
{
    ScriptedConsole script;
    script.input = input;
    EXPECT_EQ(run_scripted_session(script, ConsoleMode::Plain, KNOWN_SEED), 0);
    return script.output;
}

const char* const EVERY_SCREEN = "abc\n2\n3\n3\n2\n2\n3\n2\n1\n";

TEST(TerminalRendering, SameTextAsAPipeWithColoursAndClearingAdded)
{
    const std::string terminal = terminal_session(EVERY_SCREEN);
    const std::string plain = plain_session(EVERY_SCREEN);
    EXPECT_EQ(strip_escapes(terminal), plain);
    EXPECT_EQ(plain.find('\x1b'), std::string::npos);
}

TEST(TerminalRendering, ClearsBeforeEachScreenButNotBeforeARepeatedDetailScreen)
{
    const std::string terminal = terminal_session("2\n3\n3\n2\n1\n");
    std::vector<std::string> screens;
    std::size_t start = 0;
    for (std::size_t clear = terminal.find(CLEAR); clear != std::string::npos;
         clear = terminal.find(CLEAR, start)) {
        screens.push_back(strip_escapes(terminal.substr(start, clear - start)));
        start = clear + CLEAR.size();
    }
    screens.push_back(terminal.substr(start));

    ASSERT_EQ(screens.size(), 5U);
    EXPECT_EQ(screens[0], FIRST_MENU);
    EXPECT_EQ(screens[1], PREDICTIONS + SHOWN_MENU);
    EXPECT_EQ(screens[2], DETAILS + INVALID + DETAILS + "\n");
    EXPECT_EQ(screens[3], PREDICTIONS + SHOWN_MENU);
    EXPECT_EQ(screens[4], FAREWELL + "\x1b[0m");
}

TEST(TerminalRendering, NumberCellsInTheirBallColours)
{
    const std::string yellow = "\x1b[30;103m";
    const std::string blue = "\x1b[97;104m";
    const std::string red = "\x1b[97;101m";
    const std::string white = "\x1b[30;107m";
    const std::string green = "\x1b[30;102m";
    const std::string terminal = terminal_session("2\n1\n");

    // Every cell: its ball colour, " %2d ", the reset.
    int cells = 0;
    for (std::size_t at = terminal.find(RESET); at != std::string::npos;
         at = terminal.find(RESET, at + 1)) {
        ASSERT_GE(at, 4U);
        const int number = std::stoi(terminal.substr(at - 3, 2));
        const std::string& colour = number <= 10   ? yellow
                                    : number <= 20 ? blue
                                    : number <= 30 ? red
                                    : number <= 40 ? white
                                                   : green;
        EXPECT_EQ(terminal.substr(at - 4 - colour.size(), colour.size() + 4 + RESET.size()),
                  colour + terminal.substr(at - 4, 4) + RESET);
        ++cells;
    }
    EXPECT_EQ(cells, SET_COUNT * NUMBERS_PER_SET);
    EXPECT_NE(terminal.find(CLEAR + program_text("\n  예상되는 로또 번호입니다\n\n  1 || ")),
              std::string::npos);
}

TEST(TerminalRendering, TheLastBytesGiveTheTerminalItsColoursBack)
{
    for (const char* input : {"1\n", "2\n3\n1\n", "", "2\n3\n"}) {
        const std::string terminal = terminal_session(input);
        ASSERT_GE(terminal.size(), 4U);
        EXPECT_EQ(terminal.substr(terminal.size() - 4), "\x1b[0m") << "input " << input;
    }
}

// A native console: every colour change and clear is logged in order with the text.
std::string* native_log = nullptr;

void log_attribute(ConsoleAttribute attribute)
{
    *native_log += "<attr " + std::to_string(attribute) + ">";
}

void log_clear()
{
    *native_log += "<clear>";
}

std::ptrdiff_t no_input(char*, std::size_t)
{
    return 0;
}

bool log_text(const char* data, std::size_t size)
{
    native_log->append(data, size);
    return true;
}

TEST(NativeConsole, TextBeforeAChangeIsWrittenBeforeTheChange)
{
    std::string log;
    native_log = &log;
    console_open(ConsoleBackend{ConsoleMode::Native, no_input, log_text, log_attribute, log_clear});
    console_print("before ");
    print_number_cell(7);
    console_print(" after");
    console_clear_screen();
    console_print("next");
    ASSERT_TRUE(console_close());
    EXPECT_EQ(log, "before <attr 224>  7 <attr 15> after<clear>next");
}

} // namespace
