#pragma once

#include <cstddef>

// The user's own folder for lotto's files, made if missing: $XDG_DATA_HOME/lotto (an
// absolute XDG_DATA_HOME only, as the XDG rules say), else ~/.local/share/lotto; on
// Windows %APPDATA%\lotto. False, with errno saying why, when there is none or it cannot
// be made.
bool user_data_folder(char* out, std::size_t size);

// FILE in the user's data folder, e.g. "tickets.csv".
bool user_data_file(const char* name, char* out, std::size_t size);
