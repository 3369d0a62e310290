// Exact Gaussian rationals with their floating companions and the silent fallback.
#include "textcalc/number/value.h"

#include "platform/checked.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <random>

using namespace textcalc;

namespace {

const auto rowName = [](const auto& info) { return std::string(info.param.name); };

Number ex(int64_t rn, int64_t rd, int64_t in = 0, int64_t id = 1)
{
    return initcislo(true, static_cast<long double>(rn) / rd, static_cast<long double>(in) / id, rn, rd, in, id);
}

struct ExactCase {
    const char* name;
    std::function<Number()> compute;
    int64_t reNum, reDen, imNum, imDen;
};

class ExactResults : public testing::TestWithParam<ExactCase> {};

TEST_P(ExactResults, StayExactAndAgreeWithFloatingParts)
{
    const ExactCase& c = GetParam();
    const Number r = c.compute();
    ASSERT_TRUE(r.exact());
    EXPECT_EQ(r.reNum(), c.reNum);
    EXPECT_EQ(r.reDen(), c.reDen);
    EXPECT_EQ(r.imNum(), c.imNum);
    EXPECT_EQ(r.imDen(), c.imDen);
    EXPECT_NEAR(static_cast<double>(r.re()), static_cast<double>(c.reNum) / c.reDen, 1e-12);
    EXPECT_NEAR(static_cast<double>(r.im()), static_cast<double>(c.imNum) / c.imDen, 1e-12);
}

const int64_t big = 3000000000LL;

INSTANTIATE_TEST_SUITE_P(Value, ExactResults, testing::Values(
    ExactCase{"ThirdPlusSixth", [] { return soucetcisel(ex(1, 3), ex(1, 6)); }, 1, 2, 0, 1},
    ExactCase{"SumOfNegativeDenominators", [] { return soucetcisel(ex(1, -2), ex(1, -2)); }, -1, 1, 0, 1},
    ExactCase{"ConjugateProduct", [] { return soucincisel(ex(1, 1, 1, 1), ex(1, 1, -1, 1)); }, 2, 1, 0, 1},
    ExactCase{"ISquaredByProduct", [] { return soucincisel(imaginaryUnit(), imaginaryUnit()); }, -1, 1, 0, 1},
    ExactCase{"DivisionKeepsNegativeDenominator", [] { return podilcisel(ex(1, 1), ex(-2, 1)); }, 1, -2, 0, 1},
    ExactCase{"TenOverFourOverFive", [] { return podilcisel(podilcisel(ex(10, 1), ex(4, 1)), ex(5, 1)); }, 1, 2, 0, 1},
    ExactCase{"ComplexQuotient", [] { return podilcisel(ex(1, 1), ex(1, 1, 1, 1)); }, 1, 2, -1, 2},
    ExactCase{"ComplexOverComplex", [] { return podilcisel(ex(3, 1, 4, 1), ex(1, 1, 2, 1)); }, 11, 5, -2, 5},
    ExactCase{"PowerTen", [] { return mocn(ex(2, 1), ex(10, 1)); }, 1024, 1, 0, 1},
    ExactCase{"NegativePower", [] { return mocn(ex(2, 1), ex(-2, 1)); }, 1, 4, 0, 1},
    ExactCase{"ZeroToZero", [] { return mocn(ex(0, 1), ex(0, 1)); }, 1, 1, 0, 1},
    ExactCase{"ZeroToFive", [] { return mocn(ex(0, 1), ex(5, 1)); }, 0, 1, 0, 1},
    ExactCase{"ZeroToComplexPower", [] { return mocn(ex(0, 1), ex(1, 2, -1, 1)); }, 0, 1, 0, 1},
    ExactCase{"ISquaredByPower", [] { return mocn(imaginaryUnit(), ex(2, 1)); }, -1, 1, 0, 1},
    ExactCase{"PowerThirty", [] { return mocn(ex(2, 1), ex(30, 1)); }, 1073741824, 1, 0, 1},
    ExactCase{"LargeButFitting", [] { return soucincisel(ex(big, 1), ex(big, 1)); }, big * big, 1, 0, 1},
    ExactCase{"NegationOfFraction", [] { return negated(ex(1, -3)); }, -1, -3, 0, 1}), rowName);

// Exact results carry their fractions' values as floating parts, so that conditions and later
// floating steps see no rounding drift (1/3-1/7-4/21 is 0, not 1.4e-20).
TEST(Value, FloatingPartsOfExactResultsAreTheFractionValues)
{
    struct Row { const char* name; std::function<Number()> compute; };
    const Row rows[] = {
        {"SumCancelsToZero", [] { return soucetcisel(soucetcisel(ex(1, 3), ex(-1, 7)), ex(-4, 21)); }},
        {"ProductCancelsImaginaryPart", [] { return soucincisel(ex(1, 3, -1, 7), ex(1, 1, 3, 7)); }},
        {"QuotientOfFractions", [] { return podilcisel(ex(1, 10, 2, 10), ex(3, 10, -7, 10)); }},
        {"PowerOfFraction", [] { return mocn(ex(1, 3), ex(-7, 1)); }}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const Number n = r.compute();
        ASSERT_TRUE(n.exact());
        EXPECT_EQ(n.re(), static_cast<long double>(n.reNum()) / static_cast<long double>(n.reDen()));
        EXPECT_EQ(n.im(), static_cast<long double>(n.imNum()) / static_cast<long double>(n.imDen()));
    }
}

// 0 - x gives an exact zero part the floating value -0; floating steps carry it on, exact
// steps settle it to +0.
TEST(Value, SignsOfZeroParts)
{
    constexpr int64_t largest = std::numeric_limits<int64_t>::max();
    struct Row { const char* name; std::function<long double()> part; bool negative; };
    const Row rows[] = {
        {"NegatedZero", [] { return negated(exactInteger(0)).re(); }, true},
        {"NegatedRealHasNegativeImaginaryZero", [] { return negated(ex(5, 1)).im(); }, true},
        {"NegatedTwice", [] { return negated(negated(exactInteger(0))).re(); }, false},
        {"ZeroOverNegativeDenominator", [] { return ex(0, -1).re(); }, true},
        {"ExactSumSettles", [] { return soucetcisel(negated(exactInteger(0)), negated(exactInteger(0))).re(); }, false},
        {"ExactProductSettles", [] { return soucincisel(negated(ex(5, 1)), ex(2, 1)).im(); }, false},
        {"FloatingSumCarriesIt", [] { return soucetcisel(negated(ex(0, 1)), floating(-0.0L)).re(); }, true},
        {"FloatingProductCarriesIt", [] { return soucincisel(floating(2.0L), negated(ex(5, 1))).im(); }, true},
        {"OverflowFallbackCarriesIt", [] { return soucetcisel(negated(ex(-largest, 1)), negated(ex(-1, 1))).im(); }, true},
        {"PowerOneKeepsIt", [] { return mocn(negated(ex(3, 1)), ex(1, 1)).im(); }, true}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const long double v = r.part();
        EXPECT_EQ(v, 0.0L);
        EXPECT_EQ(std::signbit(v), r.negative);
    }
}

struct FloatingCase {
    const char* name;
    std::function<Number()> compute;
    long double re, im;
};

class FloatingResults : public testing::TestWithParam<FloatingCase> {};

TEST_P(FloatingResults, FallBackWithoutMessage)
{
    const FloatingCase& c = GetParam();
    const Number r = c.compute();
    EXPECT_FALSE(r.exact());
    EXPECT_NEAR(static_cast<double>(r.re()), static_cast<double>(c.re), std::fabs(static_cast<double>(c.re)) * 1e-15 + 1e-15);
    EXPECT_NEAR(static_cast<double>(r.im()), static_cast<double>(c.im), 1e-15);
}

INSTANTIATE_TEST_SUITE_P(Value, FloatingResults, testing::Values(
    FloatingCase{"HalfPlusHalf", [] { return soucetcisel(floating(0.5L), floating(0.5L)); }, 1.0L, 0.0L},
    FloatingCase{"PowerAboveThirty", [] { return mocn(ex(2, 1), ex(31, 1)); }, 2147483648.0L, 0.0L},
    FloatingCase{"SquareRootByPower", [] { return mocn(ex(4, 1), floating(0.5L)); }, 2.0L, 0.0L},
    FloatingCase{"ProductOverflowsInt64", [] { return soucincisel(ex(big * big, 1), ex(big, 1)); },
                 static_cast<long double>(big) * big * big, 0.0L},
    // x times the conjugate overflows (2·9e18) although the quotient itself would fit.
    FloatingCase{"ComplexQuotientWithOverflowingProduct",
                 [] { return podilcisel(ex(big * big, 1, big * big, 1), ex(1, 1, 1, 1)); },
                 static_cast<long double>(big) * big, 0.0L},
    FloatingCase{"SumOverflowsInt64", [] { return soucetcisel(ex(std::numeric_limits<int64_t>::max(), 1), ex(1, 1)); },
                 9223372036854775808.0L, 0.0L},
    FloatingCase{"MostNegativeNumeratorNegated", [] { return negated(ex(std::numeric_limits<int64_t>::min(), 1)); },
                 9223372036854775808.0L, 0.0L},
    FloatingCase{"PowerSnapsImaginaryToZero", [] { return mocn(ex(-1, 1), floating(2.0L)); }, 1.0L, 0.0L},
    FloatingCase{"ComplexExponent", [] { return mocn(floating(std::exp(1.0L)), floating(0.0L, 3.14159265358979323846L)); },
                 -1.0L, 0.0L}), rowName);

TEST(Value, PowerSnapLeavesImaginaryPartExactlyZero)
{
    EXPECT_EQ(mocn(ex(-1, 1), floating(2.0L)).im(), 0.0L);
}

// A positive real base may skip the polar form, but only where that changes no bit: the
// result must equal |x|^r·(cos φ + i sin φ) with φ = r·arg x, taken the long way.
TEST(Value, RealPowerOfPositiveBaseMatchesThePolarForm)
{
    auto polar = [](const Number& x, long double r) {
        return gontoalg(platform::checked(std::pow(absval(x), r)), platform::mul(r, argum(x)));
    };
    std::mt19937_64 random(7);
    std::uniform_real_distribution<long double> exponentOfBase(-4000.0L, 4000.0L), exponent(-8.0L, 8.0L);
    for (int k = 0; k < 20000; ++k) {
        const Number x = floating(std::pow(2.0L, exponentOfBase(random)) * (1.0L + exponent(random) / 16));
        const long double r = k % 4 == 0 ? std::nearbyint(exponent(random)) : exponent(random);
        SCOPED_TRACE(testing::Message() << static_cast<double>(x.re()) << " ^ " << static_cast<double>(r));
        Number direct, viaPolar;
        bool directFailed = false, polarFailed = false;
        try { direct = pow(x, r); } catch (const platform::FloatError&) { directFailed = true; }
        try { viaPolar = polar(x, r); } catch (const platform::FloatError&) { polarFailed = true; }
        ASSERT_EQ(directFailed, polarFailed);
        if (directFailed)
            continue;
        ASSERT_EQ(direct.re(), viaPolar.re());
        ASSERT_EQ(direct.im(), viaPolar.im());
        ASSERT_EQ(std::signbit(direct.im()), std::signbit(viaPolar.im()));
        ASSERT_FALSE(direct.exact());
    }
}

struct FailureCase {
    const char* name;
    std::function<Number()> compute;
    platform::FloatError::Kind kind;
};

class FloatingFailures : public testing::TestWithParam<FailureCase> {};

TEST_P(FloatingFailures, RaiseTheirKind)
{
    try {
        GetParam().compute();
        FAIL() << "no failure";
    } catch (const platform::FloatError& e) {
        EXPECT_EQ(e.kind(), GetParam().kind);
    }
}

INSTANTIATE_TEST_SUITE_P(Value, FloatingFailures, testing::Values(
    // The quotient formula divides (Re x·0 + Im x·0) by 0: an invalid operation, not a pole.
    FailureCase{"ExactDivisionByZero", [] { return podilcisel(ex(1, 1), ex(0, 1)); }, platform::FloatError::Kind::InvalidOperation},
    FailureCase{"ZeroOverZero", [] { return podilcisel(ex(0, 1), ex(0, 1)); }, platform::FloatError::Kind::InvalidOperation},
    FailureCase{"ArgumentOfZero", [] { return floating(argum(ex(0, 1))); }, platform::FloatError::Kind::InvalidOperation},
    FailureCase{"ZeroToNegativePower", [] { return mocn(ex(0, 1), ex(-1, 1)); }, platform::FloatError::Kind::DivisionByZero},
    FailureCase{"ZeroToNegativeRealPower", [] { return mocn(floating(0.0L), floating(-0.5L)); }, platform::FloatError::Kind::DivisionByZero},
    FailureCase{"ZeroToImaginaryPower", [] { return mocn(ex(0, 1), imaginaryUnit()); }, platform::FloatError::Kind::InvalidOperation},
    FailureCase{"ExtendedOverflow", [] { return mocn(floating(1e4000L), ex(2, 1)); }, platform::FloatError::Kind::Overflow}), rowName);

TEST(Value, GreatestCommonDivisor)
{
    struct Row { const char* name; int64_t a, b, g; };
    for (const Row& r : {Row{"Plain", 12, 18, 6}, Row{"NegativeOperands", -12, -18, 6}, Row{"WithZero", -7, 0, 7},
                         Row{"BothZero", 0, 0, 0}, Row{"Coprime", 35, 64, 1}}) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(nsd(r.a, r.b), r.g);
    }
    EXPECT_THROW(nsd(std::numeric_limits<int64_t>::min(), 2), IntegerOverflow);
}

TEST(Value, FractionRoutinesReportOverflow)
{
    EXPECT_THROW(soucinzlomku({big * big, 1}, {big, 1}), IntegerOverflow);
    EXPECT_THROW(soucetzlomku({1, big * 2}, {1, big * 2 + 1}), IntegerOverflow);
    const Fraction f = soucinzlomku({2, 3}, {9, 4});
    EXPECT_EQ(f.num, 3);
    EXPECT_EQ(f.den, 2);
}

TEST(Value, Primality)
{
    struct Row { int64_t n; bool prime; };
    for (const Row& r : {Row{1, false}, Row{2, true}, Row{3, true}, Row{7, true}, Row{49, false}, Row{97, true},
                         Row{121, false}, Row{221, false}, Row{223, true}, Row{-7, false}, Row{1000000007, true},
                         Row{1000000007LL * 3, false}, Row{1000003LL * 1000033LL, false}}) {
        SCOPED_TRACE(r.n);
        EXPECT_EQ(prime(r.n), r.prime);
    }
}

TEST(Value, ArgumentAndSign)
{
    EXPECT_NEAR(static_cast<double>(argum(floating(-1.0L))), 3.141592653589793, 1e-15);
    EXPECT_NEAR(static_cast<double>(argum(floating(0.0L, -1.0L))), -1.5707963267948966, 1e-15);
    EXPECT_EQ(sgn(-0.5L), -1);
    EXPECT_EQ(sgn(0.0L), 0);
    EXPECT_EQ(sgn(2.0L), 1);
}

TEST(Value, RoundingHalvesToEven)
{
    EXPECT_EQ(roundToInt64(2.5L), 2);
    EXPECT_EQ(roundToInt64(3.5L), 4);
    EXPECT_EQ(roundToInt32(-2.5L), -2);
    EXPECT_THROW(roundToInt32(3e9L), platform::FloatError);
    EXPECT_THROW(roundToInt64(1e30L), platform::FloatError);
    // Whole values at the ends of the ranges, and what rounds past them.
    EXPECT_EQ(roundToInt64(-0x1p63L), INT64_MIN);
    EXPECT_THROW(roundToInt64(0x1p63L), platform::FloatError);
    EXPECT_EQ(roundToInt64(0x1p63L - 1), INT64_MAX);
    EXPECT_EQ(roundToInt64(-0.0L), 0);
    EXPECT_THROW(roundToInt64(std::numeric_limits<long double>::quiet_NaN()), platform::FloatError);
    EXPECT_EQ(roundToInt32(-2147483648.0L), INT32_MIN);
    EXPECT_EQ(roundToInt32(2147483647.0L), INT32_MAX);
    EXPECT_EQ(roundToInt32(2147483647.4L), INT32_MAX);
    EXPECT_THROW(roundToInt32(2147483647.5L), platform::FloatError);
    EXPECT_THROW(roundToInt32(-2147483648.6L), platform::FloatError);
}

} // namespace
