// The macro files that ship with the program: every entry is built and every formula computes.
#include "keypad/engine.h"
#include "macros/macro_host.h"
#include "platform/headless/headless_services.h"

#include <gtest/gtest.h>

namespace {

const std::filesystem::path data = ZOLT_DATA_DIR;

void collectLeaves(const std::vector<macros::MenuEntry>& entries, std::vector<const macros::MenuEntry*>& out)
{
    for (const auto& e : entries) {
        EXPECT_FALSE(e.picture.empty()) << e.name << " has no picture";
        EXPECT_NE(e.caption, "napis") << e.name << " has no caption";
        if (e.runsMacro)
            out.push_back(&e);
        else
            collectLeaves(e.children, out);
    }
}

} // namespace

TEST(ShippedMacros, EveryEntryIsBuiltWithCaptionAndPicture)
{
    platform::HeadlessServices services;
    macros::MacroHost host(data, services);
    const std::vector<macros::MenuEntry> menu = host.menu(); // the leaves point into it
    std::vector<const macros::MenuEntry*> leaves;
    collectLeaves(menu, leaves);
    EXPECT_EQ(leaves.size(), 46u);
}

TEST(ShippedMacros, EveryLeafRunsWithoutMacroError)
{
    platform::HeadlessServices services;
    keypad::Engine engine(services);
    macros::MacroHost host(data, services);
    const std::vector<macros::MenuEntry> menu = host.menu(); // the leaves point into it
    std::vector<const macros::MenuEntry*> leaves;
    collectLeaves(menu, leaves);
    for (const auto* leaf : leaves) {
        for (bool shift : {false, true}) {
            engine.resetuj();
            engine.press(keypad::Control::c2);
            engine.setShift(shift);
            if (host.macroclick(leaf->name, engine)) {
                EXPECT_TRUE(host.Macrize(std::vector<std::string>(host.window().inputs.size(), "2"), engine));
            }
        }
    }
    for (const auto& m : services.messages)
        ADD_FAILURE() << m.text;
}

TEST(ShippedMacros, MacroWindowsComputeKnownResults)
{
    struct Row {
        const char* macro;
        std::vector<std::string> inputs;
        std::vector<std::string> results;
    } rows[] = {
        {"quadratic", {"1", "-3", "2"}, {"2", "1", "1", "1.5"}},
        {"quadratic", {"1", "0", "1"}, {" -", " -", "-4", "0"}},
        // The small root survives: -b + sqrt(D) cancelled to 0.
        {"quadratic", {"98", "110355808670", "0.000892"},
         {"-1126079680.30612", "-8.08294561700302E-15", "1.21784045072096E22", "-563039840.153061"}},
        {"quadratic", {"1", "0", "0"}, {"0", "0", "0", "0"}},
        {"triangle", {"3", "4", "5"}, {"12", "6", "36.869897645844", "53.130102354156", "90", "4"}},
        {"rightTriangle", {"3", "4"}, {"5", "6", "36.869897645844", "53.130102354156", "2.4"}},
        {"compoundInterest", {"1000", "5", "10", "1"}, {"1628.89462677744", "628.894626777441", "5", "1648.72127070013"}},
        {"loanPayment", {"100000", "6", "30"}, {"599.550525152752", "215838.189054991", "115838.189054991"}},
        {"percentChange", {"80", "100"}, {"25", "20", "1.25"}},
        {"cylinder", {"1", "2"}, {"6.28318530717959", "18.8495559215388", "12.5663706143592"}},
    };
    for (const Row& r : rows) {
        platform::HeadlessServices services;
        keypad::Engine engine(services);
        macros::MacroHost host(data, services);
        ASSERT_TRUE(host.macroclick(r.macro, engine)) << r.macro;
        ASSERT_TRUE(host.Macrize(r.inputs, engine)) << r.macro;
        std::vector<std::string> got;
        for (const auto& row : host.window().results)
            got.push_back(row.value);
        EXPECT_EQ(got, r.results) << r.macro;
    }
}
