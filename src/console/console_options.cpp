#include "console/console_options.hpp"

#include <cstdio>

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

CommandLine parse_command_line(int argc, const char* const* argv)
{
    CommandLine command_line{.action = CommandAction::RunMenu};
    const auto refuse = [&](const char* problem, const char* argument,
                            const char* following = nullptr) {
        return CommandLine{.action = CommandAction::UsageError,
                           .problem = problem,
                           .argument = argument,
                           .following = following};
    };
    bool tickets_given = false;
    for (int i = 1; i < argc; ++i) {
        const char* argument = argv[i];
        const bool alone = argc == 2;
        if ((is_option(argument, "--help") || is_option(argument, "-h")) && alone) {
            command_line.action = CommandAction::ShowHelp;
        } else if (is_option(argument, "--version") && alone) {
            command_line.action = CommandAction::ShowVersion;
        } else if (is_option(argument, "--draws") && command_line.draws_file == nullptr) {
            // Standard input is the menu's, so "-" is no history here.
            const char* file = option_value(argc, argv, i);
            if (file == nullptr || is_option(file, "-")) {
                return refuse(translatable("a file name must follow"), argument,
                              i + 1 < argc ? argv[i + 1] : nullptr);
            }
            command_line.draws_file = file;
            ++i;
        } else if (is_option(argument, "--tickets") && !tickets_given) {
            // Without a name (the last argument, or another option next): the data folder's.
            tickets_given = true;
            const char* file = option_value(argc, argv, i);
            const bool next_is_option =
                i + 1 < argc && argv[i + 1][0] == '-' && argv[i + 1][1] == '-';
            if (file != nullptr && !is_option(file, "-")) {
                command_line.tickets_file = file;
                ++i;
            } else if (i + 1 < argc && !next_is_option) {
                return refuse(translatable("a file name must follow"), argument, argv[i + 1]);
            } else {
                command_line.default_tickets = true;
            }
        } else if ((is_option(argument, "--with") && command_line.kept_numbers == nullptr) ||
                   (is_option(argument, "--without") && command_line.left_out_numbers == nullptr)) {
            const char* list = number_list_value(argc, argv, i);
            if (list == nullptr) {
                return refuse(translatable("numbers must follow"), argument);
            }
            (is_option(argument, "--with") ? command_line.kept_numbers
                                           : command_line.left_out_numbers) = list;
            ++i;
        } else if (is_option(argument, "--help") || is_option(argument, "-h") ||
                   is_option(argument, "--version")) {
            return refuse(translatable("no other argument may come with"), argument);
        } else if (is_option(argument, "--draws") || is_option(argument, "--tickets") ||
                   is_option(argument, "--with") || is_option(argument, "--without")) {
            return refuse(translatable("this option may be given only once:"), argument);
        } else {
            const bool option = argument[0] == '-' && argument[1] != '\0';
            return refuse(option ? translatable("unknown option")
                                 : translatable("unexpected argument"),
                          argument);
        }
    }
    return command_line;
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
