// The page's week from the results source, natively: an answer read into the two lines the
// core adds, the prizes the page keeps growing by them, a draw the source contradicts, and
// every game's amount, tax and claim day as lotto-stats --check gives them.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "history/shipped_history.hpp"
#include "mirror_answers.hpp"
#include "page_interface.hpp"
#include "prizes/shipped_prizes.hpp"
#include "text/translation.hpp"
#include "tickets/ticket_summary.hpp"

namespace {

const std::string shipped_draws(reinterpret_cast<const char*>(SHIPPED_HISTORY),
                                SHIPPED_HISTORY_SIZE);
const std::string shipped_prizes(reinterpret_cast<const char*>(SHIPPED_PRIZES),
                                 SHIPPED_PRIZES_SIZE);

std::string prizes_text()
{
    return {lotto_prizes_buffer(), static_cast<std::size_t>(lotto_prizes_length())};
}

void use_prizes(const std::string& text)
{
    std::memcpy(lotto_prizes_buffer(), text.data(), text.size());
    ASSERT_EQ(lotto_use_prizes(static_cast<int>(text.size())), 1) << lotto_message();
}

int with_line(int (*call)(), const std::string& line)
{
    std::strcpy(lotto_line_buffer(), line.c_str());
    return call();
}

// The page's week's update, as its script drives it: the round asked, the core's draw of
// it handed over, the answer decided. `newest` and `prizes` are what the files hold.
constexpr int FETCH_ANSWER = 0;
constexpr int FETCH_FAILED = 2;
constexpr int STEP_NEXT = 0;
constexpr int STEP_REFUSED = 2;
constexpr int STEP_CONTRADICTS = 3;

int decide(const std::string& answer, int newest, int prizes, int fetch = FETCH_ANSWER)
{
    // Round 1231's draw evening has passed: rounds up to 1231 are drawn.
    lotto_start_update(1, newest, 1, prizes, 1783249200.0);
    const int round = lotto_round_to_ask();
    std::strcpy(lotto_held_line_buffer(), lotto_draw_line_of_round(round));
    std::memcpy(lotto_answer_buffer(), answer.c_str(), answer.size() + 1);
    return lotto_decide_round(fetch, static_cast<int>(answer.size()),
                              lotto_round_prize(round, 1) >= 0 ? 1 : 0);
}

// Seconds since 1970 of a moment in Korea (UTC+9).
double korean_moment(int year, int month, int day, int hour, int minute, int second)
{
    const int y = month <= 2 ? year - 1 : year;
    const int era_day =
        365 * y + y / 4 - y / 100 + y / 400 + (153 * ((month + 9) % 12) + 2) / 5 + day - 719'469;
    return era_day * 86'400.0 + (hour - 9) * 3'600.0 + minute * 60.0 + second;
}

class PageWeek : public ::testing::Test {
protected:
    void SetUp() override
    {
        use_history(shipped_draws);
        use_prizes(shipped_prizes);
        use_tickets("");
        lotto_set_clock(korean_moment(2026, 12, 8, 12, 0, 0));
    }
    void TearDown() override { use_language(language_before); }

private:
    Language language_before = language_in_use();
};

} // namespace

TEST_F(PageWeek, AnAnswerBecomesTheDrawLineAndThePrizesRowThePrograms)
{
    // The history and the prizes up to 1229: round 1230 is asked, and added whole.
    std::string to_1229 = shipped_draws.substr(0, shipped_draws.rfind("1230,"));
    use_history(to_1229);
    ASSERT_EQ(decide(MIRROR_FINAL_1230, 1229, 1229), STEP_NEXT) << lotto_decision_problem();
    EXPECT_STREQ(lotto_decision_draw_line(), "1230,2026-06-27,3,8,9,22,28,42,45");
    EXPECT_STREQ(lotto_decision_prizes_line(), "1230,1771357196,16,52484658,90,1415953,3336,50000,"
                                               "168902,5000,2770957,120177677000");
    // The numbers alone: the draw, no prizes yet.
    ASSERT_EQ(decide(MIRROR_NUMBERS_ONLY_1230, 1229, 1229), STEP_NEXT);
    EXPECT_STREQ(lotto_decision_draw_line(), "1230,2026-06-27,3,8,9,22,28,42,45");
    EXPECT_STREQ(lotto_decision_prizes_line(), "");
    EXPECT_EQ(lotto_update_waiting(), 1230);
    // A round the core holds, asked for its prizes: the same draw, its prizes alone.
    use_history(shipped_draws);
    ASSERT_EQ(decide(MIRROR_FINAL_1230, 1230, 1229), STEP_NEXT) << lotto_decision_problem();
    EXPECT_STREQ(lotto_decision_draw_line(), "");
    EXPECT_STRNE(lotto_decision_prizes_line(), "");
    // Refused in Korean: another round's answer, a number out of range, HTML, too long, and
    // the page's own words for a fetch that failed.
    EXPECT_EQ(decide(MIRROR_FINAL_1230, 1230, 1230), STEP_REFUSED);
    EXPECT_STREQ(lotto_decision_problem(), "1230회의 결과입니다(1231회가 아님)");
    EXPECT_STREQ(lotto_decision_draw_line(), "");
    std::string out_of_range = MIRROR_FINAL_1230;
    out_of_range.replace(out_of_range.find("[3,"), 3, "[46,");
    EXPECT_EQ(decide(out_of_range, 1229, 1229), STEP_REFUSED);
    EXPECT_STREQ(lotto_decision_problem(), "\"numbers\"에 1부터 45까지의 수가 아닌 것이 있습니다");
    EXPECT_EQ(decide("<!DOCTYPE html><html></html>", 1229, 1229), STEP_REFUSED);
    EXPECT_EQ(std::string(lotto_decision_problem()).rfind("JSON으로 된 결과가 아닙니다", 0), 0u)
        << lotto_decision_problem();
    EXPECT_EQ(decide("연결할 수 없음", 1229, 1229, FETCH_FAILED), STEP_REFUSED);
    EXPECT_STREQ(lotto_decision_problem(), "연결할 수 없음");
    // An answer one byte past the most is cut there and refused, never read past the buffer.
    const std::string padded = MIRROR_FINAL_1230 + std::string(lotto_answer_capacity(), ' ');
    lotto_start_update(1, 1229, 1, 1229, 1783249200.0);
    std::memcpy(lotto_answer_buffer(), padded.data(), lotto_answer_capacity());
    EXPECT_EQ(lotto_decide_round(FETCH_ANSWER, static_cast<int>(padded.size()), 0), STEP_REFUSED);
    EXPECT_NE(std::strstr(lotto_decision_problem(), "65536"), nullptr) << lotto_decision_problem();
}

TEST_F(PageWeek, ARoundsPrizesGoInOrderAndReachEveryWinningGame)
{
    use_history(shipped_draws + "1231,2026-07-04,2,13,19,24,33,40,7\n");
    use_tickets("1231,2,13,19,24,33,41\n1231,2,13,19,24,33,7\n1231,5,11,17,1,2,3\n"
                "1231,2,13,19,24,5,6\n1230,3,8,9,22,28,42\n");
    // Before the round's prizes: the 2nd and 3rd not known, the 4th and 5th fixed.
    EXPECT_EQ(lotto_ticket_prize(0), -1);
    EXPECT_STREQ(lotto_ticket_claim(0), "2027-07-05까지 수령");
    EXPECT_EQ(lotto_ticket_prize(2), 0); // no number drawn
    lotto_summarize_tickets();
    EXPECT_EQ(lotto_summary_prizes_not_known(), 2);

    const std::string row = "1231,2345678901,12,61234567,77,1456789,3120,50000,160001,5000,"
                            "2700123,118204000000";
    ASSERT_EQ(with_line(lotto_add_prizes, row), 0) << lotto_message();
    EXPECT_EQ(prizes_text(), shipped_prizes + row + "\n");
    EXPECT_EQ(lotto_prizes_round(), 1231);
    EXPECT_EQ(lotto_round_prize(1231, 3), 1456789);
    EXPECT_EQ(lotto_round_winners(1231, 5), 2700123);
    EXPECT_EQ(lotto_round_prize(1232, 1), -1);
    EXPECT_EQ(lotto_round_prize(1231, 6), -1);
    EXPECT_EQ(with_line(lotto_add_prizes, row), 1);
    // Other figures for a round held, a round that skips one, a row that does not hold
    // together: refused, the text as it was.
    std::string other = row;
    other.replace(other.find(",12,"), 4, ",13,");
    EXPECT_EQ(with_line(lotto_add_prizes, other), 5);
    EXPECT_STREQ(lotto_message(), "prizes.csv:1232: 1231회가 다른 당첨금으로 파일에 있습니다");
    EXPECT_EQ(with_line(lotto_add_prizes, "1233" + row.substr(4)), 6);
    EXPECT_EQ(with_line(lotto_add_prizes, "1232,5000,1,61234567,77,1456789,3120,50000,160001,"
                                          "5000,2700123,118204000000"),
              2);
    EXPECT_EQ(with_line(lotto_add_prizes, "# a comment"), 2);
    EXPECT_STREQ(lotto_message(), "당첨금 기록의 줄이 아닙니다");
    EXPECT_EQ(prizes_text(), shipped_prizes + row + "\n");

    // The amounts as lotto-stats --check gives them, tax and claim day under each.
    EXPECT_EQ(lotto_ticket_rank(0), 3);
    EXPECT_EQ(lotto_ticket_prize(0), 1456789);
    EXPECT_STREQ(lotto_ticket_claim(0), "세후 약 1,456,789원(추정), 2027-07-05까지 수령");
    EXPECT_EQ(lotto_ticket_prize(1), 61234567);
    EXPECT_STREQ(lotto_ticket_claim(1), "세후 약 47,763,183원(추정), 2027-07-05까지 수령");
    EXPECT_EQ(lotto_ticket_prize(2), 0);
    EXPECT_STREQ(lotto_ticket_claim(2), "");
    EXPECT_EQ(lotto_ticket_prize(3), 50000);
    EXPECT_EQ(lotto_ticket_prize(4), 1771357196);
    lotto_summarize_tickets();
    EXPECT_EQ(lotto_summary_won(), 1456789 + 61234567 + 50000 + 1771357196.0);
    EXPECT_EQ(lotto_summary_prizes_not_known(), 0);
}

TEST_F(PageWeek, ADrawTheSourceContradictsIsKeptUntilReplacedInItsOwnStyle)
{
    // A history without dates, in CRLF lines, that the player typed round 1231 into.
    std::string history = "round,n1,n2,n3,n4,n5,n6,bonus\r\n";
    for (int round = 1216; round < 1229; ++round) {
        history += std::to_string(round) + ",1,2,3,4,5,6,7\r\n";
    }
    history += "1229,12,13,29,34,37,42,16\r\n1230,3,8,9,22,28,42,45\r\n1231,1,2,3,4,5,6,7\r\n";
    use_history(history);
    // The source's round 1231 against the player's: both shown, the history kept.
    const std::string source = "1231,2026-07-04,2,13,19,24,33,40,7";
    const std::string answer_1231 =
        R"({"draw_no":1231,"numbers":[2,13,19,24,33,40],"bonus_no":7,"date":"2026-07-04T00:00:00Z",)"
        R"("divisions":[{},{},{},{},{}]})";
    EXPECT_STREQ(lotto_draw_line_of_round(1231), "1231,1,2,3,4,5,6,7"); // a history without dates
    EXPECT_EQ(decide(answer_1231, 1231, 1230), STEP_CONTRADICTS);
    EXPECT_STREQ(lotto_decision_held_draw(), "1 2 3 4 5 6 + 7");
    EXPECT_STREQ(lotto_decision_draw_line(), source.c_str());
    EXPECT_EQ(history_text(), history);

    ASSERT_EQ(with_line(lotto_replace_draw, source), 0);
    std::string replaced = history;
    replaced.replace(replaced.find("1231,1,2,3,4,5,6,7\r\n"), 20, "1231,2,13,19,24,33,40,7\r\n");
    EXPECT_EQ(history_text(), replaced);
    EXPECT_EQ(lotto_latest_number(0), 2);
    EXPECT_EQ(lotto_latest_number(6), 7);
    EXPECT_EQ(lotto_latest_number(7), 0);
    EXPECT_EQ(lotto_latest_date(), 0);
    EXPECT_STREQ(lotto_latest_day(), "");
    EXPECT_EQ(decide(answer_1231, 1231, 1230), STEP_NEXT);
    EXPECT_EQ(with_line(lotto_replace_draw, "1240,2026-09-05,1,2,3,4,5,6,7"), 2);
}

// Many players keep no bonus numbers: the source's draw is the same draw when its numbers
// and date agree, and a new one is added without a bonus.
TEST_F(PageWeek, AHistoryWithoutBonusNumbersAgreesByTheNumbersAndTheDate)
{
    std::string history;
    for (std::size_t start = 0; start < shipped_draws.size();) {
        const std::size_t end = shipped_draws.find('\n', start);
        const std::string line = shipped_draws.substr(start, end - start);
        history += line.substr(0, line.rfind(',')) + "\n";
        start = end + 1;
    }
    use_history(history);
    // Its draws are handed to the week's update as they stand: without a bonus.
    EXPECT_STREQ(lotto_draw_line_of_round(1230), "1230,2026-06-27,3,8,9,22,28,42");
    EXPECT_EQ(decide(MIRROR_FINAL_1230, 1230, 1229), STEP_NEXT) << lotto_decision_problem();
    EXPECT_EQ(with_line(lotto_add_draw, "1231,2026-07-04,2,13,19,24,33,40"), 0) << lotto_message();
    EXPECT_EQ(history_text(), history + "1231,2026-07-04,2,13,19,24,33,40\n");
    EXPECT_EQ(lotto_latest_number(6), 0);
}

TEST_F(PageWeek, AReplacementTheHistoryWouldRefuseChangesNothing)
{
    // A refusal's message outlives the form's next line and a game's claim line, which have
    // buffers of their own.
    use_history(shipped_draws + "1231,2026-07-05,2,13,19,24,33,40,7\n");
    EXPECT_EQ(with_line(lotto_add_draw, "1232,2026-07-11,1,2,3,4,5,46"), 2);
    const std::string refusal = lotto_message();
    EXPECT_STREQ(lotto_next_draw_line(), "1232,2026-07-11,");
    use_tickets("1231,2,13,19,24,33,40\n");
    EXPECT_STRNE(lotto_ticket_claim(0), "");
    EXPECT_EQ(lotto_message(), refusal);
    use_history(shipped_draws);
    // A date after the next round's is out of order: the file would no longer read.
    EXPECT_EQ(with_line(lotto_replace_draw, "1229,2026-07-04,12,13,29,34,37,42,16"), 3);
    EXPECT_EQ(history_text(), shipped_draws);
    EXPECT_EQ(lotto_history_round(), 1230);
    EXPECT_EQ(lotto_latest_date(), 20260627);
    EXPECT_STREQ(lotto_latest_day(), "2026-06-27");
    ASSERT_EQ(with_line(lotto_replace_draw, "1230,2026-06-27,1,8,9,22,28,42,45"), 0);
    const std::string last = "1230,2026-06-27,1,8,9,22,28,42,45\n";
    EXPECT_EQ(history_text(), shipped_draws.substr(0, shipped_draws.size() - last.size()) + last);
}

TEST_F(PageWeek, TheClockTellsAGameOnSaleFromOneWhoseDrawIsNotInYet)
{
    use_tickets("1231,1,2,3,4,5,6\n");
    // Sales for round 1231 close at 20:00 on Saturday 2026-07-04 in Korea.
    lotto_set_clock(korean_moment(2026, 7, 4, 19, 59, 59));
    EXPECT_EQ(lotto_drawn_round(), 1230);
    EXPECT_EQ(lotto_ticket_rank(0), NOT_DRAWN);
    lotto_set_clock(korean_moment(2026, 7, 4, 20, 0, 0));
    EXPECT_EQ(lotto_drawn_round(), 1231);
    EXPECT_EQ(lotto_ticket_rank(0), NOT_IN_HISTORY_YET);
    EXPECT_EQ(lotto_ticket_prize(0), -1);
    // The date in Korea: already Sunday there at 15:00 UTC on Saturday.
    lotto_set_clock(korean_moment(2026, 7, 5, 0, 0, 0));
    EXPECT_EQ(lotto_korean_date(), 20260705);
    lotto_set_clock(korean_moment(2026, 7, 4, 23, 59, 59));
    EXPECT_EQ(lotto_korean_date(), 20260704);
}

// The past draws as the page lists them, newest first, and where a searched round stands.
TEST_F(PageWeek, ThePastDrawsNewestFirstAndWhereARoundStands)
{
    const int newest = lotto_history_round();
    const int first = lotto_history_first_round();
    EXPECT_EQ(lotto_draw_count(), newest - first + 1);
    EXPECT_EQ(lotto_draw_round(0), newest);
    EXPECT_EQ(lotto_draw_round(lotto_draw_count() - 1), first);
    EXPECT_EQ(lotto_draw_round(lotto_draw_count()), 0);
    EXPECT_EQ(lotto_draw_round(-1), 0);
    // Round 1 of the shipped draws: 10 23 29 33 37 40 + 16, drawn on 2002-12-07.
    const int oldest = lotto_draw_count() - 1;
    const int round_one[] = {10, 23, 29, 33, 37, 40, 16};
    for (int position = 0; position < 7; ++position) {
        EXPECT_EQ(lotto_draw_number(oldest, position), round_one[position]) << position;
    }
    EXPECT_STREQ(lotto_draw_day(oldest), "2002-12-07");
    EXPECT_EQ(lotto_draw_number(oldest, 7), 0);
    EXPECT_EQ(lotto_round_sales(1), 3'681'782'000.0);
    EXPECT_EQ(lotto_round_sales(newest + 1), -1);

    // Round 1231 is drawn at 20:00 on 2026-07-04 in Korea.
    lotto_set_clock(korean_moment(2026, 7, 4, 20, 0, 0));
    constexpr int HELD = 0, BEFORE_FIRST = 1, UNDRAWN = 2, NOT_FETCHED = 3;
    const struct {
        std::string text;
        int round, standing;
    } searches[] = {{"the first", first, HELD},
                    {"the newest", newest, HELD},
                    {"round 0", 0, BEFORE_FIRST},
                    {"drawn, not fetched", 1231, NOT_FETCHED},
                    {"not drawn", 1232, UNDRAWN}};
    for (const auto& search : searches) {
        EXPECT_EQ(lotto_round_standing(search.round), search.standing) << search.text;
    }
    use_history(shipped_draws.substr(shipped_draws.find("\n1000,") + 1));
    EXPECT_EQ(lotto_round_standing(999), BEFORE_FIRST);
    EXPECT_EQ(lotto_round_standing(1000), HELD);
    EXPECT_EQ(lotto_draw_round(lotto_draw_count() - 1), 1000);
}
