#pragma once

#include <cstdint>

// Choice 4 of the second menu, with lotto --tickets: the five sets shown saved as five
// games of the round on sale. Off unless a tickets file is given.

// Where the clock for the round on sale comes from: seconds since 1970 in UTC.
using SalesClock = std::int64_t (*)();
std::int64_t system_seconds();

// Turns saving on for the tickets file at `path` (nullptr: off).
void use_ticket_saving(const char* path, SalesClock clock);
bool ticket_saving_on();

// A new prediction may be saved once.
void forget_saved_prediction();

// Saves the prediction in the table, once, and says on the console what came of it.
void save_prediction();
