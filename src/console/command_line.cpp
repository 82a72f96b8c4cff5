#include "console/command_line.hpp"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "lotto_version.hpp"

namespace {

constexpr int STATUS_FAILED = 1;
constexpr int STATUS_USAGE = 2;

constexpr char USAGE[] =
    "Usage: lotto [OPTION]\n"
    "\n"
    "Proposes five sets of six numbers from 1 to 45 for the Korean 6/45 lottery, scores\n"
    "every set on four criteria (sum band, ball-colour spread, odd/even ratio and\n"
    "numbers that have not come up lately) and explains every score. Interactive: type\n"
    "the number of a menu entry and Enter; the end of input (Ctrl-D) ends it.\n"
    "\n"
    "  -h, --help     show this help and exit\n"
    "      --version  show the version and exit\n"
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
    if (argc < 2) {
        return CommandLine{CommandAction::RunMenu, nullptr, nullptr};
    }
    const char* first = argv[1];
    CommandAction action = CommandAction::UsageError;
    if (is(first, "--help") || is(first, "-h")) {
        action = CommandAction::ShowHelp;
    } else if (is(first, "--version")) {
        action = CommandAction::ShowVersion;
    } else {
        const bool option = first[0] == '-' && first[1] != '\0';
        return CommandLine{action, option ? "unknown option" : "unexpected argument", first};
    }
    if (argc > 2) {
        return CommandLine{CommandAction::UsageError, "unexpected argument", argv[2]};
    }
    return CommandLine{action, nullptr, nullptr};
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
