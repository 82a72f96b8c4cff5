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

namespace {

// Opens where a replacement goes: a temporary file beside the target, made with the
// target's permissions, or the target itself when it is no plain file. The descriptor, or
// -1 with errno saying why.
int open_replacement(const char* path, ReplacedFile& file)
{
    file.stream = nullptr;
    file.temporary[0] = '\0';
    struct stat link {};
    // A link is followed, so that the file it names is replaced and the link stays.
    const bool followed =
        lstat(path, &link) == 0 && S_ISLNK(link.st_mode) && realpath(path, file.target) != nullptr;
    if (!followed && !copy_path(file.target, sizeof file.target, path)) {
        return -1;
    }
    struct stat target {};
    const bool exists = stat(file.target, &target) == 0;
    if (exists && S_ISDIR(target.st_mode)) {
        errno = EISDIR;
        return -1;
    }
    if (exists && !S_ISREG(target.st_mode)) {
        return open(file.target, O_WRONLY | O_TRUNC | O_CLOEXEC);
    }
    const char* slash = std::strrchr(file.target, '/');
    const char* name = slash != nullptr ? slash + 1 : file.target;
    const int folder_length = static_cast<int>(name - file.target);
    const int written = std::snprintf(file.temporary, sizeof file.temporary, "%.*s.%s.XXXXXX",
                                      folder_length, file.target, name);
    if (written < 0 || static_cast<std::size_t>(written) >= sizeof file.temporary) {
        file.temporary[0] = '\0';
        errno = ENAMETOOLONG;
        return -1;
    }
    // Tracked before it exists, so that no signal can come between.
    if (!track_temporary(file.temporary)) {
        file.temporary[0] = '\0';
        errno = EMFILE;
        return -1;
    }
    const int descriptor = mkstemp(file.temporary);
    if (descriptor < 0) {
        const int reason = errno;
        untrack_temporary(file.temporary);
        file.temporary[0] = '\0';
        errno = reason;
        return -1;
    }
    // mkstemp makes the file for its owner only; the new file gets what the old one had.
    if (fchmod(descriptor, exists ? target.st_mode & 07777 : new_file_mode()) != 0) {
        const int reason = errno;
        close(descriptor);
        unlink(file.temporary);
        untrack_temporary(file.temporary);
        file.temporary[0] = '\0';
        errno = reason;
        return -1;
    }
    return descriptor;
}

} // namespace

bool begin_replacement(const char* path, ReplacedFile& file)
{
    const int descriptor = open_replacement(path, file);
    if (descriptor < 0) {
        return false;
    }
    file.stream = fdopen(descriptor, "wb");
    if (file.stream == nullptr) {
        const int reason = errno;
        close(descriptor);
        abandon_replacement(file);
        errno = reason;
        return false;
    }
    return true;
}

bool begin_raw_replacement(const char* path, RawReplacement& raw)
{
    raw.descriptor = open_replacement(path, raw.file);
    return raw.descriptor >= 0;
}

bool write_descriptor(int descriptor, const char* bytes, std::size_t length)
{
    while (length > 0) {
        const ssize_t written = write(descriptor, bytes, length);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        bytes += written;
        length -= static_cast<std::size_t>(written);
    }
    return true;
}

bool sync_descriptor(int descriptor)
{
    return fsync(descriptor) == 0;
}

bool close_descriptor(int descriptor)
{
    return close(descriptor) == 0;
}

bool read_whole_file(const char* path, char* buffer, std::size_t capacity, std::size_t& length)
{
    length = 0;
    const int descriptor = open(path, O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) {
        return false;
    }
    for (;;) {
        if (length == capacity) {
            // Full: the file is larger than the room for it, unless it ends here.
            char more = 0;
            const ssize_t got = read(descriptor, &more, 1);
            close(descriptor);
            errno = got == 0 ? 0 : EFBIG;
            return got == 0;
        }
        const ssize_t got = read(descriptor, buffer + length, capacity - length);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            const int reason = errno;
            close(descriptor);
            errno = got == 0 ? 0 : reason;
            return got == 0;
        }
        length += static_cast<std::size_t>(got);
    }
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
