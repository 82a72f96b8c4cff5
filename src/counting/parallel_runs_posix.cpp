#include <pthread.h>
#include <unistd.h>

#include "counting/parallel_runs.hpp"

namespace {

constexpr int MOST_WORKERS = 256;

struct WorkerStart {
    ParallelWork work;
    void* context;
    int worker;
};

void* start_worker(void* argument)
{
    const WorkerStart& start = *static_cast<const WorkerStart*>(argument);
    start.work(start.worker, start.context);
    return nullptr;
}

} // namespace

// A thread that cannot be started leaves its share to the caller's thread, after its own:
// the shares are independent, so the result is the same, only later.
void run_in_parallel(int workers, ParallelWork work, void* context)
{
    workers = workers < 1 ? 1 : workers > MOST_WORKERS ? MOST_WORKERS : workers;
    static pthread_t threads[MOST_WORKERS];
    static WorkerStart starts[MOST_WORKERS];
    static bool started[MOST_WORKERS];
    for (int worker = 1; worker < workers; ++worker) {
        starts[worker] = WorkerStart{work, context, worker};
        started[worker] =
            pthread_create(&threads[worker], nullptr, start_worker, &starts[worker]) == 0;
    }
    work(0, context);
    for (int worker = 1; worker < workers; ++worker) {
        if (started[worker]) {
            pthread_join(threads[worker], nullptr);
        } else {
            work(worker, context);
        }
    }
}

int machine_workers()
{
    const long cores = sysconf(_SC_NPROCESSORS_ONLN);
    return cores < 1 ? 1 : cores > MOST_WORKERS ? MOST_WORKERS : static_cast<int>(cores);
}
