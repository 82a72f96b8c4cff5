#include "lotto_stats/week_files.hpp"

#include <cerrno>
#include <cstdlib>
#include <ctime>

#include "command_line/program_output.hpp"
#include "files/file_lock.hpp"
#include "history/shipped_history.hpp"
#include "lotto_stats/stats_options.hpp"
#include "player_files/data_folder.hpp"
#include "player_files/locked_update.hpp"
#include "prizes/shipped_prizes.hpp"
#include "text/error_text.hpp"
#include "text/quoted_text.hpp"
#include "text/translation.hpp"

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

int cannot_update(const char* path)
{
    if (errno != EFBIG) {
        return cannot_write(path);
    }
    std::fprintf(stderr,
                 translate("lotto-stats: '%s' is too large to update: the program updates files "
                           "of up to %zu MiB; nothing was changed\n"),
                 quoted_name(path).text, MOST_UPDATED_FILE_BYTES >> 20);
    return STATUS_FAILED;
}

int busy(const char* path)
{
    std::fprintf(stderr, translate("%s: another program is changing '%s'; try again in a moment\n"),
                 PROGRAM, quoted_name(path).text);
    return STATUS_FAILED;
}

bool week_file(const WeekOptions& options, WeekFile file, char (&path)[PATH_CAPACITY])
{
    const char* given = file == WeekFile::Draws    ? options.draws_path
                        : file == WeekFile::Prizes ? options.prizes_path
                                                   : options.tickets_path;
    if (given != nullptr) {
        if (std::snprintf(path, sizeof path, "%s", given) < static_cast<int>(sizeof path)) {
            return true;
        }
        RecordError error{};
        refuse_line(error, 0, error_text(ENAMETOOLONG));
        report_history_error(PROGRAM, given, error);
        return false;
    }
    const char* name = file == WeekFile::Draws    ? "draws.csv"
                       : file == WeekFile::Prizes ? "prizes.csv"
                                                  : "tickets.csv";
    if (!user_data_file(name, path, sizeof path)) {
        const int reason = errno != 0 ? errno : EIO;
        std::fprintf(stderr, translate("lotto-stats: no data folder for %s: %s\n"), name,
                     error_text(reason));
        return false;
    }
    // The history and the prizes there start as the shipped ones, under their locks.
    const bool started =
        file == WeekFile::Draws
            ? start_file(path, SHIPPED_HISTORY, SHIPPED_HISTORY_SIZE, LOCK_WAIT_MILLISECONDS)
        : file == WeekFile::Prizes
            ? start_file(path, SHIPPED_PRIZES, SHIPPED_PRIZES_SIZE, LOCK_WAIT_MILLISECONDS)
            : true;
    if (!started) {
        cannot_write(path);
    }
    return started;
}

bool load_prizes(const char* path, PrizeTable& prizes)
{
    RecordError error{};
    if (!read_prizes_file(path, prizes, error)) {
        report_history_error(PROGRAM, path, error);
        return false;
    }
    return true;
}

bool load_tickets(const char* path, TicketFile& tickets)
{
    RecordError error{};
    if (!read_ticket_file(path, true, tickets, error)) {
        report_history_error(PROGRAM, path, error);
        return false;
    }
    return true;
}

std::int64_t week_clock()
{
    const char* given = std::getenv("LOTTO_NOW");
    if (given != nullptr && given[0] >= '0' && given[0] <= '9') {
        char* end = nullptr;
        const long long seconds = std::strtoll(given, &end, 10);
        if (*end == '\0') {
            return seconds;
        }
    }
    return static_cast<std::int64_t>(std::time(nullptr));
}
