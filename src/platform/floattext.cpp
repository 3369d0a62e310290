#include "floattext.h"

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <locale.h>

namespace platform {

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

    // The value's 18 significant digits ("d.ddd…e±XX"), then rounded to `digits` with halves
    // away from zero, as the platform's conversion does (2.5 to one digit is 3, not 2).
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.17Le", value);
    const char* p = buf;
    bool negative = *p == '-';
    if (negative)
        ++p;
    std::string mant;
    for (; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9') // skips the point, whatever the C locale makes it
            mant.push_back(*p);
    int exp10 = std::atoi(p + 1);
    if (static_cast<size_t>(digits) < mant.size()) {
        const bool up = mant[static_cast<size_t>(digits)] >= '5';
        mant.resize(static_cast<size_t>(digits));
        for (size_t i = mant.size(); up && i-- > 0;) {
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
