#pragma once

#include <cstdint>

#include "generation/prediction_table.hpp"

// Makes a new prediction: resets the table, reseeds std::rand from the clock in whole
// seconds, stores five proposable sets and scores them. Two calls within one second
// therefore yield the same prediction.
void generate_sets();

// The same prediction that generate_sets() makes when the clock reads `seed`.
void generate_sets_from_seed(std::uint32_t seed);

// One attempt: six distinct numbers from std::rand, drawn into an empty buffer, ascending.
NumberSet draw_candidate();

// Where generate_sets() reads the time in whole seconds; tests replace it.
using SeedClock = std::int32_t (*)();
void use_seed_clock(SeedClock clock);
std::int32_t calendar_seconds();
