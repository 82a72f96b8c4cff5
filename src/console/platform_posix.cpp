// The console on POSIX terminals: standard input and output as file descriptors, colours
// and clearing as ANSI escape sequences when the output is a terminal that knows them.
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>

#include <unistd.h>

#include "command_line/program_output.hpp"
#include "console/ansi_escape.hpp"
#include "console/platform.hpp"

namespace {

// Decided once at start-up; read by the signal handlers.
volatile std::sig_atomic_t output_is_terminal = 0;
volatile std::sig_atomic_t output_has_colors = 0;
int output_error = 0;
int input_error = 0;

std::ptrdiff_t read_standard_input(char* buffer, std::size_t capacity)
{
    for (;;) {
        const ssize_t received = read(STDIN_FILENO, buffer, capacity);
        if (received >= 0) {
            return received;
        }
        if (errno != EINTR) {
            input_error = errno;
            return received;
        }
    }
}

bool write_standard_output(const char* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t written = write(STDOUT_FILENO, data, size);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            output_error = errno;
            return false;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

// Only write(2) here: these run inside signal handlers.
void write_quietly(const char* data, std::size_t size)
{
    [[maybe_unused]] const ssize_t ignored = write(STDOUT_FILENO, data, size);
}

void give_back_colors()
{
    if (output_has_colors != 0) {
        write_quietly(ANSI_DEFAULT_COLORS, sizeof ANSI_DEFAULT_COLORS - 1);
    }
}

void deliver_with_default_action(int signal_number)
{
    signal(signal_number, SIG_DFL);
    sigset_t pending;
    sigemptyset(&pending);
    sigaddset(&pending, signal_number);
    sigprocmask(SIG_UNBLOCK, &pending, nullptr);
    raise(signal_number);
}

// Ctrl-C, Ctrl-\, hang-up, termination: after the echoed ^C a fresh line and the
// terminal's own colours, then the end the signal always brings.
void end_on_signal(int signal_number)
{
    if (output_is_terminal != 0) {
        write_quietly("\n", 1);
    }
    give_back_colors();
    deliver_with_default_action(signal_number);
    _exit(128 + signal_number);
}

// Ctrl-Z: the shell takes the terminal back while the program sleeps, so it gets its own
// colours back too; the program's colours return with its next cell.
void suspend_on_signal(int signal_number)
{
    const int saved_errno = errno;
    give_back_colors();
    struct sigaction own {};
    sigaction(signal_number, nullptr, &own);
    deliver_with_default_action(signal_number); // stops here until the shell continues it
    sigaction(signal_number, &own, nullptr);
    errno = saved_errno;
}

// After fg the shell's job messages stand where the question was: ask it again.
void continue_on_signal(int)
{
    if (output_is_terminal != 0) {
        const int saved_errno = errno;
        const ConsolePrompt prompt = console_waiting_prompt();
        write_quietly(prompt.text, prompt.length);
        errno = saved_errno;
    }
}

void install(int signal_number, void (*handler)(int))
{
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(signal_number, &action, nullptr);
}

void install_signal_handlers()
{
    for (int signal_number : {SIGINT, SIGQUIT, SIGTERM, SIGHUP}) {
        install(signal_number, end_on_signal);
    }
    install(SIGTSTP, suspend_on_signal);
    install(SIGCONT, continue_on_signal);
    // A closed pipe is a write error to report, not a silent death.
    install(SIGPIPE, SIG_IGN);
}

// A terminal that shows escape sequences: TERM names one, and not "dumb".
bool terminal_knows_escapes()
{
    const char* term = std::getenv("TERM");
    return term != nullptr && term[0] != '\0' && std::strcmp(term, "dumb") != 0;
}

// NO_COLOR set to anything but the empty string turns colours off.
bool colors_wanted()
{
    const char* no_color = std::getenv("NO_COLOR");
    return no_color == nullptr || no_color[0] == '\0';
}

} // namespace

ConsoleBackend open_platform_console()
{
    const bool terminal = isatty(STDOUT_FILENO) == 1;
    const bool escapes = terminal && terminal_knows_escapes();
    output_is_terminal = terminal ? 1 : 0;
    output_has_colors = escapes && colors_wanted() ? 1 : 0;
    install_signal_handlers();
    return ConsoleBackend{
        escapes ? ConsoleMode::AnsiTerminal : ConsoleMode::Plain,
        read_standard_input,
        write_standard_output,
        nullptr,
        nullptr,
        output_has_colors != 0,
    };
}

void report_output_failure()
{
    report_output_error("lotto", output_error);
}

void report_input_failure()
{
    report_input_error("lotto", input_error);
}
