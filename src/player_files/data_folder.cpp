#include "player_files/data_folder.hpp"

#include <cerrno>
#include <cstdio>

#include "files/replaced_file.hpp"

// Both systems take '/' between folders.
bool user_data_file(const char* name, char* out, std::size_t size)
{
    char folder[PATH_CAPACITY];
    if (!user_data_folder(folder, sizeof folder)) {
        return false;
    }
    const int written = std::snprintf(out, size, "%s/%s", folder, name);
    if (written < 0 || static_cast<std::size_t>(written) >= size) {
        errno = ENAMETOOLONG;
        return false;
    }
    return true;
}
