// lotto-stats: scores every possible set with the program's own scoring and reports the
// exact distribution of each criterion and of the total.
#include <cerrno>
#include <cstdio>
#include <cstring>

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
    "  --svg FILE   also write a histogram of the totals as an SVG image to FILE\n"
    "  -h, --help   show this help and exit\n";

ScoreDistribution distribution;

int usage_error(const char* message, const char* argument)
{
    std::fprintf(stderr, "lotto-stats: %s '%s'\nTry 'lotto-stats --help'.\n", message, argument);
    return STATUS_USAGE;
}

bool close_ok(std::FILE* file)
{
    const bool written = std::fflush(file) == 0 && std::ferror(file) == 0;
    return std::fclose(file) == 0 && written;
}

} // namespace

int main(int argc, char** argv)
{
    bool csv = false;
    const char* svg_path = nullptr;
    for (int i = 1; i < argc; ++i) {
        const char* argument = argv[i];
        if (std::strcmp(argument, "--help") == 0 || std::strcmp(argument, "-h") == 0) {
            std::fputs(USAGE, stdout);
            return close_ok(stdout) ? 0 : STATUS_FAILED;
        }
        if (std::strcmp(argument, "--csv") == 0) {
            csv = true;
        } else if (std::strcmp(argument, "--svg") == 0) {
            if (i + 1 >= argc || argv[i + 1][0] == '\0') {
                return usage_error("a file name must follow", argument);
            }
            svg_path = argv[++i];
        } else {
            return usage_error("unknown argument", argument);
        }
    }

    tally_all_sets(MAX_NUMBER, distribution);

    if (svg_path != nullptr) {
        std::FILE* svg = std::fopen(svg_path, "w");
        if (svg == nullptr) {
            std::fprintf(stderr, "lotto-stats: cannot open %s: %s\n", svg_path,
                         std::strerror(errno));
            return STATUS_FAILED;
        }
        write_histogram_svg(svg, distribution);
        if (!close_ok(svg)) {
            std::fprintf(stderr, "lotto-stats: cannot write %s\n", svg_path);
            return STATUS_FAILED;
        }
    }
    if (csv) {
        write_csv_report(stdout, distribution);
    } else {
        write_text_report(stdout, distribution);
    }
    if (!close_ok(stdout)) {
        std::fprintf(stderr, "lotto-stats: cannot write to standard output\n");
        return STATUS_FAILED;
    }
    return 0;
}
