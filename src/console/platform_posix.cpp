// The console on POSIX terminals: standard input and output as file descriptors, colours
// and clearing as ANSI escape sequences when the output is a terminal.
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <initializer_list>

#include <unistd.h>

#include "console/ansi_escape.hpp"
#include "console/platform.hpp"

namespace {

volatile std::sig_atomic_t output_is_terminal = 0;
int output_error = 0;

std::ptrdiff_t read_standard_input(char* buffer, std::size_t capacity)
{
    for (;;) {
        const ssize_t received = read(STDIN_FILENO, buffer, capacity);
        if (received >= 0 || errno != EINTR) {
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

void end_on_signal(int signal_number)
{
    if (output_is_terminal != 0) {
        // After the echoed ^C, a fresh line and the terminal's own colours.
        constexpr char farewell[] = "\n\x1b[0m";
        [[maybe_unused]] const ssize_t ignored =
            write(STDOUT_FILENO, farewell, sizeof farewell - 1);
    }
    _exit(128 + signal_number);
}

void install_suspend_handler();

// Ctrl-Z: the shell takes the terminal back while the program sleeps, so it gets its own
// colours back too; the program's colours return with its next cell.
void suspend_on_signal(int)
{
    const int saved_errno = errno;
    if (output_is_terminal != 0) {
        [[maybe_unused]] const ssize_t ignored =
            write(STDOUT_FILENO, ANSI_DEFAULT_COLORS, sizeof ANSI_DEFAULT_COLORS - 1);
    }
    signal(SIGTSTP, SIG_DFL);
    sigset_t suspend;
    sigemptyset(&suspend);
    sigaddset(&suspend, SIGTSTP);
    sigprocmask(SIG_UNBLOCK, &suspend, nullptr);
    raise(SIGTSTP); // stops here until the shell continues the program
    install_suspend_handler();
    errno = saved_errno;
}

void install_suspend_handler()
{
    struct sigaction action {};
    action.sa_handler = suspend_on_signal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTSTP, &action, nullptr);
}

void install_signal_handlers()
{
    struct sigaction action {};
    action.sa_handler = end_on_signal;
    sigemptyset(&action.sa_mask);
    for (int signal_number : {SIGINT, SIGTERM, SIGHUP}) {
        sigaction(signal_number, &action, nullptr);
    }
    install_suspend_handler();
    // A closed pipe is a write error to report, not a silent death.
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    sigaction(SIGPIPE, &ignore, nullptr);
}

} // namespace

ConsoleBackend open_platform_console()
{
    const bool terminal = isatty(STDOUT_FILENO) == 1;
    output_is_terminal = terminal ? 1 : 0;
    install_signal_handlers();
    return ConsoleBackend{
        terminal ? ConsoleMode::AnsiTerminal : ConsoleMode::Plain,
        read_standard_input,
        write_standard_output,
        nullptr,
        nullptr,
    };
}

void report_output_failure()
{
    std::fprintf(stderr, "lotto: cannot write to standard output: %s\n",
                 std::strerror(output_error != 0 ? output_error : EIO));
}
