#include <windows.h>

#include "files/temporary_files.hpp"

namespace {

const char* volatile tracked[MAX_TRACKED_TEMPORARIES];
CRITICAL_SECTION guard;
INIT_ONCE guard_ready = INIT_ONCE_STATIC_INIT;
int tracked_count;

BOOL CALLBACK start_guard(PINIT_ONCE, PVOID, PVOID*)
{
    InitializeCriticalSection(&guard);
    return TRUE;
}

// Runs on a thread of its own when Ctrl-C, Ctrl-Break or closing the console ends the
// program; FALSE lets the next handler (in the end the default one) end it.
BOOL WINAPI remove_tracked(DWORD)
{
    EnterCriticalSection(&guard);
    for (const char* path : tracked) {
        if (path != nullptr) {
            DeleteFileA(path);
        }
    }
    LeaveCriticalSection(&guard);
    return FALSE;
}

} // namespace

bool track_temporary(const char* path)
{
    InitOnceExecuteOnce(&guard_ready, start_guard, nullptr, nullptr);
    EnterCriticalSection(&guard);
    bool kept = false;
    for (const char* volatile& slot : tracked) {
        if (slot == nullptr) {
            slot = path;
            kept = true;
            break;
        }
    }
    if (kept && tracked_count++ == 0) {
        SetConsoleCtrlHandler(remove_tracked, TRUE);
    }
    LeaveCriticalSection(&guard);
    return kept;
}

void untrack_temporary(const char* path)
{
    InitOnceExecuteOnce(&guard_ready, start_guard, nullptr, nullptr);
    EnterCriticalSection(&guard);
    for (const char* volatile& slot : tracked) {
        if (slot == path) {
            slot = nullptr;
            if (--tracked_count == 0) {
                SetConsoleCtrlHandler(remove_tracked, FALSE);
            }
            break;
        }
    }
    LeaveCriticalSection(&guard);
}
