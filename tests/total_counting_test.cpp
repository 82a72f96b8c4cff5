// The ways of counting totals: plain, AVX2, AVX-512, on one thread or many, give the counts
// of the full enumeration, list by list, batch boundaries included.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "counting/back_test.hpp"
#include "counting/score_distribution.hpp"
#include "counting/total_counting.hpp"
#include "history/draw_history.hpp"

namespace {

// Lists as the history makes them: each number 0, 5, 10 or 15 points, some draws with
// many overdue numbers, some with few.
NonAppearingPoints random_lists(std::mt19937& random)
{
    NonAppearingPoints lists{};
    const int overdue_share = static_cast<int>(random() % 100);
    for (int number = 1; number <= MAX_NUMBER; ++number) {
        lists.by_number[number] = static_cast<int>(random() % 100) < overdue_share
                                      ? 5 * static_cast<int>(1 + random() % 3)
                                      : 0;
    }
    return lists;
}

constexpr CountingPath PATHS[] = {CountingPath::Plain, CountingPath::Avx2, CountingPath::Avx512};

// Each way of counting is a test of its own, skipped, and said to be, where the processor
// or the build lacks it: a run tells which ways it exercised.
class EveryPath : public testing::TestWithParam<CountingPath> {
protected:
    void SetUp() override
    {
        if (!counting_path_available(GetParam())) {
            GTEST_SKIP() << counting_path_name(GetParam()) << " is not in this build or processor";
        }
    }
};

std::string path_test_name(const testing::TestParamInfo<CountingPath>& info)
{
    std::string name = counting_path_name(info.param);
    name.erase(std::remove(name.begin(), name.end(), '-'), name.end());
    return name;
}

INSTANTIATE_TEST_SUITE_P(TotalCounting, EveryPath, testing::ValuesIn(PATHS), path_test_name);

TEST_P(EveryPath, GivesTheFullEnumerationsCounts)
{
    std::mt19937 random(1230);
    NonAppearingPoints lists[3] = {COMPILED_IN_POINTS, random_lists(random), random_lists(random)};
    lists[2].by_number[45] = 15; // a set of 15-point numbers reaches the highest totals
    static ScoreDistribution distribution[3];
    static bool tallied = false;
    for (int list = 0; list < 3 && !tallied; ++list) {
        tally_all_sets(MAX_NUMBER, lists[list], distribution[list], NO_NUMBER_CHOICE, 2);
    }
    tallied = true;
    static TotalCounts proposable[3];
    static TotalCounts all[3];
    const CountingPath path = GetParam();
    count_totals_of_lists(lists, 3, proposable, all, CountingOptions{path, 2});
    for (int list = 0; list < 3; ++list) {
        for (int total = 0; total <= MAX_TOTAL_POINTS; ++total) {
            ASSERT_EQ(proposable[list][total], distribution[list].total[PROPOSABLE_SETS][total])
                << counting_path_name(path) << ", list " << list << ", total " << total;
            ASSERT_EQ(all[list][total], distribution[list].total[ALL_SETS][total])
                << counting_path_name(path) << ", list " << list << ", total " << total;
        }
    }
}

// More lists than one batch takes, on one thread and on three: every list, the same
// counts as the plain way on one thread.
TEST_P(EveryPath, AgreesWithThePlainWayOverManyLists)
{
    constexpr int count = MOST_LISTS_AT_ONCE + 9;
    static NonAppearingPoints lists[count];
    static TotalCounts expected[count];
    static TotalCounts expected_all[count];
    static bool counted = false;
    if (!counted) {
        std::mt19937 random(20261207);
        for (NonAppearingPoints& list : lists) {
            list = random_lists(random);
        }
        count_totals_of_lists(lists, count, expected, expected_all,
                              CountingOptions{CountingPath::Plain, 1});
        counted = true;
    }
    static TotalCounts proposable[count];
    static TotalCounts all[count];
    const CountingPath path = GetParam();
    for (int workers : {1, 3}) {
        if (path == CountingPath::Plain && workers == 1) {
            continue; // the reference itself
        }
        count_totals_of_lists(lists, count, proposable, nullptr, CountingOptions{path, workers});
        count_totals_of_lists(lists, count, proposable, all, CountingOptions{path, workers});
        for (int list = 0; list < count; ++list) {
            for (int total = 0; total <= MAX_TOTAL_POINTS; ++total) {
                ASSERT_EQ(proposable[list][total], expected[list][total])
                    << counting_path_name(path) << " x" << workers << ", list " << list;
                ASSERT_EQ(all[list][total], expected_all[list][total])
                    << counting_path_name(path) << " x" << workers << ", list " << list;
            }
        }
    }
}

// Points that are not 0, 5, 10 or 15 cannot be looked up by class: every way then counts
// the plain way, and gets the same.
TEST(TotalCounting, ListsOutsideTheClassesAreCountedPlainly)
{
    NonAppearingPoints odd_points{};
    for (int number = 1; number <= MAX_NUMBER; ++number) {
        odd_points.by_number[number] = number % 4;
    }
    static TotalCounts plain;
    static TotalCounts fastest;
    count_totals_of_lists(&odd_points, 1, &plain, nullptr, CountingOptions{CountingPath::Plain, 1});
    count_totals_of_lists(&odd_points, 1, &fastest, nullptr, default_counting_options());
    for (int total = 0; total <= MAX_TOTAL_POINTS; ++total) {
        ASSERT_EQ(plain[total], fastest[total]) << total;
    }
}

// The whole back-test, every figure, the same whatever the way and the workers.
TEST_P(EveryPath, GivesTheSameBackTest)
{
    static DrawHistory history;
    std::mt19937 random(7);
    history.count = 90;
    for (int i = 0; i < history.count; ++i) {
        std::array<std::int32_t, MAX_NUMBER> order{};
        for (int n = 0; n < MAX_NUMBER; ++n) {
            order[n] = n + 1;
        }
        std::shuffle(order.begin(), order.end(), random);
        Draw draw{i + 1, {}, 0, i + 1, 0};
        std::copy(order.begin(), order.begin() + NUMBERS_PER_SET, draw.numbers.begin());
        std::sort(draw.numbers.begin(), draw.numbers.end());
        history.draws[i] = draw;
    }
    static BackTest plain;
    static BackTest other;
    run_back_test(history, plain, CountingOptions{CountingPath::Plain, 1});
    ASSERT_EQ(plain.count, 90 - MIN_DRAWS);
    const CountingPath path = GetParam();
    {
        run_back_test(history, other, CountingOptions{path, 2});
        EXPECT_EQ(other.mean_mid_rank, plain.mean_mid_rank) << counting_path_name(path);
        EXPECT_EQ(other.chance_mean_mid_rank, plain.chance_mean_mid_rank)
            << counting_path_name(path);
        EXPECT_EQ(other.chance_top_tenth_share, plain.chance_top_tenth_share)
            << counting_path_name(path);
        EXPECT_EQ(other.p_value, plain.p_value) << counting_path_name(path);
        for (int i = 0; i < plain.count; ++i) {
            EXPECT_EQ(other.draws[i].mid_rank, plain.draws[i].mid_rank) << i;
        }
    }
}

} // namespace
