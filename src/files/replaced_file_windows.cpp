#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "files/replaced_file.hpp"
#include "files/temporary_files.hpp"

namespace {

// The volume and index that name a file on Windows, from an open handle.
bool identity_of(HANDLE handle, BY_HANDLE_FILE_INFORMATION& identity)
{
    return handle != INVALID_HANDLE_VALUE && GetFileInformationByHandle(handle, &identity) != 0;
}

bool identity_of(const char* path, BY_HANDLE_FILE_INFORMATION& identity)
{
    HANDLE handle = CreateFileA(path, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    const bool known = identity_of(handle, identity);
    if (handle != INVALID_HANDLE_VALUE) {
        CloseHandle(handle);
    }
    return known;
}

bool same_identity(const BY_HANDLE_FILE_INFORMATION& a, const BY_HANDLE_FILE_INFORMATION& b)
{
    return a.dwVolumeSerialNumber == b.dwVolumeSerialNumber &&
           a.nFileIndexHigh == b.nFileIndexHigh && a.nFileIndexLow == b.nFileIndexLow;
}

} // namespace

bool same_file(const char* path, const char* other_path)
{
    BY_HANDLE_FILE_INFORMATION a{};
    BY_HANDLE_FILE_INFORMATION b{};
    return identity_of(path, a) && identity_of(other_path, b) && same_identity(a, b);
}

bool standard_output_is(const char* path)
{
    BY_HANDLE_FILE_INFORMATION out{};
    BY_HANDLE_FILE_INFORMATION file{};
    return identity_of(GetStdHandle(STD_OUTPUT_HANDLE), out) && identity_of(path, file) &&
           same_identity(out, file);
}

namespace {

// Opens where a replacement goes: a temporary file beside the target, or a device (NUL,
// CON) itself. The descriptor, or -1 with errno saying why.
int open_replacement(const char* path, ReplacedFile& file)
{
    file.stream = nullptr;
    file.temporary[0] = '\0';
    const int written = std::snprintf(file.target, sizeof file.target, "%s", path);
    if (written < 0 || static_cast<std::size_t>(written) >= sizeof file.target) {
        errno = ENAMETOOLONG;
        return -1;
    }
    const DWORD attributes = GetFileAttributesA(path);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        errno = EISDIR;
        return -1;
    }
    // A device (NUL, CON) is written straight.
    if (attributes == INVALID_FILE_ATTRIBUTES && GetLastError() != ERROR_FILE_NOT_FOUND) {
        return _open(path, _O_WRONLY | _O_BINARY);
    }
    char folder[PATH_CAPACITY];
    const char* name = path;
    for (const char* at = path; *at != '\0'; ++at) {
        if (*at == '\\' || *at == '/' || *at == ':') {
            name = at + 1;
        }
    }
    // A bare name is in the current folder.
    if (name == path) {
        std::snprintf(folder, sizeof folder, ".");
    } else {
        std::snprintf(folder, sizeof folder, "%.*s", static_cast<int>(name - path), path);
    }
    if (GetTempFileNameA(folder, "lot", 0, file.temporary) == 0) {
        file.temporary[0] = '\0';
        errno = EACCES;
        return -1;
    }
    if (!track_temporary(file.temporary)) {
        DeleteFileA(file.temporary);
        file.temporary[0] = '\0';
        errno = EMFILE;
        return -1;
    }
    const int descriptor = _open(file.temporary, _O_WRONLY | _O_BINARY | _O_TRUNC);
    if (descriptor < 0) {
        const int reason = errno;
        DeleteFileA(file.temporary);
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
    file.stream = _fdopen(descriptor, "wb");
    if (file.stream == nullptr) {
        const int reason = errno;
        _close(descriptor);
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
        const unsigned chunk = length > (1U << 30) ? (1U << 30) : static_cast<unsigned>(length);
        const int written = _write(descriptor, bytes, chunk);
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
    return _commit(descriptor) == 0;
}

bool close_descriptor(int descriptor)
{
    return _close(descriptor) == 0;
}

bool read_whole_file(const char* path, char* buffer, std::size_t capacity, std::size_t& length)
{
    length = 0;
    const int descriptor = _open(path, _O_RDONLY | _O_BINARY);
    if (descriptor < 0) {
        return false;
    }
    for (;;) {
        const std::size_t room = capacity - length;
        const unsigned chunk = room > (1U << 30) ? (1U << 30) : static_cast<unsigned>(room);
        if (chunk == 0) {
            char more = 0;
            const int got = _read(descriptor, &more, 1);
            _close(descriptor);
            errno = got == 0 ? 0 : EFBIG;
            return got == 0;
        }
        const int got = _read(descriptor, buffer + length, chunk);
        if (got <= 0) {
            const int reason = errno;
            _close(descriptor);
            errno = got == 0 ? 0 : reason;
            return got == 0;
        }
        length += static_cast<std::size_t>(got);
    }
}

bool flush_to_disk(std::FILE* stream)
{
    return _commit(_fileno(stream)) == 0;
}

bool move_over(const char* from, const char* to)
{
    if (MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) == 0) {
        errno = EACCES;
        return false;
    }
    return true;
}
