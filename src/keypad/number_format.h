#pragma once
// The keypad's number format and its one display formatter. Digits are written here, not by the
// C library, because the base runs from 2 to 16 and the process locale is not ours.
#include <string>

namespace keypad {

// The limits of the number format, the same for the settings dialog, settings.ini and the CLI.
struct Limit {
    int min;
    int max;
};
inline constexpr Limit baseLimit{2, 16};
inline constexpr Limit digitsLimit{3, 18};
inline constexpr Limit decimalsLimit{0, 18};
inline constexpr Limit leadingZerosLimit{0, 17};

// The number format settings of the keypad; the settings dialog edits them, settings.ini keeps them.
struct NumberFormat {
    int base = 10;           // B, baseLimit
    int digits = 14;         // N, significant digits, digitsLimit
    int decimals = 12;       // D, digits after the decimal separator, decimalsLimit
    int leadingZeros = 4;    // L, zeros of a value below 1 before the fixed form gives way, leadingZerosLimit
    bool scientific = false; // S, scientific form always
    bool rounding = true;    // R, round the last shown digit instead of cutting
    std::string separator;   // digit-group separator: empty or one character (may be UTF-8)
};

// The labels `display` and `expon` as vypis fills them.
struct DisplayText {
    std::string display; // mantissa with group separators
    std::string expon;   // "" or three digits with an optional leading "-"
};

// The formatter: "[-]mantissa[e exponent]" with the decimal separator, no group separators.
// Values out of range for the digit loop (|exponent| far beyond 999) throw FloatError.
std::string formatValue(long double value, const NumberFormat& format, char decimalSeparator);

// Formats for the display labels; an exponent beyond ±999 cannot be shown and throws
// platform::FloatError (invalid operation), which the calling key reports.
DisplayText displayText(long double value, const NumberFormat& format, char decimalSeparator);

// Inserts the group separator into a mantissa text: groups of three leftwards and rightwards
// from the decimal separator, never right after a leading "-".
std::string groupDigits(const std::string& mantissa, const std::string& separator, char decimalSeparator);

} // namespace keypad
