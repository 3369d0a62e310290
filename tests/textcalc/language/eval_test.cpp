// Expressions: precedence, signs, implicit multiplication, literals, names and their errors.
#include "run_helper.h"

#include "textcalc/eval/eval_support.h"

using namespace textcalc::testing_support;

namespace {

class Evaluator : public ProgramTable {};
TEST_P(Evaluator, WritesValues) { check(); }

INSTANTIATE_TEST_SUITE_P(Precedence, Evaluator, testing::Values(
    ProgramCase{"ProductBeforeSum", "2+3*4", {"14"}},
    ProgramCase{"PowerBeforeProduct", "2*3^2", {"18"}},
    ProgramCase{"LeadingSignAfterPower", "-2^2", {"-4"}},
    ProgramCase{"PowerThenProduct", "2^3*2", {"16"}},
    ProgramCase{"QuotientsFromTheLeft", "10/4/5", {"1/2"}},
    ProgramCase{"DifferencesFromTheLeft", "10-4-3", {"3"}},
    ProgramCase{"PowersChainFromTheLeft", "2^3^2", {"64"}},
    ProgramCase{"DoubleStarIsPower", "2**5", {"32"}},
    ProgramCase{"SquareBracketsAreBrackets", "[1+2]*3", {"9"}}), rowName);

INSTANTIATE_TEST_SUITE_P(Signs, Evaluator, testing::Values(
    ProgramCase{"SignOfFactor", "2*-3", {"-6"}},
    ProgramCase{"SignOfDivisor", "1/-4", {"-1/4"}},
    ProgramCase{"SignOfExponent", "2^-1", {"1/2"}},
    ProgramCase{"SignedFactorTakesItsPower", "2*-3^2", {"-18"}},
    ProgramCase{"TwoSignsCancel", "2*--3", {"6"}},
    ProgramCase{"SignInBracket", "2^(-2)", {"1/4"}},
    ProgramCase{"PlusAtStart", "+5", {"5"}},
    ProgramCase{"SignOfAddend", "2+-3", {"-1"}},
    ProgramCase{"SignOfSubtrahend", "2--3", {"5"}},
    ProgramCase{"PlusSignOfSubtrahend", "2-+3", {"-1"}},
    ProgramCase{"TwoSignsAtStart", "--2", {"2"}},
    ProgramCase{"SignsAfterVariable", "x:=4; x-(-1)--1", {"6"}}), rowName);

INSTANTIATE_TEST_SUITE_P(ImplicitMultiplication, Evaluator, testing::Values(
    ProgramCase{"NumberBracket", "2(3+1)", {"8"}},
    ProgramCase{"BracketBracket", "(1+2)(3+4)", {"21"}},
    ProgramCase{"NumberName", "x:=5; 2x", {"10"}},
    ProgramCase{"BracketNumber", "(2)3", {"6"}},
    ProgramCase{"NumberConstant", "2pi", {"6.28318530717958648"}},
    ProgramCase{"NameBeforePower", "x:=3; 2x^2", {"18"}}), rowName);

INSTANTIATE_TEST_SUITE_P(Literals, Evaluator, testing::Values(
    ProgramCase{"IntegerIsExact", "12/8", {"3/2"}},
    ProgramCase{"PointMakesFloating", "12.0/8", {"1.5"}},
    ProgramCase{"ExponentMakesFloating", "1e3", {"1000"}},
    ProgramCase{"NegativeExponent", "25e-1", {"2.5"}},
    ProgramCase{"LeadingPoint", ".5*4", {"2"}},
    ProgramCase{"BeyondInt64IsFloating", "9223372036854775808", {"9.22337203685477581e18"}},
    ProgramCase{"LargestInt64IsExact", "9223372036854775807-1", {"9223372036854775806"}},
    ProgramCase{"PlusAfterExponentIsNotPartOfLiteral", "1e+5", {"Error. \" 1e \" is not a valid real number."}},
    ProgramCase{"NameStartingWithE", "2exp(1)", {"Error. \" 2e \" is not a valid real number."}},
    ProgramCase{"TwoPoints", "1.2.3", {"Error. \" 1.2.3 \" is not a valid real number."}},
    ProgramCase{"OutOfExtendedRange", "1e5000", {"Error. \" 1e5000 \" is not a valid real number."}},
    ProgramCase{"LoneLargestInteger", "9223372036854775807", {"9223372036854775807"}},
    ProgramCase{"LoneDigitsThenName", "x:=4; 12x", {"48"}},
    ProgramCase{"LiteralIsItsIndex", "'a'; 'b'+10", {"0", "11"}}), rowName);

INSTANTIATE_TEST_SUITE_P(Constants, Evaluator, testing::Values(
    ProgramCase{"ImaginaryUnit", "i*i", {"-1"}},
    ProgramCase{"Pi", "pi", {"3.14159265358979324"}},
    ProgramCase{"Colours", "clred; clgreen; clblue; clwhite; clblack; clyellow; clfuchsia; claqua",
                {"16711680", "65280", "255", "16777215", "0", "16776960", "16711935", "65535"}},
    ProgramCase{"NoPictureReadsZero", "penposx+penposy+picwidth+picheight", {"0"}},
    ProgramCase{"RandomInUnitInterval", "r:=random; if r<0 then 1; if r>=1 then 2", {"Statements executed (no output)."}},
    ProgramCase{"VariableShadowsConstant", "pi:=3; pi", {"3"}}), rowName);

INSTANTIATE_TEST_SUITE_P(Arrays, Evaluator, testing::Values(
    ProgramCase{"ZeroIndexIsLength", "a[4]:=1; a[0]", {"4"}},
    ProgramCase{"LastElement", "a[2]:=5; a[a[0]]", {"5"}},
    ProgramCase{"IndexRounded", "a[2]:=5; a[1.6]", {"5"}},
    ProgramCase{"PastTheEnd", "a[2]:=5; a[a[0]+1]", {"Error. Index 3 is out of range of array \" a \"."}},
    ProgramCase{"Negative", "a[2]:=5; a[0-1]", {"Error. Index -1 is out of range of array \" a \"."}},
    ProgramCase{"UnknownArray", "b[1]", {"Error. Unknown array identifier \" b \"."}},
    ProgramCase{"ArrayAndVariableShareAName", "a:=3; a[2]:=5; a*a[2]", {"15"}}), rowName);

INSTANTIATE_TEST_SUITE_P(UserFunctions, Evaluator, testing::Values(
    ProgramCase{"Square", "f(x):=x^2; f(3)", {"9"}},
    ProgramCase{"ThreeParameters", "f(a,b,c):=a*100+b*10+c; f(1,2,3)", {"123"}},
    ProgramCase{"ArgumentsSeeCallerBindings", "g(x):=x; f(x,y):=g(y)+x; f(1,2)", {"3"}},
    ProgramCase{"DynamicScope", "g(y):=x; f(x):=g(0); f(7)", {"7"}},
    ProgramCase{"ParameterHidesVariable", "x:=100; f(x):=x; f(1); x", {"1", "100"}},
    ProgramCase{"RedefinitionReplaces", "f(x):=x; f(x,y):=x-y; f(5,2)", {"3"}},
    ProgramCase{"HidesBuiltIn", "sin(x):=2*x; sin(1)", {"2"}},
    // The same call site, run again after a definition changed what its name means.
    ProgramCase{"HidesBuiltInFromTheNextRunOfASite", "for k:=1 to 2 do begin y:=sin(1); sin(x):=2*x end; y", {"2"}},
    ProgramCase{"RedefinedBetweenRunsOfASite", "f(x):=x; for k:=1 to 2 do begin y:=f(3); f(x):=x*x end; y", {"9"}},
    ProgramCase{"NestedCalls", "f(x):=x+1; f(f(f(0)))", {"3"}},
    ProgramCase{"VariableBeforeBracketMultiplies", "x:=3; x(2)", {"6"}},
    ProgramCase{"FunctionWinsOverVariable", "x:=3; x(y):=y+1; x(2)", {"3"}},
    ProgramCase{"BuiltInWinsOverVariable", "abs:=3; abs(0-2)", {"2"}},
    ProgramCase{"TooFewArguments", "f(x,y):=x+y; f(1)", {"Error. Function \" f \" requires 2 parameters."}},
    ProgramCase{"TooManyArguments", "f(x):=x; f(1,2)", {"Error. Function \" f \" requires 1 parameters."}},
    ProgramCase{"EndlessRecursion", "f(x):=f(x)+1; f(1)", {"Error. Recursion too deep."}}), rowName);

INSTANTIATE_TEST_SUITE_P(Errors, Evaluator, testing::Values(
    ProgramCase{"UnknownVariable", "y+1", {"Error. Unknown variable identifier \" y \"."}},
    ProgramCase{"UnknownFunction", "nosuch(1)", {"Error. Unknown function identifier \" nosuch \"."}},
    ProgramCase{"EqualsShownAsWritten", "1=2", {"Error. Unexpected character \" = \"."}},
    ProgramCase{"EqualsInBrackets", "(1=2)", {"Error. Unexpected character \" = \"."}},
    ProgramCase{"CommaAtTopLevel", "1,2", {"Error. Unexpected character \" , \"."}},
    ProgramCase{"Colon", "1:2", {"Error. Unexpected character \" : \"."}},
    ProgramCase{"RangeOutsideArguments", "1..2", {"Error. Unexpected character \" _ \"."}},
    ProgramCase{"ProductWithoutRightSide", "2*", {"Error. Unexpected character \" ; \"."}},
    ProgramCase{"SumWithoutRightSide", "x:=2+", {"Error. Unexpected character \" ; \"."}},
    ProgramCase{"PowerWithoutExponent", "(2^)", {"Error. Unexpected character \" ) \"."}},
    ProgramCase{"LoneSign", "2*(-)", {"Error. Unexpected character \" ) \"."}},
    ProgramCase{"ProductAtStart", "*3", {"Error. Unexpected character \" * \"."}},
    ProgramCase{"TwoOperators", "2+*3", {"Error. Unexpected character \" * \"."}},
    ProgramCase{"PowerAfterProduct", "2*^3", {"Error. Unexpected character \" ^ \"."}},
    ProgramCase{"EmptyBracketIsZero", "2+()", {"2"}},
    ProgramCase{"DivisionByZero", "1/0", {"Error. General computation error"}},
    ProgramCase{"ZeroToNegativePower", "0^(0-2)", {"Error. General computation error"}},
    ProgramCase{"DivisionByCancelledFractions", "x:=1/3-1/7-4/21; 1/x", {"Error. General computation error"}},
    ProgramCase{"ExtendedOverflow", "1e4000*1e4000", {"Error. General computation error"}},
    ProgramCase{"DeepBrackets", "((((((((((((((((((((1))))))))))))))))))))", {"1"}}), rowName);

TEST(Evaluator, BracketsNestedThousandsDeepEndTheRun)
{
    Sheet sheet;
    const std::string program = std::string(20000, '(') + "1" + std::string(20000, ')');
    EXPECT_EQ(sheet.run(program), Lines{"Error. Recursion too deep."});
}

TEST(Evaluator, TextAfterTopLevelBracketIgnored)
{
    ContextSheet sheet;
    EXPECT_EQ(sheet.context.cistostr(sheet.context.eval("1+2)*5")), "3");
    EXPECT_EQ(sheet.context.cistostr(sheet.context.eval("(1+2")), "3");
}

TEST(Evaluator, TimeCountsFromTheRunStart)
{
    ContextSheet sheet;
    const auto start = std::chrono::system_clock::time_point(std::chrono::seconds(1000));
    sheet.services.fixedTime = start;
    sheet.run("t:=time");
    sheet.services.fixedTime = start + std::chrono::milliseconds(1234);
    EXPECT_EQ(sheet.context.cistostr(sheet.context.eval("time")), "1.23");
}

TEST(Evaluator, ScanArgumentStopsAtDepthZero)
{
    struct Row { const char* text; const char* arg; char stop; size_t next; };
    for (const Row& r : {Row{"a(b,c),d", "a(b,c)", ',', 7}, Row{"n=1_10)", "n", '=', 2}, Row{"x[1]_2", "x[1]", '_', 5},
                         Row{"1+2", "1+2", ';', 3}, Row{")", "", ')', 1}}) {
        SCOPED_TRACE(r.text);
        size_t pos = 0;
        std::string_view arg;
        EXPECT_EQ(textcalc::evaluation::scanArgument(r.text, pos, arg), r.stop);
        EXPECT_EQ(arg, r.arg);
        EXPECT_EQ(pos, r.next);
    }
}

} // namespace
