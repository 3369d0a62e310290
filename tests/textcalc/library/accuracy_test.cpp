// The library's functions against values computed by mpmath with 60 digits
// (tests/support/reference_values.py wrote reference_values.inc): real functions within one
// unit in the last place of a long double, each part of a complex one within two.
#include "textcalc/library/library_math.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

using namespace textcalc;

struct Reference {
    const char* function;
    long double re, im;          // the argument, an exact long double
    long double valueRe, lowRe;  // the value's real part as hi + lo
    long double valueIm, lowIm;
};

const Reference references[] = {
#include "reference_values.inc"
};

// The distance of `got` from hi + lo in units of the last place of hi.
long double ulps(long double got, long double hi, long double lo)
{
    if (hi == 0.0L)
        return got == 0.0L ? 0.0L : INFINITY;
    const long double unit = std::ldexp(1.0L, std::ilogb(hi) - 63);
    return std::fabs((got - hi) - lo) / unit;
}

library::OneArgumentFunction named(const std::string& name)
{
    for (const auto& entry : library::oneArgumentFunctions())
        if (entry.name == name)
            return entry.function;
    return nullptr;
}

TEST(Accuracy, WithinOneUnitRealAndTwoPerComplexPart)
{
    RandomSource random([] { return 0.5L; });
    for (const Reference& r : references) {
        const bool complexValue = r.im != 0.0L || r.valueIm != 0.0L;
        SCOPED_TRACE(std::string(r.function) + "(" + std::to_string(static_cast<double>(r.re)) + ", "
                     + std::to_string(static_cast<double>(r.im)) + ")");
        const library::OneArgumentFunction f = named(r.function);
        ASSERT_NE(f, nullptr);
        Number value;
        ASSERT_NO_THROW(value = f(floating(r.re, r.im), random));
        const long double bound = complexValue ? 2.0L : 1.0L;
        EXPECT_LE(ulps(value.re(), r.valueRe, r.lowRe), bound);
        EXPECT_LE(ulps(value.im(), r.valueIm, r.lowIm), bound);
    }
}

} // namespace
