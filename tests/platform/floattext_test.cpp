#include "platform/floattext.h"

#include <gtest/gtest.h>

using platform::formatGeneral;
using platform::parseFloat;

struct GeneralCase {
    const char* name;
    long double value;
    int digits;
    char sep;
    const char* expected;
};

TEST(FormatGeneral, Table)
{
    const GeneralCase cases[] = {
        {"zero", 0.0L, 15, '.', "0"},
        {"integer", 42.0L, 15, '.', "42"},
        {"negative fraction", -0.5L, 15, ',', "-0,5"},
        {"third rounds to 15 digits", 1.0L / 3.0L, 15, '.', "0.333333333333333"},
        {"two thirds round up", 2.0L / 3.0L, 15, '.', "0.666666666666667"},
        {"eight digits", 2.0L / 3.0L, 8, ',', "0,66666667"},
        {"smallest fixed", 0.00001L, 15, '.', "0.00001"},
        {"just below fixed limit", 0.0000099L, 15, '.', "9.9E-6"},
        {"fixed small", 0.0001L, 15, '.', "0.0001"},
        {"large fits", 123456789012345.0L, 15, '.', "123456789012345"},
        {"large does not fit", 1234567890123456.0L, 15, '.', "1.23456789012346E15"},
        {"power of ten", 1e20L, 15, '.', "1E20"},
        {"negative exponent", -1.5e-7L, 15, ',', "-1,5E-7"},
        {"rounding carries", 9.999999999999999L, 15, '.', "10"},
        {"huge", 1e4000L, 15, '.', "1E4000"},
        {"half rounds away from zero", 2.5L, 1, '.', "3"},
        {"negative half rounds away from zero", -2.5L, 1, '.', "-3"},
        {"half of the last kept digit", 0.125L, 2, ',', "0,13"},
        {"half at eight digits", 12345678.5L, 8, '.', "12345679"},
        {"below half stays", 0.1249L, 2, '.', "0.12"},
        {"carry through nines into exponent", 9.5L, 1, '.', "1E1"},
        {"rounded once from all the bits", 1.00000000049999999999L, 10, '.', "1"},
        {"just below a tie stays below", 0.12499999999999999999L, 2, '.', "0.12"},
        {"macro result at 15 digits", 0.00030324619223142025L * 0.45359237L, 15, '.', "0.000137550159027725"},
        {"tie at 18 digits rounds away from zero", 100000000000000000.5L, 18, '.', "100000000000000001"},
        {"negative tie at 18 digits", -100000000000000002.5L, 18, '.', "-100000000000000003"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatGeneral(c.value, c.digits, c.sep), c.expected) << c.name;
}

TEST(FormatGeneral, FixedBoundaryIsOnTheRoundedValue)
{
    // 0.0000099999999999999999 rounds to 0.00001 at 15 digits and is written in fixed form.
    EXPECT_EQ(formatGeneral(0.0000099999999999999999L, 15, '.'), "0.00001");
}

TEST(ParseFloat, AcceptsAndRejects)
{
    struct Row {
        const char* text;
        char sep;
        bool ok;
        long double value;
    } rows[] = {
        {"1.5", '.', true, 1.5L},
        {" -2,25 ", ',', true, -2.25L},
        {"1,5", '.', false, 0},
        {"1e3", '.', true, 1000.0L},
        {"1E-2", '.', true, 0.01L},
        {".5", '.', true, 0.5L},
        {"5.", '.', true, 5.0L},
        {"", '.', false, 0},
        {"-", '.', false, 0},
        {"1e", '.', false, 0},
        {"0x10", '.', false, 0},
        {"inf", '.', false, 0},
        {"nan", '.', false, 0},
        {"1e99999", '.', false, 0},
        {"12abc", '.', false, 0},
    };
    for (const auto& r : rows) {
        long double v = -1;
        EXPECT_EQ(parseFloat(r.text, r.sep, v), r.ok) << r.text;
        if (r.ok) {
            EXPECT_EQ(v, r.value) << r.text;
        }
    }
}
