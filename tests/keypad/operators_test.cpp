// Operators with and without priority, brackets, percent, and the operation error.
#include "keypad_session.h"

using keypadtest::Session;
using keypadtest::withFormat;

namespace {

struct OperatorCase {
    const char* name;
    const char* keys;
    const char* display;
    bool priority = true;
};

const OperatorCase kOperatorCases[] = {
    {"ProductBeforeSum", "2 + 3 * 4 =", "14"},
    {"PowerBeforeProduct", "2 * 3 atamocnina 2 =", "18"},
    {"SubtractionLeftToRight", "10 - 2 - 3 =", "5"},
    {"DivisionLeftToRight", "100 / 5 / 2 =", "10"},
    {"PowerLeftAssociative", "2 atamocnina 3 atamocnina 2 =", "64"},
    {"WithoutPriorityLeftToRight", "2 + 3 * 4 =", "20", false},
    {"WithoutPriorityPowerToo", "2 * 3 atamocnina 2 =", "36", false},
    {"OperatorShowsReducedClass", "2 + 3 *", "3"},
    {"SumReducesEverything", "2 + 3 * 4 +", "14"},
    {"OperatorAfterOperatorUsesShownValue", "2 + * 3 =", "8"},
    {"Brackets", "2 * ( 3 + 4 ) =", "14"},
    {"NestedBrackets", "( ( 1 + 2 ) * ( 3 + 4 ) ) =", "21"},
    {"EqualsClosesOpenBrackets", "( ( 1 + 2 =", "3"},
    {"OpeningBracketDropsTypedNumber", "2 ( 3 + 4 ) =", "7"},
    {"ClosingAtLevelZeroIgnored", "2 ) + 3 =", "5"},
    {"Root", "8 shift atamocnina 3 =", "2"},
    {"LogN", "100 logaritmus 10 =", "2"},
    {"ExpN", "2 shift logaritmus 10 =", "100"},
    {"NegativeBaseIntegralPower", "2 znamenko atamocnina 3 =", "-8"},
    {"NegativeIntegralExponent", "2 atamocnina 2 znamenko =", "0,25"},
    {"ZeroToZero", "0 atamocnina 0 =", "1"},
    {"ZeroToPositive", "0 atamocnina 2,5 =", "0"},
    {"FractionalPower", "4 atamocnina 0,5 =", "2"},
    {"Mod", "7 imod 3 =", "1"},
    {"ModSignFollowsDivisor", "7 znamenko imod 3 =", "2"},
    {"ModNegativeDivisor", "7 imod 3 znamenko =", "-2"},
    {"ModOfDecimalFractionsLeavesNothing", "1 imod 0,1 =", "0"},
    {"ModOfManyTenths", "5,5 imod 0,1 =", "0"},
    {"ModFractionalRemainder", "7,5 imod 2 =", "1,5"},
    {"Div", "7 shift imod 2 =", "3"},
    {"DivFloors", "7 znamenko shift imod 2 =", "-4"},
    {"Combinations", "5 comb 2 =", "10"},
    {"CombinationsSymmetry", "10 comb 8 =", "45"},
    {"Variations", "5 shift comb 2 =", "20"},
    {"CombinationsOfNonPositiveK", "5 comb 0 =", "1"},
    {"VariationsPastZeroFactor", "5 shift comb 1000000000 =", "0"},
    {"PercentOfSum", "200 + 10 shift =", "220"},
    {"PercentOfDifference", "200 - 10 shift =", "180"},
    {"PercentOfProduct", "200 * 10 shift =", "20"},
    {"PercentOfQuotient", "200 / 10 shift =", "2000"},
    {"PercentAlone", "7 shift =", "7"},
    {"EqualsAgainShowsSameValue", "2 + 3 = =", "5"},
    {"PriorityInsideBrackets", "( 2 + 3 * 4 ) =", "14"},
};

class Operators : public testing::TestWithParam<OperatorCase> {};

TEST_P(Operators, Compute)
{
    const OperatorCase& c = GetParam();
    Session s(',', withFormat({}, c.priority));
    s.keys(c.keys);
    EXPECT_EQ(s.labels().display, c.display);
    EXPECT_TRUE(s.messages().empty());
}

INSTANTIATE_TEST_SUITE_P(Operuj, Operators, testing::ValuesIn(kOperatorCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct ErrorCase {
    const char* name;
    const char* keys;
};

// Every operation error shows "Operation error." and leaves the state of AC.
const ErrorCase kOperationErrors[] = {
    {"DivisionByZero", "5 / 0 ="},
    {"ModByZero", "5 imod 0 ="},
    {"DivByZero", "5 shift imod 0 ="},
    {"LogOfNegative", "2 znamenko logaritmus 10 ="},
    {"LogToBaseOne", "100 logaritmus 1 ="},
    {"NegativeBaseFractionalExponent", "8 znamenko atamocnina 0,5 ="},
    {"ZeroToNegativeInteger", "0 atamocnina 1 znamenko ="},
    {"Overflow", "10 atamocnina 5000 ="},
    {"UnshowableResult", "10 atamocnina 999 * 10 ="},
    {"RootOfZeroDegree", "8 shift atamocnina 0 ="},
    {"HexDigitInExponent", "1 exponent shift 9 +"},
    {"InsideBracket", "1 + ( 1 / 0 )"},
};

class OperationError : public testing::TestWithParam<ErrorCase> {};

TEST_P(OperationError, ResetsLikeAllClear)
{
    Session s(',', {}, "GRA");
    s.keys("4 pmem ( (");
    s.keys(GetParam().keys);
    EXPECT_EQ(s.messages(), std::vector<std::string>{"Operation error."});
    EXPECT_EQ(s.services.beeps, 1);
    EXPECT_EQ(s.labels().display, "0");
    EXPECT_EQ(s.labels().expon, "");
    EXPECT_EQ(s.labels().zavorky, "");
    EXPECT_EQ(s.engine.trail(), "");
    EXPECT_EQ(s.engine.record().bracketLevel, 0);
    EXPECT_EQ(s.labels().deg, "GRA");
    EXPECT_EQ(s.engine.memory(1), 4.0L);
    s.keys("6 =");
    EXPECT_EQ(s.labels().display, "6"); // nothing pending survived
}

INSTANTIATE_TEST_SUITE_P(Operuj, OperationError, testing::ValuesIn(kOperationErrors),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Operators, FailedPercentDoesNotLeavePercentModeOn)
{
    Session s;
    s.keys("1 / 0 shift = 200 * 10 =");
    EXPECT_EQ(s.labels().display, "2000");
}

TEST(Brackets, IndicatorFollowsLevel)
{
    Session s;
    s.keys("( ( (");
    EXPECT_EQ(s.labels().zavorky, "( ( ( ");
    s.keys("1 )");
    EXPECT_EQ(s.labels().zavorky, "( ( ");
    s.keys("=");
    EXPECT_EQ(s.labels().zavorky, "");
}

TEST(Brackets, SevenLevelsAtMost)
{
    Session s;
    s.keys("( ( ( ( ( ( ( ( (");
    EXPECT_EQ(s.engine.record().bracketLevel, 7);
    EXPECT_EQ(s.labels().zavorky.size(), 14u);
    s.keys("2 ) ) ) ) ) ) ) ) =");
    EXPECT_EQ(s.labels().display, "2");
    EXPECT_EQ(s.engine.record().bracketLevel, 0);
}

TEST(Brackets, ShiftOpeningShowsRandomInUnitInterval)
{
    Session s;
    for (int i = 0; i < 50; ++i) {
        s.keys("shift (");
        const long double r = s.engine.record().workValue;
        EXPECT_GE(r, 0.0L);
        EXPECT_LT(r, 1.0L);
        EXPECT_TRUE(s.engine.record().resultShown);
    }
}

TEST(Brackets, ShiftClosingReadsBackTheRoundedDisplay)
{
    Session s;
    s.keys("2 / 3 = shift )");
    EXPECT_FALSE(s.engine.record().resultShown);
    EXPECT_EQ(s.engine.record().workValue, 0.666666666667L);
    s.keys("5");
    EXPECT_EQ(s.labels().display, "0,6666666666675"); // typing goes on on the shown text
}

} // namespace
