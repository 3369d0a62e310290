#pragma once
// Helpers shared by the library's functions and numerical operators: reading scanned
// argument lists, converting borders and the small number conversions of the run-time.
#include "textcalc/eval/arguments.h"
#include "textcalc/number/random.h"
#include "textcalc/number/value.h"

#include <cmath>
#include <cstddef>
#include <string_view>

namespace textcalc {
class RunContext;
}

namespace textcalc::library {

using code::Argument;
using code::Arguments;

// The next argument; its stop character must be `expected` (jetam reports otherwise).
Argument& scanExpecting(Arguments& args, char expected);
// The next argument, ended by `first` or `second` (its stop tells which); any other stop is
// reported as `first` expected.
Argument& scanEither(Arguments& args, char first, char second);
// The next argument taken with scanExpecting and evaluated.
Number argumentExpecting(Arguments& args, char expected);

// An integer border: a 64-bit integer literal, else the argument's value rounded.
int64_t integerBorder(Arguments& args, Argument& border);
// A real border or step: a floating literal, else the real part of the argument's value.
long double realBorder(Arguments& args, Argument& border);

// The session's random draws, through the calculator's one uniform generator.
RandomSource randomSource(RunContext& calc);

// Frac of the run-time: the fractional part with the sign of the value.
inline long double fracPart(long double v)
{
    return v - std::trunc(v);
}

// |round(v)| as a count or integer argument; out of range is an invalid operation.
int64_t absRound(long double v);
// An integer computed in extended precision: exact while it fits 64 bits, else floating.
Number integerOrFloating(long double r);
Number exactGaussian(int64_t re, int64_t im);

} // namespace textcalc::library
