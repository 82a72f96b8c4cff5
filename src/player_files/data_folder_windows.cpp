#include <windows.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "player_files/data_folder.hpp"

bool user_data_folder(char* out, std::size_t size)
{
    const char* app_data = std::getenv("APPDATA");
    if (app_data == nullptr || app_data[0] == '\0') {
        errno = ENOENT;
        return false;
    }
    const int written = std::snprintf(out, size, "%s\\lotto", app_data);
    if (written < 0 || static_cast<std::size_t>(written) >= size) {
        errno = ENAMETOOLONG;
        return false;
    }
    if (!CreateDirectoryA(out, nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) {
        errno = EACCES;
        return false;
    }
    return true;
}
