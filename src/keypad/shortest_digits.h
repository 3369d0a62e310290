#pragma once
// The digits of an extended value as the cut display shows them. A value typed as 0,03 is held
// a fraction of a unit in the last place below 0,03, so its exact digits are 0,0299999…; the
// shortest digit string that reads back as the stored value is "3" at the weight B^-2. Cutting
// that string instead of the exact digits shows the decimal the value stands for, and never a
// digit the value does not have: a value exact in the base (2 in base 16) shows exactly.
#include <vector>

namespace keypad {

struct ShortestDigits {
    std::vector<int> digits; // first digit non-zero, weight B^exponent; at most the digits asked for
    int exponent = 0;
};

// The shortest base-B digit string strictly inside the interval of numbers that round to a
// (a finite value > 0), cut after maxDigits digits; the digits before the last one of the full
// string are the exact digits of a. Works with exact integers, so no rounding is involved.
ShortestDigits shortestDigits(long double a, int base, int maxDigits);

} // namespace keypad
