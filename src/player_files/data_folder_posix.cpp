#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "player_files/data_folder.hpp"

namespace {

// mkdir -p: every missing folder of the path, each for its owner alone.
bool make_folders(char* path)
{
    for (char* at = path + 1;; ++at) {
        if (*at == '/' || *at == '\0') {
            const char kept = *at;
            *at = '\0';
            const bool made = mkdir(path, 0700) == 0 || errno == EEXIST;
            *at = kept;
            if (!made) {
                return false;
            }
            if (kept == '\0') {
                return true;
            }
        }
    }
}

} // namespace

bool user_data_folder(char* out, std::size_t size)
{
    const char* data_home = std::getenv("XDG_DATA_HOME");
    const char* home = std::getenv("HOME");
    int written = -1;
    if (data_home != nullptr && data_home[0] == '/') {
        written = std::snprintf(out, size, "%s/lotto", data_home);
    } else if (home != nullptr && home[0] == '/') {
        written = std::snprintf(out, size, "%s/.local/share/lotto", home);
    } else {
        errno = ENOENT;
        return false;
    }
    if (written < 0 || static_cast<std::size_t>(written) >= size) {
        errno = ENAMETOOLONG;
        return false;
    }
    return make_folders(out);
}
