#include "console/command_line.hpp"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "lotto_version.hpp"

namespace {

constexpr int STATUS_FAILED = 1;
constexpr int STATUS_USAGE = 2;

constexpr char USAGE[] =
    "Usage: lotto [--draws FILE]\n"
    "   or: lotto --help | --version\n"
    "\n"
    "Proposes five sets of six numbers from 1 to 45 for the Korean 6/45 lottery, scores\n"
    "every set on four criteria (sum band, ball-colour spread, odd/even ratio and\n"
    "numbers that have not come up lately) and explains every score. Interactive: type\n"
    "the number of a menu entry and Enter; the end of input (Ctrl-D) ends it.\n"
    "\n"
    "      --draws FILE  score the numbers that have not come up lately from the draw\n"
    "                    history in FILE instead of the built-in lists\n"
    "  -h, --help        show this help and exit\n"
    "      --version     show the version and exit\n"
    "\n"
    "NO_COLOR set to anything turns the colours off; on a terminal whose TERM is dumb\n"
    "or unset, no escape sequences are written. See lotto(1).\n";

bool is(const char* argument, const char* name)
{
    return std::strcmp(argument, name) == 0;
}

// Standard output, flushed; one line on the error stream when it could not be written.
int finish_standard_output()
{
    if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0) {
        std::fprintf(stderr, "lotto: cannot write to standard output: %s\n",
                     std::strerror(errno != 0 ? errno : EIO));
        return STATUS_FAILED;
    }
    return 0;
}

} // namespace

CommandLine parse_command_line(int argc, const char* const* argv)
{
    CommandLine command_line{CommandAction::RunMenu, nullptr, nullptr, nullptr};
    const auto refuse = [&](const char* problem, const char* argument) {
        return CommandLine{CommandAction::UsageError, nullptr, problem, argument};
    };
    for (int i = 1; i < argc; ++i) {
        const char* argument = argv[i];
        const bool alone = argc == 2;
        if ((is(argument, "--help") || is(argument, "-h")) && alone) {
            command_line.action = CommandAction::ShowHelp;
        } else if (is(argument, "--version") && alone) {
            command_line.action = CommandAction::ShowVersion;
        } else if (is(argument, "--draws") && command_line.draws_file == nullptr) {
            const char* file = i + 1 < argc ? argv[i + 1] : nullptr;
            if (file == nullptr || file[0] == '\0' || file[0] == '-') {
                return refuse("a file name must follow", argument);
            }
            command_line.draws_file = file;
            ++i;
        } else if (is(argument, "--help") || is(argument, "-h") || is(argument, "--version")) {
            return refuse("no other argument may come with", argument);
        } else if (is(argument, "--draws")) {
            return refuse("only one draw history may be given, not a second", argument);
        } else {
            const bool option = argument[0] == '-' && argument[1] != '\0';
            return refuse(option ? "unknown option" : "unexpected argument", argument);
        }
    }
    return command_line;
}

int answer_command_line(const CommandLine& command_line)
{
    switch (command_line.action) {
    case CommandAction::ShowHelp:
        std::fputs(USAGE, stdout);
        return finish_standard_output();
    case CommandAction::ShowVersion:
        std::printf("lotto %s\n", LOTTO_VERSION);
        return finish_standard_output();
    case CommandAction::UsageError:
        std::fprintf(stderr, "lotto: %s '%s'\nTry 'lotto --help'.\n", command_line.problem,
                     command_line.argument);
        return STATUS_USAGE;
    case CommandAction::RunMenu:
        break;
    }
    return 0;
}
