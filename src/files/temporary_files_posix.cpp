#include <unistd.h>

#include <csignal>

#include "files/temporary_files.hpp"

namespace {

constexpr int CAUGHT_SIGNALS[] = {SIGINT, SIGTERM, SIGHUP};
constexpr int CAUGHT_COUNT = sizeof CAUGHT_SIGNALS / sizeof CAUGHT_SIGNALS[0];

// Read by the handler, so written only with the signals blocked.
const char* volatile tracked[MAX_TRACKED_TEMPORARIES];
int tracked_count;
struct sigaction previous_actions[CAUGHT_COUNT];

// Removes what is tracked, then lets the signal do what it did before: the program's own
// handler if it has one (which ends it), else the default end.
void remove_tracked_and_pass_on(int signal_number)
{
    for (const char* path : tracked) {
        if (path != nullptr) {
            unlink(path);
        }
    }
    for (int i = 0; i < CAUGHT_COUNT; ++i) {
        if (CAUGHT_SIGNALS[i] == signal_number) {
            sigaction(signal_number, &previous_actions[i], nullptr);
        }
    }
    raise(signal_number); // delivered once this handler returns
}

sigset_t block_caught_signals()
{
    sigset_t caught;
    sigset_t before;
    sigemptyset(&caught);
    for (int signal_number : CAUGHT_SIGNALS) {
        sigaddset(&caught, signal_number);
    }
    sigprocmask(SIG_BLOCK, &caught, &before);
    return before;
}

} // namespace

bool track_temporary(const char* path)
{
    const sigset_t before = block_caught_signals();
    bool kept = false;
    for (const char* volatile& slot : tracked) {
        if (slot == nullptr) {
            slot = path;
            kept = true;
            break;
        }
    }
    if (kept && tracked_count++ == 0) {
        struct sigaction action {};
        action.sa_handler = remove_tracked_and_pass_on;
        sigemptyset(&action.sa_mask);
        for (int i = 0; i < CAUGHT_COUNT; ++i) {
            sigaction(CAUGHT_SIGNALS[i], nullptr, &previous_actions[i]);
            // A signal the user asked to ignore (nohup) stays ignored.
            if (previous_actions[i].sa_handler != SIG_IGN) {
                sigaction(CAUGHT_SIGNALS[i], &action, nullptr);
            }
        }
    }
    sigprocmask(SIG_SETMASK, &before, nullptr);
    return kept;
}

void untrack_temporary(const char* path)
{
    const sigset_t before = block_caught_signals();
    for (const char* volatile& slot : tracked) {
        if (slot == path) {
            slot = nullptr;
            if (--tracked_count == 0) {
                for (int i = 0; i < CAUGHT_COUNT; ++i) {
                    sigaction(CAUGHT_SIGNALS[i], &previous_actions[i], nullptr);
                }
            }
            break;
        }
    }
    sigprocmask(SIG_SETMASK, &before, nullptr);
}
