#pragma once

#include "console/console.hpp"

// The console of this process. Decides once whether standard output is a terminal and
// arranges that an interrupted program leaves the terminal's colours as it found them.
ConsoleBackend open_platform_console();

// One line on the error stream naming why standard output could not be written, or
// standard input read.
void report_output_failure();
void report_input_failure();
