#include <windows.h>

#include <cerrno>
#include <cstdio>

#include "files/file_lock.hpp"

namespace {

constexpr int RETRY_MILLISECONDS = 20;

} // namespace

// Windows cannot rename over a file another handle holds open, so the lock is a file
// beside it ("FILE.lock"), opened by one program at a time and locked with LockFileEx. It
// goes when its handle closes, also when the program is killed.
LockOutcome lock_file(const char* path, bool create, int wait_milliseconds, FileLock& lock)
{
    lock = FileLock{-1, nullptr, {}};
    const int written = std::snprintf(lock.lock_path, sizeof lock.lock_path, "%s.lock", path);
    if (written < 0 || static_cast<std::size_t>(written) >= sizeof lock.lock_path) {
        errno = ENAMETOOLONG;
        return LockOutcome::Failed;
    }
    if (create) {
        HANDLE made = CreateFileA(path, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (made == INVALID_HANDLE_VALUE) {
            errno = EACCES;
            return LockOutcome::Failed;
        }
        CloseHandle(made);
    } else if (GetFileAttributesA(path) == INVALID_FILE_ATTRIBUTES) {
        errno = ENOENT;
        return LockOutcome::Failed;
    }
    for (int waited = 0;; waited += RETRY_MILLISECONDS) {
        HANDLE handle =
            CreateFileA(lock.lock_path, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                        FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
        if (handle != INVALID_HANDLE_VALUE) {
            OVERLAPPED whole{};
            if (LockFileEx(handle, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0,
                           &whole)) {
                lock.handle = handle;
                return LockOutcome::Locked;
            }
            CloseHandle(handle);
        } else if (GetLastError() != ERROR_SHARING_VIOLATION &&
                   GetLastError() != ERROR_ACCESS_DENIED) {
            errno = EACCES;
            return LockOutcome::Failed;
        }
        if (waited >= wait_milliseconds) {
            return LockOutcome::Busy;
        }
        Sleep(RETRY_MILLISECONDS);
    }
}

void unlock_file(FileLock& lock)
{
    if (lock.handle != nullptr) {
        CloseHandle(static_cast<HANDLE>(lock.handle));
        lock.handle = nullptr;
    }
}
