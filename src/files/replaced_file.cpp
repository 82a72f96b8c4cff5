#include "files/replaced_file.hpp"
#include "files/temporary_files.hpp"

#include <cerrno>
#include <cstdio>

bool commit_replacement(ReplacedFile& file)
{
    errno = 0;
    bool ok = std::fflush(file.stream) == 0 && std::ferror(file.stream) == 0;
    if (ok && file.temporary[0] != '\0') {
        ok = flush_to_disk(file.stream);
    }
    int reason = errno;
    if (std::fclose(file.stream) != 0 && ok) {
        ok = false;
        reason = errno;
    }
    file.stream = nullptr;
    if (ok && file.temporary[0] != '\0' && !move_over(file.temporary, file.target)) {
        ok = false;
        reason = errno;
    }
    if (!ok && file.temporary[0] != '\0') {
        std::remove(file.temporary);
    }
    untrack_temporary(file.temporary);
    file.temporary[0] = '\0';
    errno = reason != 0 ? reason : EIO;
    return ok;
}

void abandon_replacement(ReplacedFile& file)
{
    if (file.stream != nullptr) {
        std::fclose(file.stream);
        file.stream = nullptr;
    }
    if (file.temporary[0] != '\0') {
        std::remove(file.temporary);
        untrack_temporary(file.temporary);
        file.temporary[0] = '\0';
    }
}
