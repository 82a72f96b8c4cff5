#pragma once

// What `lotto` was asked to do by its arguments.
enum class CommandAction { RunMenu, ShowHelp, ShowVersion, UsageError };

struct CommandLine {
    CommandAction action = CommandAction::RunMenu;
    // For RunMenu: the draw history whose overdue numbers replace the compiled-in lists,
    // or nullptr.
    const char* draws_file = nullptr;
    // For RunMenu: where choice 4 saves the sets shown, or nullptr for no choice 4; with
    // `default_tickets`, tickets.csv in the user's data folder.
    const char* tickets_file = nullptr;
    bool default_tickets = false;
    // For RunMenu: --with and --without as typed (the numbers every set keeps, the numbers
    // no set takes), or nullptr; main reads and checks them before any screen.
    const char* kept_numbers = nullptr;
    const char* left_out_numbers = nullptr;
    // For UsageError: what is wrong, and the argument it is about.
    const char* problem = nullptr;
    const char* argument = nullptr;
    // For a missing file name: the argument that was taken for an option, or nullptr.
    const char* following = nullptr;
};

CommandLine parse_command_line(int argc, const char* const* argv);

// Acts on a command line other than RunMenu: help or version on standard output, or a
// usage error on the error stream. Returns the exit status.
int answer_command_line(const CommandLine& command_line);
