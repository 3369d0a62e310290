#pragma once
// Random samples of the library's distributions, drawn from the session's one generator.
// Arguments arrive already reduced as the functions' entries say (counts rounded and made
// non-negative, probabilities as fractional parts); results are plain numbers.
#include "textcalc/number/random.h"
#include "textcalc/number/run_error.h"

#include <cstdint>

namespace textcalc {

// The counting loops of the random functions have a 16-bit signed counter: a count above
// 32767 fails the run like any other run-time range error (the general error line). This also
// ends geom(0) and poisson of a huge rate, which would otherwise count forever.
class RangeError : public RunError {};

namespace distributions {

constexpr std::int64_t maxCount = 32767;

// Number of the n draws of U that fall below p.
std::int64_t binom(RandomSource& random, std::int64_t n, long double p);
// mean + sqrt(variance)·N; a negative variance is an invalid operation.
long double gauss(RandomSource& random, long double mean, long double variance);
// n·A/B/m with A, B sums of m and n squared normal draws.
long double fisher(RandomSource& random, std::int64_t m, std::int64_t n);
// −ln(1 − U)/|rate|.
long double expon(RandomSource& random, long double rate);
// Ceil(U·n) for n ≥ 0: 1..n (0 only when U is 0).
std::int64_t randomn(RandomSource& random, std::int64_t n);
// 1 when p > U, else 0.
std::int64_t alter(RandomSource& random, long double p);
// Sum of n squared normal draws.
long double chi2(RandomSource& random, std::int64_t n);
// Z/sqrt(A)·sqrt(n) with A a sum of n squared normal draws and Z one more draw.
long double student(RandomSource& random, std::int64_t n);
// Number of draws U > q before the first U ≤ q.
std::int64_t geom(RandomSource& random, long double q);
// Inversion of the Poisson distribution with rate |lambda| by one uniform draw.
std::int64_t poisson(RandomSource& random, long double lambda);

} // namespace distributions
} // namespace textcalc
