// The display formatter: digits, rounding, fixed and scientific forms, groups, exponent limit.
#include "keypad/number_format.h"
#include "platform/checked.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

using keypad::NumberFormat;

// The reference format: B 10, N 14, D 12, L 4, rounding on, fixed form, separator " ", comma.
NumberFormat spaced()
{
    NumberFormat f;
    f.separator = " ";
    return f;
}

NumberFormat with(void (*change)(NumberFormat&))
{
    NumberFormat f = spaced();
    change(f);
    return f;
}

struct FormatCase {
    const char* name;
    long double value;
    NumberFormat format;
    const char* display;
    const char* expon;
    char decimalSeparator = ',';
};

const FormatCase kFormatCases[] = {
    {"Zero", 0.0L, spaced(), "0", ""},
    {"NegativeZero", -0.0L, spaced(), "0", ""},
    {"IntegerGroups", 1234567.0L, spaced(), "1 234 567", ""},
    {"FractionGroups", 0.1234567L, spaced(), "0,123 456 7", ""},
    {"RoundedAtTwelveDecimals", 2.0L / 3.0L, spaced(), "0,666 666 666 667", ""},
    {"BelowLeadingZeroLimitGoesScientific", 0.00001234L, spaced(), "1,234", "-005"},
    {"AtLeadingZeroLimitStaysFixed", 0.0001234L, spaced(), "0,000 123 4", ""},
    {"FifteenIntegerDigitsGoScientific", 123456789012345.0L, spaced(), "1,234 567 890 123 5", "014"},
    {"FourteenIntegerDigitsStayFixed", 12345678901234.0L, spaced(), "12 345 678 901 234", ""},
    {"NoDecimalsRoundsUp", 99999.7L, with([](NumberFormat& f) { f.decimals = 0; }), "100 000", ""},
    {"NoDecimalsFiveDigitsCarriesIntoExponent", 99999.7L,
     with([](NumberFormat& f) { f.decimals = 0; f.digits = 5; }), "1", "005"},
    {"NegativeFraction", -0.5L, spaced(), "-0,5", ""},
    {"NoGroupAfterMinus", -123.0L, spaced(), "-123", ""},
    {"NegativeGroups", -1234.0L, spaced(), "-1 234", ""},
    {"ScientificAlways", 12.0L, with([](NumberFormat& f) { f.scientific = true; }), "1,2", "001"},
    {"ScientificAlwaysBelowOne", 0.5L, with([](NumberFormat& f) { f.scientific = true; }), "5", "-001"},
    {"HexFF", 255.0L, with([](NumberFormat& f) { f.base = 16; }), "FF", ""},
    {"Hex100", 256.0L, with([](NumberFormat& f) { f.base = 16; }), "100", ""},
    {"HexSixteenth", 1.0L / 16.0L, with([](NumberFormat& f) { f.base = 16; }), "0,1", ""},
    {"HexTenthRoundsLastDigitUp", 0.1L, with([](NumberFormat& f) { f.base = 16; }), "0,199 999 999 99A", ""},
    {"BinaryFive", 5.0L, with([](NumberFormat& f) { f.base = 2; }), "101", ""},
    {"BinaryHalf", 0.5L, with([](NumberFormat& f) { f.base = 2; }), "0,1", ""},
    {"OddBaseMiddleDigitRoundsDown", 1.0L / 3.0L + 1.0L / 2187.0L,
     with([](NumberFormat& f) { f.base = 3; f.decimals = 6; }), "0,1", ""},
    {"OddBaseAboveMiddleRoundsUp", 2.0L / 3.0L - 1.0L / 2187.0L,
     with([](NumberFormat& f) { f.base = 3; f.decimals = 6; }), "0,2", ""},
    {"NoRoundingCuts", 2.0L / 3.0L, with([](NumberFormat& f) { f.rounding = false; f.digits = 3; }), "0,666", ""},
    {"CutKeepsExactFraction", 0.875L, with([](NumberFormat& f) { f.rounding = false; }), "0,875", ""},
    {"CutShowsTheDecimalTyped", 0.03L, with([](NumberFormat& f) { f.rounding = false; }), "0,03", ""},
    {"CutShowsTheDecimalTypedAboveOne", 2.3L, with([](NumberFormat& f) { f.rounding = false; }), "2,3", ""},
    {"CutOfAValueReallyBelowTheDecimal", 0.03L - 1e-15L, with([](NumberFormat& f) { f.rounding = false; }),
     "0,029 999 999 999", ""},
    // A value exact in the base shows exactly, however many digits are shown.
    {"CutHexTwoSeventeenDigits", 2.0L,
     with([](NumberFormat& f) { f.rounding = false; f.base = 16; f.digits = 17; f.scientific = true; f.separator = ""; }),
     "2", "000"},
    {"CutHexOneAndAHalfEighteenDigits", 1.5L,
     with([](NumberFormat& f) { f.rounding = false; f.base = 16; f.digits = 18; f.decimals = 18; f.separator = ""; }),
     "1,8", ""},
    // 1/3 is held as 0x0,55555555555555558: seventeen digits, all of them shown.
    {"CutHexThirdKeepsEveryDigit", 1.0L / 3.0L,
     with([](NumberFormat& f) { f.rounding = false; f.base = 16; f.digits = 18; f.decimals = 18; f.separator = ""; }),
     "0,55555555555555558", ""},
    {"CutBase15TwoEighteenDigits", 2.0L,
     with([](NumberFormat& f) { f.rounding = false; f.base = 15; f.digits = 18; f.scientific = true; }), "2", "000"},
    {"CutBase15ThirdIsTheDigitFive", 1.0L / 3.0L,
     with([](NumberFormat& f) { f.rounding = false; f.base = 15; f.digits = 17; f.decimals = 18; }), "0,5", ""},
    {"CutDecimalEighteenDigits", 0.03L,
     with([](NumberFormat& f) { f.rounding = false; f.digits = 18; f.decimals = 18; }), "0,03", ""},
    {"CutKeepsExactMixedNumber", 132.125L, with([](NumberFormat& f) { f.rounding = false; }), "132,125", ""},
    {"CutKeepsEightDecimals", 2.69140625L, with([](NumberFormat& f) { f.rounding = false; }), "2,691 406 25", ""},
    {"CutKeepsExactSmallValue", 0.00006103515625L,
     with([](NumberFormat& f) { f.rounding = false; f.leadingZeros = 2; }), "6,103 515 625", "-005"},
    {"CutKeepsExactDuodecimalFraction", 158.875L,
     with([](NumberFormat& f) { f.rounding = false; f.base = 12; }), "112,A6", ""},
    {"FewDigitsStillRound", 2.0L / 3.0L, with([](NumberFormat& f) { f.digits = 3; }), "0,667", ""},
    {"TwoDecimals", 3.14159L, with([](NumberFormat& f) { f.decimals = 2; }), "3,14", ""},
    {"TwoDecimalsCarryTrimsZeros", 2.999L, with([](NumberFormat& f) { f.decimals = 2; }), "3", ""},
    {"NoLeadingZerosAllowed", 0.5L, with([](NumberFormat& f) { f.leadingZeros = 0; }), "5", "-001"},
    {"JustBelowAPowerOfTen", 999.99999999999L, spaced(), "999,999 999 999 99", ""},
    {"JustBelowAPowerOfSixteen", 4096.0L - 0x1p-44L, with([](NumberFormat& f) { f.base = 16; }),
     "FFF,FFF FFF FFF FF", ""},
    {"JustBelowAPowerCutHasNoLeadingZero", 4096.0L - 0x1p-44L,
     with([](NumberFormat& f) { f.base = 16; f.rounding = false; }), "FFF,FFF FFF FFF FF", ""},
    {"JustBelowANegativePowerKeepsAllDigits", 0x1p-12L - 0x1p-68L,
     with([](NumberFormat& f) { f.base = 16; f.decimals = 18; f.rounding = false; }),
     "0,000 FFF FFF FFF FFF FF", ""},
    {"JustBelowAPowerScientific", 16.0L - 0x1p-47L,
     with([](NumberFormat& f) { f.base = 2; f.scientific = true; f.rounding = false; }),
     "1,111 111 111 111 1", "003"},
    {"CarryMakesNewLeadingDigit", 9.99999999999999999L, spaced(), "10", ""},
    {"LargestExponent", 1e999L, spaced(), "1", "999"},
    {"SmallestExponent", -1e-999L, spaced(), "-1", "-999"},
    {"BinaryLargestExponent", 0x1p999L, with([](NumberFormat& f) { f.base = 2; }), "1", "999"},
    {"NoSeparator", 1234567.5L, with([](NumberFormat& f) { f.separator.clear(); }), "1234567,5", ""},
    {"PointDecimalSeparator", 1234.5L, spaced(), "1 234.5", "", '.'},
    {"ApostropheGroups", 1234567.891L, with([](NumberFormat& f) { f.separator = "'"; }), "1'234'567,891", ""},
    {"MultibyteGroupSeparator", 1234567.0L, with([](NumberFormat& f) { f.separator = "\u00B7"; }),
     "1\u00B7234\u00B7567", ""},
};

class Format : public testing::TestWithParam<FormatCase> {};

TEST_P(Format, ShowsValue)
{
    const FormatCase& c = GetParam();
    const keypad::DisplayText text = keypad::displayText(c.value, c.format, c.decimalSeparator);
    EXPECT_EQ(text.display, c.display);
    EXPECT_EQ(text.expon, c.expon);
}

INSTANTIATE_TEST_SUITE_P(Vypis, Format, testing::ValuesIn(kFormatCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct UnshowableCase {
    const char* name;
    long double value;
    int base;
};

const UnshowableCase kUnshowable[] = {
    {"DecimalExponent1000", 1e1000L, 10},
    {"DecimalExponentMinus1001", 1e-1001L, 10},
    {"BinaryExponent1000", 0x1p1000L, 2},
    {"LargestExtended", 1.1e4932L, 16},
    {"SmallestNormal", 3.4e-4932L, 2},
    {"NotANumber", std::numeric_limits<long double>::quiet_NaN(), 10},
    {"Infinity", -std::numeric_limits<long double>::infinity(), 10},
};

class Unshowable : public testing::TestWithParam<UnshowableCase> {};

TEST_P(Unshowable, IsAnInvalidOperation)
{
    NumberFormat f;
    f.base = GetParam().base;
    try {
        keypad::displayText(GetParam().value, f, ',');
        ADD_FAILURE() << "shown";
    } catch (const platform::FloatError& e) {
        EXPECT_EQ(e.kind(), platform::FloatError::Kind::InvalidOperation);
    }
}

INSTANTIATE_TEST_SUITE_P(Vypis, Unshowable, testing::ValuesIn(kUnshowable),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Format, RoundedUpToExponent999IsStillShown)
{
    const keypad::DisplayText text = keypad::displayText(9.999999999999999999e998L, NumberFormat{}, ',');
    EXPECT_EQ(text.display, "1");
    EXPECT_EQ(text.expon, "999");
}

TEST(Format, FormatterTextCarriesTheExponent)
{
    EXPECT_EQ(keypad::formatValue(-0.00001234L, NumberFormat{}, '.'), "-1.234e-5");
    EXPECT_EQ(keypad::formatValue(1e20L, NumberFormat{}, ','), "1e20");
}

} // namespace
