#pragma once
// Runs work on a thread with a small stack of which a part is already taken when the work
// begins, as deep callers or a large argument block take it: recursion guards must count
// what is left, not the stack's size. An exception thrown by the work is thrown again here.
#include <gtest/gtest.h>

#include <alloca.h>
#include <cstring>
#include <exception>
#include <functional>
#include <pthread.h>

namespace test_support {

inline void onSmallStack(size_t stackBytes, size_t takenBytes, std::function<void()> work)
{
    struct Job {
        size_t taken;
        std::function<void()> work;
        std::exception_ptr failure;
    } job{takenBytes, std::move(work), nullptr};
    const auto body = [](void* arg) -> void* {
        Job& j = *static_cast<Job*>(arg);
        // alloca stays on the real stack even where a sanitizer moves locals elsewhere.
        char* taken = static_cast<char*>(alloca(j.taken));
        std::memset(taken, 1, j.taken);
        asm volatile("" : : "r"(taken) : "memory");
        try {
            j.work();
        } catch (...) {
            j.failure = std::current_exception();
        }
        return nullptr;
    };
    pthread_attr_t attr;
    ASSERT_EQ(pthread_attr_init(&attr), 0);
    ASSERT_EQ(pthread_attr_setstacksize(&attr, stackBytes), 0);
    pthread_t thread;
    ASSERT_EQ(pthread_create(&thread, &attr, body, &job), 0);
    pthread_attr_destroy(&attr);
    pthread_join(thread, nullptr);
    if (job.failure)
        std::rethrow_exception(job.failure);
}

} // namespace test_support
