#pragma once

#include "lottery/lottery.hpp"

// The shapes the generator never proposes, checked on an ascending set.
bool is_all_odd(const NumberSet& set);
bool is_all_even(const NumberSet& set);
bool has_four_in_a_row(const NumberSet& set);

// True when an ascending set passes all three shape filters.
bool is_proposable(const NumberSet& set);

// Why the generator rejects a set, as bits; a set may have several reasons.
enum Rejection : unsigned {
    REJECTED_ALL_ODD = 1U,
    REJECTED_ALL_EVEN = 2U,
    REJECTED_FOUR_IN_A_ROW = 4U,
    REJECTION_KINDS = 8U,
};

// The reasons an ascending set is rejected for; 0 when it is proposable.
unsigned rejection_of(const NumberSet& set);
