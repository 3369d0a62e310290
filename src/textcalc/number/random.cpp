#include "textcalc/number/random.h"

#include <cmath>

namespace textcalc {

long double RandomSource::normal()
{
    long double u, v, s;
    do {
        u = 2.0L * uniform() - 1.0L;
        v = 2.0L * uniform() - 1.0L;
        s = u * u + v * v;
    } while (s >= 1.0L || s == 0.0L);
    return u * std::sqrt(-2.0L * std::log(s) / s);
}

} // namespace textcalc
