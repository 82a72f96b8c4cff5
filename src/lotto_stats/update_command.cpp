#include "lotto_stats/update_command.hpp"

#include <cstdlib>

#include "command_line/program_output.hpp"
#include "files/file_lock.hpp"
#include "history/shown_draw.hpp"
#include "lotto_stats/stats_options.hpp"
#include "lotto_stats/weekly_commands.hpp"
#include "lotto_version.hpp"
#include "player_files/file_updates.hpp"
#include "reports/ticket_report.hpp"
#include "results/http_fetch.hpp"
#include "results/results_source.hpp"
#include "results/round_result.hpp"
#include "results/week_update.hpp"
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

// A round the history holds that the source gives otherwise: both said, the history kept.
int contradiction(const RoundDecision& decision, const char* draws_path)
{
    const Draw& held = history.draws[decision.round - history.draws[0].round];
    const Draw& given = decision.source_draw;
    std::fprintf(stderr,
                 translate("%s: round %d: the source gives %s, but %s:%d holds %s; the history "
                           "is kept as it is\n"),
                 PROGRAM, decision.round,
                 shown_draw(given.numbers.data(), given.bonus, given.date).text,
                 quoted_name(draws_path).text, held.line,
                 shown_draw(held.numbers.data(), held.bonus, held.date).text);
    return STATUS_FAILED;
}

struct UpdatePaths {
    char draws[PATH_CAPACITY];
    char prizes[PATH_CAPACITY];
};

// The round's draw into the history, as --add-draw adds it. The exit status to stop with, or
// -1 to go on.
int add_draw(const RoundDecision& decision, const UpdatePaths& paths, const char* link,
             std::FILE* out)
{
    Draw draw{};
    RecordError error{};
    const auto outcome = add_draw_to_file(paths.draws, decision.draw_line, LOCK_WAIT_MILLISECONDS,
                                          history, draw, error);
    switch (outcome) {
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
        return stop_at(decision.round, link, error.message);
    case AddDrawOutcome::FileRefused:
    case AddDrawOutcome::Busy:
    case AddDrawOutcome::Failed:
        return file_not_changed(outcome, paths.draws, error);
    }
    return STATUS_FAILED;
}

// A final round's prizes into the prizes file, in order. The exit status to stop with, or
// -1 to go on.
int add_prizes(const RoundPrizes& round_prizes, const UpdatePaths& paths, std::FILE* out)
{
    RecordError error{};
    const auto outcome =
        add_prizes_to_file(paths.prizes, round_prizes, LOCK_WAIT_MILLISECONDS, prizes, error);
    switch (outcome) {
    case AddPrizesOutcome::Added:
        std::fprintf(out, translate("Round %d's prizes added to %s.\n"), round_prizes.round,
                     quoted_name(paths.prizes).text);
        return -1;
    case AddPrizesOutcome::AlreadyThere:
        return -1;
    case AddPrizesOutcome::Disagrees:
        std::fprintf(stderr,
                     translate("%s: round %d: the source's prizes differ from %s:%d; the file is "
                               "kept as it is\n"),
                     PROGRAM, round_prizes.round, quoted_name(paths.prizes).text, error.line);
        return STATUS_FAILED;
    case AddPrizesOutcome::NotNext:
    case AddPrizesOutcome::FileRefused:
    case AddPrizesOutcome::Busy:
    case AddPrizesOutcome::Failed:
        return file_not_changed(outcome, paths.prizes, error);
    }
    return STATUS_FAILED;
}

// Asks the source for each round the week's update names, and makes the changes it decides.
// The exit status: 0 once the asking is over.
int fetch_rounds(const char* source, const UpdatePaths& paths, std::int64_t now, std::FILE* out)
{
    const FetchLimits limits = fetch_limits();
    static WeekUpdate update;
    const std::int32_t newest_draw = history.draws[history.count - 1].round;
    start_week_update(update,
                      WeekFacts{history.draws[0].round, newest_draw,
                                history.draws[history.count - 1].bonus != 0,
                                prizes.count > 0 ? newest_prize_round(prizes) : 0},
                      now);
    for (std::int32_t round = round_to_ask(update); round != 0; round = round_to_ask(update)) {
        char link[4096];
        if (!round_link(source, round, link, sizeof link)) {
            return stop_at(round, source, translate("the link is too long"));
        }
        const Fetched fetched = fetch_url(link, body, MOST_RESULT_BYTES, limits);
        const Fetch fetch = fetched.outcome == FetchOutcome::Body       ? Fetch::Answer
                            : fetched.outcome == FetchOutcome::NotFound ? Fetch::NotPublished
                                                                        : Fetch::Failed;
        const Draw* held =
            round >= history.draws[0].round && round <= history.draws[history.count - 1].round
                ? &history.draws[round - history.draws[0].round]
                : nullptr;
        static RoundDecision decision;
        decide_round(update, fetch, body, fetched.length, fetched.reason, held,
                     prizes_of_round(prizes, round) != nullptr, decision);
        if (decision.step == RoundStep::Contradicts) {
            return contradiction(decision, paths.draws);
        }
        if (decision.add_draw) {
            if (const int status = add_draw(decision, paths, link, out); status >= 0) {
                return status;
            }
        }
        if (decision.step == RoundStep::Refused) {
            return stop_at(round, link, decision.problem);
        }
        if (decision.add_prizes) {
            if (const int status = add_prizes(decision.prizes, paths, out); status >= 0) {
                return status;
            }
        }
    }
    const WeekEnd end = finish_week_update(update);
    if (end.waiting != 0) {
        std::fprintf(out, translate("Round %d: prizes not published yet.\n"), end.waiting);
    }
    std::fprintf(out, translate("Up to date through round %d.\n"), end.newest);
    if (end.incomplete != 0) {
        std::fprintf(stderr,
                     translate("%s: round %d: the source's record of its prizes is incomplete (no "
                               "4th or 5th prize winners, which every round has had); its prizes "
                               "are not stored\n"),
                     PROGRAM, end.incomplete);
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
    int status = STATUS_FAILED;
    if (!start_fetching()) {
        std::fprintf(stderr, translate("%s: the network library did not start\n"), PROGRAM);
    } else {
        status = fetch_rounds(used, paths, options.now, out);
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
