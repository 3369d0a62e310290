#pragma once
// The library's functions of one bracketed argument (sin(x), floor(x), chi2(n), red(c), …),
// as plain maths on a Number. Floating failures raise platform::FloatError; the counting
// loops of the random ones raise RangeError.
#include "textcalc/number/random.h"
#include "textcalc/number/value.h"

#include <span>
#include <string_view>

namespace textcalc::library {

using OneArgumentFunction = Number (*)(const Number& x, RandomSource& random);

struct OneArgumentEntry {
    std::string_view name;
    OneArgumentFunction function;
};

std::span<const OneArgumentEntry> oneArgumentFunctions();

} // namespace textcalc::library
