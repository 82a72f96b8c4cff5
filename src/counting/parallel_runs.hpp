#pragma once

// Runs `work(worker)` for worker 0 to workers - 1 at once, one thread each (the caller's
// thread is worker 0), and returns when all are done. Each worker takes its own share.
using ParallelWork = void (*)(int worker, void* context);
void run_in_parallel(int workers, ParallelWork work, void* context);

// How many workers the machine runs at once: its processor cores, at least 1.
int machine_workers();
