// The tickets report, whole, for a week with every kind of game in it: a pool prize with its
// amount and what is left after tax, a fixed prize, a prize the prizes file lacks, a game
// not in the history yet, one before the history; and the same as CSV.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "reports/ticket_report.hpp"
#include "text/translation.hpp"

namespace {

DrawHistory history;
PrizeTable prizes;
TicketFile tickets;

std::string written(void (*write)(std::FILE*, const TicketFile&, const CheckBasis&, std::int32_t),
                    const CheckBasis& basis)
{
    std::FILE* file = std::tmpfile();
    write(file, tickets, basis, 0);
    std::rewind(file);
    std::string text;
    for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file)) {
        text += static_cast<char>(c);
    }
    std::fclose(file);
    return text;
}

class TicketReport : public testing::Test {
protected:
    void SetUp() override
    {
        use_language(Language::English);
        // Rounds 1228 to 1230 as drawn; the prizes file holds 1229 and 1230.
        history.count = 3;
        history.draws[0] = Draw{1228, {1, 2, 3, 4, 5, 6}, 7, 1, 20260613};
        history.draws[1] = Draw{1229, {10, 11, 12, 13, 14, 15}, 16, 2, 20260620};
        history.draws[2] = Draw{1230, {3, 8, 9, 22, 28, 42}, 45, 3, 20260627};
        prizes.count = 2;
        prizes.rounds[0] = RoundPrizes{1229,
                                       {{3'000'000'000, 9},
                                        {60'000'000, 80},
                                        {1'600'000, 2900},
                                        {50'000, 150'000},
                                        {5'000, 2'600'000}},
                                       116'000'000'000,
                                       1};
        prizes.rounds[1] = RoundPrizes{1230,
                                       {{1'771'357'196, 16},
                                        {52'484'658, 90},
                                        {1'415'953, 3336},
                                        {50'000, 168'902},
                                        {5'000, 2'770'957}},
                                       120'177'677'000,
                                       2};
        const Ticket games[] = {
            {1230, {3, 8, 9, 22, 28, 42}, "", 2},    // 1st: 1,771,357,196 won
            {1229, {10, 11, 12, 20, 21, 22}, "", 3}, // 5th: 5,000 won, no tax
            {1228, {1, 2, 3, 4, 5, 9}, "", 4},       // 3rd of a round the file lacks
            {1230, {1, 2, 4, 5, 6, 7}, "", 5},       // no prize
            {1231, {1, 2, 3, 4, 5, 6}, "", 6},       // its sales have closed
            {1200, {1, 2, 3, 4, 5, 6}, "", 7},       // before the history
        };
        tickets.count = 0;
        for (const Ticket& game : games) {
            tickets.tickets[tickets.count++] = game;
        }
    }
};

// Sunday 2026-07-05, after round 1231's sales closed on Saturday at 20:00 in Korea.
constexpr std::int64_t SUNDAY = 1'783'209'600;

TEST_F(TicketReport, EveryKindOfGameAsThePlayerReadsIt)
{
    const std::string expected =
        "  round  numbers ([n]: drawn)        result\n"
        "   1230  [ 3][ 8][ 9][22][28][42]   1st prize 1,771,357,196 won\n"
        "         after tax about 1,219,809,652 won (an estimate); claim by 2027-06-28\n"
        "   1229  [10][11][12] 20  21  22    5th prize 5,000 won\n"
        "         after tax about 5,000 won (an estimate); claim by 2027-06-21\n"
        "   1228  [ 1][ 2][ 3][ 4][ 5]  9    3rd prize\n"
        "         claim by 2027-06-14\n"
        "   1230    1   2   4   5   6   7    no prize\n"
        "   1231    1   2   3   4   5   6    not in the history yet\n"
        "   1200    1   2   3   4   5   6    before the history\n"
        "\n"
        "  games                                6\n"
        "  spent                            6,000 won\n"
        "    1st prize                          1\n"
        "    2nd prize                          0\n"
        "    3rd prize                          1\n"
        "    4th prize                          0\n"
        "    5th prize                          1\n"
        "    no prize                           1\n"
        "    not drawn yet                      0\n"
        "    not in the history yet             1\n"
        "    before the history                 1\n"
        "  prizes won                1,771,362,196 won\n"
        "The 1st to 3rd prizes (and the 4th before round 401) are a share of each round's prize "
        "pool:\nwhere the prizes file does not hold the round, they are not in this sum.\n"
        "After tax: an estimate by the rule in force since 2023, nothing up to 2,000,000 won;\n"
        "above it, 22 % of the prize less the 1,000-won game up to 300,000,000 won and 33 % on\n"
        "the part above. A holiday can move the last day to claim.\n"
        "A round whose sales have closed is not in the draw history yet: lotto-stats --update\n"
        "fetches it.\n";
    EXPECT_EQ(written(write_ticket_report, CheckBasis{history, &prizes, SUNDAY}), expected);
}

TEST_F(TicketReport, TheSameAsCsvWithTheAmountWonLast)
{
    EXPECT_EQ(written(write_ticket_csv, CheckBasis{history, &prizes, SUNDAY}),
              "round,n1,n2,n3,n4,n5,n6,matched,bonus_matched,rank,prize\n"
              "1230,3,8,9,22,28,42,6,0,1,1771357196\n"
              "1229,10,11,12,20,21,22,3,0,5,5000\n"
              "1228,1,2,3,4,5,9,5,0,3,\n"
              "1230,1,2,4,5,6,7,0,0,0,0\n"
              "1231,1,2,3,4,5,6,,,,\n"
              "1200,1,2,3,4,5,6,-,-,-,-\n");
    // Without a clock a game after the history is not drawn yet; without prizes only the
    // fixed amounts are known.
    const std::string plain = written(write_ticket_csv, CheckBasis{history, nullptr, 0});
    EXPECT_NE(plain.find("\n1230,3,8,9,22,28,42,6,0,1,\n"), std::string::npos) << plain;
    EXPECT_NE(plain.find("\n1229,10,11,12,20,21,22,3,0,5,5000\n"), std::string::npos) << plain;
}

} // namespace
