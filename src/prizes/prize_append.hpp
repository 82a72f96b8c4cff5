#pragma once

#include "prizes/prize_table.hpp"
#include "records/text_insertion.hpp"

enum class AddPrizesOutcome {
    Added,
    AlreadyThere, // the file holds the same row: nothing written
    Disagrees,    // the file holds the round with other figures: `error` says which line
    NotNext,      // not the round after the file's newest
    FileRefused,  // the prizes file does not read: `error` says why
    Busy,         // another program held the file too long
    Failed,       // it could not be read or written: errno says why
};

// Where and how `prizes` go into the file read from `source`: as its next round, at its end,
// in its line ends, with a header when it is empty. `table` then holds the file's rows as
// they were.
AddPrizesOutcome plan_prizes_insertion(TextSource& source, const RoundPrizes& prizes,
                                       PrizeTable& table, RecordError& error,
                                       TextInsertion& insertion);
