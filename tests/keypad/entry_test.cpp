// Number entry: digits, decimal point, exponent, sign, C and AC, and what vstup commits.
#include "keypad_session.h"

#include <cmath>

using keypadtest::Session;
using keypadtest::withFormat;

namespace {

struct EntryCase {
    const char* name;
    const char* keys;
    const char* display;
    const char* expon;
    int base = 10;
};

const EntryCase kEntryCases[] = {
    {"DigitReplacesLoneZero", "5", "5", ""},
    {"ZeroPointFive", "0,5", "0,5", ""},
    {"LeadingZerosCollapse", "0 0 0 7", "7", ""},
    {"FourteenDigitsWithSignAndSeparator", "1234567,1234567 znamenko 8", "-1234567,1234567", ""},
    {"FifteenthDigitIgnored", "123456789012345", "12345678901234", ""},
    {"SecondDecimalPointIgnored", "1,2 carka 3", "1,23", ""},
    {"DecimalPointDuringExponentIgnored", "1 exponent 2 carka", "1", "002"},
    {"DecimalPointAfterResultStartsZeroPoint", "2 = carka", "0,", ""},
    {"ExponentDigitsShiftLeft", "1,5 exponent 1 2 3 4", "1,5", "234"},
    {"ExponentSignToggles", "1,5 exponent 1 2 3 4 znamenko", "1,5", "-234"},
    {"ExponentSignTogglesBack", "2 exponent 5 znamenko znamenko", "2", "005"},
    {"ExponentKeyRestartsExponent", "2 exponent 5 exponent", "2", "000"},
    {"SignOnZeroKeepsZero", "znamenko", "0", ""},
    {"SignOnTypedZeroKeepsZero", "0 znamenko", "0", ""},
    {"SignOnZeroPointAddsMinus", "0 carka znamenko", "-0,", ""},
    {"SignTogglesTypedNumber", "12 znamenko znamenko", "12", ""},
    {"SignOnResultNegatesIt", "12 = znamenko", "-12", ""},
    {"DigitAfterResultStartsNewNumber", "2 = 3", "3", ""},
    {"ShiftDigitTypesHex", "1 shift 4", "1A", "", 16},
    {"ShiftLowDigitsStay", "shift 3", "3", "", 16},
    {"ShiftNineIsF", "shift 9 shift 8", "FE", "", 16},
    {"ExponentAfterResultShowsPi", "2 = exponent", "3,14159265359", ""},
    {"ShiftExponentWhileTypingShowsPi", "2 shift exponent", "3,14159265359", ""},
    {"ClearShowsZero", "12 clear", "0", ""},
    {"ClearDropsExponentEntry", "12 exponent 3 clear", "0", ""},
};

class Entry : public testing::TestWithParam<EntryCase> {};

TEST_P(Entry, LeavesLabels)
{
    const EntryCase& c = GetParam();
    keypad::NumberFormat format;
    format.base = c.base;
    Session s(',', withFormat(format));
    s.keys(c.keys);
    EXPECT_EQ(s.labels().display, c.display);
    EXPECT_EQ(s.labels().expon, c.expon);
}

INSTANTIATE_TEST_SUITE_P(Keys, Entry, testing::ValuesIn(kEntryCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct CommitCase {
    const char* name;
    const char* keys; // typed, then committed by "="
    int base;
    long double value;
};

const CommitCase kCommitCases[] = {
    {"Decimal", "12,5", 10, 12.5L},
    {"Negative", "12,5 znamenko", 10, -12.5L},
    {"HexDigitsInBase16", "1 shift 4", 16, 26.0L},
    {"HexDigitInBase10KeepsItsValue", "1 shift 4", 10, 20.0L},
    {"BinaryFraction", "1,1", 2, 1.5L},
    {"ExponentIsPowerOfBase", "3 exponent 2", 2, 12.0L},
    {"NegativeExponent", "1 exponent 1 znamenko", 10, 0.1L},
    {"OctalFraction", "7,4", 8, 7.5L},
    // Held as the nearest value, which the cut display shows as typed.
    {"NegativeExponentRoundsOnce", "9 exponent 1 znamenko", 10, 0.9L},
    {"FractionAndExponentRoundOnce", "0,3 exponent 2 znamenko", 10, 0.003L},
    {"FractionAndPositiveExponent", "0,05 exponent 1", 10, 0.5L},
};

class Commit : public testing::TestWithParam<CommitCase> {};

TEST_P(Commit, ReadsTheTypedTextInTheKeypadBase)
{
    const CommitCase& c = GetParam();
    keypad::NumberFormat format;
    format.base = c.base;
    Session s(',', withFormat(format));
    s.keys(std::string(c.keys) + " =");
    EXPECT_EQ(s.engine.record().workValue, c.value);
}

INSTANTIATE_TEST_SUITE_P(Vstup, Commit, testing::ValuesIn(kCommitCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Commit, LargeNegativeExponentIsExactPowerOfTheBase)
{
    Session s;
    s.keys("1,5 exponent 1 2 3 4 znamenko =");
    EXPECT_NEAR(static_cast<double>(s.engine.record().workValue / 1.5e-234L), 1.0, 1e-15);
}

TEST(Commit, PiHasTheExtendedBitPattern)
{
    Session s;
    s.keys("shift exponent");
    const long double pi = s.engine.record().workValue;
    EXPECT_EQ(std::ldexp(pi, 62), static_cast<long double>(0xC90FDAA22168C235ULL));
}

TEST(Commit, ReadsBackDigitGroupsOfTheShownText)
{
    keypad::NumberFormat format;
    format.separator = " ";
    Session s(',', withFormat(format));
    s.keys("2 / 3 = shift ) =");
    EXPECT_EQ(s.engine.record().workValue, 0.666666666667L);
    EXPECT_EQ(s.labels().display, "0,666 666 666 667");
}

TEST(Entry, ClearKeepsPendingOperations)
{
    Session s;
    s.keys("2 + 3 clear 4 =");
    EXPECT_EQ(s.labels().display, "6");
}

TEST(Entry, AllClearEmptiesBracketsAndTrailButKeepsMemoriesAndUnit)
{
    Session s(',', {}, "RAD");
    s.keys("7 pmem ( ( 2 + 3 resetitko");
    EXPECT_EQ(s.labels().display, "0");
    EXPECT_EQ(s.labels().zavorky, "");
    EXPECT_EQ(s.engine.trail(), "");
    EXPECT_EQ(s.labels().deg, "RAD");
    EXPECT_EQ(s.engine.memory(1), 7.0L);
    EXPECT_EQ(s.engine.record().bracketLevel, 0);
    s.keys("4 =");
    EXPECT_EQ(s.labels().display, "4"); // nothing was left pending
}

TEST(Entry, ShiftLastsForOneKey)
{
    Session s;
    s.keys("shift");
    EXPECT_EQ(s.labels().sif, "SHIFT");
    s.keys("5");
    EXPECT_EQ(s.labels().sif, "");
    s.keys("shift shift");
    EXPECT_EQ(s.labels().sif, "");
}

TEST(Entry, RightClickRunsTheShiftFunctionOfKeysWithoutMenu)
{
    keypad::NumberFormat format;
    format.base = 16;
    Session s(',', withFormat(format));
    s.engine.rightClick(keypad::Control::c5); // "B"
    EXPECT_EQ(s.labels().display, "B");
    s.engine.rightClick(keypad::Control::c2); // opens the main menu instead
    EXPECT_EQ(s.labels().display, "B");
    EXPECT_EQ(s.labels().sif, "");
}

} // namespace
