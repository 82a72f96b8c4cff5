#pragma once

// Runs the program's dialogue from the first menu until the user leaves or the input ends,
// and returns the exit status.
int run_menu_loop();
