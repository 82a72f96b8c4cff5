#pragma once

#include "tickets/ticket_summary.hpp"

// What the page's calls answer, each set declared once, here: the build writes them as the
// module the page's scripts import their names from (cmake/page_codes.cmake), AddDrawCode's
// AlreadyThere as ADD_DRAW.ALREADY_THERE. Each set is an `enum class NAME : int` with every
// value written out.

// lotto_add_draw.
enum class AddDrawCode : int {
    Added = 0,
    AlreadyThere = 1,
    Refused = 2,
    FileRefused = 3,
    NoRoom = 4
};

// lotto_add_ticket, lotto_save_sets and lotto_import_tickets.
enum class AddTicketCode : int {
    Added = 0,
    SlipKnown = 1,
    Refused = 2,
    FileRefused = 3,
    NoRoom = 4
};

// lotto_compare_draw: a draw of the results source against the history.
enum class CompareDrawCode : int {
    NotHeld = 0,
    Same = 1,
    Differs = 2,
    BeforeHistory = 3,
    Refused = 4
};

// lotto_replace_draw.
enum class ReplaceDrawCode : int { Replaced = 0, NotHeld = 2, WouldNotRead = 3, NoRoom = 4 };

// lotto_add_prizes.
enum class AddPrizesCode : int {
    Added = 0,
    AlreadyThere = 1,
    Refused = 2,
    FileRefused = 3,
    NoRoom = 4,
    Disagrees = 5,
    NotNext = 6
};

// lotto_read_answer: a round's answer from the results source.
enum class AnswerCode : int { Final = 0, Pending = 1, Refused = 2, Incomplete = 3 };

// A game's result row: ranks 1 to 5, 0 for no prize, then the rows of games without a result.
enum class ResultRow : int { NoPrize = 0, NotDrawn = 6, BeforeHistory = 7, NotInHistoryYet = 8 };
static_assert(static_cast<int>(ResultRow::NotDrawn) == NOT_DRAWN &&
              static_cast<int>(ResultRow::BeforeHistory) == BEFORE_HISTORY &&
              static_cast<int>(ResultRow::NotInHistoryYet) == NOT_IN_HISTORY_YET);

// A code as the page's C interface returns it.
template <typename Code> constexpr int page_code(Code code)
{
    return static_cast<int>(code);
}
