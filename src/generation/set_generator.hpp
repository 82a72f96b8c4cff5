#pragma once

#include <cstdint>

#include "generation/number_choice.hpp"
#include "generation/prediction_table.hpp"

// Makes a new prediction: resets the table, reseeds std::rand from the clock in whole
// seconds, stores five proposable sets and scores them. Two calls within one second
// therefore yield the same prediction.
void generate_sets();

// The same prediction that generate_sets() makes when the clock reads `seed`.
void generate_sets_from_seed(std::uint32_t seed);

// One attempt: six distinct numbers, ascending: the kept numbers of the choice in use, then
// numbers from std::rand that are neither drawn already nor left out.
NumberSet draw_candidate();

// The kept and left-out numbers every later prediction follows. Only a choice that
// read_number_choice accepted, or NO_NUMBER_CHOICE: under any other the generator may never
// find a set.
void use_number_choice(const NumberChoice& choice);

// Where generate_sets() reads the time in whole seconds; tests replace it.
using SeedClock = std::int32_t (*)();
void use_seed_clock(SeedClock clock);
std::int32_t calendar_seconds();
