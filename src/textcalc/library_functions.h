#pragma once
// The library's functions whose arguments are scanned as raw text (max(x1, …), round(x, n),
// readln(f), getnum(k), …) and the numerical operators (sum, int, solve, …): each reads its
// argument list from `pos`, just after the "(", up to and including the closing ")".
#include "textcalc/value.h"

#include <cstddef>
#include <string_view>

namespace textcalc {
class Calculator;
}

namespace textcalc::library {

using ScannedFunction = Number (*)(Calculator& calc, std::string_view text, size_t& pos);

// Functions of several arguments: max … round. nullptr for other names.
ScannedFunction findSeveralArguments(std::string_view name);
// Text files and dialogs: readln, eof, getnum, question.
ScannedFunction findInputFunction(std::string_view name);
// Numerical operators over an integer range: sum, product, argmax, argmin, imax, imin, iter.
ScannedFunction findIntegerRangeOperator(std::string_view name);
// Numerical operators along the real axis or a curve: cint, int, length, surface, volume,
// solve, dif, dif2.
ScannedFunction findRealAxisOperator(std::string_view name);

} // namespace textcalc::library
