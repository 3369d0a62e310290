#include "keypad/engine.h"
#include "macros/macro_host.h"
#include "platform/headless/headless_services.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <sstream>

using keypad::Control;

namespace {

const char* const engineIni = R"([const25]
caption=Two and a half
type=0
value=2.5
[badConst]
type=0
value=1,5
[root]
type=1
expresion=sqrt(x)
[pair]
type=2
expresion1=x*10
expresion2=x/10
name2=back
[pairDefaults]
type=2
[failing]
type=1
expresion=ln(x)
[odd]
type=4
value=99
[regs]
type=1
expresion=x+x2
[win]
caption=Window
type=3
numin=2
numout=3
incap1=a
incap2=b
outcap1=sum
expresion1=x1+x2
expresion2=x1/x2
expresion3=x3
[defaults]
type=3
[empty]
type=3
numin=0
numout=0
[tooMany]
type=3
numin=256
[seven]
type=3
numin=7
numout=1
)";

// A keypad engine with the macro files of `engineIni`, driven as the window drives it.
class MacroFixture {
public:
    explicit MacroFixture(char sep = '.') : services(sep), engine(services), host(writeFiles(), services)
    {
        engine.start({}, "DEG", {});
    }

    // Presses keys by control name: "c1 c6 znamenko shift".
    void keys(const std::string& names)
    {
        std::istringstream in(names);
        std::string name;
        while (in >> name)
            engine.press(*keypad::controlFromName(name));
    }

    std::string messages() const
    {
        std::string out;
        for (const auto& m : services.messages)
            out += (out.empty() ? "" : "|") + m.text;
        return out;
    }

    TempDir dir;
    platform::HeadlessServices services;
    keypad::Engine engine;
    macros::MacroHost host;

private:
    std::filesystem::path writeFiles()
    {
        dir.write("macro_engine.ini", engineIni);
        return dir.path();
    }
};

struct ClickRow {
    const char* name;
    char sep;
    const char* before; // keys pressed before the macro
    const char* macro;
    const char* after;  // keys pressed after it
    const char* display;
    const char* trail;
    const char* messages;
};

} // namespace

TEST(MacroClick, EffectsOnDisplayAndTrail)
{
    const ClickRow rows[] = {
        {"a leaf without a section puts 1", '.', "", "missing", "", "1", "", ""},
        {"constant uses the locale separator", ',', "", "const25", "", "2,5", "", ""},
        {"constant replaces a typed number without echoing it", '.', "c7", "const25", "plus", "2.5", " 2.5 +", ""},
        {"constant with a comma fails in a point locale", '.', "c3", "badConst", "", "3", "", "Macro error."},
        {"constant with a comma works in a comma locale", ',', "", "badConst", "", "1,5", "", ""},
        {"formula commits the typed number and names the step", '.', "c1 c6", "root", "", "4", " 16 root", ""},
        {"formula result is not echoed again", '.', "c1 c6", "root", "plus c1 rovnase", "5", " 16 root + 1 =", ""},
        {"formula on a shown result echoes it as its operand", '.', "c9 rovnase", "root", "", "3", " 9 = 9 root", ""},
        {"pair without SHIFT uses the first formula", '.', "c4", "pair", "", "40", " 4 pair", ""},
        {"pair with SHIFT uses the second and name2", '.', "c4 shift", "pair", "", "0.4", " 4 back", ""},
        {"pair defaults: formula 1 and name2 xxx", '.', "c4 shift", "pairDefaults", "", "1", " 4 xxx", ""},
        {"failing formula keeps the committed value", '.', "c2 znamenko", "failing", "", "-2", " -2", "Macro error."},
        {"failing formula after an operator", '.', "c5 plus c2 znamenko", "failing", "", "-2", " 5 + -2",
         "Macro error."},
        {"other types do nothing", '.', "c8", "odd", "", "8", "", ""},
        {"x1 is the displayed value, x2 keeps its register", '.', "c3", "regs", "", "3", " 3 regs", ""},
    };
    for (const ClickRow& r : rows) {
        MacroFixture f(r.sep);
        f.keys(r.before);
        EXPECT_FALSE(f.host.macroclick(r.macro, f.engine)) << r.name;
        f.keys(r.after);
        EXPECT_EQ(f.engine.labels().display, r.display) << r.name;
        EXPECT_EQ(f.engine.trail(), r.trail) << r.name;
        EXPECT_EQ(f.messages(), r.messages) << r.name;
        EXPECT_EQ(f.services.beeps, std::string(r.messages).empty() ? 0 : 1) << r.name;
    }
}

TEST(MacroClick, ShiftIsOffAfterEveryMacroThatSucceeds)
{
    for (const char* macro : {"const25", "root", "pair"}) {
        MacroFixture f;
        f.keys("c4 shift");
        ASSERT_TRUE(f.engine.shiftOn());
        f.host.macroclick(macro, f.engine);
        EXPECT_FALSE(f.engine.shiftOn()) << macro;
    }
}

TEST(MacroClick, FailingFormulaLeavesWorkValueAndPendingOperations)
{
    MacroFixture f;
    f.keys("c5 plus c2 znamenko");
    f.host.macroclick("failing", f.engine);
    EXPECT_EQ(f.engine.record().workValue, -2.0L);
    EXPECT_EQ(f.host.registers()[0], -2.0L);
    f.keys("rovnase");
    EXPECT_EQ(f.engine.labels().display, "3");
}

TEST(MacroClick, RegistersSurviveBetweenMacros)
{
    MacroFixture f;
    f.host.registers()[1] = 0.5L;
    f.keys("c3");
    f.host.macroclick("regs", f.engine);
    EXPECT_EQ(f.engine.record().workValue, 3.5L);
    EXPECT_EQ(f.host.registers()[0], 3.0L);
    EXPECT_EQ(f.host.registers()[1], 0.5L);
}

TEST(MacroWindow, OpensWithCaptionsRowsAndSizes)
{
    MacroFixture f;
    ASSERT_TRUE(f.host.macroclick("win", f.engine));
    const auto& w = f.host.window();
    EXPECT_EQ(w.name, "win");
    EXPECT_EQ(w.caption, " Window");
    ASSERT_EQ(w.inputs.size(), 2u);
    EXPECT_EQ(w.inputs[0].caption, " a");
    EXPECT_EQ(w.inputs[1].caption, " b");
    EXPECT_EQ(w.inputs[0].value, "0");
    ASSERT_EQ(w.results.size(), 3u);
    EXPECT_EQ(w.results[0].caption, " sum");
    EXPECT_EQ(w.results[1].caption, " výstup 2");
    EXPECT_EQ(w.results[2].value, "");
    EXPECT_TRUE(f.services.messages.empty());
}

TEST(MacroWindow, DefaultsAndEmptyWindows)
{
    MacroFixture f;
    ASSERT_TRUE(f.host.macroclick("defaults", f.engine));
    EXPECT_EQ(f.host.window().caption, " napis");
    ASSERT_EQ(f.host.window().inputs.size(), 1u);
    EXPECT_EQ(f.host.window().inputs[0].caption, " vstup 1");
    EXPECT_EQ(f.host.window().results.size(), 1u);

    ASSERT_TRUE(f.host.macroclick("empty", f.engine));
    EXPECT_TRUE(f.host.window().inputs.empty());
    EXPECT_TRUE(f.host.window().results.empty());
    EXPECT_TRUE(f.host.Macrize({}, f.engine));
}

TEST(MacroWindow, CountAboveByteIsMacroErrorAndKeepsTheWindow)
{
    MacroFixture f;
    ASSERT_TRUE(f.host.macroclick("win", f.engine));
    EXPECT_FALSE(f.host.macroclick("tooMany", f.engine));
    EXPECT_EQ(f.messages(), "Macro error.");
    EXPECT_EQ(f.host.window().name, "win");
}

struct MacrizeRow {
    const char* name;
    char sep;
    std::vector<std::string> inputs;
    const char* results; // joined with "|"
};

TEST(Macrize, ComputesEveryResult)
{
    const MacrizeRow rows[] = {
        {"all results", '.', {"3", "4"}, "7|0.75|1"},
        {"comma locale", ',', {"1,5", " 2 "}, "3,5|0,75|1"},
        {"a failing result shows a dash, the others are computed", '.', {"3", "0"}, "3| -|1"},
        {"exponent in an input", '.', {"1e2", "-4"}, "96|-25|1"},
    };
    for (const MacrizeRow& r : rows) {
        MacroFixture f(r.sep);
        f.host.registers()[2] = 1.0L;
        ASSERT_TRUE(f.host.macroclick("win", f.engine)) << r.name;
        EXPECT_TRUE(f.host.Macrize(r.inputs, f.engine)) << r.name;
        std::string joined;
        for (const auto& row : f.host.window().results)
            joined += (joined.empty() ? "" : "|") + row.value;
        EXPECT_EQ(joined, r.results) << r.name;
        EXPECT_TRUE(f.services.messages.empty()) << r.name;
    }
}

TEST(Macrize, BadInputsStopBeforeAnyResult)
{
    struct Row {
        const char* name;
        char sep;
        std::vector<std::string> inputs;
        long double x1; // inputs before the bad one are already in their registers
    } rows[] = {
        {"not a number", '.', {"3", "x"}, 3.0L},
        {"empty cell", '.', {"", "1"}, 42.0L},
        {"point in a comma locale", ',', {"1.5", "1"}, 42.0L},
    };
    for (const Row& r : rows) {
        MacroFixture f(r.sep);
        ASSERT_TRUE(f.host.macroclick("win", f.engine));
        f.host.registers()[0] = 42.0L;
        f.host.registers()[1] = 43.0L;
        EXPECT_FALSE(f.host.Macrize(r.inputs, f.engine)) << r.name;
        EXPECT_EQ(f.messages(), "Macro error.") << r.name;
        EXPECT_EQ(f.host.window().results[0].value, "") << r.name;
        EXPECT_EQ(f.host.registers()[0], r.x1) << r.name;
        EXPECT_EQ(f.host.registers()[1], 43.0L) << r.name;
    }
}

TEST(Macrize, SevenInputsAlwaysFail)
{
    MacroFixture f;
    ASSERT_TRUE(f.host.macroclick("seven", f.engine));
    EXPECT_FALSE(f.host.Macrize({"1", "2", "3", "4", "5", "6", "7"}, f.engine));
    EXPECT_EQ(f.messages(), "Macro error.");
    EXPECT_EQ(f.host.window().results[0].value, "");
    EXPECT_EQ(f.host.registers(), (macros::Registers{1, 2, 3, 4, 5, 6}));
}

TEST(Macrize, InputsBecomeRegistersAndStay)
{
    MacroFixture f;
    ASSERT_TRUE(f.host.macroclick("win", f.engine));
    ASSERT_TRUE(f.host.Macrize({"5", "6"}, f.engine));
    EXPECT_EQ(f.host.window().inputs[1].value, "6");
    f.keys("c1");
    f.host.macroclick("regs", f.engine);
    EXPECT_EQ(f.engine.labels().display, "7"); // x1 = 1 from the display, x2 = 6 from the window
}
