#include <cstdio>
#include <cstdlib>

#include "console/command_line.hpp"
#include "console/console.hpp"
#include "console/menu_loop.hpp"
#include "console/platform.hpp"
#include "history/draw_history.hpp"
#include "history/overdue_numbers.hpp"

namespace {

DrawHistory history;

// Puts the overdue numbers of the history in `path` in force; false, with one line on the
// error stream, when the history is refused.
bool use_draw_history(const char* path)
{
    HistoryError error{};
    if (!read_draw_history(path, history, error)) {
        if (error.line > 0) {
            std::fprintf(stderr, "lotto: %s:%d: %s\n", path, error.line, error.message);
        } else {
            std::fprintf(stderr, "lotto: %s: %s\n", path, error.message);
        }
        return false;
    }
    use_non_appearing_points(overdue_points(draws_since_drawn(history, history.count)));
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    const CommandLine command_line = parse_command_line(argc, argv);
    if (command_line.action != CommandAction::RunMenu) {
        return answer_command_line(command_line);
    }
    if (command_line.draws_file != nullptr && !use_draw_history(command_line.draws_file)) {
        return EXIT_FAILURE;
    }
    console_open(open_platform_console());
    int status = run_menu_loop();
    if (!console_close()) {
        report_output_failure();
        status = EXIT_FAILURE;
    } else if (console_input_failed()) {
        report_input_failure();
        status = EXIT_FAILURE;
    }
    return status;
}
