#include "lotto_stats/stats_options.hpp"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <iterator>

#include "command_line/option_reader.hpp"
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

enum StatsOption : int {
    SVG,
    SET,
    DRAWS,
    BACK_TEST_CSV,
    TICKETS,
    ADD_DRAW,
    ADD_TICKET,
    WITH,
    WITHOUT,
    JOBS,
    PRIZES,
    SOURCE,
    CHECK,
    UPDATE,
    LEDGER,
    CSV,
    HELP,
    VERSION,
    STATS_OPTION_COUNT
};

constexpr const char* FILE_MISSING = translatable("a file name must follow");
constexpr const char* NUMBERS_MISSING = translatable("numbers must follow");

// A file name's value: "-" is a standard stream, and one beginning with '-' gets a hint.
constexpr OptionEntry file_option(const char* name, bool standard_stream = true)
{
    return {.name = name,
            .alias = nullptr,
            .kind = OptionKind::Value,
            .missing = FILE_MISSING,
            .hint_following = true,
            .standard_stream = standard_stream};
}

constexpr OptionEntry value_option(const char* name, const char* missing,
                                   OptionKind kind = OptionKind::Value)
{
    return {.name = name,
            .alias = nullptr,
            .kind = kind,
            .missing = missing,
            .hint_following = false,
            .standard_stream = true};
}

constexpr OptionEntry flag_option(const char* name, OptionKind kind = OptionKind::Flag,
                                  const char* alias = nullptr)
{
    return {.name = name,
            .alias = alias,
            .kind = kind,
            .missing = nullptr,
            .hint_following = false,
            .standard_stream = false};
}

// In the order of StatsOption.
constexpr OptionEntry STATS_OPTIONS[STATS_OPTION_COUNT] = {
    file_option("--svg"),
    value_option("--set", translatable("six numbers must follow")),
    file_option("--draws"),
    file_option("--back-test-csv"),
    file_option("--tickets"),
    value_option("--add-draw", translatable("a draw's line must follow")),
    value_option("--add-ticket", translatable("a game or a slip's code must follow")),
    value_option("--with", NUMBERS_MISSING, OptionKind::NumberList),
    value_option("--without", NUMBERS_MISSING, OptionKind::NumberList),
    value_option("-j", translatable("a number must follow")),
    file_option("--prizes", false),
    {.name = "--source",
     .alias = nullptr,
     .kind = OptionKind::Value,
     .missing = translatable("a link must follow"),
     .hint_following = false,
     .standard_stream = false},
    flag_option("--check"),
    flag_option("--update"),
    flag_option("--ledger"),
    flag_option("--csv"),
    flag_option("--help", OptionKind::Alone, "-h"),
    flag_option("--version", OptionKind::Alone),
};

constexpr OptionCondition NONE{-1, false};
constexpr OptionCondition given(int option)
{
    return OptionCondition{option, false};
}
constexpr OptionCondition standard_stream(int option)
{
    return OptionCondition{option, true};
}

// What more than one rule says.
constexpr const char* REPORT_ONLY =
    translatable("--set, --svg, --back-test-csv and --csv (but with --check) do not go with");
constexpr const char* PRIZES_SERVE = translatable(
    "the prizes serve --check, --update, --ledger, --add-draw with --tickets and --set "
    "with --draws:");

constexpr const char* LEDGER_ALONE =
    translatable("--ledger goes with the week files (--draws, --tickets, --prizes) and --csv "
                 "only, not");

// Which options go together, checked in this order; the first rule broken is reported.
constexpr CombinationRule STATS_RULES[] = {
    {RuleKind::Excludes,
     {given(ADD_DRAW), given(ADD_TICKET), given(CHECK), given(UPDATE), given(SOURCE)},
     {given(LEDGER)},
     LEDGER_ALONE,
     nullptr},
    {RuleKind::Excludes,
     {given(SET), given(SVG), given(BACK_TEST_CSV), given(WITH), given(WITHOUT)},
     {given(LEDGER)},
     LEDGER_ALONE,
     nullptr},
    {RuleKind::Excludes, {given(JOBS)}, {given(LEDGER)}, LEDGER_ALONE, nullptr},
    {RuleKind::AtMostOne,
     {given(ADD_DRAW), given(ADD_TICKET), given(CHECK), NONE},
     {NONE},
     translatable("give one of --add-draw, --add-ticket and --check, not"),
     nullptr},
    {RuleKind::Excludes,
     {given(ADD_DRAW), given(ADD_TICKET), NONE},
     {given(UPDATE), NONE},
     translatable("--update adds the draws itself; it does not go with"),
     nullptr},
    {RuleKind::Excludes,
     {given(CHECK), given(ADD_DRAW), given(ADD_TICKET), given(UPDATE)},
     {given(SET), given(SVG), given(BACK_TEST_CSV), NONE},
     REPORT_ONLY,
     nullptr},
    {RuleKind::Excludes,
     {given(ADD_DRAW), given(ADD_TICKET), NONE},
     {given(CSV), NONE},
     REPORT_ONLY,
     nullptr},
    {RuleKind::TogetherRequire,
     {given(UPDATE), given(CSV), NONE},
     {given(CHECK), NONE},
     REPORT_ONLY,
     "--update"},
    {RuleKind::Excludes,
     {given(CHECK), given(ADD_DRAW), given(ADD_TICKET), given(UPDATE)},
     {given(WITH), given(WITHOUT), NONE},
     translatable("--with and --without choose sets; they do not go with"),
     nullptr},
    {RuleKind::Excludes,
     {given(CHECK), given(ADD_DRAW), given(ADD_TICKET), given(UPDATE), given(LEDGER)},
     {standard_stream(DRAWS), NONE},
     translatable("the history must be a file here, not"),
     "--draws -"},
    {RuleKind::Requires,
     {given(TICKETS), NONE},
     {given(ADD_DRAW), given(ADD_TICKET), given(CHECK), given(UPDATE), given(LEDGER)},
     translatable("the tickets serve --add-draw, --add-ticket, --check, --update and --ledger:"),
     nullptr},
    {RuleKind::Requires,
     {given(SOURCE), NONE},
     {given(UPDATE), NONE},
     translatable("the results source serves --update:"),
     nullptr},
    {RuleKind::Requires,
     {given(PRIZES), NONE},
     {given(CHECK), given(UPDATE), given(ADD_DRAW), given(SET), given(LEDGER)},
     PRIZES_SERVE,
     nullptr},
    {RuleKind::TogetherRequire,
     {given(PRIZES), given(ADD_DRAW), NONE},
     {given(TICKETS), NONE},
     PRIZES_SERVE,
     "--prizes"},
    {RuleKind::TogetherRequire,
     {given(PRIZES), given(SET), NONE},
     {given(DRAWS), NONE},
     PRIZES_SERVE,
     "--prizes"},
    {RuleKind::Excludes,
     {standard_stream(BACK_TEST_CSV), NONE},
     {standard_stream(SVG), given(CSV), NONE},
     translatable("only one table or chart can go to standard output:"),
     "--back-test-csv -"},
    {RuleKind::Requires,
     {given(BACK_TEST_CSV), NONE},
     {given(DRAWS), NONE},
     translatable("a back-test needs a draw history (--draws):"),
     nullptr},
    {RuleKind::Excludes,
     {standard_stream(SVG), NONE},
     {given(CSV), NONE},
     translatable("the CSV and the histogram cannot both go to standard output:"),
     "--svg -"},
    {RuleKind::Excludes,
     {given(SET), NONE},
     {given(CSV), given(SVG), given(BACK_TEST_CSV), NONE},
     translatable("--csv and --svg describe all sets; they do not go with"),
     nullptr},
};

// "--set -1,2,3,4,5,6" is a set with a negative number in it, not a missing set.
bool looks_negative(const char* text)
{
    return text != nullptr && text[0] == '-' && text[1] >= '0' && text[1] <= '9';
}

} // namespace

int parse_options(int argc, char** argv, StatsOptions& options)
{
    options = StatsOptions{};
    ReadOptions read{};
    OptionProblem problem{};
    if (!read_options(argc, argv, STATS_OPTIONS, STATS_OPTION_COUNT, read, problem)) {
        if (problem.missing_option == SET && looks_negative(problem.next)) {
            NumberSet set{};
            return parse_set(problem.next, set);
        }
        return usage_error(PROGRAM, problem.problem, problem.argument, problem.following);
    }
    options.svg_path = read.value[SVG];
    options.set_list = read.value[SET];
    options.draws_path = read.value[DRAWS];
    options.back_test_csv_path = read.value[BACK_TEST_CSV];
    options.tickets_path = read.value[TICKETS];
    options.added_draw = read.value[ADD_DRAW];
    options.added_ticket = read.value[ADD_TICKET];
    options.kept_numbers = read.value[WITH];
    options.left_out_numbers = read.value[WITHOUT];
    options.jobs = read.value[JOBS];
    options.prizes_path = read.value[PRIZES];
    options.source = read.value[SOURCE];
    options.check = read.given[CHECK];
    options.update = read.given[UPDATE];
    options.ledger = read.given[LEDGER];
    options.csv = read.given[CSV];
    options.help = read.given[HELP];
    options.version = read.given[VERSION];
    if (broken_rule(read, STATS_OPTIONS, STATS_RULES, static_cast<int>(std::size(STATS_RULES)),
                    problem)) {
        return usage_error(PROGRAM, problem.problem, problem.argument);
    }
    return -1;
}
