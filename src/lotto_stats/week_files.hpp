#pragma once

#include <cstdint>
#include <cstdio>

#include "command_line/program_output.hpp"
#include "files/replaced_file.hpp"
#include "history/draw_history.hpp"
#include "lotto_stats/stats_options.hpp"
#include "prizes/prize_table.hpp"
#include "tickets/tickets.hpp"

// The files of a player's week as the command line names them; a null name means the one in
// the user's data folder: draws.csv and prizes.csv (started from the shipped ones the first
// time) and tickets.csv.
struct WeekOptions {
    const char* draws_path;
    const char* prizes_path;
    const char* tickets_path;
    bool csv;         // --csv: the games as CSV, on standard output
    std::int64_t now; // the clock, seconds since 1970
};

enum class WeekFile { Draws, Prizes, Tickets };

// The path of one of the week's files, the data folder's started if need be; false, said on
// the error stream, when there is none.
bool week_file(const WeekOptions& options, WeekFile file, char (&path)[PATH_CAPACITY]);

// Each file read whole; false, said on the error stream with FILE:LINE, when it does not read.
bool load_prizes(const char* path, PrizeTable& prizes);
bool load_tickets(const char* path, TicketFile& tickets);

// A name as messages show it, quoted safely.
struct QuotedName {
    char text[QUOTE_CAPACITY];
};
QuotedName quoted_name(const char* path);

// What the programs say when a file cannot be written or another program holds it; the
// exit status.
int cannot_write(const char* path);
int busy(const char* path);
// What they say when a change of a player's file failed: a file too large to update said as
// such, anything else as cannot_write.
int cannot_update(const char* path);

// What they say of a change of a player's file that was not made for the file's own sake:
// it does not read (`error` says why), another program held it, or it could not be written.
// The exit status.
template <typename Outcome>
int file_not_changed(Outcome outcome, const char* path, const RecordError& error)
{
    if (outcome == Outcome::Busy) {
        return busy(path);
    }
    if (outcome == Outcome::Failed) {
        return cannot_update(path);
    }
    report_history_error(PROGRAM, path, error);
    return STATUS_FAILED;
}

// The clock: LOTTO_NOW (seconds since 1970, for tests and for reports as of a moment), else
// the system's.
std::int64_t week_clock();
