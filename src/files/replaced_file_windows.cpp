#include <windows.h>

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

bool begin_replacement(const char* path, ReplacedFile& file)
{
    file.stream = nullptr;
    file.temporary[0] = '\0';
    const int written = std::snprintf(file.target, sizeof file.target, "%s", path);
    if (written < 0 || static_cast<std::size_t>(written) >= sizeof file.target) {
        errno = ENAMETOOLONG;
        return false;
    }
    const DWORD attributes = GetFileAttributesA(path);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        errno = EISDIR;
        return false;
    }
    // A device (NUL, CON) is written straight.
    if (attributes == INVALID_FILE_ATTRIBUTES && GetLastError() != ERROR_FILE_NOT_FOUND) {
        file.stream = std::fopen(path, "wb");
        return file.stream != nullptr;
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
        return false;
    }
    if (!track_temporary(file.temporary)) {
        DeleteFileA(file.temporary);
        file.temporary[0] = '\0';
        errno = EMFILE;
        return false;
    }
    file.stream = std::fopen(file.temporary, "wb");
    if (file.stream == nullptr) {
        const int reason = errno;
        DeleteFileA(file.temporary);
        untrack_temporary(file.temporary);
        file.temporary[0] = '\0';
        errno = reason;
        return false;
    }
    return true;
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
