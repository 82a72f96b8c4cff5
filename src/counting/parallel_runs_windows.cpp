#include <windows.h>

#include "counting/parallel_runs.hpp"

namespace {

constexpr int MOST_WORKERS = 256;

struct WorkerStart {
    ParallelWork work;
    void* context;
    int worker;
};

DWORD WINAPI start_worker(LPVOID argument)
{
    const WorkerStart& start = *static_cast<const WorkerStart*>(argument);
    start.work(start.worker, start.context);
    return 0;
}

} // namespace

// A thread that cannot be started leaves its share to the caller's thread, after its own:
// the shares are independent, so the result is the same, only later.
void run_in_parallel(int workers, ParallelWork work, void* context)
{
    workers = workers < 1 ? 1 : workers > MOST_WORKERS ? MOST_WORKERS : workers;
    static HANDLE threads[MOST_WORKERS];
    static WorkerStart starts[MOST_WORKERS];
    for (int worker = 1; worker < workers; ++worker) {
        starts[worker] = WorkerStart{work, context, worker};
        threads[worker] = CreateThread(nullptr, 0, start_worker, &starts[worker], 0, nullptr);
    }
    work(0, context);
    for (int worker = 1; worker < workers; ++worker) {
        if (threads[worker] != nullptr) {
            WaitForSingleObject(threads[worker], INFINITE);
            CloseHandle(threads[worker]);
        } else {
            work(worker, context);
        }
    }
}

int machine_workers()
{
    const DWORD cores = GetActiveProcessorCount(ALL_PROCESSOR_GROUPS);
    return cores < 1 ? 1 : cores > MOST_WORKERS ? MOST_WORKERS : static_cast<int>(cores);
}
