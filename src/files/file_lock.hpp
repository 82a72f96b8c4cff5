#pragma once

#include <cstdio>

#include "files/replaced_file.hpp"

// How long a writer waits for another to finish with a file before it gives up.
inline constexpr int LOCK_WAIT_MILLISECONDS = 5000;

// An advisory lock on a file that is read, changed and replaced whole: held from reading to
// renaming, so that two programs changing one file at once never lose a line.
struct FileLock {
    int descriptor; // POSIX: the locked file
    void* handle;   // Windows: the lock file beside it, open for this program alone
    char lock_path[PATH_CAPACITY + 8];
};

enum class LockOutcome { Locked, Busy, Failed };

// Locks the file at `path`, making it empty first when `create` and it does not exist.
// Waits up to `wait_milliseconds` for another writer. Failed leaves errno saying why.
LockOutcome lock_file(const char* path, bool create, int wait_milliseconds, FileLock& lock);
void unlock_file(FileLock& lock);
