#pragma once

#include "tickets/ticket_summary.hpp"

// What the page's calls answer, each set declared once, here: the build writes them as the
// module the page's scripts import their names from (cmake/page_codes.cmake), AddDrawCode's
// AlreadyThere as ADD_DRAW.ALREADY_THERE. Each set is an `enum class NAME : int` with every
// value written out.

// One set a line, as the build reads them.
// clang-format off
// lotto_add_draw.
enum class AddDrawCode : int { Added = 0, AlreadyThere = 1, Refused = 2, FileRefused = 3, NoRoom = 4 };

// lotto_add_ticket, lotto_save_sets and lotto_import_tickets.
enum class AddTicketCode : int { Added = 0, SlipKnown = 1, Refused = 2, FileRefused = 3, NoRoom = 4 };

// lotto_replace_draw.
enum class ReplaceDrawCode : int { Replaced = 0, NotHeld = 2, WouldNotRead = 3, NoRoom = 4 };

// lotto_add_prizes.
enum class AddPrizesCode : int { Added = 0, AlreadyThere = 1, Refused = 2, FileRefused = 3, NoRoom = 4, Disagrees = 5, NotNext = 6 };

// How the page's fetch of a round went, for lotto_decide_round: an answer with status 200, a
// round not published (404), anything else.
enum class FetchCode : int { Answer = 0, NotPublished = 1, Failed = 2 };

// lotto_decide_round: go on, the asking over, stopped at a fault, stopped at a held draw the
// source gives otherwise.
enum class RoundStepCode : int { Next = 0, Done = 1, Refused = 2, Contradicts = 3 };

// lotto_round_standing: a round the history holds, or why it holds none: before its first
// round, not drawn yet by the page's clock, or drawn and not fetched or typed yet.
enum class RoundStandingCode : int { Held = 0, BeforeHistory = 1, NotDrawn = 2, NotFetched = 3 };

// A game's result row: ranks 1 to 5, 0 for no prize, then the rows of games without a result.
enum class ResultRow : int { NoPrize = 0, NotDrawn = 6, BeforeHistory = 7, NotInHistoryYet = 8 };
// clang-format on
static_assert(static_cast<int>(ResultRow::NotDrawn) == NOT_DRAWN &&
              static_cast<int>(ResultRow::BeforeHistory) == BEFORE_HISTORY &&
              static_cast<int>(ResultRow::NotInHistoryYet) == NOT_IN_HISTORY_YET);

// A code as the page's C interface returns it.
template <typename Code> constexpr int page_code(Code code)
{
    return static_cast<int>(code);
}
