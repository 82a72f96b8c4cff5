#include <cstdlib>

#include "console/console.hpp"
#include "console/menu_loop.hpp"
#include "console/platform.hpp"

int main()
{
    console_open(open_platform_console());
    const int status = run_menu_loop();
    if (!console_close()) {
        report_output_failure();
        return EXIT_FAILURE;
    }
    return status;
}
