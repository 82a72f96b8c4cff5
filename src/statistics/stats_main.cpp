// lotto-stats: scores every possible set with the program's own scoring and reports the
// exact distribution of each criterion and of the total.
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "lotto_version.hpp"
#include "statistics/reports.hpp"
#include "statistics/score_distribution.hpp"

namespace {

constexpr int STATUS_FAILED = 1;
constexpr int STATUS_USAGE = 2;

constexpr char USAGE[] =
    "Usage: lotto-stats [--csv] [--svg FILE]\n"
    "\n"
    "Scores all 8,145,060 sets of six numbers from 1 to 45 the way lotto does and reports\n"
    "how many sets get each outcome of each criterion, over all sets and over the sets\n"
    "that lotto can propose (not all odd, not all even, no four numbers in a row), then\n"
    "where the totals of the proposable sets lie.\n"
    "\n"
    "  --csv        the raw distribution as CSV instead of the report\n"
    "  --svg FILE   also write a histogram of the totals as an SVG image to FILE;\n"
    "               with - as FILE, write only the histogram, to standard output\n"
    "  -h, --help   show this help and exit\n"
    "  --version    show the version and exit\n";

ScoreDistribution distribution;

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

} // namespace

int main(int argc, char** argv)
{
    bool csv = false;
    const char* svg_path = nullptr;
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
        } else if (is(argument, "--svg")) {
            // "-" is standard output; anything else that starts with '-' is an option.
            const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
            if (value == nullptr || value[0] == '\0' || (value[0] == '-' && value[1] != '\0')) {
                return usage_error("a file name must follow", argument);
            }
            svg_path = value;
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

    tally_all_sets(MAX_NUMBER, distribution);

    if (svg_to_standard_output) {
        write_histogram_svg(stdout, distribution);
    } else {
        if (svg_path != nullptr) {
            std::FILE* svg = std::fopen(svg_path, "w");
            if (svg == nullptr) {
                std::fprintf(stderr, "lotto-stats: cannot open %s: %s\n", svg_path,
                             std::strerror(errno));
                return STATUS_FAILED;
            }
            write_histogram_svg(svg, distribution);
            if (!close_ok(svg)) {
                return output_failure(svg_path);
            }
        }
        if (csv) {
            write_csv_report(stdout, distribution);
        } else {
            write_text_report(stdout, distribution);
        }
    }
    return close_ok(stdout) ? 0 : output_failure("to standard output");
}
