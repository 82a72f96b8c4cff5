// A player's week: adding draws in the file's own order and style, tickets typed or from a
// slip's QR code, what they won, and the round on sale.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <utility>

#include "history/draw_append.hpp"
#include "history/shipped_history.hpp"
#include "lottery/lottery_calendar.hpp"
#include "player_files/file_updates.hpp"
#include "records/text_insertion.hpp"
#include "test_files.hpp"
#include "tickets/slip_code.hpp"
#include "tickets/ticket_append.hpp"
#include "tickets/ticket_check.hpp"
#include "tickets/ticket_ledger.hpp"
#include "tickets/ticket_summary.hpp"
#include "tickets/tickets.hpp"

namespace {

namespace fs = std::filesystem;

DrawHistory history;
TicketFile tickets;
constexpr char BOM[] = "\xEF\xBB\xBF";

// A file in the test's own folder, which is emptied first.
fs::path own_file(const char* name)
{
    return own_folder() / name;
}

// The text as a stream to read, through a file of the test's own.
std::FILE* stream_of(const std::string& text)
{
    const fs::path path = own_file("stream.txt");
    write(path, text);
    return std::fopen(path.string().c_str(), "rb");
}

// Rounds `first` to `last` as `line_of(round)` gives them, each with `line_end`.
std::string draw_lines(int first, int last, std::string (*line_of)(int), const char* line_end,
                       bool newest_first = false)
{
    std::string text;
    for (int i = first; i <= last; ++i) {
        text += line_of(newest_first ? last - (i - first) : i) + line_end;
    }
    return text;
}

std::string numbers_of(int round)
{
    const int a = round % 30 + 1;
    return std::to_string(a) + "," + std::to_string(a + 3) + "," + std::to_string(a + 5) + "," +
           std::to_string(a + 7) + "," + std::to_string(a + 9) + "," + std::to_string(a + 11);
}

std::string dated(int round)
{
    char date[32];
    std::snprintf(date, sizeof date, "2025-01-%02d", round);
    return std::to_string(round) + "," + date + "," + numbers_of(round) + ",45";
}

std::string undated(int round)
{
    return std::to_string(round) + "," + numbers_of(round);
}

std::string replace_all(std::string text, const std::string& from, const std::string& to)
{
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

} // namespace

TEST(AddDraw, TheNewLineTakesTheFilesOrderAndStyleAndEveryOtherByteStays)
{
    const std::string oldest = draw_lines(1, 20, dated, "\n");
    const std::string newest = draw_lines(1, 20, dated, "\n", true);
    std::string quoted; // "1","2",... on every line
    for (int r = 1; r <= 20; ++r) {
        quoted += '"';
        quoted += replace_all(undated(r), ",", "\",\"");
        quoted += "\"\n";
    }
    const struct {
        const char* what;
        std::string before;
        const char* line;
        std::string after;
    } cases[] = {
        {"oldest first", oldest, "21,2025-01-21,45,1,7,3,9,2,44",
         oldest + "21,2025-01-21,1,2,3,7,9,45,44\n"},
        {"newest first, the operator's order, header and comments kept",
         "# mine\nround,date,n1,n2,n3,n4,n5,n6,bonus\n" + newest + "\n# end\n",
         "21,2025-01-21,1,2,3,4,5,6,7",
         "# mine\nround,date,n1,n2,n3,n4,n5,n6,bonus\n21,2025-01-21,1,2,3,4,5,6,7\n" + newest +
             "\n# end\n"},
        {"CRLF and a byte-order mark", std::string(BOM) + replace_all(newest, "\n", "\r\n"),
         "21,2025-01-21,1,2,3,4,5,6,7",
         std::string(BOM) + "21,2025-01-21,1,2,3,4,5,6,7\r\n" + replace_all(newest, "\n", "\r\n")},
        {"no line end after the last draw", oldest.substr(0, oldest.size() - 1),
         "21,2025-01-21,1,2,3,4,5,6,7", oldest + "21,2025-01-21,1,2,3,4,5,6,7"},
        {"dotted dates, comma and blank",
         replace_all(replace_all(oldest, "2025-01-", "2025.01."), ",", ", "),
         "21,2025-01-21,1,2,3,4,5,6,7",
         replace_all(replace_all(oldest, "2025-01-", "2025.01."), ",", ", ") +
             "21, 2025.01.21, 1, 2, 3, 4, 5, 6, 7\n"},
        {"tabs, no dates, no bonus", replace_all(draw_lines(1, 20, undated, "\n"), ",", "\t"),
         "21 1 2 3 4 5 6",
         replace_all(draw_lines(1, 20, undated, "\n"), ",", "\t") + "21\t1\t2\t3\t4\t5\t6\n"},
        {"a dated line given to a file without dates", draw_lines(1, 20, undated, "\n"),
         "21,2025-01-21,1,2,3,4,5,6", draw_lines(1, 20, undated, "\n") + "21,1,2,3,4,5,6\n"},
        {"quoted fields", quoted, "21,1,2,3,4,5,6",
         quoted + "\"21\",\"1\",\"2\",\"3\",\"4\",\"5\",\"6\"\n"},
    };
    for (const auto& c : cases) {
        const fs::path path = own_file("draws.csv");
        write(path, c.before);
        Draw draw{};
        RecordError error{};
        EXPECT_EQ(add_draw_to_file(path.string().c_str(), c.line, 0, history, draw, error),
                  AddDrawOutcome::Added)
            << c.what << ": " << error.message;
        EXPECT_EQ(contents(path), c.after) << c.what;
        EXPECT_EQ(fs::directory_iterator(path.parent_path())->path(), path) << "a leftover";
        // The history given back holds the draw added, as its newest round.
        EXPECT_EQ(history.draws[history.count - 1].round, draw.round) << c.what;
        EXPECT_EQ(history.draws[history.count - 1].numbers, draw.numbers) << c.what;
    }
}

TEST(AddDraw, EveryRefusalLeavesTheFileUntouched)
{
    const std::string oldest = draw_lines(1, 20, dated, "\n");
    const struct {
        std::string file;
        const char* line;
        AddDrawOutcome outcome;
        const char* message;
        int error_line;
    } cases[] = {
        {oldest, "20,2025-01-20,1,2,3,4,5,6,7", AddDrawOutcome::LineRefused,
         "round 20 is already on line 20, with another draw", 0},
        {oldest, "22,2025-01-22,1,2,3,4,5,6,7", AddDrawOutcome::LineRefused,
         "round 21 is missing: add it before round 22", 0},
        {oldest, "21,2025-01-20,1,2,3,4,5,6,7", AddDrawOutcome::LineRefused,
         "the date is not after round 20's, 2025-01-20", 0},
        {oldest, "21,2025-01-21,1,2,3,4,5,6", AddDrawOutcome::LineRefused,
         "the draws of the history have a bonus: a winning number or the bonus is missing", 0},
        {oldest, "21,1,2,3,4,5,6,7", AddDrawOutcome::LineRefused,
         "the draws of the history have dates; give the draw's date", 0},
        {draw_lines(1, 20, undated, "\n"), "21,1,2,3,4,5,6,7", AddDrawOutcome::LineRefused,
         "the draws of the history have no bonus; give the draw without one", 0},
        {oldest, "21,2025-02-30,1,2,3,4,5,6,7", AddDrawOutcome::LineRefused,
         "the date '2025-02-30' is no day of the calendar", 0},
        {oldest, "21,2025-01-21,1,2,3,4,5,46,7", AddDrawOutcome::LineRefused,
         "'46' is not a number from 1 to 45", 0},
        {oldest, "# a comment", AddDrawOutcome::LineRefused,
         "expected the round, a date if any, six numbers and a bonus", 0},
        {oldest + "21,x\n", "21,2025-01-21,1,2,3,4,5,6,7", AddDrawOutcome::FileRefused,
         "expected the round, a date if any, six numbers and a bonus if any, not 2 fields", 21},
        {oldest, "20,2025-01-20", AddDrawOutcome::LineRefused,
         "expected the round, a date if any, six numbers and a bonus if any, not 2 fields", 0},
    };
    for (const auto& c : cases) {
        const fs::path path = own_file("draws.csv");
        write(path, c.file);
        const auto inode_before = fs::status(path).permissions();
        const auto time_before = fs::last_write_time(path);
        Draw draw{};
        RecordError error{};
        EXPECT_EQ(add_draw_to_file(path.string().c_str(), c.line, 0, history, draw, error),
                  c.outcome)
            << c.line;
        EXPECT_STREQ(error.message, c.message);
        EXPECT_EQ(error.line, c.error_line) << c.message;
        EXPECT_EQ(contents(path), c.file) << c.line;
        EXPECT_EQ(fs::last_write_time(path), time_before) << c.line;
        EXPECT_EQ(fs::status(path).permissions(), inode_before);
    }
    // The same draw again adds nothing.
    const fs::path path = own_file("draws.csv");
    write(path, oldest);
    Draw draw{};
    RecordError error{};
    EXPECT_EQ(add_draw_to_file(path.string().c_str(), dated(7).c_str(), 0, history, draw, error),
              AddDrawOutcome::AlreadyThere);
    EXPECT_EQ(contents(path), oldest);
    EXPECT_EQ(add_draw_to_file((path.string() + ".missing").c_str(), dated(21).c_str(), 0, history,
                               draw, error),
              AddDrawOutcome::Failed);
}

TEST(ShippedHistory, IsAValidHistoryOfTheRealDrawsToRound1230)
{
    std::FILE* file = stream_of(
        std::string(reinterpret_cast<const char*>(SHIPPED_HISTORY), SHIPPED_HISTORY_SIZE));
    ASSERT_NE(file, nullptr);
    RecordError error{};
    ASSERT_TRUE(read_draw_stream(file, history, error)) << error.line << ": " << error.message;
    std::fclose(file);
    EXPECT_EQ(history.count, 1230);
    EXPECT_EQ(history.draws[0].round, 1);
    EXPECT_EQ(history.draws[0].date, 20021207);
    EXPECT_EQ(history.draws[1229].round, 1230);
    EXPECT_EQ(history.draws[1229].date, 20260627);
    EXPECT_EQ(history.draws[1229].numbers, (NumberSet{3, 8, 9, 22, 28, 42}));
    EXPECT_EQ(history.draws[1229].bonus, 45);
    // Every real draw fell on its round's Saturday, through six leap days: the date the page
    // offers for the next round.
    for (int i = 0; i < history.count; ++i) {
        ASSERT_EQ(draw_date_of_round(history.draws[i].round), history.draws[i].date)
            << history.draws[i].round;
    }
    EXPECT_EQ(draw_date_of_round(1254), 20261212);
    EXPECT_EQ(draw_date_of_round(1315), 20280212); // 2028-02-29 is a leap day between
    EXPECT_EQ(draw_date_of_round(1318), 20280304);
}

TEST(SlipCode, GoodAndBadCodes)
{
    const std::string two_games =
        "1231q030914273641m051117223344n000000000000n000000000000n0000000000001234567890";
    const std::string newer = "1232s010203040506n000000000000n000000000000n000000000000"
                              "m404142434445123456789012345678";
    const struct {
        std::string text;
        int games;
        const char* message;
    } cases[] = {
        {two_games, 2, ""},
        {"http://qr.example.kr/?v=" + two_games, 2, ""},
        {"https://m.example.kr/qr.do?method=winQr&v=" + two_games + "#top", 2, ""},
        {newer, 2, ""},
        {two_games.substr(0, 78), 0, "a slip's code has 79 or 87 characters, not 78"},
        {"0000" + two_games.substr(4), 0, "the slip's round is 0"},
        {"12a1" + two_games.substr(4), 0, "a slip's code begins with its round in four digits"},
        {"1231x030914273641" + two_games.substr(17), 0,
         "game 1 of the slip begins with 'x', not m, q, s or n"},
        {"1231q030914273646" + two_games.substr(17), 0,
         "game 1 of the slip holds 46, not a number from 1 to 45"},
        {"1231q000914273641" + two_games.substr(17), 0,
         "game 1 of the slip holds 00, not a number from 1 to 45"},
        {"1231q090314273641" + two_games.substr(17), 0,
         "game 1 of the slip holds its numbers out of order or twice"},
        {"1231q030914273636" + two_games.substr(17), 0,
         "game 1 of the slip holds its numbers out of order or twice"},
        {two_games.substr(0, 30) + "n000000000001" + two_games.substr(43), 0,
         "game 3 of the slip is not bought but holds numbers"},
        {two_games.substr(0, 30) + "n00000000000x" + two_games.substr(43), 0,
         "game 3 of the slip holds a character that is no digit"},
        {"1231n000000000000n000000000000n000000000000n000000000000n0000000000001234567890", 0,
         "the slip holds no game"},
        {two_games.substr(0, 69) + "12345678x0", 0,
         "a slip's code ends with the slip's number, in digits"},
        {"1231\x1b" + two_games.substr(5), 0,
         "game 1 of the slip begins with '\\x1b', not m, q, s or n"},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(looks_like_slip_code(c.text.c_str())) << c.text;
        SlipGames slip{};
        RecordError error{};
        EXPECT_EQ(read_slip_code(c.text.c_str(), slip, error), c.games > 0) << c.text;
        EXPECT_STREQ(error.message, c.message) << c.text;
        EXPECT_EQ(slip.count, c.games) << c.text;
    }
    SlipGames slip{};
    RecordError error{};
    ASSERT_TRUE(read_slip_code(two_games.c_str(), slip, error));
    EXPECT_EQ(slip.games[0].round, 1231);
    EXPECT_EQ(slip.games[0].numbers, (NumberSet{3, 9, 14, 27, 36, 41}));
    EXPECT_EQ(slip.games[1].numbers, (NumberSet{5, 11, 17, 22, 33, 44}));
    EXPECT_STREQ(slip.games[1].slip, "1234567890");
    ASSERT_TRUE(read_slip_code(newer.c_str(), slip, error));
    EXPECT_STREQ(slip.games[1].slip, "123456789012345678");
    EXPECT_EQ(slip.games[1].numbers, (NumberSet{40, 41, 42, 43, 44, 45}));
    for (const char* line : {"1231,1,2,3,4,5,6", "1231 1 2 3 4 5 6", "1231, 1, 2, 3, 4, 5, 6"}) {
        EXPECT_FALSE(looks_like_slip_code(line)) << line;
    }
}

TEST(TicketFile, ReadsWhatPeopleWriteAndRefusesTheRest)
{
    const struct {
        std::string text;
        int count; // -1: refused
        int line;
        const char* message;
    } cases[] = {
        {"round,n1,n2,n3,n4,n5,n6,slip\n1231,6,5,4,3,2,1\n# mine\n\n1231, 7 8 9 10 11 "
         "12,0123456789\n",
         2, 0, ""},
        {"1231,1,2,3,4,5,6\n1231,1,2,3,4,5,6\r\n", 2, 0, ""}, // bought twice: two tickets
        {"", 0, 0, ""},
        {"1231,1,2,3,4,5\n", -1, 1,
         "expected the round, six numbers and the slip's code if any, not 6 fields"},
        {"1231,1,2,3,4,5,46\n", -1, 1, "'46' is not a number from 1 to 45"},
        {"1231,1,2,3,4,5,5\n", -1, 1, "5 is chosen twice"},
        {"1231,1,2,3,4,5,6\n0,1,2,3,4,5,6\n", -1, 2,
         "the round '0' is not a positive whole number"},
        {"1231,1,2,3,4,5,6,12ab\n", -1, 1, "the slip's code '12ab' is not 1 to 20 digits"},
        {"1231,1,2,,3,4,5,6\n", -1, 1, "field 4 is empty"},
        {"1231,1,2,3,4,5,6,\n", -1, 1, "field 8 is empty"},
        {"1231,\x1b[2J,2,3,4,5,6\n", -1, 1, "'\\x1b[2J' is not a number from 1 to 45"},
    };
    for (const auto& c : cases) {
        std::FILE* file = stream_of(c.text);
        ASSERT_NE(file, nullptr);
        RecordError error{};
        const bool ok = read_ticket_stream(file, tickets, error);
        std::fclose(file);
        EXPECT_EQ(ok, c.count >= 0) << c.text;
        if (ok) {
            EXPECT_EQ(tickets.count, c.count) << c.text;
        }
        EXPECT_EQ(error.line, c.line) << c.text;
        EXPECT_STREQ(error.message, c.message) << c.text;
    }
}

TEST(TicketCheck, HandWorkedTicketsAgainstTheirDraws)
{
    // Rounds 1 to 401 drawn, each 1,2,3,4,5,6 with the bonus 7.
    history.count = 401;
    for (int i = 0; i < history.count; ++i) {
        history.draws[i] = Draw{i + 1, {1, 2, 3, 4, 5, 6}, 7, i + 1, 0};
    }
    const struct {
        std::int32_t round;
        NumberSet numbers;
        GameState state;
        int matched;
        bool bonus;
        int rank;
        std::int64_t prize;
        std::int64_t price;
    } cases[] = {
        {400, {1, 2, 3, 4, 5, 6}, GameState::Drawn, 6, false, 1, -1, 1000},
        {400, {1, 2, 3, 4, 5, 7}, GameState::Drawn, 5, true, 2, -1, 1000},
        {400, {1, 2, 3, 4, 5, 8}, GameState::Drawn, 5, false, 3, -1, 1000},
        {400, {1, 2, 3, 4, 7, 8}, GameState::Drawn, 4, true, 4, -1, 1000}, // 4th before 401: the
                                                                           // pool's
        {401, {1, 2, 3, 4, 8, 9}, GameState::Drawn, 4, false, 4, 50000, 1000}, // fixed from 401 on
        {87, {1, 2, 3, 7, 8, 9}, GameState::Drawn, 3, true, 5, 10000, 2000},   // before round 88
        {88, {1, 2, 3, 8, 9, 10}, GameState::Drawn, 3, false, 5, 5000, 1000},
        {88, {1, 2, 7, 8, 9, 10}, GameState::Drawn, 2, true, 0, 0, 1000},
        {402, {1, 2, 3, 4, 5, 6}, GameState::NotDrawnYet, 0, false, 0, 0, 1000},
    };
    for (const auto& c : cases) {
        Ticket ticket{c.round, c.numbers, "", 1};
        const TicketResult result = check_ticket(ticket, CheckBasis{history, nullptr, 0});
        EXPECT_EQ(result.state, c.state) << c.round;
        EXPECT_EQ(result.matched, c.matched) << c.round << " " << c.rank;
        EXPECT_EQ(result.bonus_matched, c.bonus) << c.round << " " << c.rank;
        EXPECT_EQ(result.rank, c.rank) << c.round;
        EXPECT_EQ(result.state == GameState::Drawn ? fixed_prize(result.rank, c.round) : 0, c.prize)
            << c.round;
        EXPECT_EQ(game_price(c.round), c.price) << c.round;
    }
    // A history that begins at round 10 cannot tell what a game of round 9 won.
    static DrawHistory later;
    later.count = 1;
    later.draws[0] = Draw{10, {1, 2, 3, 4, 5, 6}, 7, 1, 0};
    EXPECT_EQ(
        check_ticket(Ticket{9, {1, 2, 3, 4, 5, 6}, "", 1}, CheckBasis{later, nullptr, 0}).state,
        GameState::BeforeHistory);
    EXPECT_EQ(
        check_ticket(Ticket{10, {1, 2, 3, 4, 5, 6}, "", 1}, CheckBasis{later, nullptr, 0}).state,
        GameState::Drawn);
    EXPECT_EQ(
        check_ticket(Ticket{11, {1, 2, 3, 4, 5, 6}, "", 1}, CheckBasis{later, nullptr, 0}).state,
        GameState::NotDrawnYet);
    const TicketResult marked =
        check_ticket(Ticket{1, {2, 4, 8, 10, 12, 14}, "", 1}, CheckBasis{history, nullptr, 0});
    EXPECT_TRUE(marked.is_matched[0] && marked.is_matched[1]);
    EXPECT_FALSE(marked.is_matched[2] || marked.is_matched[5]);
}

TEST(SalesRound, FollowsTheKoreanClockToTheSecond)
{
    // Round 1's sales ended at 2002-12-07 20:00 in Korea, 11:00 UTC.
    constexpr std::int64_t first_end = 1'039'219'200 + 11 * 3600;
    constexpr std::int64_t week = std::int64_t{7} * 86400;
    const struct {
        std::int64_t seconds;
        std::int32_t round;
    } cases[] = {
        {0, 1},
        {first_end - 1, 1},
        {first_end, 2},
        {first_end + week - 1, 2},
        {first_end + week, 3},
        // Round 1230's Saturday, 2026-06-27: 19:59:59 and 20:00 in Korea.
        {first_end + 1229 * week - 1, 1230},
        {first_end + 1229 * week, 1231},
        // Saturday 2026-06-27 23:30 UTC is already Sunday in Korea: round 1231 on sale.
        {1'782'518'400 + 23 * 3600 + 1800, 1231},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(round_on_sale(c.seconds), c.round) << c.seconds;
    }
}

TEST(TextInsertion, RemovesOneWholeLineAndKeepsEveryOtherByte)
{
    const struct {
        const char* text;
        long line;
        const char* left; // nullptr: refused, nothing changed
    } cases[] = {
        {"h\n1\n2\n", 2, "h\n2\n"},
        {"h\r\n1\r\n2\r\n", 3, "h\r\n1\r\n"},
        {"h\r1\r2", 3, "h\r1\r"},
        {"h\n1\n2", 3, "h\n1\n"},
        {"\xEF\xBB\xBF"
         "1\n2\n",
         1,
         "\xEF\xBB\xBF"
         "2\n"},
        {"h\n\n1\n", 3, "h\n\n"},
        {"h\n1\n", 3, nullptr},
        {"h\n1\n", 0, nullptr},
        // CRs before an LF are one line end, as the reader takes them; lone CRs each one.
        {"a\r\r\nb\r\r\nc", 2, "a\r\r\nc"},
        {"a\r\r\rb", 2, "a\r\rb"},
        {"a\r\r\rb", 4, "a\r\r\r"},
    };
    for (const auto& c : cases) {
        char buffer[64];
        std::size_t length = std::strlen(c.text);
        std::memcpy(buffer, c.text, length);
        EXPECT_EQ(remove_text_line(buffer, length, c.line), c.left != nullptr) << c.text;
        EXPECT_EQ(std::string(buffer, length), c.left != nullptr ? c.left : c.text) << c.text;
    }
}

// The line an edit finds under a number is the line the reader reports under it, so that
// FILE:LINE in a message and the line removed or replaced are one.
TEST(TextInsertion, FindsEveryLineWhereTheReaderNumbersIt)
{
    const std::string texts[] = {"h\n1\n2",    "h\r\n1\r\n",  "a\r\r\nb\r\r\r\nc\r\n",
                                 "a\r\r\rb\r", "\n\n\rx\r\n", "\xEF\xBB\xBFh\r\r\n1"};
    for (const std::string& text : texts) {
        TextSource whole = memory_source(text.data(), text.size());
        LineReader reader = line_reader(whole);
        char expected[MAX_LINE_BYTES + 1];
        long number = 0;
        while (reader.next(expected) == LineRead::Line) {
            ++number;
            const long start = text_line_start(text.data(), text.size(), number);
            ASSERT_GE(start, 0) << "line " << number << " of " << text;
            TextSource rest = memory_source(text.data() + start, text.size() - start);
            LineReader from_start = line_reader(rest);
            char found[MAX_LINE_BYTES + 1];
            ASSERT_EQ(from_start.next(found), LineRead::Line);
            EXPECT_STREQ(found, expected) << "line " << number << " of " << text;
        }
        EXPECT_EQ(text_line_start(text.data(), text.size(), number + 1), -1) << text;
    }
}

TEST(TextInsertion, InsertsWhereToldOrNotAtAll)
{
    char buffer[8] = "ac";
    std::size_t length = 2;
    TextInsertion insertion{1, "b"};
    ASSERT_TRUE(insert_text(buffer, length, sizeof buffer, insertion));
    EXPECT_EQ(std::string(buffer, length), "abc");
    insertion = TextInsertion{3, "defgh"};
    EXPECT_TRUE(insert_text(buffer, length, sizeof buffer, insertion));
    EXPECT_EQ(std::string(buffer, length), "abcdefgh");
    insertion = TextInsertion{0, "x"};
    EXPECT_FALSE(insert_text(buffer, length, sizeof buffer, insertion)); // full
    length = 3;
    insertion = TextInsertion{4, "x"};
    EXPECT_FALSE(insert_text(buffer, length, sizeof buffer, insertion)); // past the end
    EXPECT_EQ(std::string(buffer, length), "abc");
}

TEST(TicketSummary, CountsPricesAndFixedPrizesByTheRulesOfTheirRound)
{
    // Rounds 70 to 410, each drawn 1 2 3 4 5 6 + 7.
    std::string text;
    for (int round = 70; round <= 410; ++round) {
        text += std::to_string(round) + ",1,2,3,4,5,6,7\n";
    }
    std::FILE* file = stream_of(text);
    ASSERT_NE(file, nullptr);
    RecordError error{};
    ASSERT_TRUE(read_draw_stream(file, history, error)) << error.message;
    std::fclose(file);
    static TicketFile tickets;
    tickets.count = 0;
    const auto game = [](std::int32_t round, NumberSet numbers) {
        Ticket ticket{};
        ticket.round = round;
        ticket.numbers = numbers;
        return ticket;
    };
    tickets.tickets[tickets.count++] = game(87, {1, 2, 3, 10, 11, 12}); // 5th, at 2,000 won
    tickets.tickets[tickets.count++] = game(88, {1, 2, 3, 10, 11, 12}); // 5th, at 1,000 won
    tickets.tickets[tickets.count++] = game(400, {1, 2, 3, 4, 10, 11}); // 4th from the pool
    tickets.tickets[tickets.count++] = game(401, {1, 2, 3, 4, 10, 11}); // 4th, fixed
    tickets.tickets[tickets.count++] = game(411, {1, 2, 3, 4, 5, 6});   // not drawn yet
    tickets.tickets[tickets.count++] = game(100, {1, 2, 3, 4, 5, 7});   // 2nd, from the pool
    const TicketSummary all = summarize_tickets(tickets, CheckBasis{history, nullptr, 0}, 0);
    EXPECT_EQ(all.games, 6);
    EXPECT_EQ(all.spent, 2000 + 5 * 1000);
    EXPECT_EQ(all.won, 10'000 + 5'000 + 50'000);
    EXPECT_EQ(all.by_result[5], 2);
    EXPECT_EQ(all.by_result[4], 2);
    EXPECT_EQ(all.by_result[2], 1);
    EXPECT_EQ(all.by_result[NOT_DRAWN], 1);
    const TicketSummary one = summarize_tickets(tickets, CheckBasis{history, nullptr, 0}, 401);
    EXPECT_EQ(one.games, 1);
    EXPECT_EQ(one.won, 50'000);
}

// The ledger by hand: months across a year's end, the history's date before the round's
// Saturday, a round before the history, one drawn with its prizes not out (sales 0), one not
// drawn, and the total's average return rounded from the exact sum.
TEST(TicketLedger, MonthsOfTheDrawsWhatCameBackAndWhatTheSameGamesReturnOnAverage)
{
    static DrawHistory drawn;
    drawn.count = 4;
    for (int i = 0; i < drawn.count; ++i) {
        drawn.draws[i] = Draw{3 + i, {1, 2, 3, 4, 5, 6}, 7, i + 1, 0};
    }
    drawn.draws[3].date = 20030201; // round 6, on a day of its own (its Saturday: 2003-01-11)
    static PrizeTable paid;
    paid.count = 4;
    const auto row = [](std::int32_t round, std::int64_t first, std::int64_t sales) {
        return RoundPrizes{round, {{first, 1}, {0, 0}, {0, 0}, {0, 0}, {5'000, 100}}, sales, 0};
    };
    paid.rounds[0] = row(3, 1'000'000, 3'000'000); // 1,500,000 paid of 3,000,000
    paid.rounds[1] = row(4, 1'000'000, 0);         // not out yet
    paid.rounds[2] = row(5, 500'000, 3'000'000);   // 1,000,000 of 3,000,000
    paid.rounds[3] = row(6, 500'000, 3'000'000);
    static TicketFile games;
    games.count = 0;
    for (const auto& [round, numbers] : std::initializer_list<std::pair<int, NumberSet>>{
             {3, {1, 2, 3, 4, 5, 6}},       // 1st: 1,000,000; back on average 1,000 of 2,000
             {4, {1, 2, 3, 4, 5, 6}},       // its prizes not out
             {1, {1, 2, 3, 4, 5, 6}},       // before the history
             {5, {1, 2, 3, 10, 11, 12}},    // 5th: 5,000; back 666.67
             {6, {10, 11, 12, 13, 14, 15}}, // nothing; back 666.67, in February by its date
             {11, {1, 2, 3, 4, 5, 6}}}) {   // not drawn: February by its Saturday
        Ticket ticket{};
        ticket.round = round;
        ticket.numbers = numbers;
        games.tickets[games.count++] = ticket;
    }
    static Ledger ledger;
    build_ledger(games, CheckBasis{drawn, &paid, 0}, ledger);
    std::string csv = LEDGER_CSV_HEADER;
    for (int i = 0; i < ledger.count; ++i) {
        csv += ledger_csv_row(ledger.months[i]).text;
    }
    csv += ledger_csv_row(ledger.total).text;
    EXPECT_EQ(csv, "month,games,spent,won,average_return,unknown\n"
                   "2002-12,3,6000,1000000,1000,2\n"
                   "2003-01,1,2000,5000,667,0\n"
                   "2003-02,2,4000,0,667,1\n"
                   "total,6,12000,1005000,2333,3\n"); // 2,333.33 exactly, not 1,000 + 667 + 667
    EXPECT_EQ(ledger.total.known_spent, 6'000);

    games.count = 0;
    build_ledger(games, CheckBasis{drawn, &paid, 0}, ledger);
    EXPECT_EQ(ledger.count, 0);
    EXPECT_STREQ(ledger_csv_row(ledger.total).text, "total,0,0,0,0,0\n");
    EXPECT_EQ(ledger_won(0.5), 1);
    EXPECT_EQ(ledger_won(2.4999), 2);
    EXPECT_EQ(ledger_won(2.5), 3);
}
