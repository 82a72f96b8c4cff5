#include "files/file_lock.hpp"

#include <cerrno>

LockOutcome open_locked(const char* path, bool create, int wait_milliseconds, LockedFile& file)
{
    file = LockedFile{};
    const LockOutcome outcome = lock_file(path, create, wait_milliseconds, file.lock);
    if (outcome != LockOutcome::Locked) {
        return outcome;
    }
    file.stream = std::fopen(path, "rb");
    if (file.stream == nullptr) {
        close_locked(file);
        return LockOutcome::Failed;
    }
    return LockOutcome::Locked;
}

void close_locked(LockedFile& file)
{
    const int reason = errno;
    if (file.stream != nullptr) {
        std::fclose(file.stream);
        file.stream = nullptr;
    }
    unlock_file(file.lock);
    errno = reason;
}
