// The player's own numbers: lists read strictly, every impossible choice refused exactly,
// and the generator that keeps and avoids them.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <random>
#include <string>

#include "generation/number_choice.hpp"
#include "generation/set_generator.hpp"
#include "generation/shape_filters.hpp"
#include "text/translation.hpp"

namespace {

std::string refusal(const char* kept, const char* left_out)
{
    NumberChoice choice{};
    const ChoiceVerdict verdict = read_number_choice(kept, left_out, choice);
    char message[256];
    describe_choice_problem(verdict, message, sizeof message);
    return verdict.problem == ChoiceProblem::None ? "accepted" : message;
}

// Adds a number to a list typed with commas between numbers.
void append_number(std::string& list, int number)
{
    if (!list.empty()) {
        list += ',';
    }
    list += std::to_string(number);
}

// "2,4,...": every number from `first` to `last` in steps of `step`, after `list`.
std::string numbers(int first, int last, int step = 1, std::string list = {})
{
    for (int number = first; number <= last; number += step) {
        append_number(list, number);
    }
    return list;
}

TEST(NumberChoice, ListsAreAcceptedOrRefusedWithTheReason)
{
    use_language(Language::English);
    const std::string evens = numbers(2, 44, 2);
    const std::string odds = numbers(1, 45, 2);
    const struct {
        std::string kept;
        std::string left_out;
        const char* verdict;
    } cases[] = {
        {"7,21", "13,40", "accepted"},
        {"", "", "accepted"},
        {" 7, 21 ", "13 40", "accepted"},
        {"1,2,3,5,6", "", "accepted"},
        {"7,x", "", "give numbers from 1 to 45 with commas between them"},
        {"7,", "", "give numbers from 1 to 45 with commas between them"},
        {"", "1,,2", "give numbers from 1 to 45 with commas between them"},
        {"0", "", "0 is not a number from 1 to 45"},
        {"", "46", "46 is not a number from 1 to 45"},
        {"-3", "", "-3 is not a number from 1 to 45"},
        {"7,7", "", "7 is given twice"},
        {"", "13,40,13", "13 is given twice"},
        {"7,21", "21", "21 cannot be both kept and left out"},
        {"1,2,3,5,6,7", "", "at most five numbers can be kept, not 6"},
        {"10,12,11,13", "",
         "the kept numbers 10 to 13 are four in a row, and lotto never "
         "proposes a set with four in a row"},
        {"30,1,31,33,32", "",
         "the kept numbers 30 to 33 are four in a row, and lotto never "
         "proposes a set with four in a row"},
        {"", numbers(1, 40), "leaving out 40 numbers leaves 5, fewer than the six of a set"},
        {"", evens, "no set these lists leave can be proposed: every one is all odd"},
        {"2", odds, "no set these lists leave can be proposed: every one is all even"},
        {"1,3,5,7,9", evens, "no set these lists leave can be proposed: every one is all odd"},
        // Only 40 to 45 remain besides the kept 39: all of them are four in a row.
        {"39", numbers(42, 42, 1, numbers(1, 38)), "accepted"},
        {"", numbers(1, 39),
         "no set these lists leave can be proposed: every one is four in a row"},
        {"", numbers(3, 3, 1, numbers(6, 45)),
         "leaving out 41 numbers leaves 4, fewer than the six of a set"},
        {"1,3", numbers(7, 45),
         "no set these lists leave can be proposed: every one is four in a row"},
        {"1,3,5,7,9", numbers(2, 42, 2, numbers(11, 45, 2)), "accepted"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(refusal(c.kept.c_str(), c.left_out.c_str()), c.verdict)
            << "--with '" << c.kept << "' --without '" << c.left_out << "'";
    }
}

TEST(NumberChoice, ReadingProblemsNameTheirList)
{
    NumberChoice choice{};
    EXPECT_EQ(read_number_choice("7,x", nullptr, choice).list, ChoiceList::Kept);
    EXPECT_EQ(read_number_choice(nullptr, "99", choice).list, ChoiceList::LeftOut);
    EXPECT_EQ(read_number_choice("7", "7", choice).list, ChoiceList::None);
    const ChoiceVerdict verdict = read_number_choice("21, 7", "40,13", choice);
    ASSERT_EQ(verdict.problem, ChoiceProblem::None);
    EXPECT_EQ(choice.kept_count, 2);
    EXPECT_EQ(choice.kept[0], 21); // in the order given
    EXPECT_EQ(choice.kept[1], 7);
    EXPECT_EQ(choice.left_out, number_bit(13) | number_bit(40));
}

// An independent count: every subset of six of the numbers not left out, by bit mask.
ChoiceCompletions brute_force(const NumberChoice& choice)
{
    std::array<std::int32_t, MAX_NUMBER> allowed{};
    int count = 0;
    for (std::int32_t number = 1; number <= MAX_NUMBER; ++number) {
        if (!is_left_out(choice, number)) {
            allowed[count++] = number;
        }
    }
    ChoiceCompletions completions{};
    for (std::uint32_t mask = 0; mask < (1U << count); ++mask) {
        if (std::popcount(mask) != NUMBERS_PER_SET) {
            continue;
        }
        NumberSet set{};
        int k = 0;
        for (int bit = 0; bit < count; ++bit) {
            if ((mask & (1U << bit)) != 0) {
                set[k++] = allowed[bit];
            }
        }
        if (fits_number_choice(set, choice)) {
            ++completions.sets;
            const unsigned rejection = rejection_of(set);
            completions.rejections |= rejection;
            completions.proposable += rejection == 0 ? 1 : 0;
        }
    }
    return completions;
}

// Random choices near the edge (16 or fewer numbers remain) against the brute force: the
// verdict is exact, and an accepted choice's sets keep and avoid its numbers.
TEST(NumberChoice, VerdictsMatchABruteForceCountNearTheEdge)
{
    std::mt19937 random(20261207);
    int accepted = 0;
    int refused = 0;
    for (int trial = 0; trial < 1500; ++trial) {
        std::array<std::int32_t, MAX_NUMBER> order{};
        for (int i = 0; i < MAX_NUMBER; ++i) {
            order[i] = i + 1;
        }
        std::shuffle(order.begin(), order.end(), random);
        // Half the trials favour leaving out one parity, where whole choices turn all odd
        // or all even; kept numbers from the front of what remains, often in a run.
        if (trial % 2 == 1) {
            const int parity = trial % 4 == 1 ? 0 : 1;
            std::stable_partition(order.begin(), order.end() - 8,
                                  [&](std::int32_t number) { return number % 2 == parity; });
        }
        const int left_out = 29 + static_cast<int>(random() % 13);
        NumberChoice choice{};
        for (int i = 0; i < left_out; ++i) {
            choice.left_out |= number_bit(order[i]);
        }
        std::sort(order.begin() + left_out, order.end());
        choice.kept_count = static_cast<std::int32_t>(random() % (MAX_KEPT_NUMBERS + 1));
        const int kept_from = left_out + static_cast<int>(random() % 3);
        choice.kept_count = std::min(choice.kept_count, MAX_NUMBER - kept_from);
        for (int i = 0; i < choice.kept_count; ++i) {
            choice.kept[i] = order[kept_from + i];
        }
        std::string kept_text;
        for (int i = 0; i < choice.kept_count; ++i) {
            append_number(kept_text, choice.kept[i]);
        }
        std::string left_out_text;
        for (int i = 0; i < left_out; ++i) {
            append_number(left_out_text, order[i]);
        }
        NumberChoice read{};
        const ChoiceVerdict verdict =
            read_number_choice(kept_text.c_str(), left_out_text.c_str(), read);
        const ChoiceCompletions expected = brute_force(choice);
        const ChoiceCompletions counted = count_choice_completions(choice, false);
        ASSERT_EQ(counted.sets, expected.sets) << kept_text << " / " << left_out_text;
        ASSERT_EQ(counted.proposable, expected.proposable) << kept_text << " / " << left_out_text;
        ASSERT_EQ(counted.rejections, expected.rejections) << kept_text << " / " << left_out_text;
        ASSERT_EQ(verdict.problem == ChoiceProblem::None, expected.proposable > 0)
            << kept_text << " / " << left_out_text;
        if (verdict.problem == ChoiceProblem::NoProposableSet) {
            EXPECT_EQ(verdict.rejections, expected.rejections);
        }
        if (verdict.problem != ChoiceProblem::None) {
            ++refused;
            continue;
        }
        ++accepted;
        use_number_choice(read);
        generate_sets_from_seed(static_cast<std::uint32_t>(trial));
        for (const NumberSet& set : prediction_table.sets) {
            ASSERT_TRUE(fits_number_choice(set, choice) && is_proposable(set))
                << kept_text << " / " << left_out_text;
        }
    }
    use_number_choice(NO_NUMBER_CHOICE);
    // Both sides of the edge were tried.
    EXPECT_GT(accepted, 100);
    EXPECT_GT(refused, 100);
}

// The generator's contract, written out plainly: kept numbers first, then rand() % 45 + 1
// drawn again while it is in the buffer or left out, sorted, filtered; a rejected attempt
// starts again from the kept numbers. The page and every platform replay this.
NumberSet reference_set(const NumberChoice& choice)
{
    for (;;) {
        NumberSet set{};
        int filled = 0;
        for (; filled < choice.kept_count; ++filled) {
            set[filled] = choice.kept[filled];
        }
        for (; filled < NUMBERS_PER_SET; ++filled) {
            std::int32_t number = 0;
            do {
                number = std::rand() % MAX_NUMBER + 1;
            } while (std::find(set.begin(), set.begin() + filled, number) != set.begin() + filled ||
                     is_left_out(choice, number));
            set[filled] = number;
        }
        std::sort(set.begin(), set.end());
        if (is_proposable(set)) {
            return set;
        }
    }
}

TEST(NumberChoice, SetsKeepAndAvoidTheNumbersExactlyAsDrawn)
{
    const char* const choices[][2] = {
        {"7,21", "13,40"},
        {"45", nullptr},
        {nullptr, "1,2,3,4,5,6,7,8,9,10"},
        {"2,4,6,8", "1,3,5,7,9,11,13,15,17,19,21,23,25"},
        {"1,3,5,7,9", nullptr},
    };
    for (const auto& lists : choices) {
        NumberChoice choice{};
        ASSERT_EQ(read_number_choice(lists[0], lists[1], choice).problem, ChoiceProblem::None);
        use_number_choice(choice);
        for (std::uint32_t seed = 0; seed < 300; ++seed) {
            generate_sets_from_seed(seed);
            std::srand(seed);
            for (const NumberSet& set : prediction_table.sets) {
                ASSERT_EQ(set, reference_set(choice)) << "seed " << seed;
                ASSERT_TRUE(fits_number_choice(set, choice));
            }
        }
    }
    use_number_choice(NO_NUMBER_CHOICE);
}

TEST(NumberChoice, WhenOneSetRemainsAllFiveAreIt)
{
    // Five kept and one number left to draw; nothing kept and six numbers left.
    const std::string all_but_45 =
        numbers(24, 44, 2, numbers(16, 20, 2, numbers(2, 6, 2, numbers(1, 43, 2))));
    const std::string all_but_six = "1,2,4,5,6,7,9,10,11,12,13,14,15,16,17,18,19,22,23,24,25,26,"
                                    "27,28,29,30,31,32,34,35,36,37,38,39,40,41,42,43,44";
    const struct {
        const char* kept;
        const std::string& left_out;
        NumberSet only;
    } cases[] = {
        {"8,22,10,12,14", all_but_45, {8, 10, 12, 14, 22, 45}},
        {nullptr, all_but_six, {3, 8, 20, 21, 33, 45}},
    };
    for (const auto& c : cases) {
        NumberChoice choice{};
        ASSERT_EQ(read_number_choice(c.kept, c.left_out.c_str(), choice).problem,
                  ChoiceProblem::None);
        ASSERT_EQ(count_choice_completions(choice, false).sets, 1);
        use_number_choice(choice);
        for (std::uint32_t seed = 0; seed < 50; ++seed) {
            generate_sets_from_seed(seed);
            for (const NumberSet& set : prediction_table.sets) {
                ASSERT_EQ(set, c.only) << "seed " << seed;
            }
        }
    }
    use_number_choice(NO_NUMBER_CHOICE);
}

} // namespace
