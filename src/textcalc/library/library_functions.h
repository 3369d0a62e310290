#pragma once
// The library's functions whose arguments are scanned as raw text (max(x1, …), round(x, n),
// readln(f), getnum(k), …) and the numerical operators (sum, int, solve, …): each reads its
// argument list through the cursor `args` up to the argument ended by the closing ")".
#include "textcalc/number/value.h"

#include <cstddef>
#include <span>
#include <string_view>

namespace textcalc {
class RunContext;
}

namespace textcalc::code {
class Arguments;
}

namespace textcalc::library {

using ScannedFunction = Number (*)(RunContext& calc, code::Arguments& args);

struct ScannedEntry {
    std::string_view name;
    ScannedFunction function;
};

// Functions of several arguments: max … round.
std::span<const ScannedEntry> severalArgumentFunctions();
// Text files and dialogs: readln, eof, getnum, question.
std::span<const ScannedEntry> inputFunctions();
// Numerical operators over an integer range: sum, product, argmax, argmin, imax, imin, iter.
std::span<const ScannedEntry> integerRangeOperators();
// Numerical operators along the real axis or a curve: cint, int, length, surface, volume,
// solve, dif, dif2.
std::span<const ScannedEntry> realAxisOperators();

} // namespace textcalc::library
