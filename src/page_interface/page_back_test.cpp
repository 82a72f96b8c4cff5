// The page's back-test, run in workers a batch of draws at a time, so the page can show how
// far it is and stop it: the history the page hands in (lotto_use_history), tested as
// lotto-stats --draws tests it, and the report's own lines. Every worker counts batches of
// its own; one adds up every batch's counts in order, its own and those handed to it.
#include <cstring>

#include "page_interface/page_export.hpp"
#include "page_interface/page_state.hpp"
#include "reports/back_test_summary.hpp"
#include "text/text_format.hpp"

namespace {

BackTest back_test;
BackTestRun run;
BackTestCounts counts;
constexpr std::size_t LINE_CAPACITY = 1024;
char line[LINE_CAPACITY];
// Room for every draw's row: a round, a total and a mid-rank with six decimals.
constexpr std::size_t ROW_CAPACITY = 32;
char csv[sizeof BACK_TEST_CSV_HEADER + MAX_DRAWS * ROW_CAPACITY];

// A report line as the page shows it: without the blanks that indent it in the report and
// without its newline; the blanks within it stay.
const char* page_line_of(char* text)
{
    char* start = text + std::strspn(text, " ");
    const std::size_t length = std::strlen(start);
    if (length > 0 && start[length - 1] == '\n') {
        start[length - 1] = '\0';
    }
    return start;
}

} // namespace

extern "C" {

// How many draws the back-test of the page's history tests.
LOTTO_PAGE_EXPORT int lotto_back_test_draws()
{
    return back_test_draw_count(page_history);
}

LOTTO_PAGE_EXPORT int lotto_back_test_batches()
{
    return back_test_batch_count(page_history);
}

// Counts a batch into the counts buffer. A worker is one thread; the fastest way this
// build has.
LOTTO_PAGE_EXPORT void lotto_count_back_test_batch(int batch)
{
    count_back_test_batch(page_history, batch, counts, CountingOptions{fastest_counting_path(), 1});
}

// Where a batch's counts are, to hand to the worker that adds them up, or to put them.
LOTTO_PAGE_EXPORT void* lotto_back_test_counts()
{
    return &counts;
}

LOTTO_PAGE_EXPORT int lotto_back_test_counts_size()
{
    return static_cast<int>(sizeof counts);
}

LOTTO_PAGE_EXPORT void lotto_start_back_test()
{
    start_back_test(page_history, back_test, run);
}

// Adds the counts in the buffer, the next batch's: 1 while batches are left, 0 once the
// result is whole.
LOTTO_PAGE_EXPORT int lotto_add_back_test_batch()
{
    return add_back_test_batch(page_history, counts, back_test, run) ? 1 : 0;
}

LOTTO_PAGE_EXPORT int lotto_back_test_tested()
{
    return back_test.count;
}

// The figures as the report prints them: the mean mid-rank in percent with two decimals,
// the chi-square test's p-value with four ("" without a test).
LOTTO_PAGE_EXPORT const char* lotto_back_test_mean_mid_rank()
{
    format_text(line, sizeof line, "%.2f", 100.0 * back_test.mean_mid_rank);
    return line;
}

LOTTO_PAGE_EXPORT const char* lotto_back_test_p_value()
{
    format_text(line, sizeof line, "%.4f", back_test.p_value);
    if (back_test.degrees_of_freedom == 0) {
        line[0] = '\0';
    }
    return line;
}

// The report's lines: 0 what the back-test did, 1 and 2 the names of the two shares, 3 and
// 4 their figures, 5 the chi-square test ("" without one), 6 the sentence.
LOTTO_PAGE_EXPORT const char* lotto_back_test_line(int which)
{
    constexpr BackTestShare shares[] = {BackTestShare::MeanMidRank, BackTestShare::TopTenth};
    switch (which) {
    case 0:
        format_back_test_intro(line, sizeof line, back_test);
        return page_line_of(line + std::strspn(line, "\n"));
    case 1:
    case 2:
        return back_test_share_label(shares[which - 1]);
    case 3:
    case 4:
        format_back_test_share(line, sizeof line, back_test, shares[which - 3], "");
        return page_line_of(line);
    case 5:
        format_chi_square(line, sizeof line, back_test);
        return page_line_of(line);
    default:
        return back_test_verdict(back_test);
    }
}

// The back-test per draw as lotto-stats --back-test-csv writes it.
LOTTO_PAGE_EXPORT const char* lotto_back_test_csv()
{
    std::size_t length = format_text(csv, sizeof csv, "%s", BACK_TEST_CSV_HEADER);
    for (int index = 0; index < back_test.count; ++index) {
        format_back_test_row(csv + length, sizeof csv - length, back_test.draws[index]);
        length += std::strlen(csv + length);
    }
    return csv;
}
}
