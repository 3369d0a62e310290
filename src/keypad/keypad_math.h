#pragma once
// The arithmetic of the keypad's operators and functions, on extended values. Every function
// throws platform::FloatError (through platform::checked) instead of returning NaN or infinity.
#include <cstdint>
#include <string>

namespace keypad {

// The extended value of pi: exponent word 4000h, significand C90FDAA22168C235h.
long double pi();

// base raised to exponent: 0 gives 1 (also for base 0); base 0 gives 0 for a positive exponent;
// integral exponents up to 2147483647 in magnitude by repeated squaring (negative bases work);
// anything else as e^(exponent * ln base), which fails for a negative base.
long double power(long double base, long double exponent);

// Factorial (step 1) or double factorial (step 2): the product x (x-s) (x-2s) ... of factors
// above 1; every x <= 1 gives 1, and 4.5! = 4.5 * 3.5 * 2.5 * 1.5.
long double faktorial(bool doubleFactorial, long double x);

// Combinations C(n, k) or variations V(n, k); k <= 0 gives 1, fractional k loops ceil(k) times.
long double KombVar(bool variations, long double k, long double n);

// P - floor(P / X) * X, the sign following X; and floor(P / X).
long double floorMod(long double p, long double x);
long double floorDiv(long double p, long double x);

// The trigonometric result filter: above 1e15 fails (tan 90 degrees), below 1e-15 is 0.
long double zi(long double r);

long double hypSinh(long double x);
long double hypCosh(long double x);
long double hypTanh(long double x);
long double hypArcsinh(long double x);
long double hypArccosh(long double x);
long double hypArctanh(long double x);

// The prime factors of n (2 <= n < 10^14) as "2^3 * 3^2 * 5", or "prvočíslo" for a prime.
std::string factorText(std::int64_t n);

// Decimal degrees as "12° 30´ 0,000´´ " (degrees, minutes, seconds with three decimals); every
// part of a negative value is negative or zero.
std::string dmsText(long double degrees, char decimalSeparator);

} // namespace keypad
