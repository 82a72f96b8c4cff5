#include "lotto_stats/weekly_commands.hpp"

#include <cstdio>

#include "command_line/program_output.hpp"
#include "files/file_lock.hpp"
#include "lotto_stats/stats_options.hpp"
#include "player_files/file_updates.hpp"
#include "reports/ledger_report.hpp"
#include "reports/ticket_report.hpp"
#include "text/quoted_text.hpp"
#include "text/translation.hpp"
#include "tickets/slip_code.hpp"

namespace {

DrawHistory history;
PrizeTable prizes;
TicketFile tickets;

} // namespace

int run_add_draw(const WeekOptions& options, const char* line)
{
    char path[PATH_CAPACITY];
    if (!week_file(options, WeekFile::Draws, path)) {
        return STATUS_FAILED;
    }
    Draw draw{};
    RecordError error{};
    const auto outcome = add_draw_to_file(path, line, LOCK_WAIT_MILLISECONDS, history, draw, error);
    switch (outcome) {
    case AddDrawOutcome::Added:
        std::printf(translate("Round %d added to %s.\n"), draw.round, quoted_name(path).text);
        break;
    case AddDrawOutcome::AlreadyThere:
        std::printf(translate("Round %d is in %s already, as given; nothing added.\n"), draw.round,
                    quoted_name(path).text);
        break;
    case AddDrawOutcome::LineRefused: {
        char typed[QUOTE_CAPACITY];
        quote_text(typed, sizeof typed, line, NAME_SHOWN);
        std::fprintf(stderr, "%s: --add-draw '%s': %s\n", PROGRAM, typed, error.message);
        return STATUS_FAILED;
    }
    case AddDrawOutcome::FileRefused:
    case AddDrawOutcome::Busy:
    case AddDrawOutcome::Failed:
        return file_not_changed(outcome, path, error);
    }
    if (options.tickets_path != nullptr) {
        char prizes_path[PATH_CAPACITY];
        if (!load_tickets(options.tickets_path, tickets) ||
            !week_file(options, WeekFile::Prizes, prizes_path) ||
            !load_prizes(prizes_path, prizes)) {
            return STATUS_FAILED;
        }
        std::printf("\n");
        write_ticket_report(stdout, tickets, CheckBasis{history, &prizes, options.now}, draw.round);
    }
    return finish_standard_output(PROGRAM);
}

int run_add_ticket(const WeekOptions& options, const char* text)
{
    SlipGames games{};
    RecordError error{};
    const bool read = read_games_to_add(text, games, error);
    if (!read) {
        char typed[QUOTE_CAPACITY];
        quote_text(typed, sizeof typed, text, NAME_SHOWN);
        std::fprintf(stderr, "%s: --add-ticket '%s': %s\n", PROGRAM, typed, error.message);
        return STATUS_FAILED;
    }
    char path[PATH_CAPACITY];
    if (!week_file(options, WeekFile::Tickets, path)) {
        return STATUS_FAILED;
    }
    int known_line = 0;
    const auto outcome = add_tickets_to_file(path, games.games, games.count, LOCK_WAIT_MILLISECONDS,
                                             tickets, error, known_line);
    switch (outcome) {
    case AddTicketsOutcome::Added:
        std::printf(translate("Games of round %d added to %s: %d.\n"), games.games[0].round,
                    quoted_name(path).text, games.count);
        break;
    case AddTicketsOutcome::SlipKnown:
        std::printf(translate("This slip is in %s already (line %d); nothing added.\n"),
                    quoted_name(path).text, known_line);
        break;
    case AddTicketsOutcome::FileRefused:
    case AddTicketsOutcome::Busy:
    case AddTicketsOutcome::Failed:
        return file_not_changed(outcome, path, error);
    }
    return finish_standard_output(PROGRAM);
}

namespace {

// The three files' names, as --check and --ledger read them.
struct WeekPaths {
    char draws[PATH_CAPACITY];
    char prizes[PATH_CAPACITY];
    char tickets[PATH_CAPACITY];
};

// The history, the prizes and the tickets read, or false having said why.
bool load_week(const WeekOptions& options, WeekPaths& paths)
{
    return week_file(options, WeekFile::Draws, paths.draws) &&
           week_file(options, WeekFile::Prizes, paths.prizes) &&
           week_file(options, WeekFile::Tickets, paths.tickets) &&
           load_draw_history(PROGRAM, paths.draws, history) && load_prizes(paths.prizes, prizes) &&
           load_tickets(paths.tickets, tickets);
}

} // namespace

int run_check(const WeekOptions& options)
{
    WeekPaths paths;
    if (!load_week(options, paths)) {
        return STATUS_FAILED;
    }
    const CheckBasis basis{history, &prizes, options.now};
    if (options.csv) {
        write_ticket_csv(stdout, tickets, basis, 0);
    } else {
        std::printf(
            translate("The tickets in %s against the draw history %s (rounds %d to %d)\n\n"),
            quoted_name(paths.tickets).text, quoted_name(paths.draws).text, history.draws[0].round,
            history.draws[history.count - 1].round);
        write_ticket_report(stdout, tickets, basis, 0);
    }
    return finish_standard_output(PROGRAM);
}

int run_ledger(const WeekOptions& options)
{
    WeekPaths paths;
    if (!load_week(options, paths)) {
        return STATUS_FAILED;
    }
    const CheckBasis basis{history, &prizes, options.now};
    static Ledger ledger;
    build_ledger(tickets, basis, ledger);
    if (options.csv) {
        write_ledger_csv(stdout, ledger);
    } else {
        std::printf(translate("What the games in %s cost and paid back, by the month of their "
                              "draws\n\n"),
                    quoted_name(paths.tickets).text);
        write_ledger_report(stdout, ledger);
    }
    return finish_standard_output(PROGRAM);
}
