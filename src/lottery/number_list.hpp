#pragma once

#include <array>
#include <cstdint>

#include "lottery/lottery.hpp"

// What can be wrong with a typed list of numbers, in the order it is found.
enum class ListProblem { None, Malformed, NotANumber, TooMany, GivenTwice };

// Numbers from 1 to 45 as people copy them: parted by commas, blanks or both ("3,11,19",
// "3, 11, 19", "3 11 19").
struct NumberList {
    std::array<std::int32_t, MAX_NUMBER> numbers; // in the order given
    int count;
    ListProblem problem;
    // NotANumber: the number as it was typed, sign included.
    const char* token;
    int token_length;
    // GivenTwice: the number; TooMany: the most allowed.
    std::int32_t number;
};

// Reads `text` into `list`, at most `most` numbers (1 to MAX_NUMBER). False, with the
// first problem in `list`, when it does not read; an empty text is malformed.
bool read_number_list(const char* text, int most, NumberList& list);
