// lotto-stats: scores every possible set with the program's own scoring and reports the
// exact distribution of each criterion and of the total.
#include <algorithm>
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "history/draw_history.hpp"
#include "history/overdue_numbers.hpp"
#include "lotto_version.hpp"
#include "scoring/text_format.hpp"
#include "statistics/back_test.hpp"
#include "statistics/chart_layout.hpp"
#include "statistics/history_reports.hpp"
#include "statistics/reports.hpp"
#include "statistics/score_distribution.hpp"

namespace {

constexpr int STATUS_FAILED = 1;
constexpr int STATUS_USAGE = 2;

constexpr char USAGE[] =
    "Usage: lotto-stats [--draws FILE] [--csv] [--svg FILE]\n"
    "   or: lotto-stats [--draws FILE] --set a,b,c,d,e,f\n"
    "\n"
    "Scores all 8,145,060 sets of six numbers from 1 to 45 the way lotto does and reports\n"
    "how many sets get each outcome of each criterion, over all sets and over the sets\n"
    "that lotto can propose (not all odd, not all even, no four numbers in a row), then\n"
    "where the totals of the proposable sets lie.\n"
    "\n"
    "  --csv          the raw distribution as CSV instead of the report\n"
    "  --svg FILE     also write a histogram of the totals as an SVG image to FILE;\n"
    "                 with - as FILE, write only the histogram, to standard output\n"
    "  --set LIST     one set instead (six numbers, commas between them): its lines as\n"
    "                 lotto shows them, its total and where that total stands\n"
    "  --draws FILE   score with the numbers that have not come up lately in the draw\n"
    "                 history in FILE, and add the history: the lists, how often each\n"
    "                 number was drawn, and a back-test of the score over every draw\n"
    "                 (with --csv its rows round,total,mid_rank follow the distribution;\n"
    "                 with --svg the image shows it too); with --set, the prizes the\n"
    "                 set would have won in the history\n"
    "  -h, --help     show this help and exit\n"
    "  --version      show the version and exit\n";

ScoreDistribution distribution;
DrawHistory history;
BackTest back_test;
TotalCounts set_totals;

int usage_error(const char* message, const char* argument)
{
    std::fprintf(stderr, "lotto-stats: %s '%s'\nTry 'lotto-stats --help'.\n", message, argument);
    return STATUS_USAGE;
}

// Flushes and closes `file`; false, with errno naming why, when something was not written.
bool close_ok(std::FILE* file)
{
    errno = 0;
    const bool written = std::fflush(file) == 0 && std::ferror(file) == 0;
    const int flush_error = errno;
    const bool closed = std::fclose(file) == 0;
    if (!written && flush_error != 0) {
        errno = flush_error;
    }
    return closed && written;
}

int output_failure(const char* what)
{
    std::fprintf(stderr, "lotto-stats: cannot write %s: %s\n", what,
                 std::strerror(errno != 0 ? errno : EIO));
    return STATUS_FAILED;
}

bool is(const char* argument, const char* name)
{
    return std::strcmp(argument, name) == 0;
}

int set_error(const char* list, const char* format, ...) LOTTO_PRINTF_FORMAT(2, 3);
int set_error(const char* list, const char* format, ...)
{
    char problem[128];
    std::va_list arguments;
    va_start(arguments, format);
    format_text_list(problem, sizeof problem, format, arguments);
    va_end(arguments);
    std::fprintf(stderr, "lotto-stats: --set %s: %s\nTry 'lotto-stats --help'.\n", list, problem);
    return STATUS_USAGE;
}

// Six distinct numbers from 1 to 45 with a comma between each two, sorted into `set`.
int parse_set(const char* list, NumberSet& set)
{
    int count = 0;
    const char* at = list;
    for (;;) {
        int number = 0;
        int digits = 0;
        while (*at >= '0' && *at <= '9') {
            number = digits < 3 ? number * 10 + (*at - '0') : 999;
            ++digits;
            ++at;
        }
        if (digits == 0 || (*at != ',' && *at != '\0')) {
            return set_error(list, "six numbers from 1 to 45 with commas between them");
        }
        if (number < 1 || number > MAX_NUMBER) {
            return set_error(list, "%d is not a number from 1 to 45", number);
        }
        if (count == NUMBERS_PER_SET) {
            return set_error(list, "more than %d numbers", NUMBERS_PER_SET);
        }
        for (int i = 0; i < count; ++i) {
            if (set[i] == number) {
                return set_error(list, "%d is given twice", number);
            }
        }
        set[count++] = number;
        if (*at == '\0') {
            break;
        }
        ++at;
    }
    if (count < NUMBERS_PER_SET) {
        return set_error(list, "six numbers are needed, not %d", count);
    }
    std::sort(set.begin(), set.end());
    return 0;
}

// An option's value: not missing, not empty, not another option ("-" alone may be).
const char* option_value(int argc, char** argv, int i)
{
    const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
    if (value == nullptr || value[0] == '\0' || (value[0] == '-' && value[1] != '\0')) {
        return nullptr;
    }
    return value;
}

void write_svg(std::FILE* out, bool with_back_test)
{
    if (!with_back_test) {
        write_histogram_svg(out, distribution);
        return;
    }
    // The histogram, and the back-test below it.
    std::fprintf(out,
                 "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%.0f\" height=\"%.0f\" "
                 "viewBox=\"0 0 %.0f %.0f\" font-family=\"sans-serif\" font-size=\"12\">\n"
                 "<rect width=\"100%%\" height=\"100%%\" fill=\"#ffffff\"/>\n",
                 CHART_WIDTH, 2 * CHART_HEIGHT, CHART_WIDTH, 2 * CHART_HEIGHT);
    write_histogram_svg(out, distribution);
    write_back_test_svg(out, back_test, static_cast<int>(CHART_HEIGHT));
    std::fprintf(out, "</svg>\n");
}

} // namespace

int main(int argc, char** argv)
{
    bool csv = false;
    const char* svg_path = nullptr;
    const char* set_list = nullptr;
    const char* draws_path = nullptr;
    for (int i = 1; i < argc; ++i) {
        const char* argument = argv[i];
        if (is(argument, "--help") || is(argument, "-h")) {
            std::fputs(USAGE, stdout);
            return close_ok(stdout) ? 0 : output_failure("to standard output");
        }
        if (is(argument, "--version")) {
            std::printf("lotto-stats %s\n", LOTTO_VERSION);
            return close_ok(stdout) ? 0 : output_failure("to standard output");
        }
        if (is(argument, "--csv")) {
            csv = true;
        } else if (is(argument, "--svg") || is(argument, "--set") || is(argument, "--draws")) {
            const char* value = option_value(argc, argv, i);
            const bool file = !is(argument, "--set");
            if (value == nullptr) {
                return usage_error(file ? "a file name must follow" : "six numbers must follow",
                                   argument);
            }
            (is(argument, "--svg") ? svg_path : file ? draws_path : set_list) = value;
            ++i;
        } else {
            return usage_error("unknown argument", argument);
        }
    }
    const bool svg_to_standard_output = svg_path != nullptr && is(svg_path, "-");
    if (svg_to_standard_output && csv) {
        return usage_error("the CSV and the histogram cannot both go to standard output:",
                           "--svg -");
    }
    if (set_list != nullptr && (csv || svg_path != nullptr)) {
        return usage_error("--csv and --svg describe all sets; they do not go with", "--set");
    }
    NumberSet set{};
    if (set_list != nullptr) {
        const int status = parse_set(set_list, set);
        if (status != 0) {
            return status;
        }
    }
    if (draws_path != nullptr && !use_draw_history("lotto-stats", draws_path, history)) {
        return STATUS_FAILED;
    }
    const DrawHistory* const draws = draws_path != nullptr ? &history : nullptr;

    if (set_list != nullptr) {
        count_totals(non_appearing_points(), set_totals);
        write_set_report(stdout, set, set_totals, draws);
        return close_ok(stdout) ? 0 : output_failure("to standard output");
    }

    tally_all_sets(MAX_NUMBER, distribution);
    if (draws != nullptr) {
        run_back_test(history, back_test);
    }

    if (svg_to_standard_output) {
        write_svg(stdout, draws != nullptr);
    } else {
        if (svg_path != nullptr) {
            std::FILE* svg = std::fopen(svg_path, "w");
            if (svg == nullptr) {
                std::fprintf(stderr, "lotto-stats: cannot open %s: %s\n", svg_path,
                             std::strerror(errno));
                return STATUS_FAILED;
            }
            write_svg(svg, draws != nullptr);
            if (!close_ok(svg)) {
                return output_failure(svg_path);
            }
        }
        if (csv) {
            write_csv_report(stdout, distribution);
            if (draws != nullptr) {
                write_back_test_csv(stdout, back_test);
            }
        } else {
            if (draws != nullptr) {
                std::printf("Scored with the lists of the draw history %s, as of round %d\n\n",
                            draws_path, history.draws[history.count - 1].round);
            }
            write_text_report(stdout, distribution);
            if (draws != nullptr) {
                write_history_report(stdout, history, back_test);
            }
        }
    }
    return close_ok(stdout) ? 0 : output_failure("to standard output");
}
