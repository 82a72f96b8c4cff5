#include <thread>

#include "counting/parallel_runs.hpp"

namespace {

constexpr int MOST_WORKERS = 256;

} // namespace

void run_in_parallel(int workers, ParallelWork work, void* context)
{
    workers = workers < 1 ? 1 : workers > MOST_WORKERS ? MOST_WORKERS : workers;
    static std::thread threads[MOST_WORKERS];
    for (int worker = 1; worker < workers; ++worker) {
        threads[worker] = std::thread(work, worker, context);
    }
    work(0, context);
    for (int worker = 1; worker < workers; ++worker) {
        threads[worker].join();
    }
}

int machine_workers()
{
    const unsigned cores = std::thread::hardware_concurrency();
    return cores == 0 ? 1 : cores > MOST_WORKERS ? MOST_WORKERS : static_cast<int>(cores);
}
