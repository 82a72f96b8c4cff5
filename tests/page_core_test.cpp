// The page's C interface, built natively: the history and the tickets the page keeps as
// text, changed as the programs change their files.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "history/shipped_history.hpp"
#include "text/translation.hpp"

extern "C" {
char* lotto_history_buffer();
char* lotto_history_name_buffer();
int lotto_history_length();
int lotto_use_history(int length);
const char* lotto_history_error();
int lotto_history_round();
int lotto_use_lists_of_round(int round);
char* lotto_line_buffer();
const char* lotto_next_draw_line();
int lotto_add_draw();
int lotto_added_round();
char* lotto_tickets_buffer();
int lotto_tickets_length();
int lotto_use_tickets(int length);
const char* lotto_message();
int lotto_add_ticket();
int lotto_added_ticket_round();
int lotto_save_sets(double unix_seconds);
int lotto_remove_ticket(int index);
int lotto_ticket_count();
int lotto_ticket_round(int index);
int lotto_ticket_number(int index, int position);
int lotto_ticket_rank(int index);
int lotto_ticket_matched(int index, int position);
double lotto_ticket_prize(int index);
void lotto_summarize_tickets();
double lotto_summary_spent();
double lotto_summary_won();
void lotto_generate(std::uint32_t seed);
int lotto_number(int set, int index);
int lotto_choose_numbers();
int lotto_kept_count();
int lotto_kept_number(int index);
int lotto_left_out(int number);
}

namespace {

std::string history_text()
{
    return {lotto_history_buffer(), static_cast<std::size_t>(lotto_history_length())};
}

std::string tickets_text()
{
    return {lotto_tickets_buffer(), static_cast<std::size_t>(lotto_tickets_length())};
}

void use_history(const std::string& text)
{
    std::memcpy(lotto_history_buffer(), text.data(), text.size());
    std::strcpy(lotto_history_name_buffer(), "draws.csv");
    ASSERT_EQ(lotto_use_history(static_cast<int>(text.size())), 1) << lotto_history_error();
}

void use_tickets(const std::string& text)
{
    std::memcpy(lotto_tickets_buffer(), text.data(), text.size());
    ASSERT_EQ(lotto_use_tickets(static_cast<int>(text.size())), 1) << lotto_message();
}

int add(char* (*buffer)(), int (*adding)(), const char* line)
{
    std::strcpy(buffer(), line);
    return adding();
}

int add_draw(const char* line)
{
    return add(lotto_line_buffer, lotto_add_draw, line);
}

int add_ticket(const char* line)
{
    return add(lotto_line_buffer, lotto_add_ticket, line);
}

const std::string shipped(reinterpret_cast<const char*>(SHIPPED_HISTORY), SHIPPED_HISTORY_SIZE);

// The page speaks Korean; the tests after these get back the language they had.
class PageCore : public ::testing::Test {
protected:
    void TearDown() override { use_language(language_before); }

private:
    Language language_before = language_in_use();
};

using PageHistory = PageCore;
using PageTickets = PageCore;
using PageNumbers = PageCore;

} // namespace

TEST_F(PageHistory, GrowsByTheNextDrawInItsOwnStyleAndKeepsEveryOtherByte)
{
    use_history(shipped);
    EXPECT_EQ(lotto_history_round(), 1230);
    EXPECT_STREQ(lotto_next_draw_line(), "1231,2026-07-04,");
    EXPECT_EQ(add_draw("1231,2026-07-04,1,2,3,4,5,6"), 2);
    EXPECT_STREQ(lotto_message(),
                 "기록의 회차에는 보너스 번호가 있습니다: 당첨 번호나 보너스 번호가 빠졌습니다");
    EXPECT_EQ(add_draw("1232,2026-07-11,1,2,3,4,5,6,7"), 2); // 1231 first
    EXPECT_EQ(history_text(), shipped);
    ASSERT_EQ(add_draw("1231, 2026-07-04, 6,5,4,3,2,1, 7"), 0);
    EXPECT_EQ(lotto_added_round(), 1231);
    EXPECT_EQ(history_text(), shipped + "1231,2026-07-04,1,2,3,4,5,6,7\n");
    EXPECT_EQ(lotto_history_round(), 1231);
    EXPECT_STREQ(lotto_next_draw_line(), "1232,2026-07-11,");
    EXPECT_EQ(add_draw("1231,2026-07-04,1,2,3,4,5,6,7"), 1); // there already
    EXPECT_EQ(history_text(), shipped + "1231,2026-07-04,1,2,3,4,5,6,7\n");
    // A replay link's lists: any round the history reaches after its first fifteen.
    EXPECT_EQ(lotto_use_lists_of_round(1231), 1);
    EXPECT_EQ(lotto_use_lists_of_round(15), 1);
    EXPECT_EQ(lotto_use_lists_of_round(14), 0);
    EXPECT_EQ(lotto_use_lists_of_round(1232), 0);
}

TEST_F(PageHistory, ARefusedHistoryIsNamedWithItsLine)
{
    const std::string broken = "round,n1,n2,n3,n4,n5,n6\n1,1,2,3,4,5,46\n";
    std::memcpy(lotto_history_buffer(), broken.data(), broken.size());
    std::strcpy(lotto_history_name_buffer(), "mine.csv");
    EXPECT_EQ(lotto_use_history(static_cast<int>(broken.size())), 0);
    EXPECT_STREQ(lotto_history_error(), "mine.csv:2: 1부터 45까지의 수가 아닙니다: '46'");
    EXPECT_EQ(lotto_history_round(), 0);
}

TEST_F(PageTickets, SavedTypedAndScannedGamesAreCheckedAndRemovedLineByLine)
{
    use_history(shipped + "1231,2026-07-04,1,2,3,4,5,6,7\n");
    use_tickets("");
    // Five sets of the round on sale: Sunday 2026-06-28 in Korea is round 1231's week.
    lotto_generate(42);
    ASSERT_EQ(lotto_save_sets(1'782'604'800.0), 0);
    ASSERT_EQ(lotto_ticket_count(), 5);
    EXPECT_EQ(lotto_ticket_round(4), 1231);
    EXPECT_EQ(lotto_ticket_number(0, 0), lotto_number(0, 0));
    EXPECT_EQ(tickets_text().rfind("round,n1,n2,n3,n4,n5,n6,slip\n1231,", 0), 0u);
    ASSERT_EQ(add_ticket("1231,7,5,4,3,2,1"), 0);
    EXPECT_EQ(lotto_added_ticket_round(), 1231);
    const char* slip = "http://qr.example.kr/?v=1231q030914273641m010203040506n000000000000"
                       "n000000000000n0000000000001234567890";
    ASSERT_EQ(add_ticket(slip), 0);
    EXPECT_EQ(add_ticket(slip), 1); // the same slip again
    EXPECT_EQ(add_ticket("1231,1,2,3"), 2);
    ASSERT_EQ(lotto_ticket_count(), 8);
    EXPECT_EQ(lotto_ticket_rank(5), 2); // 1 2 3 4 5 + the bonus 7
    EXPECT_EQ(lotto_ticket_rank(7), 1);
    EXPECT_EQ(lotto_ticket_rank(6), 0);
    EXPECT_EQ(lotto_ticket_matched(6, 0), 1); // 3 of 3 9 14 27 36 41
    EXPECT_EQ(lotto_ticket_matched(6, 1), 0);
    EXPECT_EQ(lotto_ticket_prize(5), -1); // 2nd: a share of the pool
    lotto_summarize_tickets();
    EXPECT_EQ(lotto_summary_spent(), 8000);
    // Taking a game out takes its line, nothing else; a game of a later round is not drawn.
    const std::string before = tickets_text();
    ASSERT_EQ(lotto_remove_ticket(5), 1);
    std::string expected = before;
    expected.erase(expected.find("1231,1,2,3,4,5,7\n"), std::strlen("1231,1,2,3,4,5,7\n"));
    EXPECT_EQ(tickets_text(), expected);
    EXPECT_EQ(lotto_ticket_count(), 7);
    EXPECT_EQ(lotto_remove_ticket(7), 0);
    ASSERT_EQ(add_ticket("1300,1,2,3,4,5,6"), 0);
    EXPECT_EQ(lotto_ticket_rank(7), -1);
}

TEST_F(PageTickets, AFileInAnotherStyleKeepsItsLineEnds)
{
    use_tickets("1231,1,2,3,4,5,6\r\n1240,10,20,30,40,41,42");
    ASSERT_EQ(add_ticket("1241,1,2,3,4,5,6"), 0);
    EXPECT_EQ(tickets_text(), "1231,1,2,3,4,5,6\r\n1240,10,20,30,40,41,42\r\n1241,1,2,3,4,5,6\r\n");
    ASSERT_EQ(lotto_remove_ticket(0), 1);
    EXPECT_EQ(tickets_text(), "1240,10,20,30,40,41,42\r\n1241,1,2,3,4,5,6\r\n");
    const std::string bad = "1231,1,2,3,4,5,46\n";
    std::memcpy(lotto_tickets_buffer(), bad.data(), bad.size());
    EXPECT_EQ(lotto_use_tickets(static_cast<int>(bad.size())), 0);
    EXPECT_STREQ(lotto_message(), "tickets.csv:1: 1부터 45까지의 수가 아닙니다: '46'");
}

// The board's numbers go in as two lines; a refusal is the programs' own, in Korean, and
// leaves the numbers in use as they were.
TEST_F(PageNumbers, TheBoardsNumbersAreReadByTheProgramsRules)
{
    ASSERT_EQ(add(lotto_line_buffer, lotto_choose_numbers, "21,7\n13,40"), 1) << lotto_message();
    EXPECT_EQ(lotto_kept_count(), 2);
    EXPECT_EQ(lotto_kept_number(0), 21);
    EXPECT_EQ(lotto_kept_number(1), 7);
    EXPECT_EQ(lotto_left_out(13) + lotto_left_out(40) + lotto_left_out(7), 2);
    lotto_generate(20261207);
    for (int set = 0; set < 5; ++set) {
        std::string numbers = " ";
        for (int i = 0; i < 6; ++i) {
            numbers += std::to_string(lotto_number(set, i));
            numbers += ' ';
        }
        EXPECT_NE(numbers.find(" 7 "), std::string::npos) << numbers;
        EXPECT_NE(numbers.find(" 21 "), std::string::npos) << numbers;
        EXPECT_EQ(numbers.find(" 13 "), std::string::npos) << numbers;
        EXPECT_EQ(numbers.find(" 40 "), std::string::npos) << numbers;
    }
    const struct {
        const char* lines;
        const char* message;
    } refused[] = {
        {"7\n7", "7번을 고정수와 제외수에 함께 넣을 수 없습니다"},
        {"1,2,3,4,5,6\n", "고정수는 다섯 개까지입니다(6개를 골랐습니다)"},
        {"\n7?", "1부터 45까지의 수를 쉼표로 구분해 주세요"},
    };
    for (const auto& r : refused) {
        EXPECT_EQ(add(lotto_line_buffer, lotto_choose_numbers, r.lines), 0) << r.lines;
        EXPECT_STREQ(lotto_message(), r.message);
    }
    EXPECT_EQ(lotto_kept_count(), 2);
    // Nothing chosen: the generator as it always was.
    ASSERT_EQ(add(lotto_line_buffer, lotto_choose_numbers, "\n"), 1);
    EXPECT_EQ(lotto_kept_count(), 0);
    EXPECT_EQ(lotto_left_out(13), 0);
}
