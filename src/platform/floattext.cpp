#include "floattext.h"

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cfenv>
#include <locale.h>

namespace platform {

namespace {

// The digits of a "%e" text before its exponent, without the point.
std::string significand(const char* text)
{
    std::string digits;
    for (; *text && *text != 'e'; ++text)
        if (*text >= '0' && *text <= '9') // skips the point, whatever the C locale makes it
            digits.push_back(*text);
    return digits;
}

// Whether |value| lies exactly halfway between two numbers of `digits` significant digits and
// the C library's rounding to nearest chose the lower one, the digits `kept`. A tie is exact:
// the next digit is 5 and rounding to that one digit more down and up gives the same text.
bool exactTieBelow(long double value, int digits, const std::string& kept)
{
    char nearest[64];
    const long double magnitude = std::fabs(value);
    std::snprintf(nearest, sizeof nearest, "%.*Le", digits, magnitude);
    const std::string longer = significand(nearest);
    // The kept digits must be those of the tie itself (rounded down): 1.25 -> "1.2", not "1.3".
    if (longer.back() != '5' || longer.compare(0, longer.size() - 1, kept) != 0)
        return false;
    const int mode = std::fegetround();
    char down[64], up[64];
    std::fesetround(FE_DOWNWARD);
    std::snprintf(down, sizeof down, "%.*Le", digits, magnitude);
    std::fesetround(FE_UPWARD);
    std::snprintf(up, sizeof up, "%.*Le", digits, magnitude);
    std::fesetround(mode);
    return std::strcmp(down, up) == 0;
}

} // namespace

std::string formatGeneral(long double value, int digits, char decimalSeparator)
{
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";
    if (value == 0.0L)
        return "0";
    if (digits < 1)
        digits = 1;
    if (digits > 18)
        digits = 18;

    // The value rounded once, from all its bits, to `digits` significant digits ("d.ddde±XX").
    // Rounding the 18-digit form again would carry its rounding up: 1.00000000049999999999
    // to ten digits is 1, not 1.000000001.
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*Le", digits - 1, value);
    const bool negative = buf[0] == '-';
    std::string mant = significand(buf);
    int exp10 = std::atoi(std::strchr(buf, 'e') + 1);
    // The C library breaks an exact tie to the even digit; a tie goes away from zero here, as
    // everywhere in the program's number text (2.5 to one digit is 3, 0.125 to two is 0.13).
    if (exactTieBelow(value, digits, mant)) {
        for (size_t i = mant.size(); i-- > 0;) {
            if (mant[i] < '9') {
                ++mant[i];
                break;
            }
            mant[i] = '0';
            if (i == 0) { // 9.99… became 10.0…
                mant.insert(mant.begin(), '1');
                mant.pop_back();
                ++exp10;
            }
        }
    }
    while (mant.size() > 1 && mant.back() == '0')
        mant.pop_back();

    std::string out = negative ? "-" : "";
    if (exp10 >= -5 && exp10 < digits) {
        if (exp10 < 0) {
            out += '0';
            out += decimalSeparator;
            out.append(static_cast<size_t>(-exp10 - 1), '0');
            out += mant;
        } else {
            size_t intDigits = static_cast<size_t>(exp10) + 1;
            if (mant.size() <= intDigits) {
                out += mant;
                out.append(intDigits - mant.size(), '0');
            } else {
                out += mant.substr(0, intDigits);
                out += decimalSeparator;
                out += mant.substr(intDigits);
            }
        }
    } else {
        out += mant[0];
        if (mant.size() > 1) {
            out += decimalSeparator;
            out += mant.substr(1);
        }
        out += 'E';
        out += std::to_string(exp10);
    }
    return out;
}

bool parseFloat(const std::string& text, char decimalSeparator, long double& value)
{
    size_t b = 0, e = text.size();
    while (b < e && (text[b] == ' ' || text[b] == '\t'))
        ++b;
    while (e > b && (text[e - 1] == ' ' || text[e - 1] == '\t'))
        --e;
    if (b == e)
        return false;
    // Accept only [sign] digits [sep digits] [(e|E) [sign] digits]; strtold alone would also
    // take hex, "inf" and "nan".
    std::string s;
    size_t i = b;
    if (text[i] == '+' || text[i] == '-')
        s += text[i++];
    size_t mantDigits = 0;
    while (i < e && std::isdigit(static_cast<unsigned char>(text[i]))) {
        s += text[i++];
        ++mantDigits;
    }
    if (i < e && text[i] == decimalSeparator) {
        s += '.';
        ++i;
        while (i < e && std::isdigit(static_cast<unsigned char>(text[i]))) {
            s += text[i++];
            ++mantDigits;
        }
    }
    if (mantDigits == 0)
        return false;
    if (i < e && (text[i] == 'e' || text[i] == 'E')) {
        s += 'e';
        ++i;
        if (i < e && (text[i] == '+' || text[i] == '-'))
            s += text[i++];
        size_t expDigits = 0;
        while (i < e && std::isdigit(static_cast<unsigned char>(text[i]))) {
            s += text[i++];
            ++expDigits;
        }
        if (expDigits == 0)
            return false;
    }
    if (i != e)
        return false;
    // Qt sets the process locale from the environment; parse in the "C" locale regardless.
    static const locale_t cLocale = newlocale(LC_NUMERIC_MASK, "C", static_cast<locale_t>(0));
    errno = 0;
    long double v = strtold_l(s.c_str(), nullptr, cLocale);
    if (errno == ERANGE && std::isinf(v))
        return false;
    if (std::fpclassify(v) == FP_SUBNORMAL)
        v = 0.0L;
    value = v;
    return true;
}

} // namespace platform
