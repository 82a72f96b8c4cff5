#include "lotto_stats/update_command.hpp"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "command_line/program_output.hpp"
#include "files/file_lock.hpp"
#include "history/shown_draw.hpp"
#include "lottery/lottery_calendar.hpp"
#include "lotto_stats/stats_options.hpp"
#include "lotto_stats/weekly_commands.hpp"
#include "lotto_version.hpp"
#include "player_files/file_updates.hpp"
#include "reports/ticket_report.hpp"
#include "results/http_fetch.hpp"
#include "results/results_source.hpp"
#include "results/round_result.hpp"
#include "text/quoted_text.hpp"
#include "text/text_format.hpp"
#include "text/translation.hpp"

namespace {

DrawHistory history;
PrizeTable prizes;
TicketFile tickets;
char body[MOST_RESULT_BYTES + 1];

// The rounds this run added, for the report of their games.
constexpr int MOST_ADDED_ROUNDS = 1'000;
std::int32_t added_rounds[MOST_ADDED_ROUNDS];
int added_count = 0;

// 10 s to connect, 30 s for a whole answer; LOTTO_FETCH_TIMEOUT (seconds) shortens both,
// for tests of a server that never answers.
FetchLimits fetch_limits()
{
    FetchLimits limits{10, 30};
    const char* given = std::getenv("LOTTO_FETCH_TIMEOUT");
    if (given != nullptr && given[0] >= '1' && given[0] <= '9' && given[1] == '\0') {
        limits.total_seconds = given[0] - '0';
        limits.connect_seconds = limits.total_seconds;
    }
    return limits;
}

// Why the run stops at a round, on the error stream; the exit status.
int stop_at(std::int32_t round, const char* link, const char* reason)
{
    char quoted[QUOTE_CAPACITY];
    quote_text(quoted, sizeof quoted, link, NAME_SHOWN);
    std::fprintf(stderr, translate("%s: round %d from '%s': %s\n"), PROGRAM, round, quoted, reason);
    return STATUS_FAILED;
}

// A round the history holds must be the source's: a draw the user typed is never replaced.
bool agrees_with_history(const RoundResult& result, const char* draws_path)
{
    const Draw& held = history.draws[result.round - history.draws[0].round];
    Draw given{};
    std::copy(result.numbers, result.numbers + NUMBERS_PER_SET, given.numbers.begin());
    given.bonus = result.bonus;
    given.date = result.date;
    const bool same = same_draw(held, given);
    if (!same) {
        std::fprintf(stderr,
                     translate("%s: round %d: the source gives %s, but %s:%d holds %s; the history "
                               "is kept as it is\n"),
                     PROGRAM, result.round,
                     shown_draw(result.numbers, result.bonus, result.date).text,
                     quoted_name(draws_path).text, held.line,
                     shown_draw(held.numbers.data(), held.bonus, held.date).text);
    }
    return same;
}

struct UpdatePaths {
    char draws[PATH_CAPACITY];
    char prizes[PATH_CAPACITY];
};

// The round's draw into the history, as --add-draw adds it. The exit status to stop with, or
// -1 to go on.
int add_draw(const RoundResult& result, const UpdatePaths& paths, const char* link, std::FILE* out)
{
    char line[MAX_LINE_BYTES + 1];
    // In the history's own shape: without the bonus where it keeps none.
    format_result_line(line, result, history.draws[history.count - 1].bonus != 0);
    Draw draw{};
    RecordError error{};
    switch (add_draw_to_file(paths.draws, line, LOCK_WAIT_MILLISECONDS, history, draw, error)) {
    case AddDrawOutcome::Added:
        std::fprintf(out, translate("Round %d added to %s.\n"), draw.round,
                     quoted_name(paths.draws).text);
        if (added_count < MOST_ADDED_ROUNDS) {
            added_rounds[added_count++] = draw.round;
        }
        return -1;
    case AddDrawOutcome::AlreadyThere:
        return -1;
    case AddDrawOutcome::LineRefused:
        return stop_at(result.round, link, error.message);
    case AddDrawOutcome::FileRefused:
        report_history_error(PROGRAM, paths.draws, error);
        return STATUS_FAILED;
    case AddDrawOutcome::Busy:
        return busy(paths.draws);
    case AddDrawOutcome::Failed:
        return cannot_update(paths.draws);
    }
    return STATUS_FAILED;
}

// A final round's prizes into the prizes file, in order. The exit status to stop with, or
// -1 to go on.
int add_prizes(const RoundResult& result, const UpdatePaths& paths, const char* link,
               std::FILE* out)
{
    RecordError error{};
    if (!prizes_hold_together(result.prizes, error)) {
        return stop_at(result.round, link, error.message);
    }
    switch (
        add_prizes_to_file(paths.prizes, result.prizes, LOCK_WAIT_MILLISECONDS, prizes, error)) {
    case AddPrizesOutcome::Added:
        std::fprintf(out, translate("Round %d's prizes added to %s.\n"), result.round,
                     quoted_name(paths.prizes).text);
        return -1;
    case AddPrizesOutcome::AlreadyThere:
        return -1;
    case AddPrizesOutcome::Disagrees:
        std::fprintf(stderr,
                     translate("%s: round %d: the source's prizes differ from %s:%d; the file is "
                               "kept as it is\n"),
                     PROGRAM, result.round, quoted_name(paths.prizes).text, error.line);
        return STATUS_FAILED;
    case AddPrizesOutcome::NotNext:
    case AddPrizesOutcome::FileRefused:
        report_history_error(PROGRAM, paths.prizes, error);
        return STATUS_FAILED;
    case AddPrizesOutcome::Busy:
        return busy(paths.prizes);
    case AddPrizesOutcome::Failed:
        return cannot_update(paths.prizes);
    }
    return STATUS_FAILED;
}

// Asks the source for every round from `first` on. The exit status: 0 once the source has
// not published the next round.
int fetch_rounds(const char* source, std::int32_t first, const UpdatePaths& paths, std::int64_t now,
                 std::FILE* out)
{
    const FetchLimits limits = fetch_limits();
    const std::int32_t today = korean_date(now);
    std::int32_t waiting = 0;    // the first round whose prizes are not published yet
    std::int32_t incomplete = 0; // the first round whose record of its prizes is not complete
    for (std::int32_t round = first;; ++round) {
        char link[4096];
        if (!round_link(source, round, link, sizeof link)) {
            return stop_at(round, source, translate("the link is too long"));
        }
        const Fetched fetched = fetch_url(link, body, MOST_RESULT_BYTES, limits);
        if (fetched.outcome == FetchOutcome::NotFound) {
            break;
        }
        if (fetched.outcome == FetchOutcome::Failed) {
            return stop_at(round, link, fetched.reason);
        }
        static RoundResult result;
        char problem[512];
        if (!read_round_result(body, fetched.length, round, today, result, problem,
                               sizeof problem)) {
            return stop_at(round, link, problem);
        }
        const std::int32_t newest = history.draws[history.count - 1].round;
        if (round < history.draws[0].round) {
            // Before the history's first round: only its prizes are of use.
        } else if (round <= newest) {
            if (!agrees_with_history(result, paths.draws)) {
                return STATUS_FAILED;
            }
        } else if (const int status = add_draw(result, paths, link, out); status >= 0) {
            return status;
        }
        // Prizes go in order: while a round's are pending, the later rounds' wait.
        if (result.prizes_state != PrizesState::Final) {
            waiting = waiting == 0 ? round : waiting;
            if (result.prizes_state == PrizesState::Incomplete && incomplete == 0) {
                incomplete = round;
            }
            continue;
        }
        if (const RoundPrizes* held = prizes_of_round(prizes, round);
            held == nullptr && waiting != 0) {
            continue;
        }
        if (const int status = add_prizes(result, paths, link, out); status >= 0) {
            return status;
        }
    }
    // An incomplete record is waited for until the next round is drawn, then named.
    const bool overdue = incomplete != 0 && incomplete + 1 < round_on_sale(now);
    if (waiting != 0 && !(overdue && waiting == incomplete)) {
        std::fprintf(out, translate("Round %d: prizes not published yet.\n"), waiting);
    }
    std::fprintf(out, translate("Up to date through round %d.\n"),
                 history.draws[history.count - 1].round);
    if (overdue) {
        std::fprintf(stderr,
                     translate("%s: round %d: the source's record of its prizes is incomplete (no "
                               "4th or 5th prize winners, which every round has had); its prizes "
                               "are not stored\n"),
                     PROGRAM, incomplete);
        return STATUS_FAILED;
    }
    return 0;
}

} // namespace

int run_update(const WeekOptions& options, const char* source, bool check)
{
    const char* used = source != nullptr ? source : LOTTO_RESULTS_SOURCE;
    if (const char* problem = source_problem(used); problem != nullptr) {
        char quoted[QUOTE_CAPACITY];
        quote_text(quoted, sizeof quoted, used, NAME_SHOWN);
        std::fprintf(stderr, "%s: --source '%s': %s\n", PROGRAM, quoted, translate(problem));
        std::fprintf(stderr, translate("Try '%s --help'.\n"), PROGRAM);
        return STATUS_USAGE;
    }
    static UpdatePaths paths;
    if (!week_file(options, WeekFile::Draws, paths.draws) ||
        !week_file(options, WeekFile::Prizes, paths.prizes) ||
        !load_draw_history(PROGRAM, paths.draws, history) || !load_prizes(paths.prizes, prizes)) {
        return STATUS_FAILED;
    }
    // Messages go where the games' CSV does not.
    std::FILE* out = options.csv ? stderr : stdout;
    const std::int32_t newest_draw = history.draws[history.count - 1].round;
    const std::int32_t newest_prizes = prizes.count > 0 ? newest_prize_round(prizes) : newest_draw;
    int status = STATUS_FAILED;
    if (!start_fetching()) {
        std::fprintf(stderr, translate("%s: the network library did not start\n"), PROGRAM);
    } else {
        status = fetch_rounds(used, (newest_draw < newest_prizes ? newest_draw : newest_prizes) + 1,
                              paths, options.now, out);
        stop_fetching();
    }
    const CheckBasis basis{history, &prizes, options.now};
    if (options.tickets_path != nullptr && added_count > 0) {
        if (!load_tickets(options.tickets_path, tickets)) {
            return STATUS_FAILED;
        }
        for (int i = 0; i < added_count; ++i) {
            std::fprintf(out, "\n");
            write_ticket_report(out, tickets, basis, added_rounds[i]);
        }
    }
    if (check) {
        std::fprintf(out, "\n");
        std::fflush(out);
        const int checked = run_check(options);
        status = status != 0 ? status : checked;
    } else if (out == stdout) {
        const int finished = finish_standard_output(PROGRAM);
        status = status != 0 ? status : finished;
    }
    return status;
}
