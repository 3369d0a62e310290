#pragma once
// The general float-to-text form: at most `digits` significant digits, fixed notation when the
// magnitude is at least 0.00001 and the integer digits fit in `digits`, scientific otherwise;
// trailing zeros dropped; exponent without "+" and leading zeros ("1E20", "1,5E-7").
// Used for memory captions, linear-system and macro results (15 digits), statistics (8).
#include <string>

namespace platform {

std::string formatGeneral(long double value, int digits, char decimalSeparator);

// Parses a decimal number as the platform's text-to-float conversion does: optional blanks,
// sign, digits with `decimalSeparator`, optional exponent; the whole text must be used.
// Returns false when the text is not a number or is out of range.
bool parseFloat(const std::string& text, char decimalSeparator, long double& value);

} // namespace platform
