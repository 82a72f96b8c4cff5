#pragma once

#include <cstdint>
#include <cstdio>

#include "history/draw_history.hpp"
#include "lottery/lottery.hpp"

// The digits that identify a paper slip: 10 on older slips, 18 on newer ones.
inline constexpr int MAX_SLIP_DIGITS = 20;
// Room for a player's games over many years: about 190 years of ten games a week.
inline constexpr int MAX_TICKETS = 100'000;

// One game bought: its round, six numbers ascending, and the slip it came from.
struct Ticket {
    std::int32_t round;
    NumberSet numbers;
    char slip[MAX_SLIP_DIGITS + 1]; // empty when typed by hand
    std::int32_t line;              // where it stands in the file, for messages
};

struct TicketFile {
    Ticket tickets[MAX_TICKETS];
    int count;
};

// Reads a tickets file: one game a line, "round,n1,...,n6" and an optional slip code,
// with '#' comments, blank lines and a header, by the history's rules for fields and line
// ends. A missing file has no tickets only when `missing_is_empty`. On any fault fills
// `error` (FILE:LINE as for a history) and returns false.
bool read_ticket_file(const char* path, bool missing_is_empty, TicketFile& tickets,
                      RecordError& error);
bool read_ticket_stream(std::FILE* file, TicketFile& tickets, RecordError& error);
bool read_ticket_source(TextSource& source, TicketFile& tickets, RecordError& error);

// One line of the tickets format, already without its line end; `first_content` as for a
// history. Returns Draw for a game, which goes to `ticket`.
LineKind parse_ticket_line(const char* text, bool first_content, Ticket& ticket,
                           RecordError& error);

// The line a game is written as: "round,n1,...,n6" and ",slip" when it has one.
void format_ticket_line(char (&out)[MAX_LINE_BYTES + 1], const Ticket& ticket);
