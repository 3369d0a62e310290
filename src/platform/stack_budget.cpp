#include "platform/stack_budget.h"

#include <algorithm>
#include <pthread.h>
#include <sys/auxv.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cstdint>
#include <cstring>


namespace platform {

namespace {

constexpr size_t cap = size_t{4} << 20;

// The main thread's stack ends the stack limit below its top, the page that holds the program's
// file name the kernel put there last (above the arguments and the environment). No need to
// read the process's memory map, which pthread_getattr_np does for the main thread and which
// costs as much as the rest of a short command-line run.
const char* mainStackLowEnd()
{
    rlimit limit{};
    const auto* name = reinterpret_cast<const char*>(getauxval(AT_EXECFN));
    if (name == nullptr || getrlimit(RLIMIT_STACK, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY)
        return nullptr;
    const uintptr_t page = 4096;
    const uintptr_t top = (reinterpret_cast<uintptr_t>(name) + std::strlen(name) + page) & ~(page - 1);
    return top > limit.rlim_cur ? reinterpret_cast<const char*>(top - limit.rlim_cur) : nullptr;
}

// The lowest address of the calling thread's stack, null when the system does not tell; read
// once per thread.
const char* stackLowEnd()
{
    thread_local const char* const low = [] {
        if (getpid() == static_cast<pid_t>(syscall(SYS_gettid)))
            return mainStackLowEnd();
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
