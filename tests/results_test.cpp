// The results source: which links may be one, and a round's results read strictly from the
// source's JSON, in each stage of its publishing.
#include <gtest/gtest.h>

#include <string>

#include "results/fetch_rules.hpp"
#include "results/results_source.hpp"
#include "results/round_result.hpp"

#include "mirror_answers.hpp"

namespace {

TEST(ResultsSource, HttpsEverywhereAndPlainHttpOnlyToThisMachine)
{
    const struct {
        const char* url;
        const char* problem; // null: a source
    } cases[] = {
        {"https://smok95.github.io/lotto/results/{round}.json", nullptr},
        {"http://127.0.0.1:8000/{round}.json", nullptr},
        {"http://127.12.0.9/r/{round}", nullptr},
        {"http://localhost:8080/{round}.json", nullptr},
        {"http://[::1]:8080/{round}.json", nullptr},
        {"http://lotto.invalid/{round}.json",
         "plain HTTP is only for this machine (127.0.0.1, ::1, localhost); use https://"},
        {"http://127.0.0.1.lotto.invalid/{round}",
         "plain HTTP is only for this machine (127.0.0.1, ::1, localhost); use https://"},
        {"http://localhost.lotto.invalid/{round}",
         "plain HTTP is only for this machine (127.0.0.1, ::1, localhost); use https://"},
        {"http://127.1.2.3.4/{round}",
         "plain HTTP is only for this machine (127.0.0.1, ::1, localhost); use https://"},
        {"http://127.0.0/{round}",
         "plain HTTP is only for this machine (127.0.0.1, ::1, localhost); use https://"},
        {"http://128.0.0.1/{round}",
         "plain HTTP is only for this machine (127.0.0.1, ::1, localhost); use https://"},
        {"ftp://127.0.0.1/{round}", "the link must begin with https://"},
        {"file:///etc/{round}", "the link must begin with https://"},
        {"https://lotto.invalid/latest.json", "the link has no {round} to stand for the round"},
        {"https:///{round}", "the link names no host, or a user with it"},
        {"http://user@127.0.0.1/{round}", "the link names no host, or a user with it"},
        {"https://lotto.invalid/{round} x",
         "the link holds a blank, a quote or a control character"},
        {"https://lotto.invalid/\x1b[31m{round}",
         "the link holds a blank, a quote or a control character"},
    };
    for (const auto& c : cases) {
        const char* problem = source_problem(c.url);
        EXPECT_STREQ(problem, c.problem) << c.url;
    }
    char link[64];
    ASSERT_TRUE(round_link("https://lotto.invalid/{round}/{round}.json", 1231, link, sizeof link));
    EXPECT_STREQ(link, "https://lotto.invalid/1231/1231.json");
    EXPECT_FALSE(round_link("https://lotto.invalid/{round}", 1231, link, 16));
}

// A redirect's Location, resolved against the request's link as a browser resolves it, then
// checked like any link; both platforms' clients resolve with this.
TEST(ResultsSource, ARedirectsLocationIsResolvedAgainstTheRequestsLink)
{
    const char* base = "http://127.0.0.1:8000/lotto/results/1231.json?v=2";
    const struct {
        const char* location;
        const char* resolved; // null: none
    } cases[] = {
        {"https://mirror.invalid/1231.json", "https://mirror.invalid/1231.json"},
        {"//127.0.0.1:9000/r/1231.json", "http://127.0.0.1:9000/r/1231.json"},
        {"/1231.json", "http://127.0.0.1:8000/1231.json"},
        {"1232.json", "http://127.0.0.1:8000/lotto/results/1232.json"},
        {"./old/1231.json", "http://127.0.0.1:8000/lotto/results/old/1231.json"},
        {"../archive/1231.json", "http://127.0.0.1:8000/lotto/archive/1231.json"},
        {"../../../../1231.json", "http://127.0.0.1:8000/1231.json"},
        {"/a/b/../c/./d.json?x=1", "http://127.0.0.1:8000/a/c/d.json?x=1"},
        {"..", "http://127.0.0.1:8000/lotto/"},
        {"?v=3", "http://127.0.0.1:8000/lotto/results/1231.json?v=3"},
        {"", nullptr},
        {nullptr, nullptr},
    };
    for (const auto& c : cases) {
        char resolved[4096] = "";
        EXPECT_EQ(resolve_location(base, c.location, resolved, sizeof resolved),
                  c.resolved != nullptr)
            << (c.location != nullptr ? c.location : "(none)");
        if (c.resolved != nullptr) {
            EXPECT_STREQ(resolved, c.resolved) << c.location;
        }
    }
    char resolved[4096];
    EXPECT_TRUE(resolve_location("http://localhost:8080", "1231.json", resolved, sizeof resolved));
    EXPECT_STREQ(resolved, "http://localhost:8080/1231.json");
    char small[24];
    EXPECT_FALSE(resolve_location(base, "1232.json", small, sizeof small));
}

const std::string& FINAL = MIRROR_FINAL_1230;
const std::string& NUMBERS_ONLY = MIRROR_NUMBERS_ONLY_1230;

std::string with(std::string text, const std::string& from, const std::string& to)
{
    text.replace(text.find(from), from.size(), to);
    return text;
}

TEST(RoundResult, AFinalRoundBecomesTheAddDrawLineAndAPrizesRow)
{
    RoundResult result{};
    char problem[512] = "";
    ASSERT_TRUE(read_round_result(FINAL.data(), FINAL.size(), 1230, 20260628, result, problem,
                                  sizeof problem))
        << problem;
    char line[MAX_LINE_BYTES + 1];
    format_result_line(line, result);
    EXPECT_STREQ(line, "1230,2026-06-27,3,8,9,22,28,42,45");
    EXPECT_EQ(result.prizes_state, PrizesState::Final);
    format_prizes_line(line, result.prizes);
    EXPECT_STREQ(line, "1230,1771357196,16,52484658,90,1415953,3336,50000,168902,5000,2770957,"
                       "120177677000");
}

TEST(RoundResult, PrizesArePendingUntilTheyArePublished)
{
    const std::string nobody_first = with(FINAL, R"({"prize":1771357196,"winners":16})", "{}");
    const std::string empty_fourth = with(FINAL, R"({"prize":50000,"winners":168902})", "{}");
    const std::string empty_fifth = with(FINAL, R"({"prize":5000,"winners":2770957})", "{}");
    const struct {
        std::string body;
        std::int32_t today;
        PrizesState state;
    } cases[] = {
        {NUMBERS_ONLY, 20260627, PrizesState::Pending},
        {NUMBERS_ONLY, 20260704, PrizesState::Pending}, // no sales: not published, any day
        // {} is "nobody won" once the draw's day is over in Korea, "not yet" on the day itself.
        {nobody_first, 20260627, PrizesState::Pending},
        {nobody_first, 20260628, PrizesState::Final},
        {with(with(with(with(with(FINAL, "1771357196,\"winners\":16", "0,\"winners\":0"),
                             "52484658,\"winners\":90", "0,\"winners\":0"),
                        "1415953,\"winners\":3336", "0,\"winners\":0"),
                   "50000,\"winners\":168902", "0,\"winners\":0"),
              "5000,\"winners\":2770957", "0,\"winners\":0"),
         20260701, PrizesState::Pending}, // all zeros
        {"  " + FINAL + "\n", 20260628, PrizesState::Final},
        // Every round has had 4th and 5th prize winners: an empty division there is a record
        // not complete, on any day.
        {empty_fifth, 20260627, PrizesState::Pending},
        {empty_fifth, 20260628, PrizesState::Incomplete},
        {empty_fourth, 20261231, PrizesState::Incomplete},
    };
    for (const auto& c : cases) {
        RoundResult result{};
        char problem[512] = "";
        ASSERT_TRUE(read_round_result(c.body.data(), c.body.size(), 1230, c.today, result, problem,
                                      sizeof problem))
            << problem << "\n"
            << c.body;
        EXPECT_EQ(result.prizes_state, c.state) << c.body;
    }
}

TEST(RoundResult, AnythingElseIsRefusedWithTheSourcesWordsShownSafely)
{
    const struct {
        std::string body;
        const char* problem;
    } cases[] = {
        {"<html><body>Not here</body></html>", "not the results as JSON (Invalid value. at byte "
                                               "0): '<html><body>Not here</body></html>'"},
        {FINAL.substr(0, 40),
         "not the results as JSON (Missing a comma or ']' after an array element. at byte 40): "
         "'{\"draw_no\":1230,\"numbers\":[3,8,9,22,28,4'"},
        {"[1230]", "not the results of a round: '[1230]'"},
        {with(FINAL, "1230", "1229"), "the results of round 1229, not of round 1230"},
        {with(FINAL, "\"draw_no\":1230", "\"draw_no\":\"1230\""),
         "no round (\"draw_no\") in "
         "'{\"draw_no\":\"1230\",\"numbers\":[3,8,9,22,28,42],\"bonus_no\":45,\"...'"},
        {with(FINAL, "[3,8,9,22,28,42]", "[3,8,9,22,28,46]"),
         "\"numbers\" holds something other than a number from 1 to 45"},
        {with(FINAL, "[3,8,9,22,28,42]", "[3,8,9,22,28,4.2]"),
         "\"numbers\" holds something other than a number from 1 to 45"},
        {with(FINAL, "[3,8,9,22,28,42]", "[3,8,9,22,28,28]"), "\"numbers\" holds a number twice"},
        {with(FINAL, "[3,8,9,22,28,42]", "[3,8,9,22,28]"),
         "\"numbers\" is not a list of six numbers"},
        {with(FINAL, "\"bonus_no\":45", "\"bonus_no\":42"),
         "\"bonus_no\" is not a number from 1 to 45 apart from the six"},
        {with(FINAL, "2026-06-27T00:00:00Z", "2026-02-30T00:00:00Z"),
         "\"date\" is not a calendar day"},
        {with(FINAL, "2026-06-27T00:00:00Z", "27.06.2026"), "\"date\" is not a calendar day"},
        {with(FINAL, "{\"prize\":5000,\"winners\":2770957}", "{\"prize\":5000}"),
         "division 5 has no whole \"prize\" and \"winners\""},
        {with(FINAL, "{\"prize\":5000,\"winners\":2770957}", "7"), "division 5 is not an object"},
        {with(FINAL, ",{\"prize\":5000,\"winners\":2770957}", ""),
         "\"divisions\" is not a list of five divisions"},
        {with(FINAL, "120177677000", "-1"), "\"total_sales_amount\" is not a whole amount"},
        {"\x1b]0;title\x07",
         "not the results as JSON (Invalid value. at byte 0): '\\x1b]0;title\\x07'"},
        {std::string(MOST_RESULT_BYTES + 1, ' '), nullptr},
    };
    for (const auto& c : cases) {
        RoundResult result{};
        char problem[512] = "";
        EXPECT_FALSE(read_round_result(c.body.data(), c.body.size(), 1230, 20260628, result,
                                       problem, sizeof problem))
            << c.body.substr(0, 80);
        if (c.problem != nullptr) {
            EXPECT_STREQ(problem, c.problem);
        } else {
            EXPECT_NE(std::string(problem).find("longer than 65536 bytes"), std::string::npos)
                << problem;
        }
    }
}

// Nesting is refused before the parser's recursion could exhaust a small stack (Windows
// gives a thread 1 MiB), and the largest answers of every shape are read without the heap.
TEST(RoundResult, DeepNestingIsRefusedAndNoAnswerWithinTheCapReachesTheHeap)
{
    const auto filled = [](const std::string& open, const std::string& item,
                           const std::string& close) {
        std::string text = open;
        while (text.size() + item.size() + close.size() <= MOST_RESULT_BYTES) {
            text += item;
        }
        if (text.back() == ',') {
            text.pop_back();
        }
        return text + close;
    };
    const std::string within_depth = "{\"a\":" + std::string(MOST_RESULT_DEPTH - 1, '[') + "0" +
                                     std::string(MOST_RESULT_DEPTH - 1, ']') + "}";
    const std::string too_deep = std::string(MOST_RESULT_BYTES, '[');
    const std::string answers[] = {
        filled("[", "0,", "]"),                     // the most values
        filled("{", "\"\":0,", "}"),                // the most members
        filled("[", "\"abcdefghijklmnopq\",", "]"), // the most strings that need storage
        "[\"" + std::string(MOST_RESULT_BYTES - 4, 'x') + "\"]", // the longest string
        filled("[", "[[[[[[0]]]]]],", "]"),                      // nested as deep as allowed, often
        within_depth,
        too_deep,
    };
    const std::size_t before = result_reader_heap_takes();
    for (const std::string& answer : answers) {
        ASSERT_LE(answer.size(), MOST_RESULT_BYTES);
        RoundResult result{};
        char problem[512] = "";
        EXPECT_FALSE(read_round_result(answer.data(), answer.size(), 1230, 20260628, result,
                                       problem, sizeof problem));
        if (&answer == &answers[6]) {
            EXPECT_STREQ(problem,
                         ("not the results as JSON (nested more than 8 deep at byte 9): '" +
                          std::string(60, '[') + "...'")
                             .c_str());
        } else {
            EXPECT_EQ(std::string(problem).find("JSON"), std::string::npos) << problem;
        }
    }
    EXPECT_EQ(result_reader_heap_takes(), before);
}

} // namespace
