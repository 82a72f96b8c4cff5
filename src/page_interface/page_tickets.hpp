#pragma once

#include <cstddef>

#include "records/record_file.hpp"
#include "tickets/tickets.hpp"

// The device's tickets as the page's core holds them, for the parts that change them: the
// text the page keeps, its length and name, and the games read from it.
inline constexpr std::size_t TICKETS_CAPACITY = std::size_t{1} << 22;
extern char tickets_text[TICKETS_CAPACITY];
extern std::size_t tickets_length;
extern char tickets_name[256];
extern TicketFile tickets;

// Reads the first `length` bytes of the text into the games; false, `error` filled, when
// they do not read.
bool read_tickets(std::size_t length, RecordError& error);
