#pragma once

#include <cstdint>
#include <cstdio>

#include "lottery/lottery.hpp"
#include "records/record_file.hpp"
#include "records/record_lines.hpp"

// What each round paid: per rank, the amount one winning game got (won, before tax) and how
// many games won it; and the round's sales.

struct Division {
    std::int64_t prize;
    std::int64_t winners;
};

struct RoundPrizes {
    std::int32_t round;
    Division division[RANKS]; // the 1st prize first
    std::int64_t sales;
    std::int32_t line; // where it stands in the file, for messages
};

// The history's limit: room for more than 190 years of weekly rounds.
inline constexpr int MAX_PRIZE_ROUNDS = 10'000;

// A prizes file: rounds ascending, without a gap, from the file's first.
struct PrizeTable {
    RoundPrizes rounds[MAX_PRIZE_ROUNDS];
    int count;
};

// The round's prizes, or null when the table does not hold it.
const RoundPrizes* prizes_of_round(const PrizeTable& table, std::int32_t round);
std::int32_t newest_prize_round(const PrizeTable& table); // 0 for none

// Whether a row holds together as every round on record does: a division pays nothing
// exactly when nobody won it, and a rank pays more than every lower rank somebody won.
// False with the rule it breaks in `error` (line 0).
bool prizes_hold_together(const RoundPrizes& prizes, RecordError& error);

// Whether two rows say the same of one round.
bool same_prizes(const RoundPrizes& a, const RoundPrizes& b);

// One line of a prizes file, without its line end; Draw for a row, which goes to `prizes`.
LineKind parse_prizes_line(const char* text, bool first_content, RoundPrizes& prizes,
                           RecordError& error);
// A row as the file writes it: round,prize1,winners1,...,prize5,winners5,sales.
void format_prizes_line(char (&out)[MAX_LINE_BYTES + 1], const RoundPrizes& prizes);

// Reads a prizes file by the rules of every file of records (comments, a header, CRLF, a
// byte-order mark; FILE:LINE and the reason for the first fault).
bool read_prizes_file(const char* path, PrizeTable& table, RecordError& error);
bool read_prizes_source(TextSource& source, PrizeTable& table, RecordError& error);

inline constexpr char PRIZES_HEADER[] =
    "round,prize1,winners1,prize2,winners2,prize3,winners3,prize4,winners4,prize5,winners5,sales";
