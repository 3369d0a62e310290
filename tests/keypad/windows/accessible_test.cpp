// What a screen reader finds on the keypad: the keys as named push buttons it can press, the
// display with its value and indicators, and the keyboard moving between the keys.
#include "accessible_tree.h"
#include "keypad/windows/keyimage.h"
#include "keypad_face.h"
#include "ui/language.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

using testsupport::Face;

QAccessibleInterface* accessibleOf(QObject* object)
{
    return QAccessible::queryAccessibleInterface(object);
}

// Presses keys as a screen reader does, through their accessible Press action.
void pressAll(Face& f, const QStringList& keys)
{
    for (const QString& name : keys) {
        QAccessibleInterface* key = accessibleOf(f.main.key(name));
        ASSERT_NE(key, nullptr) << name.toStdString();
        ASSERT_NE(key->actionInterface(), nullptr) << name.toStdString();
        key->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QApplication::processEvents();
        f.main.spoustTimer();
    }
}

struct EnglishFace : Face {
    EnglishFace()
    {
        main.popis(ui::Language(std::filesystem::path(ZOLT_BIN_DIR) / "langs" / "english.ini"));
        main.show();
    }
    ~EnglishFace() { main.hide(); }
};

TEST(Accessible, EveryKeyIsAFocusablePushButtonWithPress)
{
    EnglishFace f;
    int buttons = 0;
    auto visit = [&buttons](QAccessibleInterface* object, const QString&) {
        if (!dynamic_cast<keypad::KeyImage*>(object->object()))
            return;
        ++buttons;
        const std::string name = object->object()->objectName().toStdString();
        EXPECT_EQ(object->role(), QAccessible::Button) << name;
        EXPECT_TRUE(object->state().focusable) << name;
        ASSERT_NE(object->actionInterface(), nullptr) << name;
        EXPECT_TRUE(object->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction())) << name;
    };
    test_support::walkAccessible(accessibleOf(&f.main), QString(), visit);
    EXPECT_EQ(buttons, 42);
    EXPECT_EQ(accessibleOf(&f.main)->role(), QAccessible::Window);
    EXPECT_EQ(test_support::unnamedInteractive(&f.main), std::vector<std::string>());
    f.trail.show();
    EXPECT_EQ(test_support::unnamedInteractive(&f.trail), std::vector<std::string>());
    f.trail.hide();
}

TEST(Accessible, KeysAreNamedByTheirHintsInTheWindowsLanguage)
{
    const struct {
        const char* key;
        const char* english;
        const char* czech;
    } rows[] = {
        {"c7", "7", "7"},
        {"plus", "Addition", "Sčítání"},
        {"rmem", "Memory recall", "Vyvolání paměti"},
        {"sinus", "Sine", "Sinus"},
        {"mode", "Settings", "Nastavení"},
        {"offitko", "Switch off", "Konec"},
    };
    EnglishFace english;
    Face czech;
    czech.main.popis(ui::Language());
    for (const auto& r : rows) {
        EXPECT_EQ(accessibleOf(english.main.key(r.key))->text(QAccessible::Name).toStdString(), r.english) << r.key;
        EXPECT_EQ(accessibleOf(czech.main.key(r.key))->text(QAccessible::Name).toStdString(), r.czech) << r.key;
    }
    // The shortcut stays in the description, where the hint has it.
    EXPECT_EQ(accessibleOf(english.main.key("rmem"))->text(QAccessible::Description).toStdString(),
              "Memory recall / memory store (F3)");
    EXPECT_EQ(accessibleOf(english.main.uminbut)->text(QAccessible::Name).toStdString(), "Minimise");
}

TEST(Accessible, PressActionsReachTheDisplay)
{
    const struct {
        const char* name;
        QStringList keys;
        const char* value;
        const char* indicators;
    } rows[] = {
        {"Sum", {"c7", "plus", "c3", "rovnase"}, "10", "DEG"},
        {"ShiftAndBracket", {"leva", "c2", "shift"}, "2", "DEG, SHIFT, ("},
        {"MemoryAndAngleUnit", {"c5", "pmem", "prepdrg"}, "5", "RAD, M1"},
        {"Exponent", {"c1", "exponent", "c5"}, "1e5", "DEG"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        EnglishFace f;
        pressAll(f, r.keys);
        QAccessibleInterface* display = accessibleOf(f.main.display);
        EXPECT_EQ(display->text(QAccessible::Name).toStdString(), r.value);
        EXPECT_EQ(display->text(QAccessible::Description).toStdString(), r.indicators);
        EXPECT_TRUE(display->state().focusable);
    }
}

TEST(Accessible, TabReachesTheKeysAndArrowsMoveBetweenThem)
{
    EnglishFace f;
    f.main.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f.main));
    f.main.setFocus();
    QTest::keyClick(&f.main, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), f.main.display);
    QTest::keyClick(f.main.display, Qt::Key_Tab);
    ASSERT_TRUE(dynamic_cast<keypad::KeyImage*>(QApplication::focusWidget()));
    // The grid skin has 7 keys to a row: right is the next key, down the one 7 further.
    const std::vector<keypad::KeyImage*>& keys = f.main.keys();
    f.main.keys()[8]->setFocus();
    const struct {
        Qt::Key key;
        size_t expected;
    } steps[] = {{Qt::Key_Right, 9}, {Qt::Key_Down, 16}, {Qt::Key_Left, 15}, {Qt::Key_Up, 8}};
    for (const auto& s : steps) {
        QTest::keyClick(QApplication::focusWidget(), s.key);
        EXPECT_EQ(QApplication::focusWidget(), keys[s.expected]) << s.expected;
    }
    // Space presses the key the keyboard is on; other keys still reach the keypad.
    keypad::KeyImage* seven = f.main.key("c7");
    seven->setFocus();
    QTest::keyClick(seven, Qt::Key_Space);
    QTest::keyClicks(seven, "+2=");
    EXPECT_EQ(f.display(), "9");
}

} // namespace
