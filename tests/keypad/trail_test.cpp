// The calculation trail: echoes of operands and the texts of operators, functions and brackets.
#include "keypad_session.h"

using keypadtest::Session;
using keypadtest::withFormat;

namespace {

struct TrailCase {
    const char* name;
    const char* keys;
    const char* trail; // without the leading space
    const char* separator = "";
};

const TrailCase kTrailCases[] = {
    {"FunctionResultNotEchoedButEqualsResultIs", "3 nadruhou + 4 = * 2 =", "3 sqr + 4 = 13 * 2 ="},
    {"ShownValueEchoedAgainAsSecondOperand", "2 + =", "2 + 2 ="},
    {"MemoryPlusEchoesOperand", "5 pmem", "5"},
    {"RecalledValueEchoedWhenUsed", "5 pmem rmem +", "5 5 +"},
    {"ZeroExponentNotEchoed", "1,5 exponent =", "1,5 ="},
    {"NegativeExponentEchoed", "1,5 exponent 3 znamenko =", "1,5e-3 ="},
    {"ShownExponentEchoedWithoutZeros", "0,000015 = +", "0,000015 = 1,5e-5 +"},
    {"TypedNumberWithoutGroups", "12345 +", "12345 +", " "},
    {"ResultWithGroups", "12345 = +", "12345 = 12 345 +", " "},
    {"Brackets", "2 * ( 3 + 4 ) =", "2 * ( 3 + 4 ) ="},
    {"EqualsClosesBracketsSilently", "( ( 1 + 2 =", "( ( 1 + 2 ="},
    {"BracketValueNotEchoedAgain", "( 2 + 3 ) * 4 =", "( 2 + 3 ) * 4 ="},
    {"Percent", "200 + 10 shift =", "200 + 10 %"},
    {"PowerClassTexts", "8 shift atamocnina 3 logaritmus 2 comb 1 shift comb 1 imod 5 shift imod 1 =",
     "8 Root 3 LogN 2 Comb 1 Var 1 MOD 5 DIV 1 ="},
    {"MoreOperatorTexts", "1 atamocnina 1 shift logaritmus 1 - 1 / 1 =", "1 ^ 1 ExpN 1 - 1 / 1 ="},
    {"FunctionTexts", "4 odmocnina shift odmocnina nadruhou shift nadruhou", "4 sqrt curt sqr rec"},
    {"LogTexts", "2 lnlog shift lnlog dekadicky shift dekadicky", "2 ln exp log10 exp10"},
    {"FactorialAndIntegerTexts", "3 fakt shift fakt integ shift integ", "3 ! !! lInt hInt"},
    {"TrigonometricTexts", "0 sinus shift sinus cosinus shift cosinus tangens shift tangens",
     "0 sin arcsin cos arccos tan arctan"},
    {"HyperbolicTexts", "0 zin shift zin koz shift koz tanz shift tanz",
     "0 sinh arcsinh cosh arccosh tanh arctanh"},
    {"FunctionErrorKeepsTrail", "2 + 4 znamenko odmocnina", "2 + -4"},
    {"ClearValueEchoed", "2 + 3 clear =", "2 + 0 ="},
    {"PiEchoed", "shift exponent +", "3,14159265359 +"},
    {"ReadBackEchoes", "2 / 3 = shift )", "2 / 3 = 0,666666666667"},
    {"AllClearEmpties", "2 + 3 resetitko", ""},
    {"ConvertedAngleEchoed", "180 shift prepdrg +", "180 3,14159265359 +"},
};

class Trail : public testing::TestWithParam<TrailCase> {};

TEST_P(Trail, RecordsKeys)
{
    const TrailCase& c = GetParam();
    keypad::NumberFormat f;
    f.separator = c.separator;
    Session s(',', withFormat(f));
    s.keys(c.keys);
    EXPECT_EQ(s.trail(), c.trail);
}

INSTANTIATE_TEST_SUITE_P(Paper, Trail, testing::ValuesIn(kTrailCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Trail, EveryEntryStartsWithASpace)
{
    Session s;
    s.keys("1 + 2 =");
    EXPECT_EQ(s.engine.trail(), " 1 + 2 =");
}

} // namespace
