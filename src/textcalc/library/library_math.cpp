#include "textcalc/library/library_math.h"

#include "textcalc/number/distributions.h"
#include "textcalc/library/library_support.h"
#include "textcalc/library/quad_math.h"

#include "platform/checked.h"

#include <cmath>
#include <limits>
#include <numbers>

namespace textcalc::library {

using platform::checked;
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
    const long double xr = x.re(), xi = x.im();
    if (xi == 0.0L)
        return real(quad::exp(xr));
    const quad::Parts p = quad::exp(xr, xi);
    return complex(p.re, p.im);
}

Number sqr(const Number& x, RandomSource&)
{
    return soucincisel(x, x);
}

Number sqrt(const Number& x, RandomSource&)
{
    if (absval(x) == 0.0L)
        return x;
    const long double xi = x.im();
    if (xi == 0.0L) // a negative real has the imaginary root exactly: sqrt(-4) is 2i
        return pow(x, 0.5L);
    const quad::Parts p = quad::sqrt(x.re(), xi);
    return complex(p.re, p.im);
}

Number arg(const Number& x, RandomSource&)
{
    return real(argum(x));
}

Number ln(const Number& x, RandomSource&)
{
    const long double xr = x.re(), xi = x.im();
    const long double modulus = xi == 0.0L ? std::log(std::fabs(xr)) : quad::lnModulus(xr, xi);
    return complex(checked(modulus), argum(x));
}

Number log10(const Number& x, RandomSource&)
{
    const long double xr = x.re(), xi = x.im();
    const long double modulus = xi == 0.0L ? quad::log10(std::fabs(xr)) : quad::log10Modulus(xr, xi);
    return complex(checked(modulus), argum(x) / std::numbers::ln10_v<long double>);
}

// A real argument (the common case) takes the one real function: sin and cos from the C
// library, whose loops are the hottest; a complex one the quad-precision parts.
Number sin(const Number& x, RandomSource&)
{
    const long double xr = x.re(), xi = x.im();
    if (xi == 0.0L)
        return real(std::sin(xr));
    const quad::Parts p = quad::sin(xr, xi);
    return complex(p.re, p.im);
}

Number cos(const Number& x, RandomSource&)
{
    const long double xr = x.re(), xi = x.im();
    if (xi == 0.0L)
        return real(std::cos(xr));
    const quad::Parts p = quad::cos(xr, xi);
    return complex(p.re, p.im);
}

Number tan(const Number& x, RandomSource&)
{
    const long double xr = x.re(), xi = x.im();
    if (xi == 0.0L) // sin 2a/(cos 2a + 1) would divide by a rounded 0 beside pi/2
        return real(quad::tan(xr));
    // tan z = -i·tanh(iz), iz = -b + ia.
    const quad::Parts p = quad::tanh(-xi, xr);
    return complex(p.im, -p.re);
}

Number sinh(const Number& x, RandomSource&)
{
    const long double xr = x.re(), xi = x.im();
    if (xi == 0.0L)
        return real(quad::sinh(xr));
    const quad::Parts p = quad::sinh(xr, xi);
    return complex(p.re, p.im);
}

Number cosh(const Number& x, RandomSource&)
{
    const long double xr = x.re(), xi = x.im();
    if (xi == 0.0L)
        return real(quad::cosh(xr));
    const quad::Parts p = quad::cosh(xr, xi);
    return complex(p.re, p.im);
}

Number tanh(const Number& x, RandomSource&)
{
    const long double xr = x.re(), xi = x.im();
    if (xi == 0.0L) // sinh 2a/(cosh 2a + 1) overflows from a = 5678 on, where tanh a is 1
        return real(quad::tanh(xr));
    const quad::Parts p = quad::tanh(xr, xi);
    return complex(p.re, p.im);
}

template <long double (*f)(long double)>
Number realFunction(const Number& x, RandomSource&)
{
    return real(f(x.re()));
}

long double arcsin(long double a) { return std::asin(a); }
long double arccos(long double a) { return std::acos(a); }
long double arctan(long double a) { return std::atan(a); }
long double arcsinh(long double a) { return quad::arcsinh(a); }
long double arccosh(long double a) { return std::acosh(a); }
long double arctanh(long double a) { return quad::arctanh(a); }
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

// m·(m − step)·(m − 2·step)·… down to the first factor not above 1. The product is carried
// as hi + lo, each step's rounding error (exact, by fma) going into lo: a plain product
// rounds at every factor and fact(1680) ended 41 units of the last place off.
template <int step>
Number factorial(const Number& x, RandomSource&)
{
    const int64_t m = roundToInt64(std::fabs(x.re()));
    long double hi = 1.0L, lo = 0.0L;
    for (int64_t j = 0; m - j > 1; j += step) {
        const long double f = static_cast<long double>(m - j);
        const long double p = checked(hi * f);
        lo = std::fma(hi, f, -p) + lo * f;
        hi = p + lo;
        lo -= hi - p;
    }
    return integerOrFloating(checked(hi));
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
