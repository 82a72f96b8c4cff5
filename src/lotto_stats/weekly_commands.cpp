#include "lotto_stats/weekly_commands.hpp"
#include "player_files/file_updates.hpp"

#include <cerrno>
#include <cstdio>

#include "command_line/program_output.hpp"
#include "files/file_lock.hpp"
#include "files/replaced_file.hpp"
#include "history/draw_append.hpp"
#include "history/shipped_history.hpp"
#include "player_files/data_folder.hpp"
#include "player_files/locked_update.hpp"
#include "reports/ticket_report.hpp"
#include "text/error_text.hpp"
#include "text/quoted_text.hpp"
#include "text/text_format.hpp"
#include "text/translation.hpp"
#include "tickets/slip_code.hpp"
#include "tickets/ticket_append.hpp"

namespace {

constexpr char PROGRAM[] = "lotto-stats";

DrawHistory history;
TicketFile tickets;

struct QuotedName {
    char text[QUOTE_CAPACITY];
};

QuotedName quoted_name(const char* path)
{
    QuotedName name{};
    quote_text(name.text, sizeof name.text, path, NAME_SHOWN);
    return name;
}

int cannot_write(const char* path)
{
    const int reason = errno != 0 ? errno : EIO;
    std::fprintf(stderr, translate("lotto-stats: cannot write '%s': %s\n"), quoted_name(path).text,
                 error_text(reason));
    return STATUS_FAILED;
}

int busy(const char* path)
{
    std::fprintf(stderr, translate("%s: another program is changing '%s'; try again in a moment\n"),
                 PROGRAM, quoted_name(path).text);
    return STATUS_FAILED;
}

// The file asked for, or the one in the user's data folder. The history there starts as
// the shipped one, under its lock.
bool data_file(const char* given, const char* name, bool start_from_shipped,
               char (&path)[PATH_CAPACITY])
{
    if (given != nullptr) {
        if (std::snprintf(path, sizeof path, "%s", given) < static_cast<int>(sizeof path)) {
            return true;
        }
        RecordError error{};
        refuse_line(error, 0, error_text(ENAMETOOLONG));
        report_history_error(PROGRAM, given, error);
        return false;
    }
    if (!user_data_file(name, path, sizeof path)) {
        const int reason = errno != 0 ? errno : EIO;
        std::fprintf(stderr, translate("lotto-stats: no data folder for %s: %s\n"), name,
                     error_text(reason));
        return false;
    }
    if (start_from_shipped &&
        !start_file(path, SHIPPED_HISTORY, SHIPPED_HISTORY_SIZE, LOCK_WAIT_MILLISECONDS)) {
        cannot_write(path);
        return false;
    }
    return true;
}

bool load_tickets(const char* path)
{
    RecordError error{};
    if (!read_ticket_file(path, true, tickets, error)) {
        report_history_error(PROGRAM, path, error);
        return false;
    }
    return true;
}

} // namespace

int run_add_draw(const char* draws_path, const char* tickets_path, const char* line)
{
    char path[PATH_CAPACITY];
    if (!data_file(draws_path, "draws.csv", true, path)) {
        return STATUS_FAILED;
    }
    Draw draw{};
    RecordError error{};
    switch (add_draw_to_file(path, line, LOCK_WAIT_MILLISECONDS, history, draw, error)) {
    case AddDrawOutcome::Added:
        std::printf(translate("Round %d added to %s.\n"), draw.round, quoted_name(path).text);
        // The file read back with it under the lock, so it is the history's next round.
        history.draws[history.count++] = draw;
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
        report_history_error(PROGRAM, path, error);
        return STATUS_FAILED;
    case AddDrawOutcome::Busy:
        return busy(path);
    case AddDrawOutcome::Failed:
        return cannot_write(path);
    }
    if (tickets_path != nullptr) {
        if (!load_tickets(tickets_path)) {
            return STATUS_FAILED;
        }
        std::printf("\n");
        write_ticket_report(stdout, tickets, history, draw.round);
    }
    return finish_standard_output(PROGRAM);
}

int run_add_ticket(const char* tickets_path, const char* text)
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
    if (!data_file(tickets_path, "tickets.csv", false, path)) {
        return STATUS_FAILED;
    }
    int known_line = 0;
    switch (add_tickets_to_file(path, games.games, games.count, LOCK_WAIT_MILLISECONDS, tickets,
                                error, known_line)) {
    case AddTicketsOutcome::Added:
        std::printf(translate("Games of round %d added to %s: %d.\n"), games.games[0].round,
                    quoted_name(path).text, games.count);
        break;
    case AddTicketsOutcome::SlipKnown:
        std::printf(translate("This slip is in %s already (line %d); nothing added.\n"),
                    quoted_name(path).text, known_line);
        break;
    case AddTicketsOutcome::FileRefused:
        report_history_error(PROGRAM, path, error);
        return STATUS_FAILED;
    case AddTicketsOutcome::Busy:
        return busy(path);
    case AddTicketsOutcome::Failed:
        return cannot_write(path);
    }
    return finish_standard_output(PROGRAM);
}

int run_check(const char* draws_path, const char* tickets_path, bool csv)
{
    char draws[PATH_CAPACITY];
    char tickets_file[PATH_CAPACITY];
    if (!data_file(draws_path, "draws.csv", true, draws) ||
        !data_file(tickets_path, "tickets.csv", false, tickets_file) ||
        !load_draw_history(PROGRAM, draws, history) || !load_tickets(tickets_file)) {
        return STATUS_FAILED;
    }
    if (csv) {
        write_ticket_csv(stdout, tickets, history, 0);
    } else {
        std::printf(
            translate("The tickets in %s against the draw history %s (rounds %d to %d)\n\n"),
            quoted_name(tickets_file).text, quoted_name(draws).text, history.draws[0].round,
            history.draws[history.count - 1].round);
        write_ticket_report(stdout, tickets, history, 0);
    }
    return finish_standard_output(PROGRAM);
}
