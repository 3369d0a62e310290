// The function library through program texts: exact and floating results, and messages.
#include "program_table.h"

using namespace textcalc::library_tests;

namespace {

class Functions : public ProgramTable {
protected:
    Functions() : ProgramTable(12) {}
};
TEST_P(Functions, WriteValues) { check(); }

INSTANTIATE_TEST_SUITE_P(Parts, Functions, testing::Values(
    ProgramCase{"ReKeepsExactFraction", "re(1/3+2i)", {"1/3"}},
    ProgramCase{"ImIsExact", "im(1/3+2i)", {"2"}},
    ProgramCase{"ConjOfI", "conj(i)", {" - i"}},
    ProgramCase{"ConjKeepsExactness", "conj(1/2+i)", {"1/2 - i"}},
    // -(-2^63) does not fit: the conjugate falls back to floating instead of keeping the wrong sign.
    ProgramCase{"ConjOfMostNegativeImaginaryNumerator", "x:=(0-4611686018427387904)*2*i; conj(x)+0",
                {"9.22337203685e18 * i"}},
    ProgramCase{"FloorGaussian", "floor(2.7+1.2i)", {"2 + i"}},
    ProgramCase{"CeilNegative", "ceil(0-2.5)", {"-2"}},
    ProgramCase{"FloorBeyond32BitUnchanged", "floor(1e10)+1/3", {"10000000000.3"}},
    ProgramCase{"TruncTowardZero", "trunc(0-2.7)+trunc(3.9i)", {"-2 + 3 * i"}},
    ProgramCase{"FracExact", "frac(7/2); frac(0-7/2)", {"1/2", "-1/2"}},
    ProgramCase{"FracExactEqualsItsFraction", "if frac(10/3)=1/3 then 1 else 0", {"1"}},
    ProgramCase{"FracOfLargeFraction", "frac((0-9223372036854775807)/6)", {"-1/6"}},
    ProgramCase{"FracFloating", "frac(2.75)", {"0.75"}},
    ProgramCase{"SgnParts", "sgn(0-3+2i)", {"-1 + i"}},
    ProgramCase{"AbsRealExact", "abs(0-3/4)", {"3/4"}},
    ProgramCase{"AbsOfNegativeDenominator", "abs(1/(0-2)); abs(1/(0-2))+1/2", {"1/2", "1"}},
    ProgramCase{"AbsImaginaryExact", "abs(0-2/3i)", {"2/3"}},
    ProgramCase{"AbsComplexFloating", "abs(3+4i)+1/3", {"5.33333333333"}},
    ProgramCase{"SqrStaysExact", "sqr(1/2+i)", {"-3/4 + i"}},
    ProgramCase{"SqrtOfZeroUnchanged", "sqrt(0)", {"0"}},
    ProgramCase{"SqrtPrincipal", "sqrt(9/4)", {"1.5"}}), rowName);

INSTANTIATE_TEST_SUITE_P(Rounding, Functions, testing::Values(
    ProgramCase{"HalvesToEven", "round(2.5); round(3.5); round(0-2.5)", {"2", "4", "-2"}},
    ProgramCase{"GaussianInteger", "round(2.5+3.6i)", {"2 + 4 * i"}},
    ProgramCase{"PlacesFloating", "round(1.25, 1); round(1/3, 3)+1/3", {"1.2", "0.666333333333"}},
    ProgramCase{"NegativePlacesTakenAbsolute", "round(2.375, 0-2)", {"2.38"}},
    ProgramCase{"TooManyPlaces", "round(1, 70000)", {"Error. General computation error"}},
    ProgramCase{"DivAndModTruncate", "div(0-7, 2); mod(0-7, 2); div(7.6, 2)", {"-3", "-1", "4"}},
    ProgramCase{"DivByZero", "mod(7, 0.2)", {"Error. General computation error"}}), rowName);

INSTANTIATE_TEST_SUITE_P(Transcendental, Functions, testing::Values(
    ProgramCase{"ExpOfZeroAndOne", "exp(0); exp(1)", {"1", "2.71828182846"}},
    ProgramCase{"LnOfNegative", "ln(0-1)", {"3.14159265359 * i"}},
    ProgramCase{"LnOfZero", "ln(0)", {"Error. General computation error"}},
    ProgramCase{"Log10", "log10(1000)", {"3"}},
    ProgramCase{"LognWithBase", "logn(8, 2)", {"3"}},
    ProgramCase{"Arg", "arg(0-1); arg(i)", {"3.14159265359", "1.57079632679"}},
    ProgramCase{"SinCosComplex", "sin(i); cos(i)", {"1.17520119364 * i", "1.54308063482"}},
    ProgramCase{"SinCosReal", "sin(pi/6); cos(pi/3); sin(0-pi/2)", {"0.5", "0.5", "-1"}},
    ProgramCase{"TanAndTanh", "tan(pi/4); tanh(0)", {"1", "0"}},
    ProgramCase{"TanAndTanhOfComplex", "tan(1+i); tanh(1+i); tanh(6000+i); tan(1+6000i)",
                {"0.27175258532 + 1.08392332734 * i", "1.08392332734 + 0.27175258532 * i", "1", "i"}},
    ProgramCase{"IntegralOfOddPowerIsReal", "int(x^3, x=0-1..2, 0.001)", {"3.75000075"}},
    ProgramCase{"SquareRootOfComplex", "sqrt(0-2i); sqrt(3+4i); sqrt((0-1.44)+0.036i)",
                {"1 - i", "2 + i", "0.0149988284453 + 1.2000937317 * i"}},
    ProgramCase{"Hyperbolic", "sinh(1); cosh(0)", {"1.17520119364", "1"}},
    ProgramCase{"ArcFunctionsIgnoreImaginary", "arcsin(1+5i); arctan(1)", {"1.57079632679", "0.785398163397"}},
    ProgramCase{"ArcsinOutOfDomain", "arcsin(2)", {"Error. General computation error"}},
    ProgramCase{"AreaFunctions", "arcsinh(0); arccosh(1); arctanh(0)", {"0", "0", "0"}},
    ProgramCase{"ArctanhPole", "arctanh(1)", {"Error. General computation error"}},
    ProgramCase{"AngleUnits", "degtorad(180); radtodeg(pi/2)", {"3.14159265359", "90"}}), rowName);

INSTANTIATE_TEST_SUITE_P(Combinatorics, Functions, testing::Values(
    ProgramCase{"Factorial", "fact(0); fact(5); fact(20)", {"1", "120", "2432902008176640000"}},
    ProgramCase{"FactorialBeyond64Bit", "fact(25)", {"1.55112100433e25"}},
    ProgramCase{"FactorialOverflow", "fact(3000)", {"Error. General computation error"}},
    ProgramCase{"DoubleFactorial", "ffact(7); ffact(8); ffact(1)", {"105", "384", "1"}},
    ProgramCase{"CombSymmetric", "comb(5, 2); comb(5, 3); comb(3, 5)", {"10", "10", "1"}},
    ProgramCase{"Variations", "variat(5, 2); variat(5, 0)", {"20", "1"}},
    ProgramCase{"CombLargeExact", "comb(60, 30)", {"118264581564861424"}},
    ProgramCase{"CombBeyond64Bit", "comb(100, 50)", {"1.00891344546e29"}},
    ProgramCase{"VariationsEndAtZeroFactor", "variat(1, 1000000000000000)", {"0"}},
    ProgramCase{"Prime", "prime(1); prime(2); prime(49); prime(97); prime(0-97)", {"0", "1", "0", "1", "1"}},
    ProgramCase{"Gcd", "gcd(12, 18, 30); gcd(0, 0); gcd(0-12)", {"6", "0", "12"}},
    ProgramCase{"Lcm", "lcm(4, 6); lcm(2, 3, 4); lcm(0, 5); lcm(0-7)", {"12", "12", "0", "7"}},
    ProgramCase{"LcmOfZeros", "lcm(0, 0)", {"Error. General computation error"}},
    ProgramCase{"LcmOverflow", "lcm(4611686018427387904, 3)", {"Error. General computation error"}},
    ProgramCase{"PowerIsTheOperator", "power(2, 10); power(2, 0-2); power(4, 0.5)", {"1024", "1/4", "2"}}), rowName);

INSTANTIATE_TEST_SUITE_P(Extremes, Functions, testing::Values(
    ProgramCase{"MaxByRealPart", "max(3, 1+i, 2)", {"3"}},
    ProgramCase{"TiesKeepTheFirst", "max(1/2, 0.5)+1/3; min(0.5, 1/2)+1/3", {"5/6", "0.833333333333"}},
    ProgramCase{"ImaginaryPartCleared", "min(2+5i); max(1+2i, 1/2)", {"2", "1"}},
    ProgramCase{"MinOfMany", "min(1/3, 0.5, 1/4, 2)", {"1/4"}}), rowName);

INSTANTIATE_TEST_SUITE_P(Colours, Functions, testing::Values(
    ProgramCase{"ComponentsRoundTrip", "c:=rgbtocolor(1, 2, 3); red(c); green(c); blue(c)", {"1", "2", "3"}},
    ProgramCase{"NoClamping", "rgbtocolor(0, 0, 300); rgbtocolor(0-1, 0, 0)", {"300", "-65536"}},
    ProgramCase{"Constants", "red(clred); green(clgreen); blue(clblue); green(clwhite)", {"255", "255", "255", "255"}}), rowName);

INSTANTIATE_TEST_SUITE_P(Messages, Functions, testing::Values(
    ProgramCase{"UnknownFunction", "foo(1)", {"Error. Unknown function identifier \" foo \"."}},
    ProgramCase{"MissingSecondArgument", "power(2)", {"Error. \" , \" expected, but \" ) \" found."}},
    ProgramCase{"ExtraArgument", "round(1, 2, 3)", {"Error. \" ) \" expected, but \" , \" found."}},
    ProgramCase{"WrongSeparatorInList", "max(1=2)", {"Error. \" , \" expected, but \" = \" found."}},
    ProgramCase{"OneArgumentFunctionTakesNoComma", "sin(1, 2)", {"Error. Unexpected character \" , \"."}},
    ProgramCase{"UserFunctionHidesBuiltIn", "sin(x):=2*x; sin(1)", {"2"}},
    ProgramCase{"GetNumNeedsALiteral", "getnum(7)", {"Error. Invalid string in \" GetNum \" function."}},
    ProgramCase{"QuestionNeedsALiteral", "question(x)", {"Error. Invalid string in \" Question \" function."}}), rowName);

// Dialogs go through the services: the answer of GetNum is evaluated as typed.
TEST(Dialogs, GetNumEvaluatesTheAnswer)
{
    struct Row {
        const char* name;
        std::optional<std::string> answer;
        std::string expected;
    };
    const Row rows[] = {
        {"Fraction", std::string("1/3+1"), "4/3"},
        {"Cancelled", std::nullopt, "0"},
        {"NotPrepared", std::string("Pi"), "Error. Unexpected character \" P \"."},
        // Bytes that are not UTF-8 are Windows-1250; a character beyond ASCII is shown whole.
        {"Windows1250Byte", std::string("1\xE9"), "Error. Unexpected character \" \xC3\xA9 \"."},
        {"Utf8Character", std::string("\xCF\x80"), "Error. Unexpected character \" \xCF\x80 \"."},
        // ";" ends prime's bracket, read as a level, and the answer reads on after it:
        // prime(7) times 2; the argument list of max goes on past it.
        {"SemicolonEndsPrimesBracket", std::string("prime(7;2)"), "2"},
        {"SemicolonInsideArgumentList", std::string("max(1;2,3)+1"), "4"},
        // Answers are not checked for brackets: a list may end at the answer's end or at "]",
        // and an argument read before that stop is evaluated first.
        {"ListEndsWithTheAnswer", std::string("mod(7,2"), "Error. \" ) \" expected, but \" ; \" found."},
        {"ListEndsAtSquareBracket", std::string("sum(n,n=1_3]+1"), "Error. \" ) \" expected, but \" ] \" found."},
        {"ArgumentFailsBeforeTheEnd", std::string("mod(1/0,2"), "Error. General computation error"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Session session;
        session.services.inputs.push_back(row.answer);
        EXPECT_EQ(session.value("getnum('Value?')"), row.expected);
    }
}

TEST(Dialogs, QuestionAsksWithYesAndNo)
{
    Session session;
    session.services.answers = {platform::Answer::Yes, platform::Answer::No};
    EXPECT_EQ(session.run("question('Go on?'); question('Again?')"), (Lines{"1", "0"}));
    ASSERT_EQ(session.services.messages.size(), 2u);
    EXPECT_EQ(session.services.messages[0].text, "Go on?");
    EXPECT_EQ(session.services.messages[0].buttons, platform::Buttons::YesNo);
}

} // namespace
