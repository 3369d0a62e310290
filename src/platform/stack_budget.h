#pragma once
// How much stack a recursive evaluator may use before it reports "too deep" instead of
// running out: half the stack limit, at most 4 MiB (4 MiB when the limit is unknown or
// unlimited). Evaluators compare frame addresses against the frame where they began.
#include <cstddef>

namespace platform {

size_t stackBudget();

// Bytes of stack between the outermost frame and the current one.
inline size_t stackUsed(const void* outermost)
{
    return static_cast<size_t>(static_cast<const char*>(outermost) -
                               static_cast<const char*>(__builtin_frame_address(0)));
}

} // namespace platform
