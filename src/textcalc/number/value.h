#pragma once
// The text calculator's value: an extended complex number that may also carry an exact
// Gaussian rational. Exact steps fall back to the floating value silently when a 64-bit
// integer overflows; floating failures (division by zero, overflow, invalid operations)
// raise platform::FloatError and end the evaluation.
#include "textcalc/number/run_error.h"

#include <cstdint>
#include <cstring>
#include <functional>

namespace textcalc {

// A fraction num/den; reduced when it comes from the routines below. The sign may sit in the
// denominator (a division by a negative number leaves it there; only printing moves it).
struct Fraction {
    int64_t num;
    int64_t den;
};

// The floating value of an exact part.
inline long double fractionValue(int64_t num, int64_t den)
{
    if (den == 1 || num == 0)
        return static_cast<long double>(num);
    return static_cast<long double>(num) / static_cast<long double>(den);
}

// An exact value keeps only its fractions; its floating parts are their values, computed when
// read, so an exact loop converts nothing and copies 40 bytes. A floating value keeps the two
// parts, and its fraction accessors mean nothing. Negating an exact zero part gives it the
// floating value -0, which later floating steps can carry on: a sign bit per part keeps it.
class Number {
public:
    // Exact 0.
    Number() = default;

    bool exact() const { return m_kind != Kind::Floating; }
    long double re() const
    {
        switch (m_kind) {
        case Kind::Integer: return static_cast<long double>(m_parts[0]);
        case Kind::Real: return fractionValue(m_parts[0], m_parts[1]);
        case Kind::Gaussian: return exactPart(0, NegativeZeroRe);
        case Kind::Floating: break;
        }
        return floatingPart(0);
    }
    long double im() const
    {
        switch (m_kind) {
        case Kind::Integer:
        case Kind::Real: return 0.0L;
        case Kind::Gaussian: return exactPart(2, NegativeZeroIm);
        case Kind::Floating: break;
        }
        return floatingPart(1);
    }
    int64_t reNum() const { return m_parts[0]; }
    int64_t reDen() const { return m_parts[1]; }
    int64_t imNum() const { return m_parts[2]; }
    int64_t imDen() const { return m_parts[3]; }
    Fraction reFraction() const { return {m_parts[0], m_parts[1]}; }
    Fraction imFraction() const { return {m_parts[2], m_parts[3]}; }

private:
    friend struct NumberBuilder;
    friend Number exactInteger(int64_t n);
    friend Number floating(long double re, long double im);

    // Integer: den 1 and a zero imaginary part 0/1; Real: an imaginary part 0/1; both without
    // negative zeros, so that their parts need no test of the sign bits.
    enum class Kind : uint8_t { Integer, Real, Gaussian, Floating };
    enum : uint8_t { NegativeZeroRe = 1, NegativeZeroIm = 2 };

    long double exactPart(int at, uint8_t negativeZero) const
    {
        if (m_parts[at] == 0)
            return (m_negativeZeros & negativeZero) != 0 ? -0.0L : 0.0L;
        return fractionValue(m_parts[at], m_parts[at + 1]);
    }
    // Long doubles are stored by bytes: aligned, they would make the value 48 bytes and were
    // measured no faster.
    long double floatingPart(int k) const
    {
        long double v;
        std::memcpy(&v, &m_parts[2 * k], sizeof v);
        return v;
    }

    // Exact: ReNum, ReDen, ImNum, ImDen; floating: the two long doubles' bytes.
    int64_t m_parts[4] = {0, 1, 0, 1};
    Kind m_kind = Kind::Integer;
    uint8_t m_negativeZeros = 0;
};

// Raised by the fraction routines when a 64-bit step overflows or divides by zero. The
// number routines catch it and fall back to the floating value; raised by an integer
// function of the library, it fails the run.
class IntegerOverflow : public RunError {};

// An exact value when `exact` and re, im are the fractions' values (a zero part may be -0);
// otherwise, a stale fraction, the floating value re + i·im.
Number initcislo(bool exact, long double re, long double im, int64_t reNum, int64_t reDen,
                 int64_t imNum, int64_t imDen);
// Inline: loop counters and sums make them at every step.
inline Number exactInteger(int64_t n)
{
    Number r;
    r.m_parts[0] = n;
    return r;
}
inline Number floating(long double re, long double im = 0.0L)
{
    Number r;
    r.m_kind = Number::Kind::Floating;
    std::memcpy(&r.m_parts[0], &re, sizeof re);
    std::memcpy(&r.m_parts[2], &im, sizeof im);
    return r;
}
// The imaginary unit i, exact.
Number imaginaryUnit();
// 0 - x: numerators and floating parts change sign, denominators stay.
Number negated(const Number& x);

// Greatest common divisor, always >= 0; nsd(a, 0) = |a|, nsd(0, 0) = 0.
// Throws IntegerOverflow for the most negative 64-bit integer.
int64_t nsd(int64_t a, int64_t b);
// Whether n is a prime. Trial division of the largest 64-bit numbers takes seconds: `poll` is
// called every 4096 divisors (a stop may end the search by throwing).
bool prime(int64_t n, const std::function<void()>& poll = {});

// Reduced sum and product of two fractions; throw IntegerOverflow.
Fraction soucetzlomku(Fraction p, Fraction q);
Fraction soucinzlomku(Fraction p, Fraction q);

Number soucetcisel(const Number& x, const Number& y);
Number soucincisel(const Number& x, const Number& y);
Number podilcisel(const Number& x, const Number& y);
// x^y: exact repeated multiplication for exact integer exponents |n| <= 30, else polar form.
// x^0 is 1 for every x; 0^y with Re y <= 0 (y != 0) is a floating failure.
Number mocn(const Number& x, const Number& y);
// x^r for a real exponent: |x|^r·(cos r·arg x + i sin r·arg x) (always floating).
Number pow(const Number& x, long double r);
// r·(cos phi + i sin phi), with phi reduced by whole turns and snapped to 0 below 1e-15.
Number gontoalg(long double r, long double phi);
long double absval(const Number& x);
// Argument in (-pi, pi]; x = 0 is an invalid operation.
long double argum(const Number& x);
int sgn(long double r);

// Nearest integer, halves to even; out of the 64-bit range is an invalid operation.
int64_t roundToInt64(long double v);
// The same for the 32-bit range (statement arguments, loop bounds).
int32_t roundToInt32(long double v);

} // namespace textcalc
