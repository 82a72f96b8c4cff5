// How colours and clearing reach a terminal, a pipe and a native console.
#include <gtest/gtest.h>

#include "console/number_cell.hpp"
#include "generation/prediction_table.hpp"
#include "known_screens.hpp"
#include "program_text.hpp"
#include "scripted_console.hpp"

namespace {

const std::string CLEAR = "\x1b[H\x1b[2J\x1b[3J";

std::string terminal_session(const std::string& input)
{
    ScriptedConsole script;
    script.input = input;
    EXPECT_EQ(run_scripted_session(script, ConsoleMode::AnsiTerminal, KNOWN_SEED), 0);
    return script.output;
}

// What a number cell writes to a terminal: its ball colour, " %2d ", bright white on black.
std::string terminal_cell(std::int32_t number)
{
    ScriptedConsole script;
    open_scripted_console(script, ConsoleMode::AnsiTerminal);
    print_number_cell(number);
    console_flush();
    return script.output;
}

TEST(TerminalRendering, NumberCellsInTheirBallColors)
{
    const struct {
        std::int32_t number;
        const char* cell;
    } cases[] = {
        {1, "\x1b[30;103m  1 \x1b[97;40m"},  {10, "\x1b[30;103m 10 \x1b[97;40m"},
        {11, "\x1b[97;104m 11 \x1b[97;40m"}, {20, "\x1b[97;104m 20 \x1b[97;40m"},
        {21, "\x1b[97;101m 21 \x1b[97;40m"}, {30, "\x1b[97;101m 30 \x1b[97;40m"},
        {31, "\x1b[30;107m 31 \x1b[97;40m"}, {40, "\x1b[30;107m 40 \x1b[97;40m"},
        {41, "\x1b[30;102m 41 \x1b[97;40m"}, {45, "\x1b[30;102m 45 \x1b[97;40m"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(terminal_cell(c.number), c.cell) << c.number;
    }
}

TEST(TerminalRendering, ClearsBeforeEachScreenAndEndsInTheTerminalsOwnColors)
{
    if (!screens_are_known_for_this_rand()) {
        GTEST_SKIP() << "no known screens for this platform's rand";
    }
    const std::string terminal = terminal_session("2\n3\n3\n2\n1\n");
    std::vector<std::string> screens;
    std::size_t start = 0;
    for (std::size_t clear = terminal.find(CLEAR); clear != std::string::npos;
         clear = terminal.find(CLEAR, start)) {
        screens.push_back(strip_escapes(terminal.substr(start, clear - start)));
        start = clear + CLEAR.size();
    }
    screens.push_back(terminal.substr(start));

    // A repeated detail screen is printed below the first one, without clearing.
    const std::vector<std::string> expected = {
        FIRST_MENU,
        PREDICTIONS + SHOWN_MENU,
        DETAILS + INVALID + DETAILS + "\n",
        PREDICTIONS + SHOWN_MENU,
        FAREWELL + "\x1b[0m",
    };
    EXPECT_EQ(screens, expected);
    for (const char* input : {"", "2\n3\n"}) {
        const std::string ended = terminal_session(input);
        EXPECT_EQ(ended.substr(ended.size() - 5), "\n\x1b[0m") << "input " << input;
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
