#include "generation/number_choice.hpp"

#include <algorithm>
#include <bit>

#include "generation/shape_filters.hpp"
#include "lottery/number_list.hpp"

namespace {

// The kept numbers ascending, for the checks that look at their shape.
int sorted_kept(const NumberChoice& choice, std::array<std::int32_t, MAX_KEPT_NUMBERS>& kept)
{
    kept = choice.kept;
    const int count = std::clamp(choice.kept_count, 0, MAX_KEPT_NUMBERS);
    // Insertion: at most five numbers.
    for (int i = 1; i < count; ++i) {
        for (int j = i; j > 0 && kept[j - 1] > kept[j]; --j) {
            std::swap(kept[j - 1], kept[j]);
        }
    }
    return count;
}

// The first of four kept numbers in a row, or 0.
std::int32_t kept_run_of_four(const NumberChoice& choice)
{
    constexpr int run = 4;
    std::array<std::int32_t, MAX_KEPT_NUMBERS> kept{};
    const int count = sorted_kept(choice, kept);
    for (int start = 0; start + run <= count; ++start) {
        if (kept[start + run - 1] == kept[start] + run - 1) {
            return kept[start];
        }
    }
    return 0;
}

ChoiceVerdict list_problem(const NumberList& list, ChoiceList which)
{
    ChoiceVerdict verdict{};
    verdict.list = which;
    verdict.token = list.token;
    verdict.token_length = list.token_length;
    verdict.number = list.number;
    switch (list.problem) {
    case ListProblem::Malformed:
        verdict.problem = ChoiceProblem::Malformed;
        break;
    case ListProblem::NotANumber:
        verdict.problem = ChoiceProblem::NotANumber;
        break;
    case ListProblem::GivenTwice:
        verdict.problem = ChoiceProblem::GivenTwice;
        break;
    case ListProblem::TooMany:
    case ListProblem::None:
        verdict.problem = ChoiceProblem::TooManyKept;
        break;
    }
    return verdict;
}

bool has_text(const char* text)
{
    return text != nullptr && text[0] != '\0';
}

// The choice's own checks once both lists read.
ChoiceVerdict check_choice(const NumberChoice& choice)
{
    ChoiceVerdict verdict{};
    for (int i = 0; i < choice.kept_count; ++i) {
        if (is_left_out(choice, choice.kept[i])) {
            verdict.problem = ChoiceProblem::KeptAndLeftOut;
            verdict.number = choice.kept[i];
            return verdict;
        }
    }
    if (const std::int32_t first = kept_run_of_four(choice); first != 0) {
        verdict.problem = ChoiceProblem::KeptFourInARow;
        verdict.number = first;
        return verdict;
    }
    const int left = MAX_NUMBER - std::popcount(choice.left_out);
    if (left < NUMBERS_PER_SET) {
        verdict.problem = ChoiceProblem::TooFewLeft;
        verdict.number = left;
        return verdict;
    }
    const ChoiceCompletions completions = count_choice_completions(choice, true);
    if (completions.proposable == 0) {
        verdict.problem = ChoiceProblem::NoProposableSet;
        verdict.rejections = completions.rejections;
    }
    return verdict;
}

} // namespace

bool is_kept(const NumberChoice& choice, std::int32_t number)
{
    return std::find(choice.kept.begin(), choice.kept.begin() + choice.kept_count, number) !=
           choice.kept.begin() + choice.kept_count;
}

bool is_empty_choice(const NumberChoice& choice)
{
    return choice.kept_count == 0 && choice.left_out == 0;
}

bool fits_number_choice(const NumberSet& set, const NumberChoice& choice)
{
    std::uint64_t held = 0;
    for (std::int32_t number : set) {
        held |= number_bit(number);
    }
    for (int i = 0; i < choice.kept_count; ++i) {
        if ((held & number_bit(choice.kept[i])) == 0) {
            return false;
        }
    }
    return (held & choice.left_out) == 0;
}

ChoiceCompletions count_choice_completions(const NumberChoice& choice, bool stop_at_proposable)
{
    ChoiceCompletions completions{};
    std::array<std::int32_t, MAX_KEPT_NUMBERS> kept{};
    const int kept_count = sorted_kept(choice, kept);
    // The numbers a completion draws from, ascending.
    std::array<std::int32_t, MAX_NUMBER> free{};
    int free_count = 0;
    for (std::int32_t number = 1; number <= MAX_NUMBER; ++number) {
        if (!is_left_out(choice, number) && !is_kept(choice, number)) {
            free[free_count++] = number;
        }
    }
    const int drawn = NUMBERS_PER_SET - kept_count;
    if (drawn > free_count) {
        return completions;
    }
    // An odometer over ascending picks of `drawn` free numbers, merged with the kept ones.
    std::array<int, NUMBERS_PER_SET> pick{};
    for (int i = 0; i < drawn; ++i) {
        pick[i] = i;
    }
    for (;;) {
        NumberSet set{};
        int k = 0;
        int p = 0;
        for (std::int32_t& slot : set) {
            const bool take_kept = k < kept_count && (p == drawn || kept[k] < free[pick[p]]);
            slot = take_kept ? kept[k++] : free[pick[p++]];
        }
        const unsigned rejection = rejection_of(set);
        ++completions.sets;
        completions.rejections |= rejection;
        if (rejection == 0) {
            ++completions.proposable;
            if (stop_at_proposable) {
                return completions;
            }
        }
        int slot = drawn - 1;
        while (slot >= 0 && pick[slot] == free_count - (drawn - slot)) {
            --slot;
        }
        if (slot < 0) {
            return completions;
        }
        ++pick[slot];
        for (int next = slot + 1; next < drawn; ++next) {
            pick[next] = pick[next - 1] + 1;
        }
    }
}

ChoiceVerdict read_number_choice(const char* kept_text, const char* left_out_text,
                                 NumberChoice& choice)
{
    choice = NO_NUMBER_CHOICE;
    static NumberList list;
    if (has_text(kept_text)) {
        if (!read_number_list(kept_text, MAX_NUMBER, list)) {
            return list_problem(list, ChoiceList::Kept);
        }
        if (list.count > MAX_KEPT_NUMBERS) {
            ChoiceVerdict verdict{};
            verdict.problem = ChoiceProblem::TooManyKept;
            verdict.list = ChoiceList::Kept;
            verdict.number = list.count;
            return verdict;
        }
        std::copy(list.numbers.begin(), list.numbers.begin() + list.count, choice.kept.begin());
        choice.kept_count = list.count;
    }
    if (has_text(left_out_text)) {
        if (!read_number_list(left_out_text, MAX_NUMBER, list)) {
            return list_problem(list, ChoiceList::LeftOut);
        }
        for (int i = 0; i < list.count; ++i) {
            choice.left_out |= number_bit(list.numbers[i]);
        }
    }
    return check_choice(choice);
}
