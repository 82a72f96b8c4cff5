#pragma once

#include "command_line/program_output.hpp"
#include "lottery/lottery.hpp"

inline constexpr char PROGRAM[] = "lotto-stats";

// What lotto-stats --help shows.
const char* usage_text();

// What the command line asks for.
struct StatsOptions {
    const char* draws_path; // --draws FILE: score with this history and report on it
    const char* svg_path;   // --svg FILE: also the chart; "-" for the chart alone, on stdout
    const char* set_list;   // --set LIST: one set instead of all sets
    const char* back_test_csv_path; // --back-test-csv FILE: the back-test's rows; "-" alone
    const char* tickets_path;       // --tickets FILE: a player's games
    const char* added_draw;         // --add-draw LINE: the next round into the history
    const char* added_ticket;       // --add-ticket TEXT: games into the tickets
    const char* kept_numbers;       // --with LIST: only sets that hold these
    const char* left_out_numbers;   // --without LIST: only sets that hold none of these
    const char* jobs;               // -j N: threads that share the counting
    const char* prizes_path;        // --prizes FILE: what each round paid
    const char* source;             // --source URL: where --update asks for results
    bool check;                     // --check: the games against their draws
    bool update;                    // --update: the new rounds fetched
    bool ledger;                    // --ledger: what the games cost and paid back, by month
    bool csv;                       // --csv: the raw distribution instead of the report
    bool help;                      // --help alone
    bool version;                   // --version alone
};

// Whether the chart goes to standard output ("--svg -") or to a file of its name.
inline bool chart_to_standard_output(const StatsOptions& options)
{
    return options.svg_path != nullptr && is_option(options.svg_path, "-");
}

inline bool chart_to_file(const StatsOptions& options)
{
    return options.svg_path != nullptr && !chart_to_standard_output(options);
}

// Each CSV output is one table: the back-test's rows go to a way out of their own.
inline bool rows_to_standard_output(const StatsOptions& options)
{
    return options.back_test_csv_path != nullptr && is_option(options.back_test_csv_path, "-");
}

inline bool rows_to_file(const StatsOptions& options)
{
    return options.back_test_csv_path != nullptr && !rows_to_standard_output(options);
}

// What a command line asks lotto-stats to do.
enum class StatsCommand { Help, Version, AddDraw, AddTicket, Update, Check, Ledger, Report };

inline StatsCommand command_of(const StatsOptions& options)
{
    return options.help                      ? StatsCommand::Help
           : options.version                 ? StatsCommand::Version
           : options.added_draw != nullptr   ? StatsCommand::AddDraw
           : options.added_ticket != nullptr ? StatsCommand::AddTicket
           : options.update                  ? StatsCommand::Update
           : options.check                   ? StatsCommand::Check
           : options.ledger                  ? StatsCommand::Ledger
                                             : StatsCommand::Report;
}

// Fills `options` from the arguments. Returns -1 to go on, or the exit status of a usage
// error, which has been reported.
int parse_options(int argc, char** argv, StatsOptions& options);

// Six distinct numbers from 1 to 45 as people copy them, sorted into `set`; 0, or the exit
// status of a usage error, which has been reported.
int parse_set(const char* list, NumberSet& set);

// -j N: 1 to 256 threads; 0, or the exit status of a usage error.
int parse_jobs(const char* text, int& workers);
