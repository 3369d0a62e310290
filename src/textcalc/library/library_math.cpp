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

// The most negative imaginary numerator has no positive counterpart: the floating value stays.
Number conj(const Number& x, RandomSource&)
{
    const bool exact = x.exact() && x.imNum() != std::numeric_limits<int64_t>::min();
    return initcislo(exact, x.re(), -x.im(), x.reNum(), x.reDen(), exact ? -x.imNum() : 0, x.imDen());
}

Number re(const Number& x, RandomSource&)
{
    return initcislo(x.exact(), x.re(), 0.0L, x.reNum(), x.reDen(), 0, 1);
}

Number im(const Number& x, RandomSource&)
{
    return initcislo(x.exact(), x.im(), 0.0L, x.imNum(), x.imDen(), 0, 1);
}

template <long double (*round)(long double)>
Number roundParts(const Number& x, RandomSource&)
{
    const long double xr = x.re(), xi = x.im();
    constexpr long double limit = 2147483647.0L;
    if (!(std::fabs(xr) < limit && std::fabs(xi) < limit))
        return x;
    return exactGaussian(static_cast<int64_t>(round(xr)), static_cast<int64_t>(round(xi)));
}

long double floorOf(long double v) { return std::floor(v); }
long double ceilOf(long double v) { return std::ceil(v); }

Number trunc(const Number& x, RandomSource&)
{
    return exactGaussian(truncToInt64(x.re()), truncToInt64(x.im()));
}

// An exact remainder's floating parts are its own values, not frac of x's rounded parts.
Number frac(const Number& x, RandomSource&)
{
    if (!x.exact())
        return floating(fracPart(x.re()), fracPart(x.im()));
    const int64_t re = remainderOf(x.reNum(), x.reDen()), im = remainderOf(x.imNum(), x.imDen());
    return initcislo(true, fractionValue(re, x.reDen()), fractionValue(im, x.imDen()), re, x.reDen(), im, x.imDen());
}

Number sgnOf(const Number& x, RandomSource&)
{
    return exactGaussian(sgn(x.re()), sgn(x.im()));
}

// |x| keeps an exact real or imaginary value exact. The denominator's sign goes too, since a
// division by a negative number may have left the sign there.
Number abs(const Number& x, RandomSource&)
{
    constexpr int64_t lowest = std::numeric_limits<int64_t>::min();
    if (x.im() == 0.0L || x.re() == 0.0L) {
        const bool fromReal = x.im() == 0.0L;
        const int64_t num = fromReal ? x.reNum() : x.imNum();
        const int64_t den = fromReal ? x.reDen() : x.imDen();
        const long double modulus = std::fabs(fromReal ? x.re() : x.im());
        if (x.exact() && num != lowest && den != lowest)
            return initcislo(true, modulus, 0.0L, num < 0 ? -num : num, den < 0 ? -den : den, 0, 1);
        return floating(modulus);
    }
    return real(absval(x));
}

Number exp(const Number& x, RandomSource&)
{
    const long double m = checked(std::exp(x.re())), xi = x.im();
    return complex(m * std::cos(xi), m * std::sin(xi));
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

// cosh and sinh, or cos and sin, of one part of an argument. A zero part (a real argument of
// sin, cos and tan, the common case) needs no call: the values are 1 and the zero itself, exactly.
struct Pair {
    long double c, s;
};
Pair hyperbolic(long double v)
{
    return v == 0 ? Pair{1.0L, v} : Pair{std::cosh(v), std::sinh(v)};
}
Pair circular(long double v)
{
    return v == 0 ? Pair{1.0L, v} : Pair{std::cos(v), std::sin(v)};
}

Number sin(const Number& x, RandomSource&)
{
    const long double xr = x.re();
    const Pair h = hyperbolic(x.im());
    return complex(std::sin(xr) * h.c, std::cos(xr) * h.s);
}

Number cos(const Number& x, RandomSource&)
{
    const long double xr = x.re();
    const Pair h = hyperbolic(x.im());
    return complex(std::cos(xr) * h.c, -std::sin(xr) * h.s);
}

Number tan(const Number& x, RandomSource&)
{
    const long double xr = x.re();
    const Pair h = hyperbolic(2 * x.im());
    const long double d = checked(std::cos(2 * xr) + h.c);
    return complex(divide(std::sin(2 * xr), d), divide(h.s, d));
}

Number sinh(const Number& x, RandomSource&)
{
    const long double xr = x.re();
    const Pair c = circular(x.im());
    return complex(std::sinh(xr) * c.c, std::cosh(xr) * c.s);
}

Number cosh(const Number& x, RandomSource&)
{
    const long double xr = x.re();
    const Pair c = circular(x.im());
    return complex(std::cosh(xr) * c.c, std::sinh(xr) * c.s);
}

Number tanh(const Number& x, RandomSource&)
{
    const long double xr = x.re();
    const Pair c = circular(2 * x.im());
    const long double d = checked(std::cosh(2 * xr) + c.c);
    return complex(divide(std::sinh(2 * xr), d), divide(c.s, d));
}

template <long double (*f)(long double)>
Number realFunction(const Number& x, RandomSource&)
{
    return real(f(x.re()));
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
    return real(distributions::expon(random, x.re()));
}

Number randomn(const Number& x, RandomSource& random)
{
    return exactInteger(distributions::randomn(random, absRound(x.re())));
}

Number alter(const Number& x, RandomSource& random)
{
    return exactInteger(distributions::alter(random, fracPart(x.re())));
}

Number chi2(const Number& x, RandomSource& random)
{
    return real(distributions::chi2(random, absRound(x.re())));
}

Number student(const Number& x, RandomSource& random)
{
    return real(distributions::student(random, absRound(x.re())));
}

Number geom(const Number& x, RandomSource& random)
{
    return exactInteger(distributions::geom(random, std::fabs(fracPart(x.re()))));
}

Number poisson(const Number& x, RandomSource& random)
{
    return exactInteger(distributions::poisson(random, x.re()));
}

// m·(m − step)·(m − 2·step)·… down to the first factor not above 1.
template <int step>
Number factorial(const Number& x, RandomSource&)
{
    const int64_t m = roundToInt64(std::fabs(x.re()));
    long double r = 1.0L;
    for (int64_t j = 0; m - j > 1; j += step)
        r = checked(r * static_cast<long double>(m - j));
    return integerOrFloating(r);
}

Number red(const Number& x, RandomSource&)
{
    return exactInteger(roundToInt64(x.re()) / 65536);
}

Number green(const Number& x, RandomSource&)
{
    return exactInteger(roundToInt64(x.re()) % 65536 / 256);
}

Number blue(const Number& x, RandomSource&)
{
    return exactInteger(roundToInt64(x.re()) % 256);
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
