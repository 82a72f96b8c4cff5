// The week's update as both clients drive it: for each week's files, clock and answers of
// the results source, the rounds asked, what each answer means and how the update ends.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "results/week_update.hpp"

namespace {

// Moments on a Korean clock: round 1230's week, round 1231's draw evening, the next day,
// and round 1232's next day.
constexpr std::int64_t WEEK_OF_1230 = 1782558000;      // 2026-06-27 20:00
constexpr std::int64_t DRAW_EVENING_1231 = 1783162800; // 2026-07-04 20:00
constexpr std::int64_t DAY_AFTER_1231 = 1783249200;    // 2026-07-05 20:00
constexpr std::int64_t DAY_AFTER_1232 = 1784199600;    // 2026-07-12 20:00

enum class Divisions { Final, NumbersOnly, EmptyFifth, NotTogether };

// A round as the mirror publishes it: 1231 drawn 2026-07-04, a round a week.
std::string answer(int round, Divisions divisions)
{
    const std::string numbers = round == 1231 ? "[1,9,13,24,30,41]" : "[2,10,14,25,31,42]";
    const std::string date = round == 1231 ? "2026-07-04" : "2026-07-11";
    const std::string fifth =
        divisions == Divisions::EmptyFifth ? "{}" : R"({"prize":5000,"winners":2500000})";
    const std::string first = divisions == Divisions::NotTogether
                                  ? R"({"prize":40000000,"winners":10})"
                                  : R"({"prize":2000000000,"winners":10})";
    const std::string paid =
        "[" + first + R"(,{"prize":50000000,"winners":70},)" +
        R"({"prize":1500000,"winners":3000},{"prize":50000,"winners":150000},)" + fifth + "]";
    return R"({"draw_no":)" + std::to_string(round) + R"(,"numbers":)" + numbers +
           R"(,"bonus_no":7,"date":")" + date + R"(T00:00:00Z","divisions":)" +
           (divisions == Divisions::NumbersOnly ? "[{},{},{},{},{}]}"
                                                : paid + R"(,"total_sales_amount":118000000000})");
}

Draw held_draw(int round, int first_number, int bonus)
{
    Draw draw{};
    draw.round = round;
    draw.numbers = {first_number, 9, 13, 24, 30, 41};
    draw.bonus = bonus;
    draw.date = 20260704;
    return draw;
}

struct Served {
    Fetch fetch;
    std::string body; // the answer, or the client's words for a failure
};

struct Decided {
    int round;
    RoundStep step;
    std::string draw_added; // "" when none
    bool prizes_added;
    std::string problem; // a part of it
};

TEST(WeekUpdate, EachAnswerMeansOneThingForBothClients)
{
    const Served html{Fetch::Answer, "<html><body>Oops</body></html>"};
    const std::string added_1231 = "1231,2026-07-04,1,9,13,24,30,41,7";
    const std::string added_1232 = "1232,2026-07-11,2,10,14,25,31,42,7";
    const struct {
        const char* what;
        WeekFacts facts;
        std::int64_t now;
        std::map<int, Served> served;
        std::map<int, Draw> held;
        std::vector<Decided> decided;
        WeekEnd end;
    } cases[] = {
        {"up to date: nothing asked",
         {1, 1230, true, 1230},
         WEEK_OF_1230,
         {},
         {},
         {},
         {1230, 0, 0}},
        {"the draw's evening: the numbers, the prizes waiting; the next round not drawn yet",
         {1, 1230, true, 1230},
         DRAW_EVENING_1231,
         {{1231, {Fetch::Answer, answer(1231, Divisions::NumbersOnly)}}},
         {},
         {{1231, RoundStep::Next, added_1231, false, ""}},
         {1231, 1231, 0}},
        {"a week on: the draw and its prizes, then a round not published",
         {1, 1230, true, 1230},
         DAY_AFTER_1232,
         {{1231, {Fetch::Answer, answer(1231, Divisions::Final)}},
          {1232, {Fetch::NotPublished, ""}}},
         {},
         {{1231, RoundStep::Next, added_1231, true, ""}, {1232, RoundStep::Done, "", false, ""}},
         {1231, 0, 0}},
        {"prizes in order: a later round's final prizes wait for an earlier round's",
         {1, 1230, true, 1230},
         DAY_AFTER_1232,
         {{1231, {Fetch::Answer, answer(1231, Divisions::NumbersOnly)}},
          {1232, {Fetch::Answer, answer(1232, Divisions::Final)}}},
         {},
         {{1231, RoundStep::Next, added_1231, false, ""},
          {1232, RoundStep::Next, added_1232, false, ""}},
         {1232, 1231, 0}},
        {"a held round asked again for its prizes, in a history without bonus numbers",
         {1, 1231, false, 1230},
         DAY_AFTER_1231,
         {{1231, {Fetch::Answer, answer(1231, Divisions::Final)}}},
         {{1231, held_draw(1231, 1, 0)}},
         {{1231, RoundStep::Next, "", true, ""}},
         {1231, 0, 0}},
        {"a round added to a history without bonus numbers, without one",
         {1, 1230, false, 1230},
         DAY_AFTER_1231,
         {{1231, {Fetch::Answer, answer(1231, Divisions::Final)}}},
         {},
         {{1231, RoundStep::Next, "1231,2026-07-04,1,9,13,24,30,41", true, ""}},
         {1231, 0, 0}},
        {"a held round the source gives otherwise: the history kept",
         {1, 1231, true, 1230},
         DAY_AFTER_1231,
         {{1231, {Fetch::Answer, answer(1231, Divisions::Final)}}},
         {{1231, held_draw(1231, 2, 7)}},
         {{1231, RoundStep::Contradicts, "", false, ""}},
         {1231, 0, 0}},
        {"a round before the history's first: its prizes alone",
         {1231, 1231, true, 1229},
         DAY_AFTER_1231,
         {{1230, {Fetch::Answer, answer(1230, Divisions::Final)}},
          {1231, {Fetch::Answer, answer(1231, Divisions::Final)}}},
         {{1231, held_draw(1231, 1, 7)}},
         {{1230, RoundStep::Next, "", true, ""}, {1231, RoundStep::Next, "", true, ""}},
         {1231, 0, 0}},
        {"an answer that is not the results",
         {1, 1230, true, 1230},
         DAY_AFTER_1231,
         {{1231, html}},
         {},
         {{1231, RoundStep::Refused, "", false, "not the results as JSON"}},
         {1230, 0, 0}},
        {"a fetch that failed, in the client's words",
         {1, 1230, true, 1230},
         DAY_AFTER_1231,
         {{1231, {Fetch::Failed, "no answer: refused"}}},
         {},
         {{1231, RoundStep::Refused, "", false, "no answer: refused"}},
         {1230, 0, 0}},
        {"prizes that do not hold together: the draw is the source's, the prizes are not",
         {1, 1230, true, 1230},
         DAY_AFTER_1231,
         {{1231, {Fetch::Answer, answer(1231, Divisions::NotTogether)}}},
         {},
         {{1231, RoundStep::Refused, added_1231, false, "does not pay more than the 2nd"}},
         {1231, 0, 0}},
        {"an empty 5th division waits while its week lasts",
         {1, 1230, true, 1230},
         DAY_AFTER_1231,
         {{1231, {Fetch::Answer, answer(1231, Divisions::EmptyFifth)}}},
         {},
         {{1231, RoundStep::Next, added_1231, false, ""}},
         {1231, 1231, 0}},
        {"an empty 5th division still there once the next round is drawn: named",
         {1, 1230, true, 1230},
         DAY_AFTER_1232,
         {{1231, {Fetch::Answer, answer(1231, Divisions::EmptyFifth)}},
          {1232, {Fetch::Answer, answer(1232, Divisions::Final)}}},
         {},
         {{1231, RoundStep::Next, added_1231, false, ""},
          {1232, RoundStep::Next, added_1232, false, ""}},
         {1232, 0, 1231}},
    };
    for (const auto& c : cases) {
        WeekUpdate update{};
        start_week_update(update, c.facts, c.now);
        std::vector<Decided> decided;
        for (int round = round_to_ask(update); round != 0 && decided.size() < 10;
             round = round_to_ask(update)) {
            const auto served = c.served.find(round);
            ASSERT_NE(served, c.served.end()) << c.what << ": round " << round << " asked";
            const auto held = c.held.find(round);
            static RoundDecision decision;
            decide_round(update, served->second.fetch, served->second.body.data(),
                         served->second.body.size(), served->second.body.c_str(),
                         held != c.held.end() ? &held->second : nullptr,
                         round <= c.facts.prizes_newest, decision);
            decided.push_back(Decided{decision.round, decision.step,
                                      decision.add_draw ? decision.draw_line : "",
                                      decision.add_prizes, decision.problem});
        }
        ASSERT_EQ(decided.size(), c.decided.size()) << c.what;
        for (std::size_t i = 0; i < decided.size(); ++i) {
            const Decided& got = decided[i];
            const Decided& wanted = c.decided[i];
            EXPECT_EQ(got.round, wanted.round) << c.what;
            EXPECT_EQ(got.step, wanted.step) << c.what << ": round " << got.round;
            EXPECT_EQ(got.draw_added, wanted.draw_added) << c.what;
            EXPECT_EQ(got.prizes_added, wanted.prizes_added) << c.what << ": round " << got.round;
            EXPECT_NE(got.problem.find(wanted.problem), std::string::npos)
                << c.what << ": " << got.problem;
        }
        const WeekEnd end = finish_week_update(update);
        EXPECT_EQ(end.newest, c.end.newest) << c.what;
        EXPECT_EQ(end.waiting, c.end.waiting) << c.what;
        EXPECT_EQ(end.incomplete, c.end.incomplete) << c.what;
    }
}

} // namespace
