#pragma once
// The text calculator's value: an extended complex number that may also carry an exact
// Gaussian rational. Exact steps fall back to the floating value silently when a 64-bit
// integer overflows; floating failures (division by zero, overflow, invalid operations)
// raise platform::FloatError and end the evaluation.
#include "textcalc/number/run_error.h"

#include <cstdint>
#include <functional>

namespace textcalc {

struct Number {
    int64_t ReNum = 0;
    int64_t ReDen = 1;
    int64_t ImNum = 0;
    int64_t ImDen = 1;
    long double Re = 0.0L;
    long double Im = 0.0L;
    // True: the four integer fields hold the value exactly and Re, Im are their values.
    // False: the integer fields are meaningless.
    bool Exact = true;
};

// A fraction num/den; reduced when it comes from the routines below. The sign may sit in the
// denominator (a division by a negative number leaves it there; only printing moves it).
struct Fraction {
    int64_t num;
    int64_t den;
};

// Raised by the fraction routines when a 64-bit step overflows or divides by zero. The
// number routines catch it and fall back to the floating value; raised by an integer
// function of the library, it fails the run.
class IntegerOverflow : public RunError {};

Number initcislo(bool exact, long double re, long double im, int64_t reNum, int64_t reDen,
                 int64_t imNum, int64_t imDen);
Number exactInteger(int64_t n);
Number floating(long double re, long double im = 0.0L);
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
