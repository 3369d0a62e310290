// The cut display (rounding off) against an exact model: over random values in every base and
// digit count, the shown number is either the plain cut of the stored value or, when a number
// of the display's grid reads back as the stored value, such a number. So no digit is shown
// that the value does not have, and typed decimals are shown as typed.
#include "keypad/number_format.h"

#include <gmpxx.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <string>

namespace {

using keypad::NumberFormat;

mpq_class exactValue(long double v)
{
    int exponent = 0;
    const long double mantissa = std::frexp(v, &exponent);
    const auto f = static_cast<std::uint64_t>(std::ldexp(mantissa, 64));
    mpz_class n;
    mpz_import(n.get_mpz_t(), 1, 1, sizeof f, 0, 0, &f);
    mpq_class q(n);
    if (exponent - 64 >= 0)
        mpq_mul_2exp(q.get_mpq_t(), q.get_mpq_t(), static_cast<unsigned long>(exponent - 64));
    else
        mpq_div_2exp(q.get_mpq_t(), q.get_mpq_t(), static_cast<unsigned long>(64 - exponent));
    return q;
}

mpq_class powerOf(int base, int exponent)
{
    mpz_class p;
    mpz_ui_pow_ui(p.get_mpz_t(), static_cast<unsigned long>(base), static_cast<unsigned long>(std::abs(exponent)));
    return exponent >= 0 ? mpq_class(p) : mpq_class(1, p);
}

mpq_class floorOf(const mpq_class& q)
{
    mpz_class f;
    mpz_fdiv_q(f.get_mpz_t(), q.get_num_mpz_t(), q.get_den_mpz_t());
    return mpq_class(f);
}

// The formatter's text "[-]d,ddd[e exponent]" as an exact number.
mpq_class shownValue(const std::string& text, int base)
{
    const size_t e = text.find('e');
    const std::string mantissa = text.substr(0, e);
    mpq_class value = 0;
    int fractionDigits = -1;
    for (char c : mantissa) {
        if (c == ',') {
            fractionDigits = 0;
            continue;
        }
        value = value * base + (c <= '9' ? c - '0' : c - 'A' + 10);
        if (fractionDigits >= 0)
            ++fractionDigits;
    }
    const int exponent = e == std::string::npos ? 0 : std::stoi(text.substr(e + 1));
    return value * powerOf(base, exponent - std::max(fractionDigits, 0));
}

// The weight of the last digit the format can show for v: N significant digits, and in the
// fixed form (chosen by the exponent, as the display does) at most D decimals.
mpq_class gridOf(const mpq_class& v, int base, const NumberFormat& f)
{
    int e = static_cast<int>(std::floor(std::log(v.get_d()) / std::log(base)));
    while (powerOf(base, e) > v)
        --e;
    while (powerOf(base, e + 1) <= v)
        ++e;
    const int last = e - f.digits + 1;
    const bool fixed = !f.scientific && e + 1 <= f.digits && e >= -std::min(f.leadingZeros, f.decimals);
    return powerOf(base, fixed ? std::max(last, -f.decimals) : last);
}

// Checks one value; returns an explanation of the failure or "".
std::string check(long double v, const NumberFormat& f)
{
    const std::string text = keypad::formatValue(v, f, ',');
    const mpq_class exact = exactValue(v);
    const mpq_class shown = shownValue(text, f.base);
    int exponent = 0;
    const long double mantissa = std::frexp(v, &exponent);
    const mpq_class ulp = powerOf(2, exponent - 64);
    const bool powerOfTwo = mantissa == 0.5L;
    const mpq_class low = exact - (powerOfTwo ? ulp / 4 : ulp / 2);
    const mpq_class high = exact + ulp / 2;
    const mpq_class grid = gridOf(exact, f.base, f);
    const mpq_class cut = floorOf(exact / grid) * grid;
    const mpq_class firstAboveLow = (floorOf(low / grid) + 1) * grid;
    const bool gridPointReadsBack = firstAboveLow < high;

    const bool readsBack = shown > low && shown < high;
    const bool onGrid = floorOf(shown / grid) * grid == shown;
    if (gridPointReadsBack ? !(readsBack && onGrid) : shown != cut)
        return text + (gridPointReadsBack ? " does not read back as the value" : " is not the cut of the value");
    // A value exact in a power-of-two base shows exactly (2 in base 16 is 2).
    if ((f.base & (f.base - 1)) == 0 && cut == exact && shown != exact)
        return text + " is not the exact value";
    return "";
}

struct Sweep {
    const char* name;
    bool scientific;
};

class CutDisplay : public testing::TestWithParam<Sweep> {};

TEST_P(CutDisplay, NeverShowsADigitTheValueDoesNotHave)
{
    std::mt19937_64 random(20261207);
    for (int base = 2; base <= 16; ++base) {
        for (int digits = 3; digits <= 18; ++digits) {
            NumberFormat f;
            f.base = base;
            f.digits = digits;
            f.decimals = 18;
            f.leadingZeros = 17;
            f.rounding = false;
            f.scientific = GetParam().scientific;
            for (int i = 0; i < 60; ++i) {
                long double v = 0;
                if (i % 3 == 0) {
                    // Any value: a random significand and exponent.
                    const long double significand = std::ldexp(static_cast<long double>(random() | (1ull << 63)), -64);
                    v = std::ldexp(significand, static_cast<int>(random() % 120) - 60);
                } else {
                    // A typed value: at most N digits, held as its nearest extended value.
                    std::uint64_t whole = 1, scale = 1;
                    for (int k = 1; k < digits && whole <= UINT64_MAX / 16 / 16; ++k)
                        whole = whole * static_cast<std::uint64_t>(base) + random() % static_cast<std::uint64_t>(base);
                    for (int k = static_cast<int>(random() % static_cast<std::uint64_t>(digits)); k > 0 && scale <= UINT64_MAX / 16; --k)
                        scale *= static_cast<std::uint64_t>(base);
                    v = static_cast<long double>(whole) / static_cast<long double>(scale);
                }
                if (!f.scientific && v >= std::pow(static_cast<long double>(base), digits - 1))
                    continue; // shown in the scientific form anyway
                const std::string failure = check(v, f);
                ASSERT_EQ(failure, "") << "base " << base << ", " << digits << " digits, value "
                                       << static_cast<double>(v);
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Vypis, CutDisplay,
                         testing::Values(Sweep{"Scientific", true}, Sweep{"Fixed", false}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
