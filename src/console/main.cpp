#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "command_line/program_output.hpp"
#include "console/console.hpp"
#include "console/console_options.hpp"
#include "console/menu_loop.hpp"
#include "console/platform.hpp"
#include "console/ticket_saving.hpp"
#include "files/replaced_file.hpp"
#include "generation/set_generator.hpp"
#include "history/draw_history.hpp"
#include "history/overdue_numbers.hpp"
#include "player_files/data_folder.hpp"
#include "text/error_text.hpp"
#include "text/translation.hpp"

namespace {

DrawHistory history;
char tickets_path[PATH_CAPACITY];

} // namespace

int main(int argc, char** argv)
{
    use_language(user_language());
    const CommandLine command_line = parse_command_line(argc, argv);
    if (command_line.action != CommandAction::RunMenu) {
        return answer_command_line(command_line);
    }
    NumberChoice choice{};
    if (!read_choice_options("lotto", command_line.kept_numbers, command_line.left_out_numbers,
                             choice)) {
        return STATUS_USAGE;
    }
    use_number_choice(choice);
    if (command_line.draws_file != nullptr) {
        if (!load_draw_history("lotto", command_line.draws_file, history)) {
            return EXIT_FAILURE;
        }
        use_history_lists(history);
    }
    if (command_line.default_tickets || command_line.tickets_file != nullptr) {
        if (command_line.default_tickets &&
            !user_data_file("tickets.csv", tickets_path, sizeof tickets_path)) {
            std::fprintf(stderr, translate("lotto: no data folder for %s: %s\n"), "tickets.csv",
                         error_text(errno != 0 ? errno : EIO));
            return EXIT_FAILURE;
        }
        use_ticket_saving(command_line.default_tickets ? tickets_path : command_line.tickets_file,
                          system_seconds);
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
