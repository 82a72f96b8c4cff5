// The counting's threads: every worker's share is done, also when no thread can be started.
#include <gtest/gtest.h>

#include <pthread.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstddef>

#include "counting/parallel_runs.hpp"

namespace {

constexpr int WORKERS = 4;

struct Shares {
    int done[WORKERS];
    pthread_t by[WORKERS];
};

void take_share(int worker, void* context)
{
    Shares& shares = *static_cast<Shares*>(context);
    ++shares.done[worker];
    shares.by[worker] = pthread_self();
}

} // namespace

TEST(ParallelRuns, EveryShareIsDoneOnce)
{
    Shares shares{};
    run_in_parallel(WORKERS, take_share, &shares);
    for (int worker = 0; worker < WORKERS; ++worker) {
        EXPECT_EQ(shares.done[worker], 1) << "worker " << worker;
    }
}

#if !defined(__SANITIZE_ADDRESS__)
// With no room left for a thread's stack, the caller's thread takes every share itself.
TEST(ParallelRuns, AThreadThatCannotStartLeavesItsShareToTheCaller)
{
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // Stacks larger than the process may have: the ones cached from earlier threads do
        // not fit, and no new one can be made.
        pthread_attr_t huge_stacks;
        pthread_attr_init(&huge_stacks);
        pthread_attr_setstacksize(&huge_stacks, std::size_t{1} << 40);
        pthread_setattr_default_np(&huge_stacks);
        const rlimit no_more{0, RLIM_INFINITY};
        setrlimit(RLIMIT_AS, &no_more);
        static Shares shares{};
        run_in_parallel(WORKERS, take_share, &shares);
        for (int worker = 0; worker < WORKERS; ++worker) {
            if (shares.done[worker] != 1) {
                _exit(10 + worker);
            }
            if (!pthread_equal(shares.by[worker], pthread_self())) {
                _exit(20 + worker); // a thread started after all: the test proves nothing
            }
        }
        _exit(0);
    }
    int status = -1;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << status;
    EXPECT_EQ(WEXITSTATUS(status), 0);
}
#endif
