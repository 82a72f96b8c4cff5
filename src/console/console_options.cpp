#include "console/console_options.hpp"

#include <cstdio>

#include "command_line/option_reader.hpp"
#include "command_line/program_output.hpp"
#include "lotto_version.hpp"
#include "text/translation.hpp"

namespace {

const char* usage_text()
{
    return translate(
        "Usage: lotto [--draws FILE] [--tickets [FILE]] [--with LIST] [--without LIST]\n"
        "   or: lotto --help | --version\n"
        "\n"
        "Proposes five sets of six numbers from 1 to 45 for the Korean 6/45 lottery, scores\n"
        "every set on four criteria (sum band, ball-colour spread, odd/even ratio and\n"
        "numbers that have not come up lately) and explains every score. Interactive: type\n"
        "the number of a menu entry and Enter; the end of input (Ctrl-D) ends it.\n"
        "\n"
        "Every set of six numbers has the same chance: 1 in 8,145,060 for the 1st prize.\n"
        "The scores describe a set's shape; they do not change its chance.\n"
        "\n"
        "      --draws FILE  score the numbers that have not come up lately from the draw\n"
        "                    history in FILE instead of the built-in lists\n"
        "      --tickets [FILE]  offer a 4th choice after a prediction: save the five sets\n"
        "                    as games of the round on sale to the tickets file FILE (without\n"
        "                    FILE: tickets.csv in the data folder, ~/.local/share/lotto);\n"
        "                    lotto-stats --check tells what they won\n"
        "      --with LIST   numbers every set holds, one to five with commas between them\n"
        "                    (e.g. 7,21); they come first in every draw of a set\n"
        "      --without LIST  numbers no set holds (e.g. 13,40)\n"
        "                    lotto refuses lists under which it could propose no set\n"
        "  -h, --help        show this help and exit\n"
        "      --version     show the version and exit\n"
        "\n"
        "NO_COLOR set to anything turns the colours off; on a terminal whose TERM is dumb\n"
        "or unset, no escape sequences are written. See lotto(1).\n");
}

} // namespace

namespace {

enum LottoOption : int { DRAWS, TICKETS, WITH, WITHOUT, HELP, VERSION, LOTTO_OPTION_COUNT };

constexpr const char* FILE_MISSING = translatable("a file name must follow");
constexpr const char* NUMBERS_MISSING = translatable("numbers must follow");

// Standard input is the menu's, so "-" is no file here.
constexpr OptionEntry LOTTO_OPTIONS[LOTTO_OPTION_COUNT] = {
    {"--draws", nullptr, OptionKind::Value, FILE_MISSING, true, false},
    {"--tickets", nullptr, OptionKind::OptionalFile, FILE_MISSING, true, false},
    {"--with", nullptr, OptionKind::NumberList, NUMBERS_MISSING, false, true},
    {"--without", nullptr, OptionKind::NumberList, NUMBERS_MISSING, false, true},
    {"--help", "-h", OptionKind::Alone, nullptr, false, false},
    {"--version", nullptr, OptionKind::Alone, nullptr, false, false},
};

} // namespace

CommandLine parse_command_line(int argc, const char* const* argv)
{
    ReadOptions read{};
    OptionProblem problem{};
    if (!read_options(argc, argv, LOTTO_OPTIONS, LOTTO_OPTION_COUNT, read, problem)) {
        return CommandLine{.action = CommandAction::UsageError,
                           .problem = problem.problem,
                           .argument = problem.argument,
                           .following = problem.following};
    }
    return CommandLine{.action = read.given[HELP]      ? CommandAction::ShowHelp
                                 : read.given[VERSION] ? CommandAction::ShowVersion
                                                       : CommandAction::RunMenu,
                       .draws_file = read.value[DRAWS],
                       .tickets_file = read.value[TICKETS],
                       .default_tickets = read.given[TICKETS] && read.value[TICKETS] == nullptr,
                       .kept_numbers = read.value[WITH],
                       .left_out_numbers = read.value[WITHOUT]};
}

int answer_command_line(const CommandLine& command_line)
{
    switch (command_line.action) {
    case CommandAction::ShowHelp:
        std::fputs(usage_text(), stdout);
        return finish_standard_output("lotto");
    case CommandAction::ShowVersion:
        std::printf("lotto %s\n", LOTTO_VERSION);
        return finish_standard_output("lotto");
    case CommandAction::UsageError:
        return usage_error("lotto", command_line.problem, command_line.argument,
                           command_line.following);
    case CommandAction::RunMenu:
        break;
    }
    return 0;
}
