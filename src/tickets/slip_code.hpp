#pragma once

#include "history/draw_history.hpp"
#include "tickets/tickets.hpp"

// The games a paper slip's QR code holds. A phone's camera shows the code as a link: any
// link whose query has v=VALUE, or VALUE alone. VALUE is the round in four digits, five
// slots of 13 characters (a letter, then six two-digit numbers ascending: m manual, q
// automatic, s half automatic; n and twelve zeros for a slot not bought), then the digits
// that identify the slip (10 on older slips, 18 on newer ones).
inline constexpr int SLIP_SLOTS = 5;

struct SlipGames {
    Ticket games[SLIP_SLOTS]; // each with the round and the slip's digits
    int count;
};

// Whether the text is meant as a slip's code rather than a line of the tickets format.
bool looks_like_slip_code(const char* text);

// Reads the text of a slip's QR code. False, with `error` saying what is wrong (line 0),
// when it is no slip.
bool read_slip_code(const char* text, SlipGames& slip, RecordError& error);

// The games a player's text adds: a slip's QR code, or one line of the tickets format.
// False, with `error` saying why, when it is neither.
bool read_games_to_add(const char* text, SlipGames& games, RecordError& error);
