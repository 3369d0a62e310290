#pragma once
// Number text: a value as the sheet prints it.
#include "textcalc/number/value.h"

#include <string>

namespace textcalc {

// An exact value as its fraction ("1/3", "2 + 1/2 * i"), else the floating parts with
// `precision` significant digits; the point is always ".", whatever the platform's
// `separator`, and the exponent is written "e".
std::string cistostr(const Number& x, int precision, char separator);

} // namespace textcalc
