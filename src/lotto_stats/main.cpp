// lotto-stats: scores every possible set with the program's own scoring and reports the
// exact distribution of each criterion and of the total.
#include <algorithm>
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "command_line/program_output.hpp"
#include "counting/back_test.hpp"
#include "counting/score_distribution.hpp"
#include "counting/total_counting.hpp"
#include "files/replaced_file.hpp"
#include "history/draw_history.hpp"
#include "history/overdue_numbers.hpp"
#include "lottery/number_list.hpp"
#include "lotto_stats/stats_options.hpp"
#include "lotto_stats/update_command.hpp"
#include "lotto_stats/week_files.hpp"
#include "lotto_stats/weekly_commands.hpp"
#include "lotto_version.hpp"
#include "prizes/shipped_prizes.hpp"
#include "reports/chart_layout.hpp"
#include "reports/history_reports.hpp"
#include "reports/reports.hpp"
#include "text/error_text.hpp"
#include "text/quoted_text.hpp"
#include "text/text_format.hpp"
#include "text/translation.hpp"

namespace {

// What a report works with: tables too large for the stack, owned by main.
struct ReportWork {
    ScoreDistribution distribution;
    NumberChoice number_choice;
    CountingOptions counting;
    DrawHistory history;
    PrizeTable prizes;
    BackTest back_test;
    TotalCounts set_totals;
};

// No output may be the draw history: the user's file is never written over. Returns -1 to
// go on, or the exit status.
int refuse_overwriting_history(const StatsOptions& options)
{
    if (options.draws_path == nullptr) {
        return -1;
    }
    char quoted[QUOTE_CAPACITY];
    quote_text(quoted, sizeof quoted, options.draws_path, NAME_SHOWN);
    if (chart_to_file(options) && same_file(options.svg_path, options.draws_path)) {
        std::fprintf(stderr,
                     translate("lotto-stats: the chart would overwrite the draw history '%s'; "
                               "give --svg another file\n"),
                     quoted);
        return STATUS_USAGE;
    }
    if (rows_to_file(options) && same_file(options.back_test_csv_path, options.draws_path)) {
        std::fprintf(stderr,
                     translate("lotto-stats: the back-test's rows would overwrite the draw "
                               "history '%s'; give --back-test-csv another file\n"),
                     quoted);
        return STATUS_USAGE;
    }
    if (standard_output_is(options.draws_path)) {
        std::fprintf(stderr,
                     translate("lotto-stats: standard output is the draw history '%s'; the "
                               "report would overwrite it\n"),
                     quoted);
        return STATUS_USAGE;
    }
    return -1;
}

void write_svg(std::FILE* out, const ReportWork& work, bool with_back_test)
{
    const ScoreDistribution& distribution = work.distribution;
    write_svg_prologue(out);
    if (!with_back_test) {
        write_histogram_svg(out, distribution);
        return;
    }
    // The histogram, and the back-test below it.
    write_svg_open(out, CHART_WIDTH, 2 * CHART_HEIGHT);
    write_histogram_svg(out, distribution);
    write_back_test_svg(out, work.back_test, static_cast<int>(CHART_HEIGHT));
    std::fprintf(out, "</svg>\n");
}

// One set: its lines, its place among the proposable sets and, with a history, its prizes.
int run_set_report(ReportWork& work, const NumberSet& set, const NonAppearingPoints& lists,
                   const DrawHistory* draws)
{
    count_totals(lists, work.set_totals);
    write_set_report(stdout, set, lists, work.set_totals, draws, &work.prizes, work.number_choice);
    return finish_standard_output(PROGRAM);
}

// All sets: the report (or CSV), the chart if asked, and with a history its back-test.
int run_distribution_report(ReportWork& work, const StatsOptions& options,
                            const NonAppearingPoints& lists, const DrawHistory* draws)
{
    ReplacedFile chart{};
    ReplacedFile rows{};
    // Opened now, so that a file that cannot be written is known before the computation.
    if (chart_to_file(options) && !begin_replacement(options.svg_path, chart)) {
        return cannot_write(options.svg_path);
    }
    if (rows_to_file(options) && !begin_replacement(options.back_test_csv_path, rows)) {
        const int reason = errno;
        abandon_replacement(chart);
        errno = reason;
        return cannot_write(options.back_test_csv_path);
    }
    tally_all_sets(MAX_NUMBER, lists, work.distribution, work.number_choice, work.counting.workers);
    if (draws != nullptr) {
        run_back_test(*draws, work.back_test, work.counting);
    }
    if (chart_to_file(options)) {
        write_svg(chart.stream, work, draws != nullptr);
        if (!commit_replacement(chart)) {
            const int reason = errno;
            abandon_replacement(rows);
            errno = reason;
            return cannot_write(options.svg_path);
        }
    }
    if (rows_to_file(options)) {
        write_back_test_csv(rows.stream, work.back_test);
        if (!commit_replacement(rows)) {
            return cannot_write(options.back_test_csv_path);
        }
    }
    if (rows_to_standard_output(options)) {
        write_back_test_csv(stdout, work.back_test);
        return finish_standard_output(PROGRAM);
    }
    if (chart_to_standard_output(options)) {
        write_svg(stdout, work, draws != nullptr);
        return finish_standard_output(PROGRAM);
    }
    if (options.csv) {
        write_csv_report(stdout, work.distribution);
        return finish_standard_output(PROGRAM);
    }
    if (draws != nullptr) {
        char quoted[QUOTE_CAPACITY];
        quote_text(quoted, sizeof quoted, options.draws_path, NAME_SHOWN);
        std::printf(translate("Scored with the lists of the draw history %s, as of round %d\n\n"),
                    quoted, draws->draws[draws->count - 1].round);
    }
    write_choice_lines(stdout, work.number_choice);
    write_text_report(stdout, work.distribution);
    if (draws != nullptr) {
        write_history_report(stdout, *draws, work.back_test);
    }
    return finish_standard_output(PROGRAM);
}

WeekOptions week_of(const StatsOptions& options)
{
    return WeekOptions{options.draws_path, options.prizes_path, options.tickets_path, options.csv,
                       week_clock()};
}

// The reports: one set, or all sets; with a history, scored with its lists.
int run_report(ReportWork& work, const StatsOptions& options)
{
    int status = refuse_overwriting_history(options);
    if (status >= 0) {
        return status;
    }
    NumberSet set{};
    if (options.set_list != nullptr && (status = parse_set(options.set_list, set)) != 0) {
        return status;
    }
    if (!read_choice_options(PROGRAM, options.kept_numbers, options.left_out_numbers,
                             work.number_choice)) {
        return STATUS_USAGE;
    }
    work.counting = default_counting_options();
    if (options.jobs != nullptr &&
        (status = parse_jobs(options.jobs, work.counting.workers)) != 0) {
        return status;
    }
    const DrawHistory* draws = nullptr;
    if (options.draws_path != nullptr) {
        if (!load_draw_history(PROGRAM, options.draws_path, work.history)) {
            return STATUS_FAILED;
        }
        draws = &work.history;
    }
    // What the rounds paid, for --set with a history: the file given, or the shipped
    // prizes, never the data folder's.
    if (draws != nullptr && options.set_list != nullptr) {
        RecordError error{};
        TextSource shipped =
            memory_source(reinterpret_cast<const char*>(SHIPPED_PRIZES), SHIPPED_PRIZES_SIZE);
        if (options.prizes_path != nullptr ? !load_prizes(options.prizes_path, work.prizes)
                                           : !read_prizes_source(shipped, work.prizes, error)) {
            return STATUS_FAILED;
        }
    }
    const NonAppearingPoints lists =
        draws != nullptr ? latest_overdue_points(*draws) : COMPILED_IN_POINTS;
    return options.set_list != nullptr ? run_set_report(work, set, lists, draws)
                                       : run_distribution_report(work, options, lists, draws);
}

} // namespace

int main(int argc, char** argv)
{
    use_language(user_language());
    StatsOptions options{};
    const int status = parse_options(argc, argv, options);
    if (status >= 0) {
        return status;
    }
    switch (command_of(options)) {
    case StatsCommand::Help:
        std::fputs(usage_text(), stdout);
        return finish_standard_output(PROGRAM);
    case StatsCommand::Version:
        // The way of counting too, so that a user can tell which one a figure came from.
        std::printf("lotto-stats %s\ncounting: %s\n", LOTTO_VERSION,
                    counting_path_name(fastest_counting_path()));
        return finish_standard_output(PROGRAM);
    case StatsCommand::AddDraw:
        return run_add_draw(week_of(options), options.added_draw);
    case StatsCommand::AddTicket:
        return run_add_ticket(week_of(options), options.added_ticket);
    case StatsCommand::Update:
        return run_update(week_of(options), options.source, options.check);
    case StatsCommand::Check:
        return run_check(week_of(options));
    case StatsCommand::Ledger:
        return run_ledger(week_of(options));
    case StatsCommand::Report:
        break;
    }
    static ReportWork work;
    return run_report(work, options);
}
