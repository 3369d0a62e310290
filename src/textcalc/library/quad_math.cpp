#include "textcalc/library/quad_math.h"

#include <cmath>

// The few functions of libquadmath used here, declared rather than taken from quadmath.h,
// which lives in GCC's own include folder where other compilers do not look.
extern "C" {
__float128 expq(__float128);
__float128 log10q(__float128);
__float128 logq(__float128);
__float128 sqrtq(__float128);
__float128 ldexpq(__float128, int);
__float128 sinhq(__float128);
__float128 coshq(__float128);
__float128 tanhq(__float128);
__float128 asinhq(__float128);
__float128 atanhq(__float128);
__float128 sinq(__float128);
__float128 cosq(__float128);
__float128 tanq(__float128);
__float128 fabsq(__float128);
}

namespace textcalc::library::quad {

namespace {

using Quad = __float128;

// Strict C++ has no quad literals; computed at first use, not at every start.
Quad ln2()
{
    static const Quad value = logq(2);
    return value;
}
Quad ln10()
{
    static const Quad value = logq(10);
    return value;
}

// ln |a + ib|, a + ib not 0: the squares of a long double's 64 bits are exact to 113 bits
// in quad, and scaling by a power of two keeps them in range.
Quad lnOfModulus(long double a, long double b)
{
    const int k = std::ilogb(std::fmax(std::fabs(a), std::fabs(b)));
    const Quad x = ldexpq(a, -k), y = ldexpq(b, -k);
    return logq(x * x + y * y) / 2 + k * ln2();
}

long double rounded(Quad v) { return static_cast<long double>(v); }

Parts product(Quad f, Quad g, Quad f2, Quad g2, int sign)
{
    return {rounded(f * g), rounded(sign * f2 * g2)};
}

} // namespace

long double exp(long double x) { return rounded(expq(x)); }
long double log10(long double x) { return rounded(log10q(x)); }
long double tan(long double x) { return rounded(tanq(x)); }
long double sinh(long double x) { return rounded(sinhq(x)); }
long double cosh(long double x) { return rounded(coshq(x)); }
long double tanh(long double x) { return rounded(tanhq(x)); }
long double arcsinh(long double x) { return rounded(asinhq(x)); }
long double arctanh(long double x) { return rounded(atanhq(x)); }

long double lnModulus(long double a, long double b) { return rounded(lnOfModulus(a, b)); }
long double log10Modulus(long double a, long double b) { return rounded(lnOfModulus(a, b) / ln10()); }

Parts sqrt(long double a, long double b)
{
    const int k = std::ilogb(std::fmax(std::fabs(a), std::fabs(b))) & ~1; // even: halves exactly
    const Quad x = ldexpq(a, -k), y = ldexpq(b, -k);
    const Quad t = sqrtq((fabsq(x) + sqrtq(x * x + y * y)) / 2);
    const Quad re = x >= 0 ? t : fabsq(y) / (2 * t), im = x >= 0 ? y / (2 * t) : (y < 0 ? -t : t);
    return {rounded(ldexpq(re, k / 2)), rounded(ldexpq(im, k / 2))};
}

Parts exp(long double a, long double b)
{
    const Quad m = expq(a);
    return product(m, cosq(b), m, sinq(b), 1);
}

Parts sin(long double a, long double b) { return product(sinq(a), coshq(b), cosq(a), sinhq(b), 1); }
Parts cos(long double a, long double b) { return product(cosq(a), coshq(b), sinq(a), sinhq(b), -1); }
Parts sinh(long double a, long double b) { return product(sinhq(a), cosq(b), coshq(a), sinq(b), 1); }
Parts cosh(long double a, long double b) { return product(coshq(a), cosq(b), sinhq(a), sinq(b), 1); }

Parts tanh(long double a, long double b)
{
    if (fabsq(a) > 40) {
        const Quad e = expq(-2 * fabsq(a));
        return {a > 0 ? 1.0L : -1.0L, rounded(4 * sinq(b) * cosq(b) * e)};
    }
    const Quad t = tanq(b), s = sinhq(a);
    const Quad beta = 1 + t * t, d = 1 + beta * s * s;
    return {rounded(beta * s * coshq(a) / d), rounded(t / d)};
}

} // namespace textcalc::library::quad
