// The page's worker is one thread: every share is run in turn on it.
#include "counting/parallel_runs.hpp"

void run_in_parallel(int workers, ParallelWork work, void* context)
{
    for (int worker = 0; worker < (workers < 1 ? 1 : workers); ++worker) {
        work(worker, context);
    }
}

int machine_workers()
{
    return 1;
}
