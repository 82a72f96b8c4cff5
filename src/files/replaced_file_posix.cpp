#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "files/replaced_file.hpp"
#include "files/temporary_files.hpp"

static_assert(PATH_MAX <= PATH_CAPACITY, "realpath writes up to PATH_MAX bytes");

namespace {

bool same_identity(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

bool copy_path(char* out, std::size_t size, const char* path)
{
    const int written = std::snprintf(out, size, "%s", path);
    if (written < 0 || static_cast<std::size_t>(written) >= size) {
        errno = ENAMETOOLONG;
        return false;
    }
    return true;
}

// Who may read and write a new file: what the user's umask allows of rw-rw-rw-.
mode_t new_file_mode()
{
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

} // namespace

bool same_file(const char* path, const char* other_path)
{
    struct stat a {};
    struct stat b {};
    return stat(path, &a) == 0 && stat(other_path, &b) == 0 && same_identity(a, b);
}

bool standard_output_is(const char* path)
{
    struct stat out {};
    struct stat file {};
    return fstat(STDOUT_FILENO, &out) == 0 && stat(path, &file) == 0 && same_identity(out, file);
}

bool begin_replacement(const char* path, ReplacedFile& file)
{
    file.stream = nullptr;
    file.temporary[0] = '\0';
    struct stat link {};
    // A link is followed, so that the file it names is replaced and the link stays.
    const bool followed =
        lstat(path, &link) == 0 && S_ISLNK(link.st_mode) && realpath(path, file.target) != nullptr;
    if (!followed && !copy_path(file.target, sizeof file.target, path)) {
        return false;
    }
    struct stat target {};
    const bool exists = stat(file.target, &target) == 0;
    if (exists && S_ISDIR(target.st_mode)) {
        errno = EISDIR;
        return false;
    }
    if (exists && !S_ISREG(target.st_mode)) {
        file.stream = std::fopen(file.target, "wb");
        return file.stream != nullptr;
    }
    const char* slash = std::strrchr(file.target, '/');
    const char* name = slash != nullptr ? slash + 1 : file.target;
    const int folder_length = static_cast<int>(name - file.target);
    const int written = std::snprintf(file.temporary, sizeof file.temporary, "%.*s.%s.XXXXXX",
                                      folder_length, file.target, name);
    if (written < 0 || static_cast<std::size_t>(written) >= sizeof file.temporary) {
        file.temporary[0] = '\0';
        errno = ENAMETOOLONG;
        return false;
    }
    // Tracked before it exists, so that no signal can come between.
    if (!track_temporary(file.temporary)) {
        file.temporary[0] = '\0';
        errno = EMFILE;
        return false;
    }
    const int descriptor = mkstemp(file.temporary);
    if (descriptor < 0) {
        const int reason = errno;
        untrack_temporary(file.temporary);
        file.temporary[0] = '\0';
        errno = reason;
        return false;
    }
    // mkstemp makes the file for its owner only; the new file gets what the old one had.
    if (fchmod(descriptor, exists ? target.st_mode & 07777 : new_file_mode()) != 0 ||
        (file.stream = fdopen(descriptor, "wb")) == nullptr) {
        const int reason = errno;
        close(descriptor);
        unlink(file.temporary);
        untrack_temporary(file.temporary);
        file.temporary[0] = '\0';
        errno = reason;
        return false;
    }
    return true;
}

bool flush_to_disk(std::FILE* stream)
{
    return fsync(fileno(stream)) == 0;
}

// The rename is on the disk only once the folder is.
bool move_over(const char* from, const char* to)
{
    if (std::rename(from, to) != 0) {
        return false;
    }
    const char* slash = std::strrchr(to, '/');
    char folder[PATH_CAPACITY];
    std::snprintf(folder, sizeof folder, "%.*s",
                  slash == nullptr ? 1 : static_cast<int>(slash - to) + 1,
                  slash == nullptr ? "." : to);
    const int descriptor = open(folder, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor >= 0) {
        fsync(descriptor); // some file systems cannot sync a folder; the rename stands
        close(descriptor);
    }
    return true;
}
