#include "command_line/program_output.hpp"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "text/error_text.hpp"
#include "text/quoted_text.hpp"
#include "text/translation.hpp"

bool is_option(const char* argument, const char* name)
{
    return std::strcmp(argument, name) == 0;
}

const char* option_value(int argc, const char* const* argv, int at)
{
    const char* value = at + 1 < argc ? argv[at + 1] : nullptr;
    if (value == nullptr || value[0] == '\0' || (value[0] == '-' && value[1] != '\0')) {
        return nullptr;
    }
    return value;
}

int usage_error(const char* program, const char* problem, const char* argument,
                const char* following)
{
    char quoted[QUOTE_CAPACITY];
    quote_text(quoted, sizeof quoted, argument, NAME_SHOWN);
    std::fprintf(stderr, "%s: %s '%s'\n", program, translate(problem), quoted);
    if (following != nullptr && following[0] == '-' && following[1] != '\0') {
        std::fputs(translate("A file whose name begins with '-' is given as ./-name.\n"), stderr);
    }
    std::fprintf(stderr, translate("Try '%s --help'.\n"), program);
    return STATUS_USAGE;
}

const char* number_list_value(int argc, const char* const* argv, int at)
{
    const char* value = at + 1 < argc ? argv[at + 1] : nullptr;
    const bool negative = value != nullptr && value[0] == '-' && value[1] >= '0' && value[1] <= '9';
    return negative ? value : option_value(argc, argv, at);
}

bool read_choice_options(const char* program, const char* kept, const char* left_out,
                         NumberChoice& choice)
{
    const ChoiceVerdict verdict = read_number_choice(kept, left_out, choice);
    if (verdict.problem == ChoiceProblem::None) {
        return true;
    }
    char problem[256];
    describe_choice_problem(verdict, problem, sizeof problem);
    if (verdict.list == ChoiceList::None) {
        std::fprintf(stderr, "%s: %s\n", program, problem);
    } else {
        const bool kept_list = verdict.list == ChoiceList::Kept;
        char quoted[QUOTE_CAPACITY];
        quote_text(quoted, sizeof quoted, kept_list ? kept : left_out, NAME_SHOWN);
        std::fprintf(stderr, "%s: %s %s: %s\n", program, kept_list ? "--with" : "--without", quoted,
                     problem);
    }
    std::fprintf(stderr, translate("Try '%s --help'.\n"), program);
    return false;
}

void report_output_error(const char* program, int error)
{
    std::fprintf(stderr, translate("%s: cannot write to standard output: %s\n"), program,
                 error_text(error != 0 ? error : EIO));
}

void report_input_error(const char* program, int error)
{
    std::fprintf(stderr, translate("%s: cannot read standard input: %s\n"), program,
                 error_text(error != 0 ? error : EIO));
}

int finish_standard_output(const char* program)
{
    errno = 0;
    if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0) {
        report_output_error(program, errno);
        return STATUS_FAILED;
    }
    return 0;
}

void report_history_error(const char* program, const char* path, const RecordError& error)
{
    char message[QUOTE_CAPACITY + sizeof error.message + 16];
    format_record_error(message, sizeof message, path, error);
    std::fprintf(stderr, "%s: %s\n", program, message);
}

bool load_draw_history(const char* program, const char* path, DrawHistory& history)
{
    RecordError error{};
    const bool standard_input = is_option(path, "-");
    const bool read = standard_input ? read_draw_stream(stdin, history, error)
                                     : read_draw_history(path, history, error);
    if (!read) {
        report_history_error(program, standard_input ? translate("standard input") : path, error);
        return false;
    }
    return true;
}
