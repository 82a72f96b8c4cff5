#include "player_files/locked_update.hpp"

#include <cerrno>

#include "files/file_lock.hpp"
#include "files/replaced_file.hpp"

namespace {

// Static, as the interactive program allocates nothing once it runs.
char file_bytes[MOST_UPDATED_FILE_BYTES];

void unlock_keeping_errno(FileLock& lock)
{
    const int reason = errno;
    unlock_file(lock);
    errno = reason;
}

} // namespace

UpdateOutcome update_locked(const char* path, bool create, int wait_milliseconds,
                            const LockedUpdate& update)
{
    FileLock lock{};
    switch (lock_file(path, create, wait_milliseconds, lock)) {
    case LockOutcome::Locked:
        break;
    case LockOutcome::Busy:
        return UpdateOutcome::Busy;
    case LockOutcome::Failed:
        return UpdateOutcome::Failed;
    }
    std::size_t length = 0;
    if (!read_whole_file(path, file_bytes, sizeof file_bytes, length)) {
        unlock_keeping_errno(lock);
        return UpdateOutcome::Failed;
    }
    TextSource source = memory_source(file_bytes, length);
    static TextInsertion insertion;
    UpdateOutcome outcome = UpdateOutcome::Written;
    switch (update.plan(update.context, source, insertion)) {
    case UpdatePlan::Insert:
        if (!replace_bytes_with_insertion(
                path, file_bytes, length, static_cast<std::size_t>(insertion.at), insertion.text,
                file_bytes, sizeof file_bytes, update.check, update.context)) {
            outcome = UpdateOutcome::Failed;
        }
        break;
    case UpdatePlan::Nothing:
        outcome = UpdateOutcome::Nothing;
        break;
    case UpdatePlan::Refused:
        outcome = UpdateOutcome::Refused;
        break;
    case UpdatePlan::Failed:
        outcome = UpdateOutcome::Failed;
        break;
    }
    unlock_keeping_errno(lock);
    return outcome;
}

bool start_file(const char* path, const unsigned char* text, std::size_t size,
                int wait_milliseconds)
{
    FileLock lock{};
    if (lock_file(path, true, wait_milliseconds, lock) != LockOutcome::Locked) {
        return false;
    }
    // Empty: made by the lock just now, or by a starter that could not write it. Room for
    // one byte tells: a larger file does not fit it.
    char first = 0;
    std::size_t length = 0;
    const bool fits = read_whole_file(path, &first, 1, length);
    if (!fits && errno != EFBIG) {
        unlock_keeping_errno(lock);
        return false;
    }
    bool ok = true;
    if (fits && length == 0) {
        static RawReplacement raw;
        ok = begin_raw_replacement(path, raw);
        if (ok && !write_descriptor(raw.descriptor, reinterpret_cast<const char*>(text), size)) {
            const int reason = errno != 0 ? errno : EIO;
            abandon_raw_replacement(raw);
            errno = reason;
            ok = false;
        } else if (ok) {
            ok = commit_raw_replacement(raw);
        }
    }
    unlock_keeping_errno(lock);
    return ok;
}
