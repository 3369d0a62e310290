// The numerical operators through program texts: ranges, grids, borders and messages.
#include "program_table.h"

using namespace textcalc::library_tests;

namespace {

class Operators : public ProgramTable {
protected:
    Operators() : ProgramTable(12) {}
};
TEST_P(Operators, WriteValues) { check(); }

INSTANTIATE_TEST_SUITE_P(IntegerRanges, Operators, testing::Values(
    ProgramCase{"SumExact", "sum(n, n=1..100); sum(1/n, n=1..3)", {"5050", "11/6"}},
    ProgramCase{"ProductExact", "product(n, n=1..5)", {"120"}},
    ProgramCase{"EmptyRanges", "sum(n, n=5..1); product(n, n=5..1)", {"0", "1"}},
    ProgramCase{"BordersEvaluatedAndRounded", "sum(n, n=0.6..1+1.5)", {"3"}},
    ProgramCase{"NegativeBorders", "sum(n, n=0-3..0-1)", {"-6"}},
    ProgramCase{"SumTurnsFloatingOnOverflow", "sum(4611686018427387904, n=1..3)", {"1.38350580553e19"}},
    ProgramCase{"Nested", "sum(sum(m, m=1..n), n=1..4)", {"20"}},
    ProgramCase{"RunningVariableHidesProgramVariable", "n:=7; sum(n, n=1..3); n", {"6", "7"}},
    ProgramCase{"InnerHidesOuter", "sum(sum(n, n=1..2), n=1..3)", {"9"}},
    ProgramCase{"IterNewton", "iter(x=1, x/2+1/x, n=1..3)", {"577/408"}},
    ProgramCase{"IterSeesIndex", "iter(x=0, x+n, n=1..4)", {"10"}},
    ProgramCase{"IterEmptyRangeGivesStart", "iter(x=5/2, x*x, n=3..1)", {"5/2"}},
    ProgramCase{"ArgmaxOfSine", "argmax(sin(n), n=1..10)", {"8"}},
    ProgramCase{"ArgminOfConstantIsLow", "argmin(3, n=4..9)", {"4"}},
    ProgramCase{"ArgmaxTiesKeepEarlier", "argmax(abs(n), n=0-3..3)", {"-3"}},
    ProgramCase{"ImaxKeepsWholeValue", "imax((n-2)^2+n*i, n=1..4); imin((n-2)^2+n*i, n=1..4)", {"4 + 4 * i", "2 * i"}},
    ProgramCase{"SingleIndex", "imax(n/3, n=2..2); argmin(n, n=2..2)", {"2/3", "2"}}), rowName);

INSTANTIATE_TEST_SUITE_P(RealAxis, Operators, testing::Values(
    ProgramCase{"IntegralDefaultSteps", "int(x^2, x=0..1)", {"0.3333335"}},
    ProgramCase{"ShortLastStep", "int(x^2, x=0..1, 0.3)", {"0.347"}},
    ProgramCase{"StepSignFollowsInterval", "int(x, x=0..1, 0-0.25); int(x, x=1..0, 0.25)", {"0.5", "-0.5"}},
    ProgramCase{"ReversedInterval", "int(x, x=1..0)", {"-0.5"}},
    ProgramCase{"ComplexBody", "int(i*x, x=0..2, 0.5)", {"2 * i"}},
    ProgramCase{"EmptyInterval", "int(x, x=2..2); int(x, x=2..2, 0.25)", {"0", "0"}},
    ProgramCase{"StepLargerThanInterval", "int(x, x=0..1, 5)", {"0.5"}},
    ProgramCase{"Length", "length(x, x=0..1); length(x, x=1..0)", {"1.41421356237", "-1.41421356237"}},
    ProgramCase{"LengthSumsTheWidths", "length(0, x=0..1, 0.3)", {"1"}},
    ProgramCase{"Volume", "volume(1, x=0..2); volume(1, x=2..0)", {"6.28318530718", "6.28318530718"}},
    ProgramCase{"Surface", "surface(1, x=0..1)", {"6.28318530718"}},
    ProgramCase{"CurveIntegralOfLine", "cint(z, z=t, t=0..1)", {"0.5"}},
    ProgramCase{"CurveIntegralAroundPole", "round(cint(1/z, z=exp(i*t), t=0..2*pi), 3)", {"6.283 * i"}},
    ProgramCase{"CurveIntegralWithStep", "cint(1, z=t*t, t=0..1, 0.3)", {"1"}},
    ProgramCase{"Solve", "solve(x^2-2, x=0..2); solve(x^3-2, x=0..2)", {"1.41421356237", "1.25992104989"}},
    ProgramCase{"SolveReversed", "solve(x-1/2, x=1..0)", {"0.5"}},
    ProgramCase{"Derivatives", "round(dif(x^3, x=2), 4); round(dif2(x^3, x=2), 2)", {"12", "12"}},
    ProgramCase{"DerivativeOfComplexBody", "round(dif(i*x^2, x=1), 4)", {"2 * i"}},
    ProgramCase{"BorderExpression", "int(1, x=0..pi/2)", {"1.57079632679"}}), rowName);

INSTANTIATE_TEST_SUITE_P(Messages, Operators, testing::Values(
    ProgramCase{"ZeroStep", "int(x, x=0..1, 0)", {"Error. Step mustn´t be zero."}},
    ProgramCase{"ZeroStepOfCurveIntegral", "cint(z, z=t, t=0..1, 1-1)", {"Error. Step mustn´t be zero."}},
    ProgramCase{"StepLostInRounding", "int(1, x=1e20..1e20+1000)", {"Error. General computation error"}},
    ProgramCase{"SameSign", "solve(x^2+1, x=0-1..1)", {"Error. The function has the same sign at the interval border points."}},
    ProgramCase{"NoZeroPoint", "solve(floor(3x)-0.5, x=0..1)", {"Error. The zero point of the function wasn´t found."}},
    ProgramCase{"EmptyIndexSet", "argmax(n, n=3..1)", {"Error. Empty index set."}},
    ProgramCase{"EmptyIndexSetOfImin", "imin(n, n=3..1)", {"Error. Empty index set."}},
    ProgramCase{"RangeNeedsDots", "sum(n, n=1, 5)", {"Error. \" _ \" expected, but \" , \" found."}},
    ProgramCase{"TooManyArguments", "int(x, x=0..1, 0.1, 2)", {"Error. \" ) \" expected, but \" , \" found."}},
    ProgramCase{"InvalidRunningVariable", "sum(1, 2=1..3)", {"Error. \" 2 \" is not a valid identifier."}},
    ProgramCase{"BodyError", "sum(1/y, n=1..2)", {"Error. Unknown variable identifier \" y \"."}},
    ProgramCase{"RunningVariableGoneAfterError", "n:=7; try sum(q, n=1..3); n", {"Error. Unknown variable identifier \" q \".", "7"}}), rowName);

} // namespace
