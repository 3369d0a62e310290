// Shortcut texts of settings.ini: every default text parses, odd ones give no shortcut.
#include "settings/settings.h"
#include "ui/shortcuttext.h"

#include <gtest/gtest.h>

namespace {

struct Parsed {
    const char* name;
    const char* text;
    int key;
    Qt::KeyboardModifiers mods;
};

class Parse : public ::testing::TestWithParam<Parsed> {};

TEST_P(Parse, GivesKeyAndModifiers)
{
    const auto sc = ui::parseShortcut(GetParam().text);
    ASSERT_TRUE(sc.has_value()) << GetParam().text;
    EXPECT_EQ(sc->key(), GetParam().key);
    EXPECT_EQ(sc->keyboardModifiers(), GetParam().mods);
}

const Parsed parsed[] = {
    {"CtrlLetter", "Ctrl+C", Qt::Key_C, Qt::ControlModifier},
    {"Escape", "ESC", Qt::Key_Escape, Qt::NoModifier},
    {"SpaceUpperCase", "SPACE", Qt::Key_Space, Qt::NoModifier},
    {"AltSpace", "Alt+SPACE", Qt::Key_Space, Qt::AltModifier},
    {"Backspace", "BkSp", Qt::Key_Backspace, Qt::NoModifier},
    {"Delete", "Del", Qt::Key_Delete, Qt::NoModifier},
    {"Insert", "Ins", Qt::Key_Insert, Qt::NoModifier},
    {"Enter", "Enter", Qt::Key_Return, Qt::NoModifier},
    {"Home", "Home", Qt::Key_Home, Qt::NoModifier},
    {"End", "End", Qt::Key_End, Qt::NoModifier},
    {"PageUp", "PgUp", Qt::Key_PageUp, Qt::NoModifier},
    {"FunctionKey", "F2", Qt::Key_F2, Qt::NoModifier},
    {"FunctionKeyTen", "F10", Qt::Key_F10, Qt::NoModifier},
    {"AltAlone", "Alt", Qt::Key_Alt, Qt::NoModifier},
    {"AltF4", "Alt+F4", Qt::Key_F4, Qt::AltModifier},
    {"SingleLowerLetter", "q", Qt::Key_Q, Qt::NoModifier},
    {"CaseOfNamesIgnored", "ctrl+shift+pgdn", Qt::Key_PageDown, Qt::ControlModifier | Qt::ShiftModifier},
    {"BlanksAround", "  Ctrl+Z ", Qt::Key_Z, Qt::ControlModifier},
    {"Digit", "Ctrl+5", Qt::Key_5, Qt::ControlModifier},
    {"PlusKeyItself", "Ctrl++", Qt::Key_Plus, Qt::ControlModifier},
};
INSTANTIATE_TEST_SUITE_P(Texts, Parse, ::testing::ValuesIn(parsed),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Parse, EveryDefaultTextOfBothSectionsParses)
{
    for (const auto& k : settings::mainShortcutKeys)
        EXPECT_EQ(ui::parseShortcut(k.text).has_value(), std::string(k.text) != "") << k.key;
    for (const auto& k : settings::textShortcutKeys)
        EXPECT_EQ(ui::parseShortcut(k.text).has_value(), std::string(k.text) != "") << k.key;
}

TEST(Parse, UnrecognisedTextsGiveNoShortcut)
{
    for (const char* text : {"", "   ", "Ctrl+", "Hyper+X", "F0", "F25", "F1x", "Ctrl+Nothing", "é", "Ctrl+Alt+"})
        EXPECT_FALSE(ui::parseShortcut(text).has_value()) << text;
}

TEST(Text, WritesCanonicalNames)
{
    const struct {
        const char* in;
        const char* out;
    } rows[] = {{"ESC", "Esc"}, {"alt+space", "Alt+Space"}, {"BkSp", "BkSp"}, {"q", "Q"}, {"Ctrl+F9", "Ctrl+F9"},
                {"Alt", "Alt"}, {"PgUp", "PgUp"}};
    for (const auto& r : rows)
        EXPECT_EQ(ui::shortcutText(*ui::parseShortcut(r.in)), r.out) << r.in;
}

TEST(Matches, KeyPressesAgainstShortcuts)
{
    const struct {
        const char* shortcut;
        int key;
        Qt::KeyboardModifiers held;
        bool matches;
    } rows[] = {
        {"s", Qt::Key_S, Qt::NoModifier, true},
        {"s", Qt::Key_S, Qt::ShiftModifier, false}, // Shift+S is another key
        {"s", Qt::Key_S, Qt::KeypadModifier, true},
        {"Ctrl+C", Qt::Key_C, Qt::ControlModifier, true},
        {"Ctrl+C", Qt::Key_C, Qt::NoModifier, false},
        {"Enter", Qt::Key_Enter, Qt::KeypadModifier, true}, // the keypad's Enter
        {"Alt", Qt::Key_Alt, Qt::AltModifier, true},       // Alt reports itself as held
        {"Alt", Qt::Key_Alt, Qt::AltModifier | Qt::ControlModifier, false},
        {"Alt+SPACE", Qt::Key_Space, Qt::AltModifier, true},
        {"SPACE", Qt::Key_Space, Qt::AltModifier, false},
    };
    for (const auto& r : rows)
        EXPECT_EQ(ui::shortcutMatches(*ui::parseShortcut(r.shortcut), r.key, r.held), r.matches)
            << r.shortcut << " key " << r.key;
}

} // namespace
