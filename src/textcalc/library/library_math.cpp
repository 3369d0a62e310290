#include "textcalc/library/library_math.h"

#include "textcalc/number/distributions.h"
#include "textcalc/library/library_support.h"

#include "platform/checked.h"

#include <cmath>
#include <limits>
#include <numbers>

namespace textcalc::library {

using platform::checked;
using platform::divide;
using platform::FloatError;

namespace {

constexpr long double pi = std::numbers::pi_v<long double>;

Number real(long double v)
{
    return floating(checked(v));
}

Number complex(long double re, long double im)
{
    return floating(checked(re), checked(im));
}

// Trunc into 64 bits; outside that range an invalid operation.
int64_t truncToInt64(long double v)
{
    const long double t = std::trunc(v);
    if (!(t >= -0x1p63L && t < 0x1p63L))
        throw FloatError(FloatError::Kind::InvalidOperation);
    return static_cast<int64_t>(t);
}

// The remainder with the sign of the numerator; 0 where the quotient would overflow.
int64_t remainderOf(int64_t num, int64_t den)
{
    if (den == 0)
        throw FloatError(FloatError::Kind::DivisionByZero);
    return den == -1 ? 0 : num % den;
}

Number conj(const Number& x, RandomSource&)
{
    Number r = x;
    r.ImNum = -x.ImNum;
    r.Im = -x.Im;
    return r;
}

Number re(const Number& x, RandomSource&)
{
    Number r = x;
    r.ImNum = 0;
    r.ImDen = 1;
    r.Im = 0.0L;
    return r;
}

Number im(const Number& x, RandomSource&)
{
    Number r = x;
    r.ReNum = x.ImNum;
    r.ReDen = x.ImDen;
    r.Re = x.Im;
    r.ImNum = 0;
    r.ImDen = 1;
    r.Im = 0.0L;
    return r;
}

template <long double (*round)(long double)>
Number roundParts(const Number& x, RandomSource&)
{
    constexpr long double limit = 2147483647.0L;
    if (!(std::fabs(x.Re) < limit && std::fabs(x.Im) < limit))
        return x;
    return exactGaussian(static_cast<int64_t>(round(x.Re)), static_cast<int64_t>(round(x.Im)));
}

long double floorOf(long double v) { return std::floor(v); }
long double ceilOf(long double v) { return std::ceil(v); }

Number trunc(const Number& x, RandomSource&)
{
    return exactGaussian(truncToInt64(x.Re), truncToInt64(x.Im));
}

Number frac(const Number& x, RandomSource&)
{
    Number r = x;
    if (x.Exact) {
        r.ReNum = remainderOf(x.ReNum, x.ReDen);
        r.ImNum = remainderOf(x.ImNum, x.ImDen);
    }
    r.Re = fracPart(x.Re);
    r.Im = fracPart(x.Im);
    return r;
}

Number sgnOf(const Number& x, RandomSource&)
{
    return exactGaussian(sgn(x.Re), sgn(x.Im));
}

// |x| keeps an exact real or imaginary value exact. The denominator's sign goes too, since a
// division by a negative number may have left the sign there.
Number abs(const Number& x, RandomSource&)
{
    constexpr int64_t lowest = std::numeric_limits<int64_t>::min();
    if (x.Im == 0.0L || x.Re == 0.0L) {
        const bool fromReal = x.Im == 0.0L;
        const int64_t num = fromReal ? x.ReNum : x.ImNum;
        const int64_t den = fromReal ? x.ReDen : x.ImDen;
        Number r = floating(std::fabs(fromReal ? x.Re : x.Im));
        if (x.Exact && num != lowest && den != lowest)
            r = initcislo(true, r.Re, 0.0L, num < 0 ? -num : num, den < 0 ? -den : den, 0, 1);
        return r;
    }
    return real(absval(x));
}

Number exp(const Number& x, RandomSource&)
{
    const long double m = checked(std::exp(x.Re));
    return complex(m * std::cos(x.Im), m * std::sin(x.Im));
}

Number sqr(const Number& x, RandomSource&)
{
    return soucincisel(x, x);
}

Number sqrt(const Number& x, RandomSource&)
{
    if (absval(x) == 0.0L)
        return x;
    return pow(x, 0.5L);
}

Number arg(const Number& x, RandomSource&)
{
    return real(argum(x));
}

Number ln(const Number& x, RandomSource&)
{
    const long double modulus = checked(std::log(absval(x)));
    return complex(modulus, argum(x));
}

Number log10(const Number& x, RandomSource&)
{
    const long double modulus = checked(std::log10(absval(x)));
    return complex(modulus, argum(x) / std::numbers::ln10_v<long double>);
}

Number sin(const Number& x, RandomSource&)
{
    return complex(std::sin(x.Re) * std::cosh(x.Im), std::cos(x.Re) * std::sinh(x.Im));
}

Number cos(const Number& x, RandomSource&)
{
    return complex(std::cos(x.Re) * std::cosh(x.Im), -std::sin(x.Re) * std::sinh(x.Im));
}

Number tan(const Number& x, RandomSource&)
{
    const long double d = checked(std::cos(2 * x.Re) + std::cosh(2 * x.Im));
    return complex(divide(std::sin(2 * x.Re), d), divide(std::sinh(2 * x.Im), d));
}

Number sinh(const Number& x, RandomSource&)
{
    return complex(std::sinh(x.Re) * std::cos(x.Im), std::cosh(x.Re) * std::sin(x.Im));
}

Number cosh(const Number& x, RandomSource&)
{
    return complex(std::cosh(x.Re) * std::cos(x.Im), std::sinh(x.Re) * std::sin(x.Im));
}

Number tanh(const Number& x, RandomSource&)
{
    const long double d = checked(std::cosh(2 * x.Re) + std::cos(2 * x.Im));
    return complex(divide(std::sinh(2 * x.Re), d), divide(std::sin(2 * x.Im), d));
}

template <long double (*f)(long double)>
Number realFunction(const Number& x, RandomSource&)
{
    return real(f(x.Re));
}

long double arcsin(long double a) { return std::asin(a); }
long double arccos(long double a) { return std::acos(a); }
long double arctan(long double a) { return std::atan(a); }
long double arcsinh(long double a) { return std::asinh(a); }
long double arccosh(long double a) { return std::acosh(a); }
long double arctanh(long double a) { return std::atanh(a); }
long double degtorad(long double a) { return a / 180 * pi; }
long double radtodeg(long double a) { return a / pi * 180; }

Number expon(const Number& x, RandomSource& random)
{
    return real(distributions::expon(random, x.Re));
}

Number randomn(const Number& x, RandomSource& random)
{
    return exactInteger(distributions::randomn(random, absRound(x.Re)));
}

Number alter(const Number& x, RandomSource& random)
{
    return exactInteger(distributions::alter(random, fracPart(x.Re)));
}

Number chi2(const Number& x, RandomSource& random)
{
    return real(distributions::chi2(random, absRound(x.Re)));
}

Number student(const Number& x, RandomSource& random)
{
    return real(distributions::student(random, absRound(x.Re)));
}

Number geom(const Number& x, RandomSource& random)
{
    return exactInteger(distributions::geom(random, std::fabs(fracPart(x.Re))));
}

Number poisson(const Number& x, RandomSource& random)
{
    return exactInteger(distributions::poisson(random, x.Re));
}

// m·(m − step)·(m − 2·step)·… down to the first factor not above 1.
template <int step>
Number factorial(const Number& x, RandomSource&)
{
    const int64_t m = roundToInt64(std::fabs(x.Re));
    long double r = 1.0L;
    for (int64_t j = 0; m - j > 1; j += step)
        r = checked(r * static_cast<long double>(m - j));
    return integerOrFloating(r);
}

Number red(const Number& x, RandomSource&)
{
    return exactInteger(roundToInt64(x.Re) / 65536);
}

Number green(const Number& x, RandomSource&)
{
    return exactInteger(roundToInt64(x.Re) % 65536 / 256);
}

Number blue(const Number& x, RandomSource&)
{
    return exactInteger(roundToInt64(x.Re) % 256);
}

// In the dispatch order of the library; the names are distinct, so the order only documents.
const OneArgumentEntry functions[] = {
    {"conj", conj},
    {"re", re},
    {"im", im},
    {"floor", roundParts<floorOf>},
    {"ceil", roundParts<ceilOf>},
    {"ffact", factorial<2>},
    {"trunc", trunc},
    {"frac", frac},
    {"sgn", sgnOf},
    {"abs", abs},
    {"exp", exp},
    {"sqr", sqr},
    {"sqrt", sqrt},
    {"arg", arg},
    {"ln", ln},
    {"log10", log10},
    {"sin", sin},
    {"cos", cos},
    {"tan", tan},
    {"sinh", sinh},
    {"cosh", cosh},
    {"tanh", tanh},
    {"arcsin", realFunction<arcsin>},
    {"arccos", realFunction<arccos>},
    {"arctan", realFunction<arctan>},
    {"arcsinh", realFunction<arcsinh>},
    {"arccosh", realFunction<arccosh>},
    {"arctanh", realFunction<arctanh>},
    {"radtodeg", realFunction<radtodeg>},
    {"degtorad", realFunction<degtorad>},
    {"expon", expon},
    {"randomn", randomn},
    {"alter", alter},
    {"chi2", chi2},
    {"student", student},
    {"geom", geom},
    {"poisson", poisson},
    {"fact", factorial<1>},
    {"red", red},
    {"green", green},
    {"blue", blue},
};

} // namespace

std::span<const OneArgumentEntry> oneArgumentFunctions()
{
    return functions;
}

} // namespace textcalc::library
