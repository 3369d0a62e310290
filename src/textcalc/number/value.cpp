#include "textcalc/number/value.h"

#include "platform/checked.h"

#include <cmath>
#include <limits>

namespace textcalc {

using platform::FloatError;

// Arrays and evaluation levels copy values at every step.
static_assert(sizeof(Number) <= 40);

// The one place that lays out values.
struct NumberBuilder {
    static Number exact(Fraction re, Fraction im, uint8_t negativeZeros = 0)
    {
        Number n;
        n.m_parts[0] = re.num;
        n.m_parts[1] = re.den;
        n.m_parts[2] = im.num;
        n.m_parts[3] = im.den;
        // A sign bit means something only beside a zero numerator.
        const uint8_t zeroParts = (re.num == 0 ? Number::NegativeZeroRe : 0) | (im.num == 0 ? Number::NegativeZeroIm : 0);
        n.m_negativeZeros = negativeZeros & zeroParts;
        if (n.m_negativeZeros != 0 || im.num != 0 || im.den != 1)
            n.m_kind = Number::Kind::Gaussian;
        else
            n.m_kind = re.den == 1 ? Number::Kind::Integer : Number::Kind::Real;
        return n;
    }

    static bool integers(const Number& x, const Number& y)
    {
        return x.m_kind == Number::Kind::Integer && y.m_kind == Number::Kind::Integer;
    }

    // The sign bits of an exact value built from parts with these floating values.
    static uint8_t zeroSigns(long double re, long double im)
    {
        return (std::signbit(re) ? Number::NegativeZeroRe : 0) | (std::signbit(im) ? Number::NegativeZeroIm : 0);
    }
    // 0 - x turns a zero part's +0 into -0 and back.
    static uint8_t flippedZeroSigns(const Number& x)
    {
        return x.m_negativeZeros ^ (Number::NegativeZeroRe | Number::NegativeZeroIm);
    }
};

namespace {

// The exact steps report failure by returning false; the public fraction routines turn that
// into IntegerOverflow, the number routines into the floating fallback.

bool gcd(int64_t a, int64_t b, int64_t& out)
{
    if (a == std::numeric_limits<int64_t>::min() || b == std::numeric_limits<int64_t>::min())
        return false;
    uint64_t x = static_cast<uint64_t>(a < 0 ? -a : a);
    uint64_t y = static_cast<uint64_t>(b < 0 ? -b : b);
    if (x < y)
        std::swap(x, y);
    while (y != 0) {
        uint64_t r = x % y;
        x = y;
        y = r;
    }
    out = static_cast<int64_t>(x);
    return true;
}

bool quotient(int64_t a, int64_t b, int64_t& out)
{
    if (b == 0 || (b == -1 && a == std::numeric_limits<int64_t>::min()))
        return false;
    out = a / b;
    return true;
}

bool negate(int64_t a, int64_t& out) { return !__builtin_sub_overflow(int64_t{0}, a, &out); }

bool addFractions(Fraction p, Fraction q, Fraction& out)
{
    // Integers (the common case) need no common denominator and no reduction.
    if (p.den == 1 && q.den == 1) {
        out.den = 1;
        return !__builtin_add_overflow(p.num, q.num, &out.num);
    }
    int64_t g, bg, common, fb, fd, n1, n2, numer, h;
    if (!gcd(q.den, p.den, g) || !quotient(p.den, g, bg) || __builtin_mul_overflow(bg, q.den, &common))
        return false;
    if (!quotient(common, p.den, fb) || !quotient(common, q.den, fd))
        return false;
    if (__builtin_mul_overflow(fb, p.num, &n1) || __builtin_mul_overflow(fd, q.num, &n2)
        || __builtin_add_overflow(n1, n2, &numer))
        return false;
    if (!gcd(common, numer, h) || !quotient(numer, h, out.num) || !quotient(common, h, out.den))
        return false;
    return true;
}

bool multiplyFractions(Fraction p, Fraction q, Fraction& out)
{
    if (p.den == 1 && q.den == 1) { // integers: nothing to cancel
        out.den = 1;
        return !__builtin_mul_overflow(p.num, q.num, &out.num);
    }
    int64_t g1, g2, a, c, b, d;
    if (!gcd(q.den, p.num, g1) || !gcd(p.den, q.num, g2))
        return false;
    if (!quotient(p.num, g1, a) || !quotient(q.num, g2, c) || !quotient(p.den, g2, b)
        || !quotient(q.den, g1, d))
        return false;
    return !__builtin_mul_overflow(a, c, &out.num) && !__builtin_mul_overflow(b, d, &out.den);
}

bool subtractFractions(Fraction p, Fraction q, Fraction& out)
{
    return negate(q.num, q.num) && addFractions(p, q, out);
}

// The exact Gaussian product of xr + i·xi and yr + i·yi into (re, im).
bool multiplyExact(Fraction xr, Fraction xi, Fraction yr, Fraction yi, Fraction& re, Fraction& im)
{
    if (xi.num != 0 || yi.num != 0) {
        Fraction a, b, c, d;
        return multiplyFractions(xr, yr, a) && multiplyFractions(xi, yi, b) && subtractFractions(a, b, re)
            && multiplyFractions(xr, yi, c) && multiplyFractions(xi, yr, d) && addFractions(c, d, im);
    }
    im = {0, 1};
    return multiplyFractions(xr, yr, re);
}

bool divideExact(const Number& x, const Number& y, Fraction& re, Fraction& im)
{
    if (x.imNum() == 0 && y.imNum() == 0) {
        im = {0, 1};
        return multiplyFractions(x.reFraction(), {y.reDen(), y.reNum()}, re);
    }
    Fraction conj = y.imFraction();
    if (!negate(y.imNum(), conj.num))
        return false;
    Fraction pr, pi, sr, si, mod;
    if (!multiplyExact(x.reFraction(), x.imFraction(), y.reFraction(), conj, pr, pi))
        return false;
    if (__builtin_mul_overflow(y.reNum(), y.reNum(), &sr.num) || __builtin_mul_overflow(y.reDen(), y.reDen(), &sr.den)
        || __builtin_mul_overflow(y.imNum(), y.imNum(), &si.num) || __builtin_mul_overflow(y.imDen(), y.imDen(), &si.den))
        return false;
    if (!addFractions(sr, si, mod))
        return false;
    const Fraction inverse{mod.den, mod.num};
    return multiplyFractions(pr, inverse, re) && multiplyFractions(pi, inverse, im);
}

// The floating quotient (xr + i·xi)/(yr + i·yi). Out of line: the exact quotients of a loop
// (1/i) need none of its registers.
[[gnu::noinline]] Number floatingQuotient(long double xr, long double xi, long double yr, long double yi)
{
    using namespace platform;
    // x/0 is 0/0 in the formula below, whatever x is: an invalid operation, not a pole.
    if (yr == 0.0L && yi == 0.0L)
        throw FloatError(FloatError::Kind::InvalidOperation);
    // A real divisor divides each part once: correctly rounded, and a real quotient stays real.
    if (yi == 0.0L)
        return floating(divide(xr, yr), divide(xi, yr));
    // |y|² over- or underflows for half the exponent range (1/1e2500): both operands are scaled
    // by powers of two first, which is exact, and the quotient scaled back once.
    const int ex = std::ilogb(std::fmax(std::fabs(xr), std::fabs(xi)));
    const int ey = std::ilogb(std::fmax(std::fabs(yr), std::fabs(yi)));
    const int sx = xr == 0.0L && xi == 0.0L ? 0 : ex;
    const long double ar = std::scalbn(xr, -sx), ai = std::scalbn(xi, -sx);
    const long double br = std::scalbn(yr, -ey), bi = std::scalbn(yi, -ey);
    const long double d = br * br + bi * bi;
    const long double re = (ar * br + ai * bi) / d, im = (ai * br - ar * bi) / d;
    return floating(checked(std::scalbn(re, sx - ey)), checked(std::scalbn(im, sx - ey)));
}

// An exact result's floating parts are its fractions' values. Computed alongside, they would
// drift by rounding (1/3-1/7-4/21 would be 1.4e-20, not 0) and conditions and later floating
// steps would see the drift. Exact results need no floating formula at all: exact operands are
// below 2^63, so nothing can fail except a division by zero, which still goes through it.
Number exactResult(const Fraction& re, const Fraction& im) { return NumberBuilder::exact(re, im); }

// Whether `image` is the floating value of num/den; a zero part may be -0.
bool isValueOf(long double image, int64_t num, int64_t den)
{
    return num == 0 ? image == 0.0L : image == fractionValue(num, den);
}

} // namespace

Number initcislo(bool exact, long double re, long double im, int64_t reNum, int64_t reDen, int64_t imNum,
                 int64_t imDen)
{
    if (!exact || !isValueOf(re, reNum, reDen) || !isValueOf(im, imNum, imDen))
        return floating(re, im);
    return NumberBuilder::exact({reNum, reDen}, {imNum, imDen}, NumberBuilder::zeroSigns(re, im));
}

Number imaginaryUnit() { return NumberBuilder::exact({0, 1}, {1, 1}); }

Number negated(const Number& x)
{
    Fraction re = x.reFraction(), im = x.imFraction();
    // The most negative numerator has no positive counterpart: keep the floating value only.
    if (!x.exact() || !negate(re.num, re.num) || !negate(im.num, im.num))
        return floating(-x.re(), -x.im());
    return NumberBuilder::exact(re, im, NumberBuilder::flippedZeroSigns(x));
}

int64_t nsd(int64_t a, int64_t b)
{
    int64_t g;
    if (!gcd(a, b, g))
        throw IntegerOverflow();
    return g;
}

bool prime(int64_t n, const std::function<void()>& poll)
{
    if (n <= 1)
        return false;
    for (int64_t d : {2, 3, 5, 7})
        if (n % d == 0)
            return n == d;
    // Trial division over the numbers prime to 2, 3, 5 and 7 (a wheel of period 210).
    static const int gaps[48] = {2, 4, 2, 4, 6, 2, 6, 4, 2, 4, 6, 6, 2, 6, 4, 2, 6, 4, 6, 8, 4, 2, 4, 2,
                                 4, 8, 6, 4, 6, 2, 4, 6, 2, 6, 6, 4, 2, 4, 6, 2, 6, 4, 2, 4, 2, 10, 2, 10};
    int64_t d = 11;
    for (uint32_t k = 0, tried = 0;; k = (k + 1) % 48) {
        if (poll && ++tried % 4096 == 0)
            poll();
        if (d > n / d)
            return true;
        if (n % d == 0)
            return false;
        d += gaps[k];
    }
}

Fraction soucetzlomku(Fraction p, Fraction q)
{
    Fraction r;
    if (!addFractions(p, q, r))
        throw IntegerOverflow();
    return r;
}

Fraction soucinzlomku(Fraction p, Fraction q)
{
    Fraction r;
    if (!multiplyFractions(p, q, r))
        throw IntegerOverflow();
    return r;
}

Number soucetcisel(const Number& x, const Number& y)
{
    if (x.exact() && y.exact()) {
        // Two exact real integers (loop counters, sums of them): what the fraction sums
        // below give for n/1 + m/1, without their steps.
        int64_t sum;
        if (NumberBuilder::integers(x, y) && !__builtin_add_overflow(x.reNum(), y.reNum(), &sum))
            return exactInteger(sum);
        Fraction re, im;
        if (addFractions(x.reFraction(), y.reFraction(), re) && addFractions(x.imFraction(), y.imFraction(), im))
            return exactResult(re, im);
    }
    return floating(platform::add(x.re(), y.re()), platform::add(x.im(), y.im()));
}

Number soucincisel(const Number& x, const Number& y)
{
    if (x.exact() && y.exact()) {
        int64_t product;
        if (NumberBuilder::integers(x, y) && !__builtin_mul_overflow(x.reNum(), y.reNum(), &product))
            return exactInteger(product);
        Fraction re, im;
        if (multiplyExact(x.reFraction(), x.imFraction(), y.reFraction(), y.imFraction(), re, im))
            return exactResult(re, im);
    }
    using namespace platform;
    const long double xr = x.re(), xi = x.im(), yr = y.re(), yi = y.im();
    return floating(sub(mul(xr, yr), mul(xi, yi)), add(mul(xi, yr), mul(xr, yi)));
}

Number podilcisel(const Number& x, const Number& y)
{
    if (x.exact() && y.exact()) {
        Fraction re, im;
        // A zero divisor must still fail in the floating formula below.
        if (divideExact(x, y, re, im) && (y.reNum() != 0 || y.imNum() != 0) && re.den != 0 && im.den != 0)
            return exactResult(re, im);
    }
    return floatingQuotient(x.re(), x.im(), y.re(), y.im());
}

Number mocn(const Number& x, const Number& y)
{
    const long double yr = y.re(), yi = y.im();
    if (yr == 0.0L && yi == 0.0L)
        return exactInteger(1);
    if (x.re() == 0.0L && x.im() == 0.0L) {
        // 0^y is 0 only for Re y > 0: a negative power divides by zero, Re y = 0 has no value.
        if (yr <= 0.0L)
            throw FloatError(yr < 0.0L ? FloatError::Kind::DivisionByZero : FloatError::Kind::InvalidOperation);
        return exactInteger(0);
    }
    if (x.exact() && y.exact() && y.imNum() == 0 && y.reDen() == 1 && y.reNum() >= -30 && y.reNum() <= 30) {
        const int64_t n = y.reNum();
        Number r = x;
        for (int64_t k = 1; k < (n < 0 ? -n : n); ++k)
            r = soucincisel(r, x);
        return n < 0 ? podilcisel(exactInteger(1), r) : r;
    }
    if (yi == 0.0L)
        return pow(x, yr);
    // Complex exponent: e^(y·(ln|x| + i·arg x)).
    const Number w = soucincisel(floating(platform::checked(std::log(absval(x))), argum(x)), y);
    const long double m = platform::checked(std::exp(w.re()));
    return floating(platform::mul(m, std::cos(w.im())), platform::mul(m, std::sin(w.im())));
}

namespace {

constexpr long double kPi = 3.14159265358979323846264338327950288L;

// r·(cos t·pi + i sin t·pi) for an angle t in half turns, reduced exactly first. Whole quarter
// turns give exact parts: (-3)^40 and sqrt(-4) have no rounding residue for an imaginary or
// real part.
Number polar(long double r, long double t)
{
    t = std::fmod(t, 2.0L); // exact
    if (t > 1.0L)
        t -= 2.0L;
    else if (t <= -1.0L)
        t += 2.0L;
    long double c, s;
    if (const long double q = 2 * t; q == std::trunc(q)) {
        static const long double cosines[] = {-1, 0, 1, 0, -1}, sines[] = {0, -1, 0, 1, 0};
        c = cosines[static_cast<int>(q) + 2];
        s = sines[static_cast<int>(q) + 2];
    } else {
        c = std::cos(t * kPi);
        s = std::sin(t * kPi);
    }
    return floating(platform::mul(r, c), platform::mul(r, s));
}

// x^r for a base that is not positive real. Out of line, for the positive bases of the loops.
[[gnu::noinline]] Number powOtherBase(const Number& x, long double r)
{
    using platform::checked;
    const long double re = x.re(), im = x.im();
    if (im == 0.0L) {
        // A real base to a whole power is real: powl, with no detour through the angle. (A base
        // whose modulus reads as 0 is left to the polar form.)
        if (std::isnormal(re) && r == std::trunc(r))
            return floating(checked(std::pow(re, r)), 0.0L);
        // The principal branch of a negative base: the angle is pi, r half turns.
        if (re < 0.0L)
            return polar(checked(std::pow(-re, r)), r);
    } else if (re == 0.0L) {
        return polar(checked(std::pow(std::fabs(im), r)), im > 0.0L ? r / 2 : -r / 2);
    }
    const long double m = checked(std::pow(absval(x), r));
    return gontoalg(m, platform::mul(r, argum(x)));
}

} // namespace

Number pow(const Number& x, long double r)
{
    // A positive real base (normal: |x| of a subnormal one reads as 0) has modulus Re x and
    // argument 0: the real power with a zero imaginary part, bit for bit the polar form's.
    const long double re = x.re();
    if (x.im() == 0.0L && re > 0.0L && std::isnormal(re))
        return floating(platform::checked(std::pow(re, r)), 0.0L);
    return powOtherBase(x, r);
}

Number gontoalg(long double r, long double phi)
{
    constexpr long double twoPi = 6.283185307179586477L;
    const long double turns = std::nearbyint(phi / 2 / kPi);
    if (!(std::fabs(turns) < 9.2e18L))
        throw FloatError(FloatError::Kind::InvalidOperation);
    phi -= static_cast<long double>(static_cast<int64_t>(turns)) * twoPi;
    // What the reduction leaves beside a whole quarter turn is rounding: (1+i)^2.0 is 2i.
    const long double quarters = std::nearbyint(phi / (kPi / 2));
    if (std::fabs(phi - quarters * (kPi / 2)) < 1e-15L)
        return polar(r, quarters / 2);
    return floating(platform::mul(r, std::cos(phi)), platform::mul(r, std::sin(phi)));
}

long double absval(const Number& x) { return platform::checked(std::hypot(x.re(), x.im())); }

long double argum(const Number& x)
{
    const long double re = x.re(), im = x.im();
    if (re == 0.0L && im == 0.0L)
        throw FloatError(FloatError::Kind::InvalidOperation);
    // The two-argument arc tangent keeps every bit, also beside the negative real axis, where
    // an arc cosine of re/|x| has none left for the angle's distance from pi. A zero imaginary
    // part of either sign gives +pi there: the range is (-pi, pi].
    return std::atan2(im == 0.0L ? 0.0L : im, re);
}

int sgn(long double r) { return r > 0.0L ? 1 : (r < 0.0L ? -1 : 0); }

int64_t roundToInt64(long double v)
{
    // Whole values (indices, counts, exact integers) need no rounding: nearbyint saves and
    // restores the floating-point environment, which costs more than the rest of a mod().
    if (v >= -9223372036854775808.0L && v < 9223372036854775808.0L) {
        const int64_t whole = static_cast<int64_t>(v);
        if (static_cast<long double>(whole) == v)
            return whole;
    }
    const long double r = std::nearbyint(v);
    if (!(r >= -9223372036854775808.0L && r < 9223372036854775808.0L))
        throw FloatError(FloatError::Kind::InvalidOperation);
    return static_cast<int64_t>(r);
}

int32_t roundToInt32(long double v)
{
    if (v >= -2147483648.0L && v <= 2147483647.0L) {
        const int32_t whole = static_cast<int32_t>(v);
        if (static_cast<long double>(whole) == v)
            return whole;
    }
    const long double r = std::nearbyint(v);
    if (!(r >= -2147483648.0L && r <= 2147483647.0L))
        throw FloatError(FloatError::Kind::InvalidOperation);
    return static_cast<int32_t>(r);
}

} // namespace textcalc
