// What each round paid: the prizes file read by the rules of every file of records, rows that
// must hold together, a round added at the end, and what a winning game is worth.
#include <gtest/gtest.h>

#include <string>

#include "lottery/lottery_calendar.hpp"
#include "prizes/prize_append.hpp"
#include "prizes/prize_table.hpp"
#include "prizes/shipped_prizes.hpp"
#include "tickets/ticket_check.hpp"

namespace {

PrizeTable table;

bool read_text(const std::string& text, RecordError& error)
{
    TextSource source = memory_source(text.data(), text.size());
    return read_prizes_source(source, table, error);
}

constexpr char HEADER_LINE[] =
    "round,prize1,winners1,prize2,winners2,prize3,winners3,prize4,winners4,prize5,winners5,sales\n";
// Round 1230 as published.
constexpr char ROUND_1230[] =
    "1230,1771357196,16,52484658,90,1415953,3336,50000,168902,5000,2770957,120177677000";

TEST(PrizesFile, ReadsWhatPeopleWriteAndRefusesEveryBrokenRule)
{
    const struct {
        std::string text;
        bool ok;
        int line;
        const char* message;
    } cases[] = {
        {std::string(HEADER_LINE) + ROUND_1230 + "\n", true, 0, ""},
        {std::string("\xEF\xBB\xBF# comment\r\n") + HEADER_LINE + "\r\n" + ROUND_1230 + "\r\n",
         true, 0, ""},
        // Nobody won the 1st prize in round 1: its division is 0,0.
        {"1,0,0,143934100,1,5140500,28,113400,2537,10000,40155,3681782000\n", true, 0, ""},
        {"1,0,0,143934100,1,5140500,28,113400,2537,10000,40155\n", false, 1,
         "expected the round, a prize and its winners for each of the five ranks, and the "
         "sales, not 11 fields"},
        {"1,0,5,143934100,1,5140500,28,113400,2537,10000,40155,3681782000\n", false, 1,
         "round 1: the 1st prize pays nothing to 5 winners"},
        {"1,7,0,143934100,1,5140500,28,113400,2537,10000,40155,3681782000\n", false, 1,
         "round 1: the 1st prize pays 7 won to nobody"},
        {"1,100,1,143934100,1,5140500,28,113400,2537,10000,40155,3681782000\n", false, 1,
         "round 1: the 1st prize (100 won) does not pay more than the 2nd (143934100 won)"},
        // A lower rank nobody won is no bar: round 3's 2nd prize.
        {"3,2000000000,1,0,0,1174100,139,54900,5940,10000,73256,4729342000\n", true, 0, ""},
        {"3,2000000000,1,0,0,1174100,139,54900,5940,54900,73256,4729342000\n", false, 1,
         "round 3: the 4th prize (54900 won) does not pay more than the 5th (54900 won)"},
        {"1230,1,1,1,1,1,1,1,1,1,1,x\n", false, 1,
         "'x' is not a whole amount of at most 15 digits"},
        {"1230,-5,1,1,1,1,1,1,1,1,1,1\n", false, 1,
         "'-5' is not a whole amount of at most 15 digits"},
        {"1230,1234567890123456,1,1,1,1,1,1,1,1,1,1\n", false, 1,
         "'1234567890123456' is not a whole amount of at most 15 digits"},
        {std::string(ROUND_1230) + "\n1232,1,1,0,0,0,0,0,0,0,0,0\n", false, 2,
         "round 1232 follows round 1230; the rounds between are missing"},
        {std::string(ROUND_1230) + "\n1229,1,1,0,0,0,0,0,0,0,0,0\n", false, 2,
         "round 1229 comes after round 1230; the rounds must ascend"},
        {std::string(ROUND_1230) + "\n" + ROUND_1230 + "\n", false, 2,
         "round 1230 comes after round 1230; the rounds must ascend"},
        {"1230,,1,1,1,1,1,1,1,1,1,1\n", false, 1, "field 2 is empty"},
    };
    for (const auto& c : cases) {
        RecordError error{};
        EXPECT_EQ(read_text(c.text, error), c.ok) << c.text;
        EXPECT_EQ(error.line, c.line) << c.text;
        EXPECT_STREQ(error.message, c.message) << c.text;
    }
}

TEST(PrizesFile, TheShippedPrizesAreRounds1To1230AndHoldTogether)
{
    RecordError error{};
    ASSERT_TRUE(read_text(
        std::string(reinterpret_cast<const char*>(SHIPPED_PRIZES), SHIPPED_PRIZES_SIZE), error))
        << error.line << ": " << error.message;
    ASSERT_EQ(table.count, 1230);
    EXPECT_EQ(table.rounds[0].round, 1);
    EXPECT_EQ(newest_prize_round(table), 1230);
    const RoundPrizes* last = prizes_of_round(table, 1230);
    ASSERT_NE(last, nullptr);
    char line[MAX_LINE_BYTES + 1];
    format_prizes_line(line, *last);
    EXPECT_STREQ(line, ROUND_1230);
    EXPECT_EQ(prizes_of_round(table, 0), nullptr);
    EXPECT_EQ(prizes_of_round(table, 1231), nullptr);
}

TEST(PrizesFile, ARoundGoesAtTheEndInTheFilesStyleOrNotAtAll)
{
    RoundPrizes next{};
    const RoundPrizes round_1231{1231,
                                 {{2'000'000'000, 10},
                                  {50'000'000, 70},
                                  {1'500'000, 3000},
                                  {50'000, 150'000},
                                  {5'000, 2'500'000}},
                                 118'000'000'000,
                                 0};
    const struct {
        std::string file;
        AddPrizesOutcome outcome;
        long at;
        const char* text;
    } cases[] = {
        {"", AddPrizesOutcome::Added, 0,
         "round,prize1,winners1,prize2,winners2,prize3,winners3,prize4,winners4,prize5,winners5,"
         "sales\n1231,2000000000,10,50000000,70,1500000,3000,50000,150000,5000,2500000,"
         "118000000000\n"},
        {std::string(ROUND_1230) + "\r\n", AddPrizesOutcome::Added, 84,
         "1231,2000000000,10,50000000,70,1500000,3000,50000,150000,5000,2500000,118000000000\r\n"},
        {std::string(ROUND_1230), AddPrizesOutcome::Added, 82,
         "\n1231,2000000000,10,50000000,70,1500000,3000,50000,150000,5000,2500000,118000000000\n"},
        {"1229,1,1,0,0,0,0,0,0,0,0,0\n", AddPrizesOutcome::NotNext, 0, ""},
        {"1231,2000000000,10,50000000,70,1500000,3000,50000,150000,5000,2500000,118000000000\n",
         AddPrizesOutcome::AlreadyThere, 0, ""},
        {"1231,2000000000,11,50000000,70,1500000,3000,50000,150000,5000,2500000,118000000000\n",
         AddPrizesOutcome::Disagrees, 0, ""},
        {"1231,x\n", AddPrizesOutcome::FileRefused, 0, ""},
    };
    for (const auto& c : cases) {
        TextSource source = memory_source(c.file.data(), c.file.size());
        RecordError error{};
        static TextInsertion insertion;
        next = round_1231;
        EXPECT_EQ(plan_prizes_insertion(source, next, table, error, insertion), c.outcome)
            << c.file;
        EXPECT_EQ(insertion.at, c.at) << c.file;
        EXPECT_STREQ(insertion.text, c.text) << c.file;
    }
}

TEST(PrizeAmounts, AfterTaxAndTheLastDayToClaim)
{
    const struct {
        std::int64_t prize;
        std::int64_t after_tax;
    } taxed[] = {
        {5'000, 5'000},
        {2'000'000, 2'000'000},                       // up to 2,000,000: nothing withheld
        {2'000'001, 2'000'001 - 439'780},             // 22 % of 2,000,001 less the 1,000-won game
        {300'001'000, 300'001'000 - 66'000'000},      // 22 % of 300,000,000
        {1'771'357'196, 1'771'357'196 - 551'547'544}, // 66,000,000 + 33 % of 1,471,356,196
    };
    for (const auto& c : taxed) {
        EXPECT_EQ(after_tax_estimate(c.prize), c.after_tax) << c.prize;
    }
    const struct {
        std::int32_t round;
        std::int32_t draw;
        std::int32_t last_day;
    } claims[] = {
        {1, 20021207, 20031208},
        {1230, 20260627, 20270628},
        {1105, 20240203, 20250204},
        // Round 1526 is drawn on 2032-02-28 and pays from 29 February: a year after is 1 March.
        {1526, 20320228, 20330301},
        {1787, 20370228, 20380301},
    };
    for (const auto& c : claims) {
        EXPECT_EQ(draw_date_of_round(c.round), c.draw) << c.round;
        EXPECT_EQ(last_claim_day(c.round), c.last_day) << c.round;
    }
    // 2026-07-04 14:59:59 UTC is 23:59:59 in Korea; a second later it is the 5th there.
    EXPECT_EQ(korean_date(1'783'177'199), 20260704);
    EXPECT_EQ(korean_date(1'783'177'200), 20260705);
}

// Rounds 1 to 401 drawn, each 1,2,3,4,5,6 with the bonus 7; prizes known for rounds 86 to 400.
TEST(PrizeAmounts, AWinningGameIsWorthItsRoundsPrizeOrTheFixedOneOrNotKnown)
{
    static DrawHistory draws;
    draws.count = 402;
    for (int i = 0; i < draws.count; ++i) {
        draws.draws[i] = Draw{i + 1, {1, 2, 3, 4, 5, 6}, 7, i + 1, 0};
    }
    table.count = 0;
    for (std::int32_t round = 86; round <= 400; ++round) {
        table.rounds[table.count++] = RoundPrizes{
            round,
            {{900'000'000, 1}, {40'000'000, 2}, {1'000'000, 30}, {60'000, 100}, {7'000, 900}},
            1,
            0};
    }
    const struct {
        std::int32_t round;
        NumberSet numbers;
        std::int64_t prize;
    } cases[] = {
        {85, {1, 2, 3, 4, 5, 6}, -1},      // the 1st prize of a round the file lacks
        {85, {1, 2, 3, 4, 8, 9}, -1},      // the 4th before round 401: a share of the pool
        {85, {1, 2, 3, 8, 9, 10}, 10'000}, // the 5th before round 88
        {86, {1, 2, 3, 4, 5, 6}, 900'000'000},
        {87, {1, 2, 3, 4, 5, 7}, 40'000'000},
        {88, {1, 2, 3, 4, 5, 8}, 1'000'000},
        {400, {1, 2, 3, 4, 8, 9}, 60'000}, // the file's amount, not a fixed one
        {400, {1, 2, 3, 8, 9, 10}, 7'000},
        {401, {1, 2, 3, 4, 8, 9}, 50'000}, // the fixed 4th from round 401
        {401, {1, 2, 3, 8, 9, 10}, 5'000},
        {401, {1, 2, 3, 4, 5, 6}, -1},
        {402, {1, 2, 8, 9, 10, 11}, 0},
    };
    for (const auto& c : cases) {
        const TicketResult result =
            check_ticket(Ticket{c.round, c.numbers, "", 1}, CheckBasis{draws, &table, 0});
        EXPECT_EQ(result.state, GameState::Drawn) << c.round;
        EXPECT_EQ(result.prize, c.prize) << c.round << " rank " << result.rank;
    }
    // After the history: not drawn while its sales are open, then not in the history yet.
    // Round 403's sales close on Saturday 2010-08-21 at 20:00 in Korea, 11:00 UTC.
    const std::int64_t closing = 1'282'388'400;
    const Ticket later{403, {1, 2, 3, 4, 5, 6}, "", 1};
    EXPECT_EQ(check_ticket(later, CheckBasis{draws, &table, closing - 1}).state,
              GameState::NotDrawnYet);
    EXPECT_EQ(check_ticket(later, CheckBasis{draws, &table, closing}).state,
              GameState::NotInHistoryYet);
    EXPECT_EQ(check_ticket(later, CheckBasis{draws, &table, 0}).state, GameState::NotDrawnYet);
}

} // namespace
