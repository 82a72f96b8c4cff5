#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "core_test_support.hpp"
#include "generation/set_generator.hpp"
#include "generation/shape_filters.hpp"

namespace {

constexpr std::uint32_t SEEDS_TO_CHECK = 3000;

TEST(ShapeFilters, RejectAllOddAllEvenAndFourInARowAnywhere)
{
    EXPECT_FALSE(is_proposable({1, 3, 5, 7, 9, 45}));
    EXPECT_FALSE(is_proposable({2, 4, 6, 8, 10, 44}));
    EXPECT_FALSE(is_proposable({7, 8, 9, 10, 20, 33}));
    EXPECT_FALSE(is_proposable({1, 7, 8, 9, 10, 33}));
    EXPECT_FALSE(is_proposable({1, 3, 42, 43, 44, 45}));
    EXPECT_TRUE(is_proposable({7, 8, 9, 20, 33, 41}));
    EXPECT_TRUE(is_proposable({1, 2, 3, 5, 6, 7}));
}

TEST(Generator, EverySetIsSixDistinctAscendingProposableNumbers)
{
    for (std::uint32_t seed = 0; seed < SEEDS_TO_CHECK; ++seed) {
        generate_sets_from_seed(seed);
        for (const NumberSet& set : prediction_table.sets) {
            EXPECT_GE(set.front(), 1) << "seed " << seed;
            EXPECT_LE(set.back(), MAX_NUMBER) << "seed " << seed;
            EXPECT_TRUE(std::adjacent_find(set.begin(), set.end(), std::greater_equal<>()) ==
                        set.end())
                << "seed " << seed;
            EXPECT_TRUE(is_proposable(set)) << "seed " << seed;
        }
        ASSERT_FALSE(HasFailure());
    }
}

// The draws a fresh buffer would give for this seed, kept only where they pass the filters.
std::vector<NumberSet> first_proposable_draws(std::uint32_t seed, int* rejected)
{
    std::srand(seed);
    std::vector<NumberSet> accepted;
    *rejected = 0;
    while (accepted.size() < SET_COUNT) {
        const NumberSet candidate = draw_candidate();
        if (is_proposable(candidate)) {
            accepted.push_back(candidate);
        } else {
            ++*rejected;
        }
    }
    return accepted;
}

TEST(Generator, ARejectedAttemptLeavesNoTrace)
{
    int seeds_with_rejections = 0;
    for (std::uint32_t seed = 0; seed < 200; ++seed) {
        int rejected = 0;
        const std::vector<NumberSet> expected = first_proposable_draws(seed, &rejected);
        seeds_with_rejections += rejected > 0 ? 1 : 0;
        generate_sets_from_seed(seed);
        EXPECT_TRUE(std::equal(expected.begin(), expected.end(), prediction_table.sets.begin()))
            << "seed " << seed;
    }
    // About one seed in five rejects a draw; without any the test would prove nothing.
    EXPECT_GT(seeds_with_rejections, 10);
}

TEST(Generator, TheSameSeedGivesTheSamePrediction)
{
    generate_sets_from_seed(20261206);
    const PredictionTable first = prediction_table;
    generate_sets_from_seed(7);
    generate_sets_from_seed(20261206);
    EXPECT_EQ(prediction_table.sets, first.sets);
    EXPECT_EQ(prediction_table.total_score, first.total_score);
    EXPECT_EQ(prediction_table.matched_numbers, first.matched_numbers);
    for (int k = 0; k < SET_COUNT; ++k) {
        for (int i = 0; i < LINES_PER_SET; ++i) {
            EXPECT_EQ(text_of(prediction_table.detail_lines[k][i]),
                      text_of(first.detail_lines[k][i]));
        }
    }
}

std::int32_t fixed_clock()
{
    return 1'700'000'000;
}

TEST(Generator, SeedsFromTheClockInWholeSeconds)
{
    generate_sets_from_seed(1'700'000'000);
    const auto expected = prediction_table.sets;
    use_seed_clock(fixed_clock);
    generate_sets();
    use_seed_clock(nullptr);
    EXPECT_EQ(prediction_table.sets, expected);
}

} // namespace
