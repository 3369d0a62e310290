#include "textcalc/number/distributions.h"

#include "platform/checked.h"

#include <cmath>

namespace textcalc::distributions {

using platform::checked;
using platform::divide;
using platform::mul;

static void checkCount(std::int64_t n)
{
    if (n > maxCount)
        throw RangeError();
}

static long double sumOfSquaredNormals(RandomSource& random, std::int64_t n)
{
    checkCount(n);
    long double sum = 0.0L;
    for (std::int64_t j = 0; j < n; ++j) {
        const long double z = random.normal();
        sum += z * z;
    }
    return sum;
}

std::int64_t binom(RandomSource& random, std::int64_t n, long double p)
{
    checkCount(n);
    std::int64_t hits = 0;
    for (std::int64_t j = 0; j < n; ++j)
        if (random.uniform() < p)
            ++hits;
    return hits;
}

long double gauss(RandomSource& random, long double mean, long double variance)
{
    return checked(mean + checked(std::sqrt(variance)) * random.normal());
}

long double fisher(RandomSource& random, std::int64_t m, std::int64_t n)
{
    const long double a = sumOfSquaredNormals(random, m);
    const long double b = sumOfSquaredNormals(random, n);
    return divide(divide(mul(static_cast<long double>(n), a), b), static_cast<long double>(m));
}

long double expon(RandomSource& random, long double rate)
{
    return divide(-std::log(1.0L - random.uniform()), std::fabs(rate));
}

std::int64_t randomn(RandomSource& random, std::int64_t n)
{
    return static_cast<std::int64_t>(std::ceil(random.uniform() * static_cast<long double>(n)));
}

std::int64_t alter(RandomSource& random, long double p)
{
    return p > random.uniform() ? 1 : 0;
}

long double chi2(RandomSource& random, std::int64_t n)
{
    return sumOfSquaredNormals(random, n);
}

long double student(RandomSource& random, std::int64_t n)
{
    const long double a = sumOfSquaredNormals(random, n);
    const long double z = random.normal();
    return mul(divide(z, std::sqrt(a)), std::sqrt(static_cast<long double>(n)));
}

std::int64_t geom(RandomSource& random, long double q)
{
    std::int64_t k = 0;
    while (random.uniform() > q) {
        ++k;
        checkCount(k);
    }
    return k;
}

std::int64_t poisson(RandomSource& random, long double lambda)
{
    lambda = std::fabs(lambda);
    const long double u = random.uniform();
    std::int64_t k = 0;
    long double p = checked(std::exp(-lambda));
    long double s = p;
    while (u > s) {
        ++k;
        checkCount(k);
        p = checked(p * lambda / static_cast<long double>(k));
        s += p;
    }
    return k;
}

} // namespace textcalc::distributions
