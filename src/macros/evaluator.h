#pragma once
// The macro formula evaluator: one pass over the text, no tree, real numbers only, angles in
// radians, the six input registers x1 … x6 as its only variables.
//
// Grammar, as the parser reads it: numbers ("1.5", "2e-3"; "." is always the decimal point),
// "pi", the registers (x1 … x6; a, i, k, n, t and x alone mean x1), brackets, one-argument
// functions "name(…)" and the operators ^ (tightest), * /, + -, all left-associative.
#include "platform/errors.h"

#include <array>
#include <string>

namespace macros {

using Registers = std::array<long double, 6>;

// Any failure of a formula, a user error like the keypad's own: callers report "Macro error."
// or show " -" rather than its text.
class EvalError : public platform::UserError {
public:
    EvalError() : platform::UserError("macro formula failed") {}
};

// Throws EvalError for a malformed number, an unknown name, a name without "(", an unexpected
// character, a missing ")", division by zero, overflow and a function argument outside its domain.
long double eval(const std::string& text, const Registers& x);

} // namespace macros
