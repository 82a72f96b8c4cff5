// lotto-stats: scores every possible set with the program's own scoring and reports the
// exact distribution of each criterion and of the total.
#include <algorithm>
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "command_line/program_output.hpp"
#include "files/replaced_file.hpp"
#include "history/draw_history.hpp"
#include "history/overdue_numbers.hpp"
#include "lottery/number_list.hpp"
#include "lotto_version.hpp"
#include "statistics/back_test.hpp"
#include "statistics/chart_layout.hpp"
#include "statistics/history_reports.hpp"
#include "statistics/reports.hpp"
#include "statistics/score_distribution.hpp"
#include "statistics/total_counting.hpp"
#include "statistics/weekly_commands.hpp"
#include "text/error_text.hpp"
#include "text/quoted_text.hpp"
#include "text/text_format.hpp"
#include "text/translation.hpp"

namespace {

constexpr char PROGRAM[] = "lotto-stats";

const char* usage_text()
{
    return translate(
        "Usage: lotto-stats [--draws FILE] [CHOICE] [--csv] [--svg FILE]\n"
        "   or: lotto-stats [--draws FILE] [CHOICE] --set a,b,c,d,e,f\n"
        "   or: lotto-stats [--draws FILE] [--tickets FILE] --add-draw LINE\n"
        "   or: lotto-stats [--tickets FILE] --add-ticket TEXT\n"
        "   or: lotto-stats [--draws FILE] [--tickets FILE] --check [--csv]\n"
        "\n"
        "Scores all 8,145,060 sets of six numbers from 1 to 45 the way lotto does and reports\n"
        "how many sets get each outcome of each criterion, over all sets and over the sets\n"
        "that lotto can propose (not all odd, not all even, no four numbers in a row), then\n"
        "where the totals of the proposable sets lie.\n"
        "\n"
        "Every set of six numbers has the same chance: 1 in 8,145,060 for the 1st prize.\n"
        "The scores describe a set's shape; they do not change its chance (--draws shows\n"
        "this on your own history).\n"
        "\n"
        "  --csv          the raw distribution as CSV instead of the report\n"
        "  --svg FILE     also write a histogram of the totals as an SVG image to FILE;\n"
        "                 with - as FILE, write only the histogram, to standard output\n"
        "  --set LIST     one set instead (six numbers, commas between them): its lines as\n"
        "                 lotto shows them, its total and where that total stands\n"
        "  --draws FILE   score with the numbers that have not come up lately in the draw\n"
        "                 history in FILE (- for standard input), and add the history: the\n"
        "                 lists, how often each number was drawn, and a back-test of the\n"
        "                 score over every draw (with --svg the image shows it too); with\n"
        "                 --set, the prizes the set would have won in the history\n"
        "  --back-test-csv FILE  with --draws, also write the back-test's rows\n"
        "                 (round,total,mid_rank) as CSV to FILE; with - as FILE, write\n"
        "                 only them, to standard output\n"
        "CHOICE is --with LIST, --without LIST or both:\n"
        "  --with LIST    count only the sets that hold these numbers (one to five, commas\n"
        "                 between them), as lotto --with proposes them; with --set, say\n"
        "                 whether lotto could propose the set under --with and --without\n"
        "  --without LIST count only the sets that hold none of these numbers\n"
        "\n"
        "Every week:\n"
        "  --add-draw LINE   add the newest draw (round,date,six numbers,bonus) to the\n"
        "                 history; with --tickets, check that round's games at once\n"
        "  --add-ticket TEXT add games to the tickets: a line round,n1,...,n6, or the\n"
        "                 text or link of a paper slip's QR code\n"
        "  --check        every game of the tickets against its draw (with --csv as CSV)\n"
        "  --tickets FILE the tickets file\n"
        "Without --draws or --tickets these use draws.csv (started from the real draws\n"
        "shipped with lotto) and tickets.csv in the data folder, ~/.local/share/lotto.\n"
        "\n"
        "  -j N           count with N threads (the default: one per processor core)\n"
        "  -h, --help     show this help and exit\n"
        "  --version      show the version and exit\n");
}

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
    bool check;                     // --check: the games against their draws
    bool csv;                       // --csv: the raw distribution instead of the report
    bool help;                      // --help alone
    bool version;                   // --version alone
};

// Whether the chart goes to standard output ("--svg -") or to a file of its name.
bool chart_to_standard_output(const StatsOptions& options)
{
    return options.svg_path != nullptr && is_option(options.svg_path, "-");
}

bool chart_to_file(const StatsOptions& options)
{
    return options.svg_path != nullptr && !chart_to_standard_output(options);
}

// Each CSV output is one table: the back-test's rows go to a way out of their own.
bool rows_to_standard_output(const StatsOptions& options)
{
    return options.back_test_csv_path != nullptr && is_option(options.back_test_csv_path, "-");
}

bool rows_to_file(const StatsOptions& options)
{
    return options.back_test_csv_path != nullptr && !rows_to_standard_output(options);
}

ScoreDistribution distribution;
NumberChoice number_choice;
CountingOptions counting;
DrawHistory history;
BackTest back_test;
TotalCounts set_totals;

int set_error(const char* list, const char* format, ...) LOTTO_PRINTF_FORMAT(2, 3);
int set_error(const char* list, const char* format, ...)
{
    char problem[128];
    std::va_list arguments;
    va_start(arguments, format);
    format_text_list(problem, sizeof problem, format, arguments);
    va_end(arguments);
    char quoted[QUOTE_CAPACITY];
    quote_text(quoted, sizeof quoted, list, NAME_SHOWN);
    std::fprintf(stderr, "lotto-stats: --set %s: %s\n", quoted, problem);
    std::fprintf(stderr, translate("Try '%s --help'.\n"), PROGRAM);
    return STATUS_USAGE;
}

// Six distinct numbers from 1 to 45 as people copy them, sorted into `set`. A number is
// quoted as it was typed.
int parse_set(const char* list, NumberSet& set)
{
    static NumberList numbers;
    if (!read_number_list(list, NUMBERS_PER_SET, numbers)) {
        switch (numbers.problem) {
        case ListProblem::NotANumber:
            return set_error(list, translate("%.*s is not a number from 1 to 45"),
                             numbers.token_length, numbers.token);
        case ListProblem::TooMany:
            return set_error(list, translate("more than %d numbers"), NUMBERS_PER_SET);
        case ListProblem::GivenTwice:
            return set_error(list, translate("%d is given twice"), numbers.number);
        case ListProblem::Malformed:
        case ListProblem::None:
            break;
        }
        return set_error(list, "%s",
                         translate("six numbers from 1 to 45 with commas between them"));
    }
    if (numbers.count < NUMBERS_PER_SET) {
        return set_error(list, translate("six numbers are needed, not %d"), numbers.count);
    }
    std::copy(numbers.numbers.begin(), numbers.numbers.begin() + NUMBERS_PER_SET, set.begin());
    std::sort(set.begin(), set.end());
    return 0;
}

// -j N: 1 to 256 threads.
int parse_jobs(const char* text, int& workers)
{
    constexpr int most = 256;
    int value = 0;
    const char* at = text;
    while (*at >= '0' && *at <= '9' && value <= most) {
        value = value * 10 + (*at++ - '0');
    }
    if (at == text || *at != '\0' || value < 1 || value > most) {
        return usage_error(PROGRAM, translatable("-j takes a number of threads from 1 to 256, not"),
                           text);
    }
    workers = value;
    return 0;
}

// A value that is missing: a name that begins with '-' is taken for an option, so say how
// to give one.
int missing_value(const char* option, const char* next)
{
    if (is_option(option, "--with") || is_option(option, "--without") || is_option(option, "-j")) {
        return usage_error(PROGRAM, translatable("numbers must follow"), option);
    }
    const bool file = !is_option(option, "--set");
    // "--set -1,2,3,4,5,6" is a set with a negative number in it, not a missing set.
    if (!file && next != nullptr && next[0] == '-' && next[1] >= '0' && next[1] <= '9') {
        NumberSet set{};
        return parse_set(next, set);
    }
    return usage_error(PROGRAM,
                       file ? translatable("a file name must follow")
                            : translatable("six numbers must follow"),
                       option, file ? next : nullptr);
}

// Fills `options` from the arguments. Returns -1 to go on, or the exit status of a usage
// error, which has been reported.
int parse_options(int argc, char** argv, StatsOptions& options)
{
    options = StatsOptions{};
    for (int i = 1; i < argc; ++i) {
        const char* argument = argv[i];
        const bool alone = argc == 2;
        const char** value_of = is_option(argument, "--svg")     ? &options.svg_path
                                : is_option(argument, "--set")   ? &options.set_list
                                : is_option(argument, "--draws") ? &options.draws_path
                                : is_option(argument, "--back-test-csv")
                                    ? &options.back_test_csv_path
                                : is_option(argument, "--tickets")    ? &options.tickets_path
                                : is_option(argument, "--add-draw")   ? &options.added_draw
                                : is_option(argument, "--add-ticket") ? &options.added_ticket
                                : is_option(argument, "--with")       ? &options.kept_numbers
                                : is_option(argument, "--without")    ? &options.left_out_numbers
                                : is_option(argument, "-j")           ? &options.jobs
                                                                      : nullptr;
        if (is_option(argument, "--help") || is_option(argument, "-h") ||
            is_option(argument, "--version")) {
            if (!alone) {
                return usage_error(PROGRAM, translatable("no other argument may come with"),
                                   argument);
            }
            (is_option(argument, "--version") ? options.version : options.help) = true;
        } else if (is_option(argument, "--check") || is_option(argument, "--csv")) {
            bool& flag = is_option(argument, "--check") ? options.check : options.csv;
            if (flag) {
                return usage_error(PROGRAM, translatable("this option may be given only once:"),
                                   argument);
            }
            flag = true;
        } else if (value_of != nullptr) {
            if (*value_of != nullptr) {
                return usage_error(PROGRAM, translatable("this option may be given only once:"),
                                   argument);
            }
            const bool list = is_option(argument, "--with") || is_option(argument, "--without");
            *value_of = list ? number_list_value(argc, argv, i) : option_value(argc, argv, i);
            if (*value_of == nullptr) {
                return missing_value(argument, i + 1 < argc ? argv[i + 1] : nullptr);
            }
            ++i;
        } else {
            const bool option = argument[0] == '-' && argument[1] != '\0';
            return usage_error(PROGRAM,
                               option ? translatable("unknown option")
                                      : translatable("unexpected argument"),
                               argument);
        }
    }
    const int weekly = (options.added_draw != nullptr ? 1 : 0) +
                       (options.added_ticket != nullptr ? 1 : 0) + (options.check ? 1 : 0);
    if (weekly > 1) {
        return usage_error(PROGRAM,
                           translatable("give one of --add-draw, --add-ticket and --check, not"),
                           options.check ? "--check" : "--add-ticket");
    }
    if (weekly == 1 && (options.set_list != nullptr || options.svg_path != nullptr ||
                        options.back_test_csv_path != nullptr || (options.csv && !options.check))) {
        return usage_error(PROGRAM,
                           translatable("--set, --svg, --back-test-csv and --csv (but with "
                                        "--check) do not go with"),
                           options.check                   ? "--check"
                           : options.added_draw != nullptr ? "--add-draw"
                                                           : "--add-ticket");
    }
    if (weekly == 1 && (options.kept_numbers != nullptr || options.left_out_numbers != nullptr)) {
        return usage_error(PROGRAM,
                           translatable("--with and --without choose sets; they do not go with"),
                           options.check                   ? "--check"
                           : options.added_draw != nullptr ? "--add-draw"
                                                           : "--add-ticket");
    }
    if (weekly == 1 && options.draws_path != nullptr && is_option(options.draws_path, "-")) {
        return usage_error(PROGRAM, translatable("the history must be a file here, not"),
                           "--draws -");
    }
    if (weekly == 0 && options.tickets_path != nullptr) {
        return usage_error(PROGRAM,
                           translatable("the tickets serve --add-draw, --add-ticket and --check:"),
                           "--tickets");
    }
    const int to_standard_output = (chart_to_standard_output(options) ? 1 : 0) +
                                   (rows_to_standard_output(options) ? 1 : 0) +
                                   (options.csv ? 1 : 0);
    if (rows_to_standard_output(options) && to_standard_output > 1) {
        return usage_error(PROGRAM,
                           translatable("only one table or chart can go to standard output:"),
                           "--back-test-csv -");
    }
    if (options.back_test_csv_path != nullptr && options.draws_path == nullptr) {
        return usage_error(PROGRAM, translatable("a back-test needs a draw history (--draws):"),
                           "--back-test-csv");
    }
    if (chart_to_standard_output(options) && options.csv) {
        return usage_error(PROGRAM,
                           translatable("the CSV and the histogram cannot both go to standard "
                                        "output:"),
                           "--svg -");
    }
    if (options.set_list != nullptr &&
        (options.csv || options.svg_path != nullptr || options.back_test_csv_path != nullptr)) {
        return usage_error(PROGRAM,
                           translatable("--csv and --svg describe all sets; they do not go with"),
                           "--set");
    }
    return -1;
}

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

int cannot_write(const char* path)
{
    const int reason = errno != 0 ? errno : EIO;
    char quoted[QUOTE_CAPACITY];
    quote_text(quoted, sizeof quoted, path, NAME_SHOWN);
    std::fprintf(stderr, translate("lotto-stats: cannot write '%s': %s\n"), quoted,
                 error_text(reason));
    return STATUS_FAILED;
}

void write_svg(std::FILE* out, bool with_back_test)
{
    write_svg_prologue(out);
    if (!with_back_test) {
        write_histogram_svg(out, distribution);
        return;
    }
    // The histogram, and the back-test below it.
    write_svg_open(out, CHART_WIDTH, 2 * CHART_HEIGHT);
    write_histogram_svg(out, distribution);
    write_back_test_svg(out, back_test, static_cast<int>(CHART_HEIGHT));
    std::fprintf(out, "</svg>\n");
}

// One set: its lines, its place among the proposable sets and, with a history, its prizes.
int run_set_report(const NumberSet& set, const NonAppearingPoints& lists, const DrawHistory* draws)
{
    count_totals(lists, set_totals);
    write_set_report(stdout, set, set_totals, draws, number_choice);
    return finish_standard_output(PROGRAM);
}

// All sets: the report (or CSV), the chart if asked, and with a history its back-test.
int run_distribution_report(const StatsOptions& options, const NonAppearingPoints& lists,
                            const DrawHistory* draws)
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
    tally_all_sets(MAX_NUMBER, lists, distribution, number_choice, counting.workers);
    if (draws != nullptr) {
        run_back_test(*draws, back_test, counting);
    }
    if (chart_to_file(options)) {
        write_svg(chart.stream, draws != nullptr);
        if (!commit_replacement(chart)) {
            const int reason = errno;
            abandon_replacement(rows);
            errno = reason;
            return cannot_write(options.svg_path);
        }
    }
    if (rows_to_file(options)) {
        write_back_test_csv(rows.stream, back_test);
        if (!commit_replacement(rows)) {
            return cannot_write(options.back_test_csv_path);
        }
    }
    if (rows_to_standard_output(options)) {
        write_back_test_csv(stdout, back_test);
        return finish_standard_output(PROGRAM);
    }
    if (chart_to_standard_output(options)) {
        write_svg(stdout, draws != nullptr);
        return finish_standard_output(PROGRAM);
    }
    if (options.csv) {
        write_csv_report(stdout, distribution);
        return finish_standard_output(PROGRAM);
    }
    if (draws != nullptr) {
        char quoted[QUOTE_CAPACITY];
        quote_text(quoted, sizeof quoted, options.draws_path, NAME_SHOWN);
        std::printf(translate("Scored with the lists of the draw history %s, as of round %d\n\n"),
                    quoted, draws->draws[draws->count - 1].round);
    }
    write_choice_lines(stdout, number_choice);
    write_text_report(stdout, distribution);
    if (draws != nullptr) {
        write_history_report(stdout, *draws, back_test);
    }
    return finish_standard_output(PROGRAM);
}

} // namespace

int main(int argc, char** argv)
{
    use_language(user_language());
    StatsOptions options{};
    int status = parse_options(argc, argv, options);
    if (status >= 0) {
        return status;
    }
    if (options.help) {
        std::fputs(usage_text(), stdout);
        return finish_standard_output(PROGRAM);
    }
    if (options.version) {
        std::printf("lotto-stats %s\n", LOTTO_VERSION);
        return finish_standard_output(PROGRAM);
    }
    if (options.added_draw != nullptr) {
        return run_add_draw(options.draws_path, options.tickets_path, options.added_draw);
    }
    if (options.added_ticket != nullptr) {
        return run_add_ticket(options.tickets_path, options.added_ticket);
    }
    if (options.check) {
        return run_check(options.draws_path, options.tickets_path, options.csv);
    }
    status = refuse_overwriting_history(options);
    if (status >= 0) {
        return status;
    }
    NumberSet set{};
    if (options.set_list != nullptr && (status = parse_set(options.set_list, set)) != 0) {
        return status;
    }
    if (!read_choice_options(PROGRAM, options.kept_numbers, options.left_out_numbers,
                             number_choice)) {
        return STATUS_USAGE;
    }
    counting = default_counting_options();
    if (options.jobs != nullptr && (status = parse_jobs(options.jobs, counting.workers)) != 0) {
        return status;
    }
    const DrawHistory* draws = nullptr;
    if (options.draws_path != nullptr) {
        if (!load_draw_history(PROGRAM, options.draws_path, history)) {
            return STATUS_FAILED;
        }
        draws = &history;
    }
    const NonAppearingPoints lists =
        draws != nullptr ? latest_overdue_points(history) : COMPILED_IN_POINTS;
    // The set's lines come from the scoring pass, which scores with the lists in force.
    use_non_appearing_points(lists);
    return options.set_list != nullptr ? run_set_report(set, lists, draws)
                                       : run_distribution_report(options, lists, draws);
}
