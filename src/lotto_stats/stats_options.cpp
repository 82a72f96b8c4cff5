#include "lotto_stats/stats_options.hpp"

#include <algorithm>
#include <cstdarg>
#include <cstdio>

#include "command_line/program_output.hpp"
#include "lottery/number_list.hpp"
#include "text/quoted_text.hpp"
#include "text/text_format.hpp"
#include "text/translation.hpp"

namespace {

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

} // namespace

// A number is quoted as it was typed.
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

namespace {

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

} // namespace

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
