#include "platform/stack_budget.h"

#include <algorithm>
#include <pthread.h>
#include <sys/resource.h>

namespace platform {

namespace {

constexpr size_t cap = size_t{4} << 20;

// The lowest address of the calling thread's stack, null when the system does not tell; read
// once per thread (for the main thread it means reading the process's memory map).
const char* stackLowEnd()
{
    thread_local const char* const low = [] {
        pthread_attr_t attr;
        if (pthread_getattr_np(pthread_self(), &attr) != 0)
            return static_cast<const char*>(nullptr);
        void* address = nullptr;
        size_t size = 0;
        const bool known = pthread_attr_getstack(&attr, &address, &size) == 0;
        pthread_attr_destroy(&attr);
        return known ? static_cast<const char*>(address) : nullptr;
    }();
    return low;
}

} // namespace

size_t stackBudget()
{
    const char* frame = static_cast<const char*>(__builtin_frame_address(0));
    if (const char* low = stackLowEnd(); low != nullptr && frame > low)
        return std::min<size_t>(static_cast<size_t>(frame - low) / 2, cap);
    rlimit limit{};
    return getrlimit(RLIMIT_STACK, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY
        ? std::min<size_t>(limit.rlim_cur / 2, cap)
        : cap;
}

} // namespace platform
