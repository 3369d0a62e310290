// The stack budget of the main thread, read without the process's memory map, must match what
// the thread attributes (which read it) say, for stack limits small enough to matter.
#include "platform/stack_budget.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <pthread.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

size_t budgetFromThreadAttributes()
{
    pthread_attr_t attr;
    pthread_getattr_np(pthread_self(), &attr);
    void* low = nullptr;
    size_t size = 0;
    pthread_attr_getstack(&attr, &low, &size);
    pthread_attr_destroy(&attr);
    const char* frame = static_cast<const char*>(__builtin_frame_address(0));
    return std::min<size_t>(static_cast<size_t>(frame - static_cast<const char*>(low)) / 2, size_t{4} << 20);
}

// A process reads its budget once, so each limit is tried in a child of its own (this test
// itself never asks, so the children inherit no answer).
TEST(StackBudget, MainThreadAgreesWithItsAttributes)
{
    for (rlim_t kib : {256, 1024, 4096}) {
        SCOPED_TRACE(kib);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            rlimit limit{};
            getrlimit(RLIMIT_STACK, &limit);
            limit.rlim_cur = std::min<rlim_t>(kib * 1024, limit.rlim_cur);
            if (setrlimit(RLIMIT_STACK, &limit) != 0)
                _exit(2);
            const size_t expected = budgetFromThreadAttributes();
            const size_t budget = platform::stackBudget();
            // The two are read from frames a few hundred bytes apart.
            const size_t difference = budget > expected ? budget - expected : expected - budget;
            _exit(difference < 4096 && budget < limit.rlim_cur / 2 ? 0 : 1);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    }
}

} // namespace
