#include "tools/baseconversion.h"

#include "platform/errors.h"
#include "platform/headless/headless_services.h"

#include <gtest/gtest.h>

using tools::convertBase;

namespace {

struct Conversion {
    const char* name;
    const char* number;
    const char* from;
    const char* to;
    int places;
    const char* expected;
};

TEST(ConvertBase, IntegerParts)
{
    const Conversion rows[] = {
        {"decimal to hex", "255", "10", "16", 5, "FF"},
        {"lower-case hex to decimal", "ff", "16", "10", 5, "255"},
        {"decimal to binary", "10", "10", "2", 5, "1010"},
        {"binary to octal", "111111", "2", "8", 5, "77"},
        {"octal to ternary", "17", "8", "3", 5, "120"},
        {"base 36 digit", "Z", "36", "10", 5, "35"},
        {"decimal to base 36", "1295", "10", "36", 5, "ZZ"},
        {"base 32 to base 7", "VV", "32", "7", 5, "2661"},
        {"mixed-case digits", "aBc", "16", "10", 5, "2748"},
        {"zero", "0", "10", "2", 5, "0"},
        {"leading zeros vanish", "000101", "2", "10", 5, "5"},
        {"empty input is zero", "", "10", "16", 5, "0"},
        {"lone separator is zero", ",", "10", "2", 5, "0"},
        {"blanks around a base", "10", " 2 ", "10", 5, "2"},
        {"largest int64 from hex", "7FFFFFFFFFFFFFFF", "16", "10", 5, "9223372036854775807"},
        {"largest int64 to binary", "9223372036854775807", "10", "2", 0,
         "111111111111111111111111111111111111111111111111111111111111111"},
        {"largest int64 to base 36", "9223372036854775807", "10", "36", 5, "1Y2P0IJ32E8E7"},
        {"largest int64 from octal", "777777777777777777777", "8", "16", 5, "7FFFFFFFFFFFFFFF"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(convertBase(r.number, r.from, r.to, r.places), r.expected) << r.name;
}

TEST(ConvertBase, FractionalDigitsAreCutNotRounded)
{
    const Conversion rows[] = {
        {"half to binary", "0,5", "10", "2", 5, "0,10000"},
        {"half without places", "0,5", "10", "2", 0, "0"},
        {"tenth is cut", "0,1", "10", "2", 5, "0,00011"},
        {"two thirds in base 3", "0,2", "3", "10", 4, "0,6666"},
        {"hex fraction", "A,8", "16", "10", 3, "10,500"},
        {"one place", "3,75", "10", "2", 1, "11,1"},
        {"fifteen places", "0,5", "10", "16", 15, "0,800000000000000"},
        {"zero fraction writes no separator", "7,000", "10", "2", 5, "111"},
        {"eleven base 36 digits fit", "0,ZZZZZZZZZZZ", "36", "10", 15, "0,999999999999999"},
        {"ternary fraction to base 27 keeps its third digit", "0,20010101", "3", "27", 3, "0,IA3"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(convertBase(r.number, r.from, r.to, r.places), r.expected) << r.name;
}

TEST(ConvertBase, RejectsBadNumbersAndBases)
{
    const Conversion rows[] = {
        {"digit too large for binary", "12", "2", "10", 5, ""},
        {"letter in decimal", "1A", "10", "16", 5, ""},
        {"minus sign", "-1", "10", "2", 5, ""},
        {"decimal point", "1.5", "10", "2", 5, ""},
        {"blank inside", "1 0", "10", "2", 5, ""},
        {"second separator", "1,0,1", "10", "2", 5, ""},
        {"source base 37", "1", "37", "10", 5, ""},
        {"source base 1", "0", "1", "10", 5, ""},
        {"target base 0", "1", "10", "0", 5, ""},
        {"base not a number", "1", "ten", "2", 5, ""},
        {"empty base", "1", "10", "", 5, ""},
        {"negative base", "1", "-10", "2", 5, ""},
        {"huge base text", "1", "99999999999999999999", "2", 5, ""},
        {"int64 plus one from hex", "8000000000000000", "16", "10", 5, ""},
        {"int64 plus one from decimal", "9223372036854775808", "10", "2", 5, ""},
        {"twelfth base 36 digit", "0,ZZZZZZZZZZZZ", "36", "10", 5, ""},
        {"twelfth base 32 digit", "0,000000000001", "32", "10", 5, ""},
        {"bad digit after the separator", "1,9", "8", "10", 5, ""},
    };
    for (const auto& r : rows) {
        try {
            convertBase(r.number, r.from, r.to, r.places);
            ADD_FAILURE() << r.name << ": no failure";
        } catch (const platform::UserError& e) {
            EXPECT_STREQ(e.what(), "Invalid combination of number and base.") << r.name;
        }
    }
}

TEST(ConvertBase, ElevenBase32FractionDigitsStillFit)
{
    EXPECT_EQ(convertBase("0,00000000001", "32", "2", 3), "0,000");
}

TEST(BaseConversionWindowState, StartsWithTheDesignDefaults)
{
    platform::HeadlessServices services;
    tools::BaseConversion b(services);
    EXPECT_EQ(b.vstup, "");
    EXPECT_EQ(b.puvod, "10");
    EXPECT_EQ(b.nova, "16");
    EXPECT_EQ(b.mista, 5);
}

TEST(BaseConversionWindowState, FailureBeepsReportsOnceAndKeepsTheOutput)
{
    platform::HeadlessServices services;
    tools::BaseConversion b(services);
    b.vstup = "255";
    b.prevedClick();
    ASSERT_EQ(b.vystup, "FF");
    b.vstup = "2G";
    b.prevedClick();
    EXPECT_EQ(b.vystup, "FF");
    EXPECT_EQ(services.beeps, 1);
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].text, "Invalid combination of number and base.");
    EXPECT_EQ(services.messages[0].kind, platform::MessageKind::Error);
}

TEST(BaseConversionWindowState, SwapThenConvertGoesBack)
{
    platform::HeadlessServices services;
    tools::BaseConversion b(services);
    b.vstup = "3054";
    b.nova = "7";
    b.prevedClick();
    ASSERT_EQ(b.vystup, "11622");
    b.ZamButClick();
    EXPECT_EQ(b.vstup, "11622");
    EXPECT_EQ(b.vystup, "3054"); // the swap itself converts nothing
    EXPECT_EQ(b.puvod, "7");
    EXPECT_EQ(b.nova, "10");
    b.prevedClick();
    EXPECT_EQ(b.vystup, "3054");
    EXPECT_TRUE(services.messages.empty());
}

TEST(BaseConversionWindowState, ChangingPlacesConvertsAgain)
{
    platform::HeadlessServices services;
    tools::BaseConversion b(services);
    b.vstup = "0,75";
    b.nova = "2";
    b.prevedClick();
    ASSERT_EQ(b.vystup, "0,11000");
    b.mista = 2;
    b.mistaChange();
    EXPECT_EQ(b.vystup, "0,11");
}

} // namespace
