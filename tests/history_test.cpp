// Draw histories: the reader, the lists they give, prizes and the back-test.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "counting/back_test.hpp"
#include "counting/score_distribution.hpp"
#include "history/draw_history.hpp"
#include "history/number_record.hpp"
#include "history/overdue_numbers.hpp"
#include "history/prize_matches.hpp"
#include "known_screens.hpp"
#include "scoring/non_appearing.hpp"
#include "scripted_console.hpp"
#include "visible_text.hpp"

namespace {

DrawHistory history;

// `count` rounds from 1, each the line `line_of(round)`, newest first when asked.
std::string rounds(int count, std::string (*line_of)(int round), bool newest_first = false)
{
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += line_of(newest_first ? count - i : i + 1) + "\n";
    }
    return text;
}

// Saturdays from 2024-01-06 on; `separator` parts year, month and day.
std::string saturday(int round, char separator = '-')
{
    static constexpr int DAYS[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int month = 0;
    int day = 6 + 7 * (round - 1);
    while (day > DAYS[month]) {
        day -= DAYS[month++];
    }
    char text[32];
    std::snprintf(text, sizeof text, "2024%c%02d%c%02d", separator, month + 1, separator, day);
    return text;
}

std::string plain_line(int round)
{
    const int a = round % 40 + 1;
    return std::to_string(round) + "," + std::to_string(a) + "," + std::to_string(a + 1) + "," +
           std::to_string(a + 2) + "," + std::to_string(a + 3) + "," + std::to_string(a + 4) + "," +
           std::to_string(a + 5);
}

struct Reading {
    bool ok;
    RecordError error;
};

// Each test reads through a file of its own, so that tests may run side by side.
Reading read_text(const std::string& text)
{
    const std::string path = testing::TempDir() + "lotto-history-" +
                             testing::UnitTest::GetInstance()->current_test_info()->name() + ".txt";
    std::FILE* file = std::fopen(path.c_str(), "wb");
    std::fwrite(text.data(), 1, text.size(), file);
    std::fclose(file);
    Reading reading{};
    reading.ok = read_draw_history(path.c_str(), history, reading.error);
    std::remove(path.c_str());
    return reading;
}

std::string replace_all(std::string text, const std::string& from, const std::string& to)
{
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

TEST(DrawHistory, EveryAcceptedShape)
{
    const std::string twenty = rounds(20, plain_line);
    const struct {
        const char* what;
        std::string text;
        std::int32_t bonus_of_round_5;
    } shapes[] = {
        {"commas", twenty, 0},
        {"a header, dates, bonus, newest first",
         "round,date,n1,n2,n3,n4,n5,n6,bonus\n" +
             rounds(
                 20,
                 [](int r) { return std::to_string(r) + "," + saturday(r) + ",45,1,7,3,9,2,44"; },
                 true),
         44},
        {"a Korean header", "회차,추첨일,당첨번호,,,,,,보너스\n" + twenty, 0},
        {"dotted dates, tabs and runs of blanks",
         rounds(20,
                [](int r) {
                    return std::to_string(r) + "\t" + saturday(r, '.') + "   1  2\t3 4 5 6";
                }),
         0},
        {"tabs between fields, an empty bonus cell",
         rounds(20, [](int r) { return std::to_string(r) + "\t1\t2\t3\t4\t5\t6\t"; }), 0},
        {"CRLF, a byte-order mark, blank and comment lines",
         "\xEF\xBB\xBF# made up\r\n\r\n" +
             rounds(20, [](int r) { return "  " + plain_line(r) + "\r"; }),
         0},
        {"old Mac line ends", replace_all("# made up\n\n" + twenty, "\n", "\r"), 0},
        {"a CRLF file converted once too often", replace_all(twenty, "\n", "\r\r\n"), 0},
        {"quoted fields, an empty quoted bonus",
         rounds(20,
                [](int r) {
                    std::string line = "\"";
                    line += std::to_string(r);
                    line += "\",\"1\",\"2\",\"3\",\"4\",\"5\",\"6\",\"\"";
                    return line;
                }),
         0},
        {"an empty bonus field", rounds(20, [](int r) { return plain_line(r) + ","; }), 0},
        {"a round given twice alike", twenty + plain_line(7) + "\n", 0},
        {"the whole history twice", twenty + twenty, 0},
        {"long comment and blank lines",
         "# " + std::string(600, 'x') + "\n" + std::string(600, ' ') + "\n#" +
             std::string(300, '\xEA') + "\n" + twenty,
         0},
        {"a line of 512 bytes, with CRLF and a byte-order mark",
         "\xEF\xBB\xBF" + plain_line(1) + std::string(512 - plain_line(1).size(), ' ') + "\r\n" +
             rounds(20, plain_line).substr(plain_line(1).size() + 1),
         0},
    };
    for (const auto& shape : shapes) {
        const Reading reading = read_text(shape.text);
        EXPECT_TRUE(reading.ok) << shape.what << ": " << reading.error.message;
        EXPECT_EQ(history.count, 20) << shape.what;
        EXPECT_EQ(history.draws[0].round, 1) << shape.what;
        EXPECT_EQ(history.draws[19].round, 20) << shape.what;
        EXPECT_EQ(history.draws[4].bonus, shape.bonus_of_round_5) << shape.what;
    }
    read_text("round,date,a,b,c,d,e,f,bonus\n" + rounds(20, [](int r) {
                  return std::to_string(r) + "," + saturday(r) + ",45,1,7,3,9,2,44";
              }));
    EXPECT_EQ(history.draws[4].date, 20240203);
    EXPECT_EQ(history.draws[4].numbers, (NumberSet{1, 2, 3, 7, 9, 45}));
    EXPECT_EQ(history.draws[4].bonus, 44);
}

TEST(DrawHistory, EveryRuleWithWhereItIsBroken)
{
    const std::string twenty = rounds(20, plain_line);
    const std::string dated_twenty = rounds(20, [](int r) {
        return std::to_string(r) + "," + saturday(r) + "," +
               plain_line(r).substr(plain_line(r).find(',') + 1) + ",45";
    });
    const std::string newest_first = rounds(20, plain_line, true);
    const auto after_first = [&](const std::string& first_line) {
        return first_line + "\n" + newest_first.substr(newest_first.find('\n') + 1);
    };
    const struct {
        std::string text;
        int line;
        const char* message;
    } faults[] = {
        {twenty + "21,1,2,3,4,5\n", 21,
         "expected the round, a date if any, six numbers and a bonus if any, not 6 fields"},
        {twenty + "21,1,2,3,4,5,6,7,8\n", 21,
         "expected the round, a date if any, six numbers and a bonus if any, not 9 fields"},
        {twenty + "21,1,2,3,4,5,46\n", 21, "'46' is not a number from 1 to 45"},
        {replace_all(twenty + "21,1,2,3,4,5,46\n", "\n", "\r\r\n"), 21,
         "'46' is not a number from 1 to 45"},
        {replace_all(twenty + "\n21,1,2,3,4,5,46\n", "\n", "\r"), 22,
         "'46' is not a number from 1 to 45"},
        {twenty + "21,0,2,3,4,5,6\n", 21, "'0' is not a number from 1 to 45"},
        {twenty + "21,x,2,3,4,5,6\n", 21, "'x' is not a number from 1 to 45"},
        {twenty + "21,2024-01-01,-5,2,3,4,5,6\n", 21, "'-5' is not a number from 1 to 45"},
        {twenty + "21,1.5,2,3,4,5,6\n", 21, "'1.5' is not a number from 1 to 45"},
        {twenty + "21,1,2,3,4,5,5\n", 21, "5 is drawn twice"},
        {twenty + "21,1,2,3,4,5,6,6\n", 21, "the bonus 6 is also a winning number"},
        {twenty + "21,2024-13-01,1,2,3,4,5,6\n", 21,
         "the date '2024-13-01' is no day of the calendar"},
        {twenty + "21,2026-02-29,1,2,3,4,5,6\n", 21,
         "the date '2026-02-29' is no day of the calendar"},
        {twenty + "21,2026.04.31,1,2,3,4,5,6\n", 21,
         "the date '2026.04.31' is no day of the calendar"},
        {twenty + "21,2026-00-10,1,2,3,4,5,6\n", 21,
         "the date '2026-00-10' is no day of the calendar"},
        // Dates grow with the round, wherever the lines stand in the file.
        {dated_twenty + "21," + saturday(20) + ",1,2,3,4,5,6,7\n", 21,
         "round 21 is dated 2024-05-18, not after round 20 (2024-05-18, line 20)"},
        {"21," + saturday(3) + ",1,2,3,4,5,6,7\n" + dated_twenty, 1,
         "round 21 is dated 2024-01-20, not after round 20 (2024-05-18, line 21)"},
        {dated_twenty + "21,2024-05-17,1,2,3,4,5,6,7\n", 21,
         "round 21 is dated 2024-05-17, not after round 20 (2024-05-18, line 20)"},
        // Where the other draws have a bonus, six numbers mean one was left out.
        {dated_twenty + "21,2024-05-25,3,11,19,27,35,7\n", 21,
         "round 21 has six numbers where the other draws have seven: a winning number or the "
         "bonus is missing"},
        {"21,2024-05-25,3,11,19,27,35,40,7\n" + dated_twenty + "22,3,11,19,27,35,7\n", 22,
         "round 22 has six numbers where the other draws have seven: a winning number or the "
         "bonus is missing"},
        {dated_twenty + "7," + saturday(8) + "," + plain_line(7).substr(2) + ",45\n", 21,
         "round 7 is also on line 7, with another date"},
        {twenty + "21,2024/12/14,1,2,3,4,5,6\n", 21,
         "the date '2024/12/14' is neither YYYY-MM-DD nor YYYY.MM.DD"},
        // A field left empty never lets the bonus pass for a winning number.
        {twenty + "21,2024-01-01,16,,28,33,40,41,20\n", 21, "field 4 is empty"},
        {twenty + ",21,1,2,3,4,5,6\n", 21, "field 1 is empty"},
        {twenty + "21\t1\t\t3\t4\t5\t6\t7\n", 21, "field 3 is empty"},
        {twenty + "21,1,2,3,4,5,,\n", 21, "field 7 is empty"},
        {twenty + "21,1,2,3,4,5,6,,\n", 21, "field 9 is empty"},
        {twenty + "21,1,2,3,4,5,6,7,\n", 21, "field 9 is empty"},
        // The newest draw first, its round mistyped: an error, never a header.
        {after_first("2O,1,2,3,4,5,6"), 1, "the round '2O' is not a positive whole number"},
        {after_first("+20,1,2,3,4,5,6"), 1, "the round '+20' is not a positive whole number"},
        {after_first("\xC2\xA0"
                     "20,1,2,3,4,5,6"),
         1, "the round '\\u00a020' is not a positive whole number"},
        {after_first("20회,1,2,3,4,5,6"), 1, "the round '20회' is not a positive whole number"},
        {twenty + "0,1,2,3,4,5,6\n", 21, "the round '0' is not a positive whole number"},
        {twenty + "round,1,2,3,4,5,6\n", 21, "the round 'round' is not a positive whole number"},
        // What a file holds reaches the terminal only as visible text.
        {twenty + "21,\x1b]0;title\x07,2,3,4,5,6\n", 21,
         "'\\x1b]0;title\\x07' is not a number from 1 to 45"},
        {twenty + "21,\xff\xfe,2,3,4,5,6\n", 21, "'\\xff\\xfe' is not a number from 1 to 45"},
        {twenty + "21,1\x7f,2,3,4,5,6\n", 21, "'1\\x7f' is not a number from 1 to 45"},
        {twenty + "7,1,2,3,4,5,6\n", 21, "round 7 is also on line 7, with other numbers"},
        {twenty + "7,8,9,10,11,12,13,45\n", 21,
         "round 7 is also on line 7, without a bonus; here its bonus is 45"},
        {rounds(20, [](int r) { return plain_line(r) + ",45"; }) + plain_line(7) + "\n", 21,
         "round 7 is also on line 7, with the bonus 45; here it has none"},
        {twenty + "22,1,2,3,4,5,6\n", 0, "round 21 is missing"},
        {rounds(14, plain_line), 0, "14 draws; at least 15 are needed"},
        {twenty + std::string(600, '1') + "\n", 21, "the line is longer than 512 bytes"},
        {twenty + plain_line(21) + std::string(513 - plain_line(21).size(), ' ') + "\n", 21,
         "the line is longer than 512 bytes"},
        {twenty + std::string("21,1,2\0,3", 9) + "\n", 21,
         "the line holds a NUL byte; is this a text file?"},
        {std::string("\xFF\xFE"
                     "1\0,\0",
                     6) +
             "\n",
         0, "the file is UTF-16 text; save it as UTF-8 (a spreadsheet calls it CSV UTF-8)"},
        {std::string("1\0,\0"
                     "2\0",
                     6) +
             "\n",
         0, "the file is UTF-16 text; save it as UTF-8 (a spreadsheet calls it CSV UTF-8)"},
    };
    for (const auto& fault : faults) {
        const Reading reading = read_text(fault.text);
        EXPECT_FALSE(reading.ok) << fault.message;
        EXPECT_EQ(reading.error.line, fault.line) << fault.message;
        EXPECT_STREQ(reading.error.message, fault.message);
    }
    RecordError error{};
    EXPECT_FALSE(read_draw_history("/nonexistent/draws.csv", history, error));
    EXPECT_EQ(error.line, 0);
}

TEST(DrawHistory, LongQuotesAreCutAtACharacterAndKeepTheReason)
{
    const std::string field(400, 'x');
    const std::string hangul = "가나다라마바사아자차카타파하";
    for (const std::string& quoted : {field, hangul + hangul + hangul + hangul + hangul}) {
        const Reading reading = read_text(rounds(20, plain_line) + "21," + quoted + ",2,3,4,5,6\n");
        const std::string message = reading.error.message;
        EXPECT_TRUE(is_visible_text(message)) << message;
        EXPECT_NE(message.find("...' is not a number from 1 to 45"), std::string::npos) << message;
        EXPECT_LT(message.size(), 120U) << message;
    }
}

TEST(DrawHistory, TheLimitsCountDistinctDrawsAndLines)
{
    const auto distinct = [](int count) {
        std::string text;
        for (int round = 1; round <= count; ++round) {
            text += plain_line(round) + "\n";
        }
        return text;
    };
    const std::string most = distinct(MAX_DRAWS);
    Reading reading = read_text(most + most);
    EXPECT_TRUE(reading.ok) << reading.error.message;
    EXPECT_EQ(history.count, MAX_DRAWS);
    EXPECT_EQ(history.draws[MAX_DRAWS - 1].round, MAX_DRAWS);

    // Newest first, past the reader's first sorting of what it has read.
    reading = read_text(rounds(200, plain_line, true));
    EXPECT_TRUE(reading.ok) << reading.error.message;
    EXPECT_EQ(history.count, 200);

    reading = read_text(most + plain_line(MAX_DRAWS + 1) + "\n");
    EXPECT_FALSE(reading.ok);
    EXPECT_EQ(reading.error.line, MAX_DRAWS + 1);
    EXPECT_STREQ(reading.error.message,
                 "more than 4096 different draws; this program keeps at most 4096");

    reading = read_text(std::string(MAX_RECORD_LINES, '\n') + distinct(20));
    EXPECT_FALSE(reading.ok);
    EXPECT_EQ(reading.error.line, 0);
    EXPECT_STREQ(reading.error.message, "more than 1,000,000 lines; no draw history is that long");
    reading = read_text(std::string(MAX_RECORD_LINES - 20, '\n') + distinct(20));
    EXPECT_TRUE(reading.ok) << reading.error.message;
}

// A history of `count` draws of 40..45 in which `number` was last drawn `absent` draws
// before the latest (never, when `absent` is `count`).
std::int32_t points_after_absence(int number, int absent, int count = 20)
{
    history.count = count;
    for (int i = 0; i < count; ++i) {
        const bool holds = count - 1 - i == absent;
        history.draws[i] = Draw{i + 1, {holds ? number : 39, 40, 41, 42, 43, 44}, 0, i + 1, 0};
    }
    const DrawsSinceDrawn absences = draws_since_drawn(history, count);
    EXPECT_EQ(absences[static_cast<std::size_t>(number)], absent);
    return overdue_points(absences).by_number[static_cast<std::size_t>(number)];
}

TEST(OverdueNumbers, TheListsByDrawsSinceLastDrawn)
{
    const struct {
        int absent;
        std::int32_t points;
    } edges[] = {{0, 0}, {4, 0}, {5, 5}, {9, 5}, {10, 10}, {14, 10}, {15, 15}, {19, 15}};
    for (const auto& edge : edges) {
        EXPECT_EQ(points_after_absence(7, edge.absent), edge.points) << edge.absent;
    }
    EXPECT_EQ(points_after_absence(7, 20), 15);     // never drawn in 20 draws
    EXPECT_EQ(points_after_absence(7, 12, 12), 10); // never drawn in 12 draws
    // The bonus does not count as drawn.
    points_after_absence(7, 12);
    history.draws[19].bonus = 7;
    EXPECT_EQ(draws_since_drawn(history, 20)[7], 12);
}

// The record counts the six numbers of every draw, of the latest 52 alone, and the draws
// since each; the bonus never counts.
TEST(NumberRecord, CountsEveryDrawTheLatestYearAndTheDrawsSince)
{
    // 60 draws: 1 in every draw, 2 in the oldest 8 alone, 3 in the newest alone, 45 as the
    // bonus alone; the rest from 4 to 44 in turn.
    history.count = 60;
    for (int i = 0; i < history.count; ++i) {
        const std::int32_t second = i < 8 ? 2 : 4 + i % 10;
        const std::int32_t third = i == 59 ? 3 : 20 + i % 10;
        NumberSet numbers{1, second, third, 31 + i % 3, 35 + i % 3, 40 + i % 4};
        std::sort(numbers.begin(), numbers.end());
        history.draws[i] = Draw{i + 1, numbers, 45, i + 1, 0};
    }
    const NumberRecord record = number_record(history);
    EXPECT_EQ(record.draws, 60);
    EXPECT_EQ(record.recent_draws, 52);
    const struct {
        int number, all, recent, since;
    } expected[] = {{1, 60, 52, 0}, {2, 8, 0, 52}, {3, 1, 1, 0},
                    {45, 0, 0, 60}, {20, 6, 5, 9}, {4, 5, 5, 9}};
    for (const auto& number : expected) {
        EXPECT_EQ(record.all[number.number], number.all) << number.number;
        EXPECT_EQ(record.recent[number.number], number.recent) << number.number;
        EXPECT_EQ(record.since[static_cast<std::size_t>(number.number)], number.since)
            << number.number;
    }
    int drawn = 0;
    for (int number = 1; number <= MAX_NUMBER; ++number) {
        drawn += record.all[number];
    }
    EXPECT_EQ(drawn, 6 * 60);
    history.count = 30; // a history shorter than a year is all recent
    EXPECT_EQ(number_record(history).recent_draws, 30);
    EXPECT_EQ(number_record(history).recent[1], 30);
}

// The binomial count of one number: n draws, p = 6/45.
TEST(NumberRecord, TheBandChanceAloneSpreadsOver)
{
    const struct {
        int draws;
        double expected, spread;
        std::int32_t wide_low, low, high, wide_high;
    } bands[] = {{1238, 165.07, 11.96, 141, 153, 177, 189},
                 {52, 6.93, 2.45, 2, 4, 9, 12},
                 {1, 0.13, 0.34, 0, 0, 0, 1},
                 {0, 0, 0, 0, 0, 0, 0}};
    for (const auto& expected : bands) {
        const ChanceBand band = chance_band(expected.draws);
        EXPECT_NEAR(band.expected, expected.expected, 0.005) << expected.draws;
        EXPECT_NEAR(band.spread, expected.spread, 0.005) << expected.draws;
        EXPECT_EQ(band.wide_low, expected.wide_low) << expected.draws;
        EXPECT_EQ(band.low, expected.low) << expected.draws;
        EXPECT_EQ(band.high, expected.high) << expected.draws;
        EXPECT_EQ(band.wide_high, expected.wide_high) << expected.draws;
    }
}

TEST(OverdueNumbers, AHistoryWithTheBuiltInListsGivesTheBuiltInScreens)
{
    if (!screens_are_known_for_this_rand()) {
        GTEST_SKIP() << "no known screens for this platform's rand";
    }
    // Oldest first: 21 never drawn; the 10-point numbers 10 to 14 draws back; the 5-point
    // numbers 5 to 9 draws back; every other number in the latest five draws.
    const char* const text = "1,1,2,8,9,10,12\n2,1,2,8,9,10,12\n3,1,2,8,9,10,12\n"
                             "4,1,2,8,9,10,12\n5,1,2,8,9,10,12\n"
                             "6,5,7,17,23,38,1\n7,5,7,17,23,38,1\n8,5,7,17,23,38,1\n"
                             "9,5,7,17,23,38,1\n10,5,7,17,23,38,1\n"
                             "11,3,4,6,11,14,1\n12,22,24,25,27,28,1\n13,29,31,41,1,2,8\n"
                             "14,3,4,6,11,14,1\n15,22,24,25,27,28,1\n"
                             "16,1,2,8,9,10,12\n17,13,15,16,18,19,20\n18,26,30,32,33,34,35\n"
                             "19,36,37,39,40,42,43\n20,44,45,1,2,8,9\n";
    const Reading reading = read_text(text);
    ASSERT_TRUE(reading.ok) << reading.error.message;
    const NonAppearingPoints points = overdue_points(draws_since_drawn(history, history.count));
    EXPECT_EQ(points.by_number, COMPILED_IN_POINTS.by_number);

    use_non_appearing_points(points);
    ScriptedConsole script;
    script.input = "2\n3\n1\n";
    EXPECT_EQ(run_scripted_session(script, ConsoleMode::Plain, KNOWN_SEED), 0);
    use_non_appearing_points(COMPILED_IN_POINTS);
    EXPECT_EQ(script.output, FIRST_MENU + PREDICTIONS + SHOWN_MENU + DETAILS + "\n");
}

TEST(Prizes, ByMatchesAndTheBonus)
{
    const Draw draw{1, {1, 2, 3, 4, 5, 6}, 7, 1, 0};
    const struct {
        NumberSet set;
        int prize;
    } cases[] = {
        {{1, 2, 3, 4, 5, 6}, 1}, {{1, 2, 3, 4, 5, 7}, 2}, {{1, 2, 3, 4, 5, 8}, 3},
        {{1, 2, 3, 4, 7, 8}, 4}, {{1, 2, 3, 7, 8, 9}, 5}, {{1, 2, 7, 8, 9, 10}, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(prize_of(c.set, draw), c.prize) << c.prize;
    }
    // Without a bonus in the history, five numbers are the 3rd prize.
    EXPECT_EQ(prize_of({1, 2, 3, 4, 5, 7}, Draw{1, {1, 2, 3, 4, 5, 6}, 0, 1, 0}), 3);
}

TEST(Prizes, EverySetAgainstOneDrawGivesTheKnownWinnersAndChances)
{
    // The oracle: of all C(45,6) sets, one draw with a bonus has 1, 6, 228, 11,115 and
    // 182,780 winners of the five prizes.
    const Draw draw{1, {3, 11, 19, 27, 35, 44}, 8, 1, 0};
    std::int64_t winners[RANKS + 1] = {};
    NumberSet set{};
    for (set[0] = 1; set[0] <= 40; ++set[0]) {
        for (set[1] = set[0] + 1; set[1] <= 41; ++set[1]) {
            for (set[2] = set[1] + 1; set[2] <= 42; ++set[2]) {
                for (set[3] = set[2] + 1; set[3] <= 43; ++set[3]) {
                    for (set[4] = set[3] + 1; set[4] <= 44; ++set[4]) {
                        for (set[5] = set[4] + 1; set[5] <= 45; ++set[5]) {
                            ++winners[prize_of(set, draw)];
                        }
                    }
                }
            }
        }
    }
    const std::int64_t known[RANKS + 1] = {0, 1, 6, 228, 11'115, 182'780};
    for (int prize = 1; prize <= RANKS; ++prize) {
        EXPECT_EQ(winners[prize], known[prize]) << prize;
        EXPECT_NEAR(prize_chance(prize),
                    static_cast<double>(winners[prize]) / static_cast<double>(ALL_SET_COUNT), 1e-15)
            << prize;
    }
}

TEST(BackTest, CountsEqualTheFullEnumerationAndRanksAreMidRanks)
{
    static ScoreDistribution distribution;
    static TotalCounts proposable;
    static TotalCounts all;
    tally_all_sets(MAX_NUMBER, COMPILED_IN_POINTS, distribution);
    count_totals(COMPILED_IN_POINTS, proposable, &all);
    for (int total = 0; total <= MAX_TOTAL_POINTS; ++total) {
        EXPECT_EQ(proposable[total], distribution.total[PROPOSABLE_SETS][total]) << total;
        EXPECT_EQ(all[total], distribution.total[ALL_SETS][total]) << total;
    }
    TotalCounts hand{};
    hand[10] = 1;
    hand[20] = 2;
    hand[30] = 1;
    EXPECT_DOUBLE_EQ(mid_rank(hand, 20), 0.5);
    EXPECT_DOUBLE_EQ(mid_rank(hand, 30), 0.875);
    EXPECT_DOUBLE_EQ(mid_rank(hand, 25), 0.75);
}

TEST(BackTest, TheSixteenthDrawOfAMadeUpHistory)
{
    // Fifteen draws of 1 to 6 put every other number on the 15-point list; the sixteenth
    // draw, 7 8 9 10 11 12, then earns 6 x 15 = 90, plus 1 (sum 57), 2 (colours 2 : 4)
    // and 35 (three odd).
    history.count = 16;
    for (int i = 0; i < 15; ++i) {
        history.draws[i] = Draw{i + 1, {1, 2, 3, 4, 5, 6}, 0, i + 1, 0};
    }
    history.draws[15] = Draw{16, {7, 8, 9, 10, 11, 12}, 0, 16, 0};
    static BackTest test;
    run_back_test(history, test);
    ASSERT_EQ(test.count, 1);
    EXPECT_EQ(test.draws[0].round, 16);
    EXPECT_EQ(test.draws[0].total, 128);
    EXPECT_EQ(test.observed[score_band(128)], 1);
    double expected = 0.0;
    for (double band : test.expected) {
        expected += band;
    }
    EXPECT_NEAR(expected, 1.0, 1e-12);     // one draw's band probabilities
    EXPECT_EQ(test.degrees_of_freedom, 0); // one draw is no test
    EXPECT_EQ(non_appearing_points().by_number, COMPILED_IN_POINTS.by_number);
}

TEST(BackTest, ScoreBandsAtTheirEdges)
{
    const struct {
        int total;
        int band;
    } edges[] = {{0, 0}, {49, 0}, {50, 1}, {59, 1}, {60, 2}, {139, 9}, {140, 10}, {300, 10}};
    for (const auto& edge : edges) {
        EXPECT_EQ(score_band(edge.total), edge.band) << edge.total;
    }
    for (int band = 1; band < SCORE_BAND_COUNT; ++band) {
        EXPECT_EQ(score_band(score_band_lowest(band)), band);
        EXPECT_EQ(score_band(score_band_lowest(band) - 1), band - 1);
    }
    EXPECT_EQ(score_band_highest(SCORE_BAND_COUNT - 1), -1);
}

TEST(BackTest, ChiSquareOverMergedBands)
{
    static BackTest test;
    test = BackTest{};
    // Eleven bands; the lowest three expect too little alone and merge into one.
    const double expected[SCORE_BAND_COUNT] = {1, 1, 3, 10, 10, 10, 10, 10, 10, 10, 10};
    const std::int64_t observed[SCORE_BAND_COUNT] = {2, 2, 1, 10, 10, 10, 10, 10, 10, 10, 20};
    for (int band = 0; band < SCORE_BAND_COUNT; ++band) {
        test.expected[band] = expected[band];
        test.observed[band] = observed[band];
    }
    test_score_bands(test);
    EXPECT_EQ(test.degrees_of_freedom, 8); // nine bands
    EXPECT_DOUBLE_EQ(test.chi_square, 10.0);
    EXPECT_NEAR(test.p_value, 0.2650, 5e-5); // the chi-square table's value for 10 on 8
}

} // namespace
