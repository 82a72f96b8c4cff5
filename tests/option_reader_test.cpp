// The one option reader both programs use: each kind of option, each usage error, and the
// rules of which options go together, on a table of options made for the test.
#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

#include "command_line/option_reader.hpp"

namespace {

enum TestOption : int { FILE_OPTION, LIST, TICKETS, CSV, CHECK, HELP, OPTION_COUNT };

constexpr OptionEntry OPTIONS[OPTION_COUNT] = {
    {"--file", nullptr, OptionKind::Value, "a file name must follow", true, true},
    {"--list", nullptr, OptionKind::NumberList, "numbers must follow", false, true},
    {"--tickets", nullptr, OptionKind::OptionalFile, "a file name must follow", true, false},
    {"--csv", nullptr, OptionKind::Flag, nullptr, false, false},
    {"--check", nullptr, OptionKind::Flag, nullptr, false, false},
    {"--help", "-h", OptionKind::Alone, nullptr, false, false},
};

constexpr OptionCondition NONE{-1, false};

// Read as a program would, with its name first.
struct Reading {
    bool ok;
    ReadOptions read;
    OptionProblem problem;
};

Reading read(std::vector<const char*> arguments)
{
    arguments.insert(arguments.begin(), "program");
    Reading reading{};
    reading.ok = read_options(static_cast<int>(arguments.size()), arguments.data(), OPTIONS,
                              OPTION_COUNT, reading.read, reading.problem);
    return reading;
}

TEST(OptionReader, EachKindTakesItsValue)
{
    const Reading all = read({"--file", "-", "--list", "-3", "--tickets", "--csv", "--check"});
    ASSERT_TRUE(all.ok) << all.problem.problem;
    EXPECT_STREQ(all.read.value[FILE_OPTION], "-"); // standard input or output, where allowed
    EXPECT_STREQ(all.read.value[LIST], "-3");       // a list, refused later as a number
    EXPECT_TRUE(all.read.given[TICKETS]);
    EXPECT_EQ(all.read.value[TICKETS], nullptr); // without a name: the data folder's
    EXPECT_TRUE(all.read.given[CSV] && all.read.given[CHECK]);
    EXPECT_FALSE(all.read.given[HELP]);

    const Reading named = read({"--tickets", "t.csv"});
    ASSERT_TRUE(named.ok);
    EXPECT_STREQ(named.read.value[TICKETS], "t.csv");
    EXPECT_TRUE(read({"-h"}).ok && read({"-h"}).read.given[HELP]);
}

TEST(OptionReader, EveryUsageErrorNamesItsArgument)
{
    const struct {
        std::vector<const char*> arguments;
        const char* problem;
        const char* argument;
        const char* following;
        int missing_option;
    } cases[] = {
        {{"--bogus"}, "unknown option", "--bogus", nullptr, -1},
        {{"extra"}, "unexpected argument", "extra", nullptr, -1},
        {{"-"}, "unexpected argument", "-", nullptr, -1},
        {{"--csv", "--csv"}, "this option may be given only once:", "--csv", nullptr, -1},
        {{"--file", "a", "--file", "b"},
         "this option may be given only once:",
         "--file",
         nullptr,
         -1},
        {{"--help", "--csv"}, "no other argument may come with", "--help", nullptr, -1},
        {{"--csv", "-h"}, "no other argument may come with", "-h", nullptr, -1},
        {{"--file"}, "a file name must follow", "--file", nullptr, FILE_OPTION},
        // A name that begins with '-' is taken for an option, and the message says so.
        {{"--file", "-x"}, "a file name must follow", "--file", "-x", FILE_OPTION},
        {{"--list"}, "numbers must follow", "--list", nullptr, LIST},
        {{"--list", "--csv"}, "numbers must follow", "--list", nullptr, LIST},
        // "-" is no file where standard input is not one.
        {{"--tickets", "-"}, "a file name must follow", "--tickets", "-", TICKETS},
        {{"--tickets", "-x"}, "a file name must follow", "--tickets", "-x", TICKETS},
    };
    for (const auto& c : cases) {
        const Reading reading = read(c.arguments);
        const std::string shown = c.arguments[0];
        EXPECT_FALSE(reading.ok) << shown;
        EXPECT_STREQ(reading.problem.problem, c.problem) << shown;
        EXPECT_STREQ(reading.problem.argument, c.argument) << shown;
        EXPECT_STREQ(reading.problem.following, c.following) << shown;
        EXPECT_EQ(reading.problem.missing_option, c.missing_option) << shown;
    }
}

TEST(OptionReader, TheFirstRuleBrokenIsReportedNamingWhatItSays)
{
    constexpr CombinationRule RULES[] = {
        {RuleKind::AtMostOne,
         {{CSV, false}, {CHECK, false}, NONE},
         {NONE},
         "one of --csv and --check, not",
         nullptr},
        {RuleKind::Excludes,
         {{LIST, false}, NONE},
         {{FILE_OPTION, true}, NONE},
         "not with",
         nullptr},
        {RuleKind::Requires,
         {{TICKETS, false}, NONE},
         {{CHECK, false}, NONE},
         "needs --check:",
         nullptr},
        {RuleKind::TogetherRequire,
         {{FILE_OPTION, false}, {LIST, false}, NONE},
         {{TICKETS, false}, NONE},
         "--file and --list need --tickets:",
         "--file --list"},
    };
    const struct {
        std::vector<const char*> arguments;
        const char* problem; // null: no rule broken
        const char* argument;
    } cases[] = {
        {{"--csv"}, nullptr, nullptr},
        {{"--check", "--csv"}, "one of --csv and --check, not", "--check"}, // the last given
        {{"--list", "1", "--file", "-"}, "not with", "--list"},
        {{"--list", "1", "--file", "a.csv", "--tickets", "--check"}, nullptr, nullptr},
        {{"--tickets"}, "needs --check:", "--tickets"},
        {{"--tickets", "--check"}, nullptr, nullptr},
        {{"--file", "a", "--list", "1"}, "--file and --list need --tickets:", "--file --list"},
        {{"--file", "a"}, nullptr, nullptr},
    };
    for (const auto& c : cases) {
        const Reading reading = read(c.arguments);
        ASSERT_TRUE(reading.ok) << reading.problem.problem;
        OptionProblem problem{};
        const bool broken =
            broken_rule(reading.read, OPTIONS, RULES, static_cast<int>(std::size(RULES)), problem);
        EXPECT_EQ(broken, c.problem != nullptr) << c.arguments[0];
        if (broken) {
            EXPECT_STREQ(problem.problem, c.problem);
            EXPECT_STREQ(problem.argument, c.argument);
        }
    }
}

} // namespace
