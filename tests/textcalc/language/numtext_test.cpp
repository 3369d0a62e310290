// Number text: exact fractions, complex shapes, the floating form and convert-to-decimal.
#include "run_helper.h"

#include "textcalc/number/numtext.h"

using namespace textcalc;
using namespace textcalc::testing_support;

namespace {

class NumberText : public ProgramTable {};
TEST_P(NumberText, PrintsShapes) { check(); }

INSTANTIATE_TEST_SUITE_P(Exact, NumberText, testing::Values(
    ProgramCase{"Zero", "0", {"0"}},
    ProgramCase{"Negative", "0-5", {"-5"}},
    ProgramCase{"Fraction", "1/2", {"1/2"}},
    ProgramCase{"NegativeDenominatorNormalised", "1/(0-2)", {"-1/2"}},
    ProgramCase{"UnitImaginary", "i", {"i"}},
    ProgramCase{"MinusUnitImaginary", "0-i", {" - i"}},
    ProgramCase{"RealMinusI", "3-i", {"3 - i"}},
    ProgramCase{"RealPlusI", "3+i", {"3 + i"}},
    ProgramCase{"ImaginaryCoefficient", "2i", {"2 * i"}},
    ProgramCase{"NegativeImaginaryCoefficient", "3-2i", {"3-2 * i"}},
    ProgramCase{"ImaginaryFraction", "3+2/5*i", {"3 + 2/5 * i"}},
    ProgramCase{"BothFractions", "1/2-3/4*i", {"1/2-3/4 * i"}},
    ProgramCase{"ImaginaryNegativeDenominatorFromProduct", "2/(0-3)*i", {"2/-3 * i"}},
    ProgramCase{"ComplexDivisionMovesSign", "2i/(0-3)", {"-2/3 * i"}},
    ProgramCase{"CancelledImaginaryPart", "(1+i)*(1-i)", {"2"}},
    ProgramCase{"FractionsCancelToZero", "1/3-1/7-4/21", {"0"}},
    ProgramCase{"FractionsCancelImaginaryPart", "(1/3-1/7*i)*(1+3/7*i)", {"58/147"}},
    ProgramCase{"SumOfSeriesMinusItsValue", "s:=0; for k:=1 to 20 do s:=s+1/(k*(k+1)); s-20/21", {"0"}}), rowName);

INSTANTIATE_TEST_SUITE_P(Floating, NumberText, testing::Values(
    ProgramCase{"FloatingZero", "0.0", {"0"}},
    ProgramCase{"Third", "1/3.0", {"0.333333333333333333"}},
    ProgramCase{"LargeUsesExponent", "1.5e20", {"1.5e20"}},
    ProgramCase{"TooManyIntegerDigits", "1e25", {"1e25"}},
    ProgramCase{"EighteenIntegerDigitsFixed", "1e17", {"100000000000000000"}},
    ProgramCase{"SmallUsesExponent", "1e-7", {"1e-7"}},
    ProgramCase{"SmallFixed", "0.0001", {"0.0001"}},
    ProgramCase{"ComplexPlus", "2.0+1.5i", {"2 + 1.5 * i"}},
    ProgramCase{"ComplexMinus", "2.0-1.5i", {"2-1.5 * i"}},
    ProgramCase{"FloatingUnitImaginary", "1.0*i", {"i"}},
    ProgramCase{"FloatingMinusUnitImaginary", "3.0-i", {"3 - i"}},
    ProgramCase{"PurelyImaginary", "0.5i", {"0.5 * i"}},
    ProgramCase{"OverflowedFractionPrintsFloating", "3000000000*3000000000*3000000000", {"2.7e28"}},
    ProgramCase{"PowerAboveThirtyIsFloating", "2^31", {"2147483648"}},
    ProgramCase{"SquareRootPower", "4^0.5", {"2"}},
    ProgramCase{"SnapKeepsImaginaryZero", "(0-1)^2.0", {"1"}}), rowName);

// Results a user would read as wrong if the last digits or a zero part came out of rounding.
INSTANTIATE_TEST_SUITE_P(NoRoundingResidue, NumberText, testing::Values(
    ProgramCase{"SquareRootOfNegativeIsImaginary", "sqrt(0-4)", {"2 * i"}},
    ProgramCase{"WholePowerOfNegativeIsReal", "x:=0-1.5; x^3", {"-3.375"}},
    ProgramCase{"FloatingWholeExponentIsReal", "(0-1)^3.0", {"-1"}},
    ProgramCase{"LargeWholePowerOfNegative", "(0-3)^40", {"1.21576654590569288e19"}},
    ProgramCase{"PrincipalCubeRootOfNegative", "(0-8)^(1/3)", {"1 + 1.73205080756887729 * i"}},
    ProgramCase{"QuarterTurnOfComplexBase", "(1+i)^2.0; i^2.0", {"2 * i", "-1"}},
    ProgramCase{"LogarithmOfMinusOneIsPi", "ln(0-1)", {"3.14159265358979324 * i"}},
    ProgramCase{"ArgumentOfIIsHalfPi", "arg(i); arg(0-1)", {"1.57079632679489662", "3.14159265358979324"}},
    ProgramCase{"AngleBesideTheNegativeAxis", "ln((0-0.0801550912204448400841)-(6.64667948170151683157e-12)*i)",
                {"-2.52379188079056025-3.1415926535068705 * i"}},
    ProgramCase{"QuotientBelowSquaredRange", "1/1e2500; 5/1e-2500; (1e2500+i)/(1e2500+1e2500*i)",
                {"1e-2500", "5e2500", "0.5-0.5 * i"}},
    ProgramCase{"TanhFarOut", "tanh(6000); tanh(0-6000)", {"1", "-1"}},
    ProgramCase{"TanBesideItsPole", "tan(1.5707963268)", {"-195948538921.313881"}},
    ProgramCase{"TanFarOut", "tan(0-1308914.73487096260783)", {"1132.52259905355334"}},
    ProgramCase{"FactorialRoundedOnce", "fact(1680)", {"8.25334157698583885e4690"}}), rowName);

TEST(NumberText, PrecisionSetsSignificantDigits)
{
    struct Row { int precision; const char* program; const char* text; };
    for (const Row& r : {Row{5, "1/3.0", "0.33333"}, Row{5, "123456.0", "1.2346e5"}, Row{18, "2/3.0", "0.666666666666666667"},
                         Row{3, "1/3", "1/3"},
                         // Rounded once from the whole value, not from its 18-digit form.
                         Row{10, "1.00000000049999999999", "1"}, Row{17, "8.48937294828868704844e16", "84893729482886870"},
                         // A tie goes away from zero at every precision.
                         Row{18, "100000000000000000.5", "100000000000000001"}, Row{2, "0.125", "0.13"}}) {
        SCOPED_TRACE(r.program);
        Sheet sheet;
        sheet.calc.settings.Precision = r.precision;
        EXPECT_EQ(sheet.run(r.program), Lines{r.text});
    }
}

TEST(NumberText, StaleFractionIsNotPrinted)
{
    Number x = initcislo(true, 0.5L, 0.0L, 1, 3, 0, 1); // fraction 1/3 left beside 0.5
    EXPECT_EQ(cistostr(x, 18, '.'), "0.5");
    x = initcislo(true, 0.0L, 0.0L, 0, 1, 0, 1);
    EXPECT_EQ(cistostr(x, 18, '.'), "0");
}

TEST(NumberText, ConvertToDecimal)
{
    struct Row { const char* name; const char* line; const char* converted; };
    for (char separator : {'.', ','}) {
        for (const Row& r : {Row{"Fraction", "1/3", "0.333333333333333333"}, Row{"NegativeFraction", "-1/2", "-0.5"},
                             Row{"Integer", "5", "5"}, Row{"ExponentForm", "1.5e20", "1.5e20"},
                             Row{"ImaginaryUnit", "i", "i"}, Row{"MinusImaginaryUnit", " - i", " - i"},
                             Row{"RealPartKeepsItsDigits", "3-2 * i", "3-2 * i"},
                             Row{"ComplexFractions", "1/3 + 2/3 * i", "0.333333333333333333 + 0.666666666666666667 * i"}}) {
            SCOPED_TRACE(std::string(r.name) + " " + separator);
            Sheet sheet(separator);
            std::string line = r.line;
            EXPECT_TRUE(sheet.calc.convertToDecimal(line));
            EXPECT_EQ(line, r.converted);
        }
    }
}

TEST(NumberText, ConvertToDecimalReadsIAsTheUnitWhateverTheProgramDefined)
{
    Sheet sheet;
    sheet.run("for i:=1 to 3 do x:=i; k(t):=t; i");
    std::string line = "3 + 2 * i";
    EXPECT_TRUE(sheet.calc.convertToDecimal(line));
    EXPECT_EQ(line, "3 + 2 * i");
    line = "i"; // the very text the program evaluated, with i its variable
    EXPECT_TRUE(sheet.calc.convertToDecimal(line));
    EXPECT_EQ(line, "i");
    EXPECT_EQ(sheet.run("i*10"), Lines{"30"});
}

TEST(NumberText, ConvertToDecimalBeepsAndKeepsAnUnreadableLine)
{
    Sheet sheet;
    std::string line = "Error. Unknown variable identifier \" y \".";
    EXPECT_FALSE(sheet.calc.convertToDecimal(line));
    EXPECT_EQ(line, "Error. Unknown variable identifier \" y \".");
    EXPECT_EQ(sheet.services.beeps, 1);
    EXPECT_TRUE(sheet.calc.Outputs.empty());
}

} // namespace
