#include "textcalc/number/value.h"

#include "platform/checked.h"

#include <cmath>
#include <limits>

namespace textcalc {

using platform::FloatError;

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

// The exact Gaussian product of x and y into (re, im).
bool multiplyExact(const Number& x, const Number& y, Fraction& re, Fraction& im)
{
    const Fraction xr{x.ReNum, x.ReDen}, xi{x.ImNum, x.ImDen};
    const Fraction yr{y.ReNum, y.ReDen}, yi{y.ImNum, y.ImDen};
    if (x.Im != 0.0L || y.Im != 0.0L) {
        Fraction a, b, c, d;
        return multiplyFractions(xr, yr, a) && multiplyFractions(xi, yi, b) && subtractFractions(a, b, re)
            && multiplyFractions(xr, yi, c) && multiplyFractions(xi, yr, d) && addFractions(c, d, im);
    }
    im = {0, 1};
    return multiplyFractions(xr, yr, re);
}

bool divideExact(const Number& x, const Number& y, Fraction& re, Fraction& im)
{
    if (x.Im == 0.0L && y.Im == 0.0L) {
        im = {0, 1};
        return multiplyFractions({x.ReNum, x.ReDen}, {y.ReDen, y.ReNum}, re);
    }
    Number conj = y;
    if (!negate(y.ImNum, conj.ImNum))
        return false;
    conj.Im = -y.Im;
    Fraction pr, pi, sr, si, mod;
    if (!multiplyExact(x, conj, pr, pi))
        return false;
    if (__builtin_mul_overflow(y.ReNum, y.ReNum, &sr.num) || __builtin_mul_overflow(y.ReDen, y.ReDen, &sr.den)
        || __builtin_mul_overflow(y.ImNum, y.ImNum, &si.num) || __builtin_mul_overflow(y.ImDen, y.ImDen, &si.den))
        return false;
    if (!addFractions(sr, si, mod))
        return false;
    const Fraction inverse{mod.den, mod.num};
    return multiplyFractions(pr, inverse, re) && multiplyFractions(pi, inverse, im);
}

long double fractionValue(int64_t num, int64_t den)
{
    if (den == 1 || num == 0)
        return static_cast<long double>(num);
    return static_cast<long double>(num) / static_cast<long double>(den);
}

// An exact result's floating parts are its fractions' values. Computed alongside, they would
// drift by rounding (1/3-1/7-4/21 would be 1.4e-20, not 0) and conditions and later floating
// steps would see the drift. Exact results need no floating formula at all: exact operands are
// below 2^63, so nothing can fail except a division by zero, which still goes through it.
void settle(Number& r)
{
    r.Re = fractionValue(r.ReNum, r.ReDen);
    r.Im = fractionValue(r.ImNum, r.ImDen);
}

// An exact result from its two fractions, with its floating parts taken from them.
Number exactResult(const Fraction& re, const Fraction& im)
{
    Number r;
    r.ReNum = re.num;
    r.ReDen = re.den;
    r.ImNum = im.num;
    r.ImDen = im.den;
    r.Exact = true;
    settle(r);
    return r;
}

} // namespace

Number initcislo(bool exact, long double re, long double im, int64_t reNum, int64_t reDen, int64_t imNum,
                 int64_t imDen)
{
    Number n;
    n.Exact = exact;
    n.Re = re;
    n.Im = im;
    n.ReNum = reNum;
    n.ReDen = reDen;
    n.ImNum = imNum;
    n.ImDen = imDen;
    return n;
}

Number exactInteger(int64_t n) { return initcislo(true, static_cast<long double>(n), 0.0L, n, 1, 0, 1); }

Number floating(long double re, long double im) { return initcislo(false, re, im, 0, 1, 0, 1); }

Number imaginaryUnit() { return initcislo(true, 0.0L, 1.0L, 0, 1, 1, 1); }

Number negated(const Number& x)
{
    Number r = x;
    r.Re = -x.Re;
    r.Im = -x.Im;
    // The most negative numerator has no positive counterpart: keep the floating value only.
    if (x.Exact && (!negate(x.ReNum, r.ReNum) || !negate(x.ImNum, r.ImNum)))
        r.Exact = false;
    return r;
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
    Number r;
    r.Exact = false;
    if (x.Exact && y.Exact) {
        // Two exact real integers (loop counters, sums of them): what the fraction sums
        // below give for n/1 + m/1 and 0/1 + 0/1, without their steps.
        int64_t sum;
        if (x.ReDen == 1 && y.ReDen == 1 && x.ImNum == 0 && y.ImNum == 0 && x.ImDen == 1 && y.ImDen == 1
            && !__builtin_add_overflow(x.ReNum, y.ReNum, &sum))
            return exactInteger(sum);
        Fraction re, im;
        if (addFractions({x.ReNum, x.ReDen}, {y.ReNum, y.ReDen}, re)
            && addFractions({x.ImNum, x.ImDen}, {y.ImNum, y.ImDen}, im)) {
            return exactResult(re, im);
        }
    }
    r.Re = platform::add(x.Re, y.Re);
    r.Im = platform::add(x.Im, y.Im);
    return r;
}

Number soucincisel(const Number& x, const Number& y)
{
    Number r;
    r.Exact = false;
    if (x.Exact && y.Exact) {
        Fraction re, im;
        if (multiplyExact(x, y, re, im)) {
            return exactResult(re, im);
        }
    }
    r.Re = platform::sub(platform::mul(x.Re, y.Re), platform::mul(x.Im, y.Im));
    r.Im = platform::add(platform::mul(x.Im, y.Re), platform::mul(x.Re, y.Im));
    return r;
}

Number podilcisel(const Number& x, const Number& y)
{
    Number r;
    r.Exact = false;
    if (x.Exact && y.Exact) {
        Fraction re, im;
        // A zero divisor must still fail in the floating formula below.
        if (divideExact(x, y, re, im) && (y.Re != 0.0L || y.Im != 0.0L) && re.den != 0 && im.den != 0)
            return exactResult(re, im);
    }
    using namespace platform;
    const long double d = add(mul(y.Re, y.Re), mul(y.Im, y.Im));
    r.Re = divide(add(mul(x.Re, y.Re), mul(x.Im, y.Im)), d);
    r.Im = divide(sub(mul(x.Im, y.Re), mul(x.Re, y.Im)), d);
    return r;
}

Number mocn(const Number& x, const Number& y)
{
    if (y.Re == 0.0L && y.Im == 0.0L)
        return exactInteger(1);
    if (x.Re == 0.0L && x.Im == 0.0L) {
        // 0^y is 0 only for Re y > 0: a negative power divides by zero, Re y = 0 has no value.
        if (y.Re <= 0.0L)
            throw FloatError(y.Re < 0.0L ? FloatError::Kind::DivisionByZero : FloatError::Kind::InvalidOperation);
        return exactInteger(0);
    }
    if (x.Exact && y.Exact && y.ImNum == 0 && y.ReDen == 1 && y.ReNum >= -30 && y.ReNum <= 30) {
        const int64_t n = y.ReNum;
        Number r = x;
        for (int64_t k = 1; k < (n < 0 ? -n : n); ++k)
            r = soucincisel(r, x);
        return n < 0 ? podilcisel(exactInteger(1), r) : r;
    }
    if (y.Im == 0.0L)
        return pow(x, y.Re);
    // Complex exponent: e^(y·(ln|x| + i·arg x)).
    const Number w = soucincisel(floating(platform::checked(std::log(absval(x))), argum(x)), y);
    const long double m = platform::checked(std::exp(w.Re));
    return floating(platform::mul(m, std::cos(w.Im)), platform::mul(m, std::sin(w.Im)));
}

Number pow(const Number& x, long double r)
{
    // A positive real base (normal: |x| of a subnormal one reads as 0) has modulus x.Re and
    // argument 0, so the polar form below reduces to the real power with a zero imaginary
    // part, bit for bit; the detour through hypot, acos, cos and sin costs half an integration step.
    if (x.Im == 0.0L && x.Re > 0.0L && std::isnormal(x.Re))
        return floating(platform::checked(std::pow(x.Re, r)), 0.0L);
    const long double m = platform::checked(std::pow(absval(x), r));
    return gontoalg(m, platform::mul(r, argum(x)));
}

Number gontoalg(long double r, long double phi)
{
    constexpr long double twoPi = 6.283185307179586477L;
    constexpr long double pi = 3.14159265358979323846264338327950288L;
    const long double turns = std::nearbyint(phi / 2 / pi);
    if (!(std::fabs(turns) < 9.2e18L))
        throw FloatError(FloatError::Kind::InvalidOperation);
    phi -= static_cast<long double>(static_cast<int64_t>(turns)) * twoPi;
    if (std::fabs(phi) < 1e-15L)
        phi = 0.0L;
    return floating(platform::mul(r, std::cos(phi)), platform::mul(r, std::sin(phi)));
}

long double absval(const Number& x) { return platform::checked(std::hypot(x.Re, x.Im)); }

long double argum(const Number& x)
{
    const long double a = static_cast<double>(platform::checked(std::acos(platform::divide(x.Re, absval(x)))));
    return x.Im >= 0.0L ? a : -a;
}

int sgn(long double r) { return r > 0.0L ? 1 : (r < 0.0L ? -1 : 0); }

int64_t roundToInt64(long double v)
{
    const long double r = std::nearbyint(v);
    if (!(r >= -9223372036854775808.0L && r < 9223372036854775808.0L))
        throw FloatError(FloatError::Kind::InvalidOperation);
    return static_cast<int64_t>(r);
}

int32_t roundToInt32(long double v)
{
    const long double r = std::nearbyint(v);
    if (!(r >= -2147483648.0L && r <= 2147483647.0L))
        throw FloatError(FloatError::Kind::InvalidOperation);
    return static_cast<int32_t>(r);
}

} // namespace textcalc
