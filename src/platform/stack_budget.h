#pragma once
// How much stack a recursive evaluator may use before it reports "too deep" instead of
// running out: half of what is left of the calling thread's stack below the caller, at most
// 4 MiB. What is left counts what callers, the program's arguments and its environment
// already take. Evaluators ask when they begin and compare frame addresses against that frame.
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
