#pragma once

#include "lottery/lottery.hpp"

// The shapes the generator never proposes, checked on an ascending set.
bool is_all_odd(const NumberSet& set);
bool is_all_even(const NumberSet& set);
bool has_four_in_a_row(const NumberSet& set);

// True when an ascending set passes all three shape filters.
bool is_proposable(const NumberSet& set);
