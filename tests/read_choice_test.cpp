#include "console/read_choice.hpp"

#include <gtest/gtest.h>

#include "scripted_console.hpp"

namespace {

struct Reading {
    bool answered;
    std::int32_t choice;
    int next_byte; // what the following read starts with
};

Reading read_from(const std::string& input, std::int32_t choice_before = 77)
{
    ScriptedConsole script;
    script.input = input;
    open_scripted_console(script, ConsoleMode::Plain);
    Reading reading{};
    reading.choice = choice_before;
    reading.answered = read_choice(reading.choice);
    reading.next_byte = console_read_byte();
    return reading;
}

void expect_reading(const std::string& input, bool answered, std::int32_t choice, int next_byte)
{
    const Reading reading = read_from(input);
    EXPECT_EQ(reading.answered, answered) << '"' << input << '"';
    EXPECT_EQ(reading.choice, choice) << '"' << input << '"';
    EXPECT_EQ(reading.next_byte, next_byte) << '"' << input << '"';
}

TEST(ReadChoice, ANumberAndTheOneCharacterAfterIt)
{
    expect_reading("2\nx", true, 2, 'x');
    expect_reading("  \n\t 3x\n", true, 3, '\n');
    expect_reading("+4 5", true, 4, '5');
    expect_reading("-6\n", true, -6, CONSOLE_END_OF_INPUT);
    expect_reading("2147483647\n", true, 2147483647, CONSOLE_END_OF_INPUT);
    expect_reading("-2147483648\n", true, -2147483647 - 1, CONSOLE_END_OF_INPUT);
    // One past either end is no number, read whole, with its discarded character.
    expect_reading("2147483648\n7", true, 77, '7');
    expect_reading("-2147483649\n7", true, 77, '7');
    expect_reading("-21474836480\n7", true, 77, '7');
}

TEST(ReadChoice, NoNumberKeepsTheChoiceAndCostsOneCharacter)
{
    expect_reading("abc", true, 77, 'b');
    expect_reading("-x9", true, 77, '9');
    expect_reading("- 9", true, 77, '9');
    expect_reading(std::string("\0"
                               "1",
                               2),
                   true, 77, '1');
    expect_reading("\xea\xb0\x80", true, 77, 0xb0);
}

TEST(ReadChoice, TheEndOfInputBeforeAnythingButBlanks)
{
    expect_reading("", false, 77, CONSOLE_END_OF_INPUT);
    expect_reading(" \n\r\n\t\v\f", false, 77, CONSOLE_END_OF_INPUT);
    // A lone sign is something typed: it is answered, and the end comes with the next read.
    expect_reading("-", true, 77, CONSOLE_END_OF_INPUT);
}

} // namespace
