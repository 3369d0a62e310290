#include "platform/stack_budget.h"

#include <algorithm>
#include <sys/resource.h>

namespace platform {

size_t stackBudget()
{
    constexpr size_t cap = size_t{4} << 20;
    rlimit limit{};
    return getrlimit(RLIMIT_STACK, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY
        ? std::min<size_t>(limit.rlim_cur / 2, cap)
        : cap;
}

} // namespace platform
