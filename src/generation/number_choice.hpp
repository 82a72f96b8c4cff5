#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "lottery/lottery.hpp"

// The numbers a player keeps in every set and the numbers no set may take.
inline constexpr int MAX_KEPT_NUMBERS = NUMBERS_PER_SET - 1;

struct NumberChoice {
    // The kept numbers in the order given; the generator puts them first in that order.
    std::array<std::int32_t, MAX_KEPT_NUMBERS> kept;
    std::int32_t kept_count;
    // Bit n set: number n is left out.
    std::uint64_t left_out;
};

// Nothing kept, nothing left out: the generator as it always was.
inline constexpr NumberChoice NO_NUMBER_CHOICE{};

constexpr std::uint64_t number_bit(std::int32_t number)
{
    return std::uint64_t{1} << number;
}

constexpr bool is_left_out(const NumberChoice& choice, std::int32_t number)
{
    return (choice.left_out & number_bit(number)) != 0;
}

bool is_kept(const NumberChoice& choice, std::int32_t number);
bool is_empty_choice(const NumberChoice& choice);

// Whether a set holds every kept number and no left-out one.
bool fits_number_choice(const NumberSet& set, const NumberChoice& choice);

// Why no set, or not the sets wanted, can come out of a choice; in the order checked.
enum class ChoiceProblem {
    None,
    Malformed,      // a list that is not numbers with commas between them
    NotANumber,     // a number outside 1 to 45
    GivenTwice,     // a number twice in one list
    KeptAndLeftOut, // a number in both lists
    TooManyKept,    // six or more kept numbers
    KeptFourInARow, // the kept numbers alone hold four in a row
    TooFewLeft,     // fewer than six numbers are not left out
    NoProposableSet // every set that fits is all odd, all even or has four in a row
};

// Which list a reading problem is in.
enum class ChoiceList { None, Kept, LeftOut };

struct ChoiceVerdict {
    ChoiceProblem problem;
    ChoiceList list;
    // NotANumber: the number as typed, within the list's text.
    const char* token;
    int token_length;
    // GivenTwice, KeptAndLeftOut: the number; TooManyKept: how many; KeptFourInARow: the
    // first of the run; TooFewLeft: how many are left.
    std::int32_t number;
    // NoProposableSet: every reason a fitting set is rejected for, as Rejection bits.
    unsigned rejections;
};

// The sets of six that fit a choice: how many, how many pass the shape filters, and the
// reasons the others are rejected for.
struct ChoiceCompletions {
    std::int64_t sets;
    std::int64_t proposable;
    unsigned rejections;
};

// Counts the sets that fit `choice` (its lists read and consistent). With
// `stop_at_proposable`, stops at the first proposable one: every set counted before it is
// rejected, so at most the 208,360 rejected sets of all the game's sets are looked at.
ChoiceCompletions count_choice_completions(const NumberChoice& choice, bool stop_at_proposable);

// Reads the two lists (null or empty: none) into `choice` and decides, exactly, whether the
// generator can propose a set under them. `choice` is whole only when the verdict is None.
ChoiceVerdict read_number_choice(const char* kept_text, const char* left_out_text,
                                 NumberChoice& choice);

// The numbers of one list of a choice, "7, 21", kept ones in the order given.
void join_choice_numbers(const NumberChoice& choice, ChoiceList list, char* out,
                         std::size_t capacity);

// Why a verdict refuses, in the user's language, into `out`; empty for None.
void describe_choice_problem(const ChoiceVerdict& verdict, char* out, std::size_t capacity);
