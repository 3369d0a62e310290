#pragma once
// The arithmetic of macro formulas beyond + - * /: powers and the one-argument functions.
// Failures are thrown as EvalError or platform::FloatError; eval turns both into EvalError.
#include <string>

namespace macros {

// base ^ exponent: exponent 0 gives 1, base 0 with a positive exponent 0, integral exponents
// (up to 2147483647 in magnitude) multiply, so negative bases work; any other exponent goes
// through e^(exponent · ln base), which fails for a negative base.
long double raise(long double base, long double exponent);

// Applies the function `name` (lower case) to `argument`; an unknown name fails.
long double applyFunction(const std::string& name, long double argument);

} // namespace macros
