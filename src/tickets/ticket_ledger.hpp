#pragma once

#include <cstdint>

#include "tickets/ticket_check.hpp"
#include "tickets/tickets.hpp"

// The player's ledger: the games grouped by the month their round is drawn in (the draw's
// date in the history, else the Saturday of the round), what they cost, what came back, and
// what the same games return on average: per game whose round's prizes are known, all that
// round paid out (each rank's amount times its winners) over its sales, times the game's
// price.
struct LedgerMonth {
    std::int32_t month; // YYYYMM
    std::int64_t games;
    std::int64_t spent;
    std::int64_t won;         // the games whose result is known
    double average_return;    // the same games, summed exactly; rounded when shown
    std::int64_t unknown;     // not drawn, not in the history, before it, prizes not out
    std::int64_t known_spent; // what the games whose result is known cost
};

// Months from December 2002, round 1's, for more than 190 years of weekly rounds.
inline constexpr int MAX_LEDGER_MONTHS = 2'400;

struct Ledger {
    LedgerMonth months[MAX_LEDGER_MONTHS]; // oldest first, only months with games
    int count;
    LedgerMonth total; // month 0
};

void build_ledger(const TicketFile& tickets, const CheckBasis& basis, Ledger& ledger);

// The month (YYYYMM) the ledger puts a round's games in.
std::int32_t ledger_month(std::int32_t round, const DrawHistory& history);

// An amount of won as the ledger shows it: the nearest won, a half up.
std::int64_t ledger_won(double amount);

// The ledger as CSV: this header, one row a month ("YYYY-MM"), then the row "total", its
// average return rounded from the exact sum.
inline constexpr char LEDGER_CSV_HEADER[] = "month,games,spent,won,average_return,unknown\n";
struct LedgerRow {
    char text[128];
};
LedgerRow ledger_csv_row(const LedgerMonth& month); // the total when month.month is 0
