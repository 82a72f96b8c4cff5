#pragma once

#include <cstddef>
#include <cstdint>

#include "prizes/prize_table.hpp"
#include "records/record_lines.hpp"

// One round as the results source publishes it (the mirror's JSON schema), read strictly.
// Its draw becomes the line lotto-stats --add-draw takes; its prizes a row of the prizes
// file, once they are final.

// The most a round's results may weigh; anything longer is refused unread.
inline constexpr std::size_t MOST_RESULT_BYTES = std::size_t{64} * 1024;

// The most arrays and objects an answer may nest: a round's results nest three deep, and a
// deeper answer could exhaust the stack of a parser that recurses.
inline constexpr unsigned MOST_RESULT_DEPTH = 8;

enum class PrizesState {
    Final,   // every division filled, or nobody won it, and the round's sales given
    Pending, // not published yet: the numbers alone, or all zeros, or {} on the draw's day
    // the 4th or the 5th division empty after the draw's day: a record not complete, since
    // every round has had thousands of such games
    Incomplete,
};

struct RoundResult {
    std::int32_t round;
    std::int32_t numbers[6];
    std::int32_t bonus;
    std::int32_t date; // YYYYMMDD
    PrizesState prizes_state;
    RoundPrizes prizes; // when Final
};

// Reads the `length` bytes of `body` as round `round`'s results. `today` is the date in Korea
// (YYYYMMDD), which tells an empty division of a round drawn today (not published yet) from
// one nobody won. False, with why in `problem` (the source's words quoted safely), when the
// body is not the results of that round.
bool read_round_result(const char* body, std::size_t length, std::int32_t round, std::int32_t today,
                       RoundResult& result, char* problem, std::size_t problem_size);

// How often reading answers has taken memory from the heap: never, for any answer within
// the cap, since the reader's fixed buffers hold the largest.
std::size_t result_reader_heap_takes();

// The draw as the line --add-draw takes: round,YYYY-MM-DD,n1,...,n6,bonus, or without the
// bonus for a history that keeps none.
void format_result_line(char (&out)[MAX_LINE_BYTES + 1], const RoundResult& result,
                        bool with_bonus = true);
