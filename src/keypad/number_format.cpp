#include "keypad/number_format.h"

#include "keypad/keypad_math.h"
#include "keypad/shortest_digits.h"
#include "platform/checked.h"
#include "platform/floattext.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

namespace keypad {

namespace {

using platform::FloatError;

constexpr int kDigitCount = 21;
constexpr int kMaxExponent = 999;

// floor(log_B(a)), taken after the logarithm went through 15 significant digits of text, so
// that log10(1000) = 2.9999999999999999998 counts as 3.
int exponentOf(long double a, int base)
{
    const long double lg = std::log(a) / std::log(static_cast<long double>(base));
    long double rounded = lg;
    platform::parseFloat(platform::formatGeneral(lg, 15, '.'), '.', rounded);
    return static_cast<int>(std::floor(rounded));
}

using Digits = std::array<int, kDigitCount>;

// The digits of a from the weight B^e down. Whole weights are exact, so the digits down to the
// units come by division; below them the rest is multiplied by B instead of divided by the
// rounded weights, which would turn 0.875 into 0.87499... for a cut display.
Digits digitsOf(long double a, int base, int e)
{
    Digits digits{};
    size_t k = 0;
    for (; k < digits.size() && e - static_cast<int>(k) >= 0; ++k) {
        const long double weight = power(base, e - static_cast<int>(k));
        const int d = std::clamp(static_cast<int>(std::floor(a / weight)), 0, base - 1);
        digits[k] = d;
        a -= d * weight;
    }
    if (e < -1)
        a = platform::mul(a, power(base, -e - 1)); // the first digit's weight becomes 1/B
    for (; k < digits.size(); ++k) {
        a *= base;
        // A rest rounded up to a whole B must not make a digit out of range.
        const int d = std::clamp(static_cast<int>(std::floor(a)), 0, base - 1);
        digits[k] = d;
        a -= d;
    }
    return digits;
}

char digitChar(int d) { return static_cast<char>(d < 10 ? '0' + d : 'A' + d - 10); }

// Drops a trailing separator, then trailing fraction zeros and a separator left last.
void trim(std::string& s, char sep)
{
    if (!s.empty() && s.back() == sep)
        s.pop_back();
    if (s.find(sep) == std::string::npos)
        return;
    while (!s.empty() && s.back() == '0')
        s.pop_back();
    if (!s.empty() && s.back() == sep)
        s.pop_back();
}

// How many leading digits survive rounding; the fixed forms show at most N significant digits
// and D decimals, whichever ends first.
int keptDigits(int e, const NumberFormat& f)
{
    const int n = f.digits;
    const int minLead = std::min(f.leadingZeros, f.decimals);
    if (f.scientific || e + 1 > n || e < -minLead)
        return n;
    if (e >= 0)
        return std::min(n, e + 1 + f.decimals);
    // A value below 1 shows D + e + 1 significant digits, but never more than N of them.
    return std::min(n, f.decimals + e + 1);
}

} // namespace

std::string formatValue(long double value, const NumberFormat& format, char sep)
{
    if (value == 0.0L)
        return "0";
    if (!std::isfinite(value))
        throw FloatError(FloatError::Kind::InvalidOperation);
    // Out-of-range settings are clamped so that no setting can index past the digit string.
    NumberFormat f = format;
    f.base = std::clamp(f.base, 2, 16);
    f.digits = std::clamp(f.digits, 1, 18);
    f.decimals = std::clamp(f.decimals, 0, 18);
    f.leadingZeros = std::clamp(f.leadingZeros, 0, 17);
    const int base = f.base;
    const int n = f.digits;
    const bool negative = value < 0;
    long double a = std::fabs(value);
    int e = exponentOf(a, base);
    // Rounding raises e by at most one; beyond these bounds the value can never be shown, and
    // the digit loop would leave the extended range.
    if (e > kMaxExponent || e < -kMaxExponent - 1)
        throw FloatError(FloatError::Kind::InvalidOperation);
    Digits digits{};
    if (!f.rounding) {
        // A cut display cuts the shortest digits that read back as the value, not its exact
        // digits: typed 0,03 is held just below 0,03 and would be cut to 0,029999…
        const ShortestDigits shortest = shortestDigits(a, base, kDigitCount);
        std::copy(shortest.digits.begin(), shortest.digits.end(), digits.begin());
        e = shortest.exponent;
    } else {
        // The text step also lifts values a few units of 1e-15 below a power of the base to
        // that power (999.99999999999 to e = 3); their first digit would be 0 and the last lost.
        digits = digitsOf(a, base, e);
        if (digits[0] == 0) {
            --e;
            digits = digitsOf(a, base, e);
        }
        const int c = keptDigits(e, f);
        if (digits[static_cast<size_t>(c)] >= base / 2.0) {
            int j = c - 1;
            for (; j >= 0; --j) {
                int& d = digits[static_cast<size_t>(j)];
                if (d < base - 1) {
                    ++d;
                    break;
                }
                d = 0;
            }
            if (j < 0) {
                digits.fill(0);
                digits[0] = 1;
                ++e;
            }
        }
    }

    std::string kept;
    for (int k = 0; k < n; ++k)
        kept += digitChar(digits[static_cast<size_t>(k)]);

    const int minLead = std::min(f.leadingZeros, f.decimals);
    std::string text;
    if (!f.scientific && e + 1 <= n && e >= -minLead) {
        if (e >= 0) {
            text = kept;
            text.insert(static_cast<size_t>(e + 1), 1, sep);
        } else {
            text = std::string("0") + sep + std::string(static_cast<size_t>(-e - 1), '0') + kept;
        }
        const size_t at = text.find(sep);
        if (at != std::string::npos && text.size() - at - 1 > static_cast<size_t>(f.decimals))
            text.resize(at + 1 + static_cast<size_t>(f.decimals));
        trim(text, sep);
    } else {
        text = kept.substr(0, 1) + sep + kept.substr(1);
        trim(text, sep);
        text += 'e';
        text += std::to_string(e);
    }
    return negative ? "-" + text : text;
}

DisplayText displayText(long double value, const NumberFormat& f, char sep)
{
    const std::string text = formatValue(value, f, sep);
    DisplayText out;
    const size_t e = text.find('e');
    if (e == std::string::npos) {
        out.display = groupDigits(text, f.separator, sep);
        return out;
    }
    const int exponent = std::atoi(text.c_str() + e + 1);
    if (std::abs(exponent) > kMaxExponent)
        throw FloatError(FloatError::Kind::InvalidOperation);
    const std::string digits = std::to_string(std::abs(exponent));
    out.expon = (exponent < 0 ? "-" : "") + std::string(3 - digits.size(), '0') + digits;
    out.display = groupDigits(text.substr(0, e), f.separator, sep);
    return out;
}

std::string groupDigits(const std::string& mantissa, const std::string& separator, char sep)
{
    if (separator.empty())
        return mantissa;
    const size_t signLength = !mantissa.empty() && mantissa[0] == '-' ? 1 : 0;
    const size_t at = mantissa.find(sep);
    const std::string whole = mantissa.substr(signLength, at == std::string::npos ? std::string::npos : at - signLength);

    std::string out = mantissa.substr(0, signLength);
    for (size_t i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0)
            out += separator;
        out += whole[i];
    }
    if (at == std::string::npos)
        return out;
    out += sep;
    const std::string fraction = mantissa.substr(at + 1);
    for (size_t i = 0; i < fraction.size(); ++i) {
        if (i > 0 && i % 3 == 0)
            out += separator;
        out += fraction[i];
    }
    return out;
}

} // namespace keypad
