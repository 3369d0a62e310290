#include "keypad/keypad_math.h"

#include "platform/checked.h"

#include <cmath>
#include <cstdlib>

namespace keypad {

using platform::checked;
using platform::divide;
using platform::FloatError;
using platform::mul;
using platform::sub;

long double pi()
{
    static const long double value = std::ldexp(static_cast<long double>(0xC90FDAA22168C235ULL), -62);
    return value;
}

long double power(long double base, long double exponent)
{
    if (exponent == 0.0L)
        return 1.0L;
    if (base == 0.0L && exponent > 0.0L)
        return 0.0L;
    if (exponent == std::trunc(exponent) && std::fabs(exponent) <= 2147483647.0L) {
        auto n = static_cast<unsigned long long>(std::fabs(exponent));
        long double result = 1.0L;
        long double square = base;
        while (n != 0) {
            if (n & 1U)
                result = mul(result, square);
            n >>= 1U;
            if (n != 0)
                square = mul(square, square);
        }
        return exponent < 0.0L ? divide(1.0L, result) : result;
    }
    return checked(std::exp(mul(exponent, checked(std::log(base)))));
}

long double faktorial(bool doubleFactorial, long double x)
{
    const long double step = doubleFactorial ? 2.0L : 1.0L;
    long double result = 1.0L;
    // Ends: x - i falls by at least 1 a step, or (for x beyond 2^64) the product overflows.
    for (long double i = 0.0L; x - i > 1.0L; i += step)
        result = mul(result, x - i);
    return result;
}

long double KombVar(bool variations, long double k, long double n)
{
    if (!variations && n < 2.0L * k)
        k = sub(n, k); // C(10, 8) = C(10, 2)
    long double result = 1.0L;
    for (long double i = 0.0L; i < k; i += 1.0L) {
        result = mul(result, sub(n, i));
        if (!variations)
            result = divide(result, i + 1.0L);
        // V(5, 10^9) is 0 from the factor 0 on; the remaining factors cannot change that.
        if (result == 0.0L)
            break;
    }
    return result;
}

long double floorMod(long double p, long double x)
{
    // Through the rounded quotient, not the exact remainder: 1 MOD 0.1 is 0 here, while the
    // exact remainder of the binary 0.1 would show as 0.1.
    return sub(p, mul(floorDiv(p, x), x));
}

long double floorDiv(long double p, long double x) { return std::floor(divide(p, x)); }

long double zi(long double r)
{
    if (std::fabs(r) > 1e15L)
        throw FloatError(FloatError::Kind::InvalidOperation);
    return std::fabs(r) < 1e-15L ? 0.0L : r;
}

long double hypSinh(long double x)
{
    const long double h = checked(std::exp(x)) / 2.0L;
    return sub(h, divide(0.25L, h));
}

long double hypCosh(long double x)
{
    const long double h = checked(std::exp(x)) / 2.0L;
    return platform::add(h, divide(0.25L, h));
}

long double hypTanh(long double x)
{
    // Beyond this e^(2x) leaves the extended range while the result is 1 to every digit.
    constexpr long double limit = 5678.22249441322L;
    if (x > limit)
        return 1.0L;
    if (x < -limit)
        return -1.0L;
    const long double e2 = checked(std::exp(2.0L * x));
    return divide(e2 - 1.0L, e2 + 1.0L);
}

long double hypArcsinh(long double x)
{
    if (x == 0.0L)
        return 0.0L;
    const long double sign = x < 0.0L ? -1.0L : 1.0L;
    const long double a = std::fabs(x);
    if (a > 1e10L)
        return sign * (std::log(2.0L) + std::log(a));
    return sign * checked(std::log(1.0L + a + x * x / (std::sqrt(x * x + 1.0L) + 1.0L)));
}

long double hypArccosh(long double x)
{
    if (x <= 1.0L)
        return 0.0L;
    if (x > 1e10L)
        return std::log(2.0L) + std::log(x);
    return checked(std::log(x + std::sqrt((x - 1.0L) * (x + 1.0L))));
}

long double hypArctanh(long double x)
{
    if (x == 0.0L)
        return 0.0L;
    const long double sign = x < 0.0L ? -1.0L : 1.0L;
    const long double a = std::fabs(x);
    if (a >= 1.0L)
        return sign * 1.1e4932L; // infinite: too large to be shown, so it ends in an error
    return sign * 0.5L * checked(std::log(1.0L + 2.0L * a / (1.0L - a)));
}

namespace {

// Divides p out of n as often as it goes and appends "p" or "p^k" to the text; the last prime
// (p == n) is left for the caller to append.
void divideOut(std::int64_t p, std::int64_t& n, std::string& text, std::int64_t& limit)
{
    if (p == n)
        return;
    int k = 0;
    while (n % p == 0) {
        n /= p;
        ++k;
    }
    if (!text.empty())
        text += " * ";
    text += std::to_string(p);
    if (k >= 2)
        text += "^" + std::to_string(k);
    limit = std::llround(std::sqrt(static_cast<long double>(n)));
}

std::string integerText(long double v)
{
    if (std::fabs(v) >= 9.2e18L)
        throw FloatError(FloatError::Kind::InvalidOperation);
    return std::to_string(static_cast<long long>(v));
}

// |seconds| in thousandths as the message writes it: first rounded to ten significant digits,
// then to three decimals, halves away from zero.
long long secondsThousandths(long double seconds)
{
    const long double a = std::fabs(seconds);
    if (a == 0.0L)
        return 0;
    const int decimals = 9 - static_cast<int>(std::floor(std::log10(a))); // ten digits; a < 60
    if (decimals <= 3)
        return std::llround(a * 1000.0L);
    if (decimals >= 14)
        return 0; // all ten digits lie below half a thousandth
    long long unit = 1; // one thousandth in units of the last significant digit
    for (int i = 3; i < decimals; ++i)
        unit *= 10;
    const long long digits = std::llround(a * static_cast<long double>(unit) * 1000.0L);
    return (digits + unit / 2) / unit;
}

} // namespace

std::string factorText(std::int64_t n)
{
    std::string text;
    std::int64_t limit = 0;
    for (std::int64_t p : {2, 3, 5, 7})
        if (n % p == 0)
            divideOut(p, n, text, limit);
    limit = std::llround(std::sqrt(static_cast<long double>(n)));
    // Candidates 11, 13, 17, 19, 23, 29, 31, 37 and their successors by 30: every number prime
    // to 2, 3 and 5 above 7. The limit is compared once per group of eight.
    static const int kOffsets[] = {4, 6, 10, 12, 16, 22, 24, 30};
    for (std::int64_t p = 7; p <= limit; p += 30)
        for (int offset : kOffsets)
            if (n % (p + offset) == 0)
                divideOut(p + offset, n, text, limit);
    if (text.empty())
        return "prvočíslo";
    if (n >= 2)
        text += " * " + std::to_string(n);
    return text;
}

std::string dmsText(long double degrees, char decimalSeparator)
{
    // The parts are taken from the magnitude and all carry the value's sign, so they add up to
    // it again (-12.51 is -12° -30´ -36´´; flooring its minutes would give -12.527).
    const bool negative = degrees < 0.0L;
    const long double a = std::fabs(degrees);
    long double whole = std::trunc(a);
    const long double minutes = (a - whole) * 60.0L;
    long double wholeMinutes = std::trunc(minutes);
    long long thousandths = secondsThousandths((minutes - wholeMinutes) * 60.0L);
    // Seconds rounded up to a whole minute carry (0.9999999 is 1° 0´ 0,000´´, not 0° 59´ 60´´).
    if (thousandths >= 60000) {
        thousandths -= 60000;
        if (++wholeMinutes >= 60.0L) {
            wholeMinutes -= 60.0L;
            ++whole;
        }
    }
    const auto signedPart = [negative](const std::string& text, bool zero) {
        return negative && !zero ? "-" + text : text;
    };
    const std::string decimals = std::to_string(thousandths % 1000);
    const std::string secondsText = std::to_string(thousandths / 1000) + decimalSeparator +
                                    std::string(3 - decimals.size(), '0') + decimals;
    return signedPart(integerText(whole), whole == 0.0L) + "° " +
           signedPart(integerText(wholeMinutes), wholeMinutes == 0.0L) + "´ " +
           signedPart(secondsText, thousandths == 0) + "´´ ";
}

} // namespace keypad
