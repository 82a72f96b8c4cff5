#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>

#include "files/file_lock.hpp"

namespace {

constexpr int RETRY_MILLISECONDS = 20;

void pause_briefly()
{
    timespec pause{0, RETRY_MILLISECONDS * 1'000'000L};
    nanosleep(&pause, nullptr);
}

} // namespace

// flock on the file itself. A writer that renames a new file over it leaves the waiting
// one holding the old file, so after each lock the name must still be the file locked.
LockOutcome lock_file(const char* path, bool create, int wait_milliseconds, FileLock& lock)
{
    lock = FileLock{-1, nullptr, {}};
    for (int waited = 0;;) {
        const int descriptor =
            open(path, O_RDONLY | O_CLOEXEC | (create ? O_CREAT : 0), create ? 0666 : 0);
        if (descriptor < 0) {
            return LockOutcome::Failed;
        }
        while (flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
            if (errno != EWOULDBLOCK || waited >= wait_milliseconds) {
                const bool busy = errno == EWOULDBLOCK;
                close(descriptor);
                return busy ? LockOutcome::Busy : LockOutcome::Failed;
            }
            pause_briefly();
            waited += RETRY_MILLISECONDS;
        }
        struct stat locked {};
        struct stat named {};
        if (fstat(descriptor, &locked) == 0 && stat(path, &named) == 0 &&
            locked.st_dev == named.st_dev && locked.st_ino == named.st_ino) {
            lock.descriptor = descriptor;
            return LockOutcome::Locked;
        }
        close(descriptor); // replaced meanwhile: lock the new file
    }
}

void unlock_file(FileLock& lock)
{
    if (lock.descriptor >= 0) {
        close(lock.descriptor); // which releases the lock
        lock.descriptor = -1;
    }
}
