// Memories with captions and indicators, copy and paste, undo, and change notices.
#include "keypad_session.h"

using keypadtest::Session;
using keypadtest::withFormat;

namespace {

keypad::Settings spacedGroups()
{
    keypad::NumberFormat f;
    f.separator = " ";
    return withFormat(f);
}

TEST(Memory, AddAndSubtract)
{
    Session s;
    s.keys("5 pmem 3 shift pmem");
    EXPECT_EQ(s.engine.memory(1), 2.0L);
    EXPECT_TRUE(s.engine.memoryIndicator(1));
    EXPECT_EQ(s.engine.memoryCaption(1), "M1 = 2");
    EXPECT_EQ(s.labels().display, "3"); // M+ does not change the display
}

TEST(Memory, MenuItemsReachEveryRegister)
{
    Session s;
    s.keys("0,5 mp2 7 shift mr4 mr2 + mr4 =");
    EXPECT_EQ(s.engine.memoryCaption(2), "M2 = 0,5");
    EXPECT_EQ(s.engine.memoryCaption(4), "M4 = 7");
    EXPECT_EQ(s.labels().display, "7,5");
    EXPECT_FALSE(s.engine.memoryIndicator(1));
    EXPECT_EQ(s.engine.memoryCaption(1), "M1");
}

TEST(Memory, CaptionUsesGeneralFormWithLocaleSeparator)
{
    Session s('.');
    s.engine.setMemory(3, 1.0L / 3.0L);
    s.engine.setMemory(5, -1.5e-7L);
    EXPECT_EQ(s.engine.memoryCaption(3), "M3 = 0.333333333333333");
    EXPECT_EQ(s.engine.memoryCaption(5), "M5 = -1.5E-7");
}

TEST(Memory, RecallOfEmptyRegisterShowsZeroAndDiscardsTyping)
{
    Session s;
    s.keys("123 rmem");
    EXPECT_EQ(s.labels().display, "0");
    EXPECT_TRUE(s.engine.record().resultShown);
}

TEST(Memory, DigitAfterMemoryPlusStartsNewNumber)
{
    Session s;
    s.keys("12 pmem 3");
    EXPECT_EQ(s.labels().display, "3");
}

TEST(Memory, ShiftDecimalPointClearsAll)
{
    Session s;
    for (int i = 1; i <= 5; ++i)
        s.engine.setMemory(i, i);
    s.keys("shift carka");
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(s.engine.memory(i), 0.0L);
        EXPECT_FALSE(s.engine.memoryIndicator(i));
        EXPECT_EQ(s.engine.memoryCaption(i), "M" + std::to_string(i));
    }
}

TEST(Memory, UnreadableTypedNumberIsAFunctionErrorAndKeepsTheRegister)
{
    Session s;
    s.engine.setMemory(1, 4.0L);
    s.keys("1 exponent shift 9 pmem");
    EXPECT_EQ(s.messages(), std::vector<std::string>{"Function error."});
    EXPECT_EQ(s.engine.memory(1), 4.0L);
}

struct CopyCase {
    const char* name;
    const char* keys;
    const char* clipboard;
};

const CopyCase kCopyCases[] = {
    {"GroupsRemoved", "1234,5 =", "1234,5"},
    {"TypedExponent", "1234,5 exponent 12 znamenko", "1234,5e-12"},
    {"ShownExponent", "0,000015 =", "1,5e-5"},
    {"ZeroExponentDropped", "1,5 exponent", "1,5"},
    {"LargeResult", "123456789 * 1000000 =", "1,23456789e14"},
};

class Copy : public testing::TestWithParam<CopyCase> {};

TEST_P(Copy, PutsPlainNumberOnClipboard)
{
    Session s(',', spacedGroups());
    s.keys(GetParam().keys);
    s.keys("ACopy");
    EXPECT_EQ(s.services.clipboard, GetParam().clipboard);
}

INSTANTIATE_TEST_SUITE_P(Kopirovat, Copy, testing::ValuesIn(kCopyCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Copy, MinusAsGroupSeparatorKeepsTheSign)
{
    keypad::NumberFormat f;
    f.separator = "-";
    Session s(',', withFormat(f));
    s.keys("1234567 znamenko =");
    EXPECT_EQ(s.labels().display, "-1-234-567");
    s.keys("ACopy");
    EXPECT_EQ(s.services.clipboard, "-1234567");
    s.keys("shift )");
    EXPECT_EQ(s.engine.record().workValue, -1234567.0L);
}

TEST(Copy, HexDigitInExponentIsAConversionError)
{
    // Not one of the keypad's own errors: no beep, the conversion's message, nothing copied.
    Session s;
    s.keys("1 exponent shift 9 ACopy");
    EXPECT_EQ(s.messages(), std::vector<std::string>{"'00F' is not a valid integer value."});
    EXPECT_EQ(s.services.messages.at(0).kind, platform::MessageKind::Error);
    EXPECT_EQ(s.services.beeps, 0);
    EXPECT_FALSE(s.services.clipboardWritten);
    EXPECT_EQ(s.labels().expon, "00F");
}

struct PasteCase {
    const char* name;
    char decimalSeparator;
    const char* clipboard;
    const char* display; // nullptr: "Clipboard error." and the display unchanged
    const char* expon = "";
};

const PasteCase kPasteCases[] = {
    {"PointInCommaLocale", ',', "3.25", "3,25"},
    {"CommaInCommaLocale", ',', "3,25", "3,25"},
    {"CommaInPointLocale", '.', "3,25", "3.25"},
    {"Exponent", ',', "1.5e-20", "1,5", "-020"},
    {"CapitalExponent", '.', "-2E3", "-2 000"},
    {"SurroundingBlanks", ',', " 42 ", "42"},
    {"ThousandsAndDecimals", ',', "1.234,5", nullptr},
    {"Letters", ',', "abc", nullptr},
    {"TwoSeparators", '.', "1.2.3", nullptr},
    {"Unshowable", ',', "1e1000", nullptr},
    {"BeyondExtended", ',', "1e5000", nullptr},
    {"Hex", ',', "0x10", nullptr},
};

class Paste : public testing::TestWithParam<PasteCase> {};

TEST_P(Paste, ShowsNumberOrReportsClipboardError)
{
    const PasteCase& c = GetParam();
    Session s(c.decimalSeparator, spacedGroups());
    s.keys("7 =");
    s.services.clipboard = c.clipboard;
    s.keys("APaste");
    if (c.display == nullptr) {
        EXPECT_EQ(s.messages(), std::vector<std::string>{"Clipboard error."});
        EXPECT_EQ(s.labels().display, "7");
        EXPECT_EQ(s.engine.record().workValue, 7.0L);
    } else {
        EXPECT_TRUE(s.messages().empty());
        EXPECT_EQ(s.labels().display, c.display);
        EXPECT_EQ(s.labels().expon, c.expon);
    }
}

INSTANTIATE_TEST_SUITE_P(Vlozit, Paste, testing::ValuesIn(kPasteCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Paste, EmptyClipboardDoesNothing)
{
    Session s;
    s.keys("12");
    s.keys("APaste");
    EXPECT_EQ(s.labels().display, "12");
    EXPECT_FALSE(s.engine.record().resultShown);
}

TEST(Undo, RemovesTypedCharactersThenClears)
{
    Session s;
    s.keys("12,5");
    const char* expected[] = {"12,", "12", "1", "0"};
    for (const char* display : expected) {
        s.keys("AUndo");
        EXPECT_EQ(s.labels().display, display);
    }
    EXPECT_TRUE(s.engine.record().resultShown); // 0 is shown as a result
}

TEST(Undo, DropsWholeExponent)
{
    Session s;
    s.keys("1,5 exponent 12 AUndo");
    EXPECT_EQ(s.labels().expon, "");
    EXPECT_EQ(s.labels().display, "1,5");
}

TEST(Undo, MinusAloneClears)
{
    Session s;
    s.keys("5 znamenko AUndo");
    EXPECT_EQ(s.labels().display, "0");
}

TEST(Undo, NothingOnAResult)
{
    Session s;
    s.keys("12 = AUndo");
    EXPECT_EQ(s.labels().display, "12");
}

TEST(Undo, RemovesMultibyteGroupSeparatorWhole)
{
    keypad::NumberFormat f;
    f.separator = "\u00B7";
    Session s(',', withFormat(f));
    s.keys("1234 = shift ) AUndo AUndo AUndo");
    EXPECT_EQ(s.labels().display, "1\u00B7");
    s.keys("AUndo");
    EXPECT_EQ(s.labels().display, "1");
}

TEST(EditMenu, EnablesPasteAndUndo)
{
    Session s;
    keypad::EditMenuState state = s.engine.editacniPopup();
    EXPECT_FALSE(state.paste);
    EXPECT_FALSE(state.undo);
    s.services.clipboard = "x";
    s.keys("4");
    state = s.engine.editacniPopup();
    EXPECT_TRUE(state.paste);
    EXPECT_TRUE(state.undo);
}

class Recorder : public keypad::Listener {
public:
    void labelsChanged() override { ++labels; }
    void trailChanged() override { ++trail; }
    void memoryChanged(int index) override { memories.push_back(index); }
    int labels = 0;
    int trail = 0;
    std::vector<int> memories;
};

TEST(Notices, OncePerHandlerCall)
{
    Session s;
    Recorder r;
    s.engine.setListener(&r);
    s.keys("5");
    EXPECT_EQ(r.labels, 1);
    EXPECT_EQ(r.trail, 0);
    s.keys("nadruhou"); // echo of 5 and " sqr": two entries, one notice
    EXPECT_EQ(r.labels, 2);
    EXPECT_EQ(r.trail, 1);
    s.keys("mp3");
    EXPECT_EQ(r.memories, std::vector<int>{3});
    s.keys("8 / 0");
    const int trailBefore = r.trail;
    s.keys("="); // echo, then the reset empties the trail
    EXPECT_EQ(r.trail, trailBefore + 1);
    EXPECT_EQ(s.engine.trail(), "");
}

} // namespace

// start() loads what settings.ini kept: the registers and the angle unit, with a cleared display.
TEST(Memory, StartLoadsTheRegistersAndTheAngleUnit)
{
    platform::HeadlessServices services('.');
    keypad::Engine engine(services);
    engine.start({}, "RAD", {1.5L, 0.0L, -2.0L, 0.0L, 1e300L});
    const std::vector<std::string> captions{engine.memoryCaption(1), engine.memoryCaption(2), engine.memoryCaption(3),
                                            engine.memoryCaption(4), engine.memoryCaption(5)};
    EXPECT_EQ(captions, (std::vector<std::string>{"M1 = 1.5", "M2", "M3 = -2", "M4", "M5 = 1E300"}));
    EXPECT_EQ(engine.labels().deg, "RAD");
    EXPECT_EQ(engine.labels().display, "0");
    EXPECT_FALSE(engine.shiftOn());
}
