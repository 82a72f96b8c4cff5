#pragma once

#include <cstddef>
#include <cstdint>

#include "history/draw_history.hpp"
#include "prizes/prize_table.hpp"
#include "records/record_lines.hpp"

// The week's update, decided once for lotto-stats --update and the page: which round to ask
// the results source for, what its answer means, and when the asking is over. It does no I/O:
// a client fetches the round it is told to, hands the answer in, and makes the changes the
// decision names (a draw added to its history, a round's prizes to its prizes file).

// What the player's files hold as the update begins.
struct WeekFacts {
    std::int32_t history_first;  // the history's first round
    std::int32_t history_newest; // its newest round
    bool keeps_bonus;            // whether its draws give the bonus number
    std::int32_t prizes_newest;  // the prizes file's newest round, 0 for none
};

struct WeekUpdate {
    WeekFacts facts;         // the history's newest grows with each draw the update adds
    std::int32_t next;       // the round to ask for; 0 once the asking is over
    std::int32_t drawn;      // the newest round drawn, by the Korean clock
    std::int32_t today;      // the date in Korea, YYYYMMDD
    std::int32_t waiting;    // the first round whose prizes are not final
    std::int32_t incomplete; // the first round whose record of its prizes is incomplete
};

// How the fetch of a round went.
enum class Fetch {
    Answer,       // HTTP 200: its body
    NotPublished, // 404: the source has not published the round
    Failed,       // anything else, in the client's own words
};

enum class RoundStep {
    Next,        // go on: make the changes named, then ask for the next round
    Done,        // the source has not published the round: the asking is over
    Refused,     // the answer, or its fetch, is at fault: stop, `problem` says why
    Contradicts, // the source gives a round the history holds otherwise: stop, the history kept
};

struct RoundDecision {
    RoundStep step;
    std::int32_t round;
    bool add_draw; // the draw, as draw_line in the history's shape
    char draw_line[MAX_LINE_BYTES + 1];
    Draw source_draw; // the source's draw, for a contradiction
    bool add_prizes;  // the round's prizes, final and holding together
    RoundPrizes prizes;
    char problem[512];
};

// Starts at the round after the older of the history's and the prizes' newest rounds, at
// the moment `now` (seconds since 1970).
void start_week_update(WeekUpdate& update, const WeekFacts& facts, std::int64_t now);

// The round to ask for next; 0 once the asking is over: at a round the source has not
// published, or past the newest round drawn, whichever comes first.
std::int32_t round_to_ask(const WeekUpdate& update);

// What the source's answer for round_to_ask() means. `body` and `length` for an answer,
// `failure` for a failed fetch; `held` is the history's draw of that round where it holds
// one, `prizes_held` whether the prizes file holds its row. The client makes the changes a
// Next decision names (and stops where it cannot); the next call is for the next round.
void decide_round(WeekUpdate& update, Fetch fetch, const char* body, std::size_t length,
                  const char* failure, const Draw* held, bool prizes_held, RoundDecision& decision);

// How the update ended: the history's newest round; the first round whose prizes are not
// published yet, 0 for none; and a round whose record of its prizes is still incomplete
// after the next round was drawn (to be named as a fault), 0 for none.
struct WeekEnd {
    std::int32_t newest;
    std::int32_t waiting;
    std::int32_t incomplete;
};
WeekEnd finish_week_update(const WeekUpdate& update);
