// The page's C interface, built natively: the history and the tickets the page keeps as
// text, changed as the programs change their files.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "history/shipped_history.hpp"
#include "page_interface.hpp"
#include "page_interface/page_state.hpp"
#include "reports/history_reports.hpp"
#include "text/translation.hpp"
#include "tickets/ticket_summary.hpp"

namespace {

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
using PageBackTest = PageCore;

// The first `count` draws of the shipped history, oldest first as the file has them.
std::string first_draws(int count)
{
    std::size_t end = shipped.find('\n') + 1; // the header
    for (int i = 0; i < count; ++i) {
        end = shipped.find('\n', end) + 1;
    }
    return shipped.substr(0, end);
}

// The history section of lotto-stats' report for the page's history, in Korean.
std::string korean_report(const BackTest& test)
{
    char* text = nullptr;
    std::size_t size = 0;
    std::FILE* out = open_memstream(&text, &size);
    write_history_report(out, page_history, test);
    std::fclose(out);
    std::string report(text, size);
    std::free(text);
    return report;
}

// Blanks in a row as one, none at either end: the page shows a report line as flowing text.
std::string words_of(const std::string& text)
{
    std::string words;
    for (char c : text) {
        if (c == ' ' || c == '\n') {
            if (!words.empty() && words.back() != ' ') {
                words += ' ';
            }
        } else {
            words += c;
        }
    }
    while (!words.empty() && words.back() == ' ') {
        words.pop_back();
    }
    return words;
}

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
    EXPECT_EQ(lotto_ticket_rank(7), NOT_DRAWN);
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
// Importing a tickets file adds what the device lacks and keeps every game it holds.
TEST_F(PageTickets, AnImportAddsWhatTheDeviceLacksAndKeepsTheRest)
{
    use_tickets("round,n1,n2,n3,n4,n5,n6,slip\n1231,1,2,3,4,5,6\n1231,3,9,14,27,36,41,1234567890\n"
                "1231,5,11,17,22,33,44,1234567890\n");
    const struct {
        std::string file;
        int outcome;
        int added;
        int known;
        const char* appended; // after the device's bytes
        const char* message;
    } cases[] = {
        // Held once on the device, twice in the file: one more; a new game; the slip kept.
        {"1231,1,2,3,4,5,6\r\n1231,1,2,3,4,5,6\r\n1240,10,20,30,40,41,42\r\n"
         "1231,3,9,14,27,36,41,1234567890\r\n1231,5,11,17,22,33,44,1234567890\r\n",
         0, 2, 3, "1231,1,2,3,4,5,6\n1240,10,20,30,40,41,42\n", ""},
        {"round,n1,n2,n3,n4,n5,n6\n1231,1,2,3,4,5,46\n", 2, 0, 0, "",
         "picked.csv:2: 1부터 45까지의 수가 아닙니다: '46'"},
        {"", 0, 0, 0, "", ""},
        // A slip new to the device comes whole, once: its games again later add nothing; a
        // game without a slip held three times in the file and once on the device, twice.
        {"1232,7,8,9,10,11,12,5555555555\n1232,1,8,9,10,11,12,5555555555\n1233,2,3,4,5,6,7\n"
         "1232,7,8,9,10,11,12,5555555555\n1231,1,2,3,4,5,6\n1231,1,2,3,4,5,6\n1231,1,2,3,4,5,6\n",
         0, 5, 2,
         "1232,7,8,9,10,11,12,5555555555\n1232,1,8,9,10,11,12,5555555555\n1233,2,3,4,5,6,7\n"
         "1231,1,2,3,4,5,6\n1231,1,2,3,4,5,6\n",
         ""},
    };
    const std::string device = tickets_text();
    for (const auto& c : cases) {
        use_tickets(device);
        std::memcpy(lotto_import_buffer(), c.file.data(), c.file.size());
        std::strcpy(lotto_line_buffer(), "picked.csv");
        EXPECT_EQ(lotto_import_tickets(static_cast<int>(c.file.size())), c.outcome) << c.file;
        EXPECT_EQ(lotto_import_added(), c.added) << c.file;
        EXPECT_EQ(lotto_import_known(), c.known) << c.file;
        EXPECT_EQ(tickets_text(), device + c.appended) << c.file;
        if (c.outcome != 0) {
            EXPECT_NE(std::string(lotto_message()).find(c.message), std::string::npos)
                << lotto_message();
        }
    }
}

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

// The page's workers count batches apart and one adds them up in order: counts handed over
// from another worker give the figures of lotto-stats --draws, in its words.
TEST_F(PageBackTest, BatchesCountedApartAddUpToTheReportsFigures)
{
    use_history(first_draws(MIN_DRAWS + 2 * 64 + 7)); // three batches, the last short
    ASSERT_EQ(lotto_back_test_draws(), 2 * 64 + 7);
    ASSERT_EQ(lotto_back_test_batches(), 3);
    static BackTest expected;
    run_back_test(page_history, expected, CountingOptions{CountingPath::Plain, 1});

    // Batch 1 counted first, as by a second worker, its counts carried away.
    const auto* counts = static_cast<const char*>(lotto_back_test_counts());
    const auto size = static_cast<std::size_t>(lotto_back_test_counts_size());
    lotto_count_back_test_batch(1);
    const std::vector<char> handed(counts, counts + size);
    lotto_start_back_test();
    lotto_count_back_test_batch(0);
    EXPECT_EQ(lotto_add_back_test_batch(), 1);
    std::memcpy(lotto_back_test_counts(), handed.data(), size);
    EXPECT_EQ(lotto_add_back_test_batch(), 1);
    lotto_count_back_test_batch(2);
    lotto_count_back_test_batch(-1); // outside: counts nothing, leaves the buffer as it is
    lotto_count_back_test_batch(3);
    EXPECT_EQ(lotto_add_back_test_batch(), 0);
    EXPECT_EQ(lotto_back_test_tested(), expected.count);

    char figure[32];
    std::snprintf(figure, sizeof figure, "%.2f", 100.0 * expected.mean_mid_rank);
    EXPECT_STREQ(lotto_back_test_mean_mid_rank(), figure);
    std::snprintf(figure, sizeof figure, "%.4f", expected.p_value);
    EXPECT_STREQ(lotto_back_test_p_value(), figure);

    // Every draw's row as lotto-stats --back-test-csv writes it.
    char* rows = nullptr;
    std::size_t rows_size = 0;
    std::FILE* rows_out = open_memstream(&rows, &rows_size);
    write_back_test_csv(rows_out, expected);
    std::fclose(rows_out);
    EXPECT_EQ(std::string(lotto_back_test_csv()), std::string(rows, rows_size));
    std::free(rows);

    // Every line the page shows is a line of the report, word for word.
    const std::string report = words_of(korean_report(expected));
    const std::string pairs[] = {
        std::string(lotto_back_test_line(1)) + " " + lotto_back_test_line(3),
        std::string(lotto_back_test_line(2)) + " " + lotto_back_test_line(4),
    };
    for (const std::string& line : pairs) {
        EXPECT_NE(report.find(words_of(line)), std::string::npos) << line;
    }
    for (int which : {0, 5, 6}) {
        const std::string line = lotto_back_test_line(which);
        EXPECT_FALSE(line.empty());
        EXPECT_NE(line.front(), ' ');
        EXPECT_NE(line.back(), '\n');
        EXPECT_NE(report.find(words_of(line)), std::string::npos) << line;
    }
}

// A history with no draw that has enough before it: nothing to count, and the result says so.
TEST_F(PageBackTest, AHistoryTooShortGivesNoTest)
{
    use_history(first_draws(MIN_DRAWS));
    EXPECT_EQ(lotto_back_test_draws(), 0);
    EXPECT_EQ(lotto_back_test_batches(), 0);
    lotto_start_back_test();
    EXPECT_EQ(lotto_add_back_test_batch(), 0);
    EXPECT_EQ(lotto_back_test_tested(), 0);
    EXPECT_STREQ(lotto_back_test_p_value(), "");
    EXPECT_STREQ(lotto_back_test_line(5), "");
    EXPECT_STREQ(lotto_back_test_line(6),
                 "카이제곱 검정을 하기에는 회차가 너무 적습니다. 위의 비율이 전부입니다.");
}
