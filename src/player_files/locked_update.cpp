#include "player_files/locked_update.hpp"

#include <cerrno>

#include "files/file_lock.hpp"
#include "files/replaced_file.hpp"

UpdateOutcome update_locked(const char* path, bool create, int wait_milliseconds,
                            const LockedUpdate& update)
{
    LockedFile file{};
    switch (open_locked(path, create, wait_milliseconds, file)) {
    case LockOutcome::Locked:
        break;
    case LockOutcome::Busy:
        return UpdateOutcome::Busy;
    case LockOutcome::Failed:
        return UpdateOutcome::Failed;
    }
    static TextInsertion insertion;
    UpdateOutcome outcome = UpdateOutcome::Written;
    switch (update.plan(update.context, file.stream, insertion)) {
    case UpdatePlan::Insert: {
        std::FILE* old = file.stream;
        file.stream = nullptr; // closed by the replacement
        if (!replace_with_insertion(path, old, insertion.at, insertion.text, update.check,
                                    update.context)) {
            outcome = UpdateOutcome::Failed;
        }
        break;
    }
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
    close_locked(file);
    return outcome;
}

bool start_file(const char* path, const unsigned char* text, std::size_t size,
                int wait_milliseconds)
{
    LockedFile file{};
    if (open_locked(path, true, wait_milliseconds, file) != LockOutcome::Locked) {
        return false;
    }
    // Empty: made by the lock just now, or by a starter that could not write it.
    const bool empty = std::fgetc(file.stream) == EOF && std::ferror(file.stream) == 0;
    std::fclose(file.stream); // Windows cannot rename over a file that is open
    file.stream = nullptr;
    bool ok = true;
    if (empty) {
        ReplacedFile replaced{};
        ok = begin_replacement(path, replaced);
        if (ok && std::fwrite(text, 1, size, replaced.stream) != size) {
            const int reason = errno != 0 ? errno : EIO;
            abandon_replacement(replaced);
            errno = reason;
            ok = false;
        } else if (ok) {
            ok = commit_replacement(replaced);
        }
    }
    close_locked(file);
    return ok;
}
