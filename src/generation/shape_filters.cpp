#include "generation/shape_filters.hpp"

#include "scoring/odd_even.hpp"

bool is_all_odd(const NumberSet& set)
{
    return count_odd_numbers(set) == NUMBERS_PER_SET;
}

bool is_all_even(const NumberSet& set)
{
    return count_odd_numbers(set) == 0;
}

bool has_four_in_a_row(const NumberSet& set)
{
    constexpr int run = 4;
    for (int start = 0; start + run <= NUMBERS_PER_SET; ++start) {
        bool consecutive = true;
        for (int i = start + 1; i < start + run; ++i) {
            consecutive = consecutive && set[i] == set[i - 1] + 1;
        }
        if (consecutive) {
            return true;
        }
    }
    return false;
}

bool is_proposable(const NumberSet& set)
{
    return !is_all_odd(set) && !is_all_even(set) && !has_four_in_a_row(set);
}

unsigned rejection_of(const NumberSet& set)
{
    return (is_all_odd(set) ? REJECTED_ALL_ODD : 0U) | (is_all_even(set) ? REJECTED_ALL_EVEN : 0U) |
           (has_four_in_a_row(set) ? REJECTED_FOUR_IN_A_ROW : 0U);
}
