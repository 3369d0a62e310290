// Random key sequences: no sequence may crash the engine or leave it in a state where a later
// calculation goes wrong.
#include "keypad_session.h"

#include "keypad/number_format.h"

#include <cmath>
#include <random>

using keypadtest::Session;

namespace {

bool isExponentText(const std::string& e)
{
    const std::string digits = !e.empty() && e[0] == '-' ? e.substr(1) : e;
    if (digits.size() != 3)
        return false;
    for (char c : digits)
        if (!std::isxdigit(static_cast<unsigned char>(c)) || std::islower(static_cast<unsigned char>(c)))
            return false;
    return true;
}

// storedTyped: SHIFT + MR stored a typed number, which stays on the display as a result.
void expectSound(const keypad::Engine& engine, bool storedTyped, const std::string& history)
{
    const keypad::Record& rec = engine.record();
    const keypad::Labels& labels = engine.labels();
    ASSERT_GE(rec.bracketLevel, 0) << history;
    ASSERT_LE(rec.bracketLevel, keypad::kMaxBrackets) << history;
    ASSERT_EQ(labels.zavorky.size(), 2 * static_cast<size_t>(rec.bracketLevel)) << history;
    ASSERT_FALSE(labels.display.empty()) << history;
    ASSERT_TRUE(labels.expon.empty() || isExponentText(labels.expon)) << labels.expon << history;
    ASSERT_TRUE(labels.sif.empty() || labels.sif == "SHIFT") << history;
    ASSERT_TRUE(labels.deg == "DEG" || labels.deg == "RAD" || labels.deg == "GRA") << history;
    ASSERT_FALSE(rec.percentMode) << history;
    ASSERT_TRUE(std::isfinite(rec.workValue)) << history;
    for (int i = 1; i <= keypad::kMemories; ++i)
        ASSERT_TRUE(std::isfinite(engine.memory(i))) << history;
    if (rec.resultShown && rec.echoPending && !storedTyped) {
        // A shown value with its echo pending is exactly what the display says.
        const keypad::DisplayText text = keypad::displayText(rec.workValue, engine.settings().format, ',');
        ASSERT_EQ(labels.display, text.display) << history;
        ASSERT_EQ(labels.expon, text.expon) << history;
    }
}

TEST(Robustness, RandomKeySequencesKeepTheStateSound)
{
    std::mt19937 random(20261207);
    const int controlCount = static_cast<int>(keypad::Control::AUndo) + 1;
    for (int run = 0; run < 400; ++run) {
        keypad::Settings settings;
        settings.format.base = 2 + static_cast<int>(random() % 15);
        settings.format.digits = 3 + static_cast<int>(random() % 16);
        settings.format.decimals = static_cast<int>(random() % 19);
        settings.format.leadingZeros = static_cast<int>(random() % 18);
        settings.format.scientific = random() % 4 == 0;
        settings.format.rounding = random() % 3 != 0;
        settings.format.separator = random() % 2 == 0 ? " " : "";
        settings.priority = random() % 4 != 0;
        Session s(',', settings);
        s.engine.seedRandom(run);
        s.services.clipboard = random() % 2 == 0 ? "1.5e300" : "-0,25";
        std::string history;
        bool storedTyped = false;
        for (int step = 0; step < 60; ++step) {
            const auto control = static_cast<keypad::Control>(random() % static_cast<unsigned>(controlCount));
            history += " ";
            history += keypad::controlName(control);
            const bool store = s.engine.shiftOn() && !s.engine.record().resultShown
                && (control == keypad::Control::rmem || (control >= keypad::Control::mr1 && control <= keypad::Control::mr5));
            const std::string display = s.labels().display;
            if (random() % 8 == 0)
                s.engine.rightClick(control);
            else
                s.engine.press(control);
            storedTyped = store || (storedTyped && s.labels().display == display);
            expectSound(s.engine, storedTyped, history);
            if (HasFatalFailure())
                return;
        }
        // Whatever came before, AC and a fresh calculation work.
        s.keys("resetitko 2 + 3 =");
        EXPECT_EQ(s.engine.record().workValue, 5.0L) << history;
        EXPECT_EQ(s.engine.trail(), " 2 + 3 =") << history;
    }
}

} // namespace
