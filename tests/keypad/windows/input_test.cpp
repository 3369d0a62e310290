// Mouse, keyboard and shortcut input of the keypad window reaching the engine.
#include "keypad/windows/keyimage.h"
#include "keypad/windows/udmsdeg.h"
#include "keypad/windows/umain.h"
#include "keypad/windows/utrail.h"
#include "platform/headless/headless_services.h"
#include "keypad_face.h"
#include "test_support.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QPushButton>
#include <gtest/gtest.h>

#include <sstream>

namespace {

using testsupport::Face;

void mouse(QWidget* w, QEvent::Type type, Qt::MouseButton button)
{
    const QPointF at(w->width() / 2.0, w->height() / 2.0);
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent e(type, at, w->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
    if (type == QEvent::MouseButtonPress && button == Qt::RightButton) {
        QContextMenuEvent menu(QContextMenuEvent::Mouse, at.toPoint(), w->mapToGlobal(at.toPoint()));
        QApplication::sendEvent(w, &menu);
    }
}

// Steps: "L:key" left click, "R:key" right click, "D:key" double click (press, release, double
// press, release), "T:text" typed characters, "K:name" a key (Shift, Enter, BkSp, Alt, AltSpace),
// "timer" the 100 ms timer firing, "M:menu/item" choosing a menu item.
void play(Face& f, const std::string& steps)
{
    std::istringstream in(steps);
    for (std::string step; in >> step;) {
        const std::string arg = step.size() > 2 ? step.substr(2) : "";
        QWidget* key = f.main.key(QString::fromStdString(arg));
        if (step[0] == 'L' || step[0] == 'R' || step[0] == 'D') {
            ASSERT_NE(key, nullptr) << step;
            const Qt::MouseButton b = step[0] == 'R' ? Qt::RightButton : Qt::LeftButton;
            mouse(key, QEvent::MouseButtonPress, b);
            mouse(key, QEvent::MouseButtonRelease, b);
            if (step[0] == 'D') {
                mouse(key, QEvent::MouseButtonDblClick, b);
                mouse(key, QEvent::MouseButtonRelease, b);
            }
        } else if (step[0] == 'T') {
            QTest::keyClicks(&f.main, QString::fromStdString(arg));
        } else if (step[0] == 'K') {
            const std::map<std::string, std::pair<int, Qt::KeyboardModifiers>> keys{
                {"Shift", {Qt::Key_Shift, Qt::ShiftModifier}}, {"Enter", {Qt::Key_Return, Qt::NoModifier}},
                {"BkSp", {Qt::Key_Backspace, Qt::NoModifier}}, {"Alt", {Qt::Key_Alt, Qt::AltModifier}},
                {"AltSpace", {Qt::Key_Space, Qt::AltModifier}}, {"Del", {Qt::Key_Delete, Qt::NoModifier}},
                {"CtrlC", {Qt::Key_C, Qt::ControlModifier}}, {"Alt5", {Qt::Key_5, Qt::AltModifier}},
                {"AltPoint", {Qt::Key_Period, Qt::AltModifier}}, {"F3", {Qt::Key_F3, Qt::NoModifier}},
                {"F4", {Qt::Key_F4, Qt::NoModifier}}};
            const auto [code, mods] = keys.at(arg);
            const QString text = code == Qt::Key_Return ? "\r" : code < 128 && code != Qt::Key_C ? QString(QChar(code)) : "";
            QKeyEvent press(QEvent::KeyPress, code, mods, text);
            QApplication::sendEvent(&f.main, &press);
            // A modifier key reports itself held while down, and no longer held on release.
            const bool modifierKey = code == Qt::Key_Alt || code == Qt::Key_Shift;
            QKeyEvent release(QEvent::KeyRelease, code, modifierKey ? Qt::NoModifier : mods);
            QApplication::sendEvent(&f.main, &release);
        } else if (step == "timer") {
            f.main.spoustTimer();
        } else if (step[0] == 'M') {
            const auto slash = arg.find('/');
            auto* menu = f.main.findChild<QMenu*>(QString::fromStdString(arg.substr(0, slash)));
            ASSERT_NE(menu, nullptr) << step;
            QAction* item = nullptr;
            for (QAction* a : menu->actions())
                if (a->objectName().toStdString() == arg.substr(slash + 1))
                    item = a;
            ASSERT_NE(item, nullptr) << step;
            item->trigger();
        }
    }
}

struct Case {
    const char* name;
    const char* steps;
    const char* display;
    const char* trail; // nullptr: not checked
    char decimalSeparator = '.';
};

class Input : public ::testing::TestWithParam<Case> {};

TEST_P(Input, ReachesTheEngine)
{
    Face f({}, GetParam().decimalSeparator);
    play(f, GetParam().steps);
    EXPECT_EQ(f.display(), GetParam().display);
    if (GetParam().trail) {
        EXPECT_EQ(f.trailText(), GetParam().trail);
    }
}

const Case mouseCases[] = {
    {"LeftClicksAdd", "L:c2 L:plus L:c3 L:rovnase", "5", " 2 + 3 ="},
    {"RightClickIsShiftPlusKey", "R:c5", "B", nullptr},
    {"RightClickShiftEndsWithTheKey", "R:c5 L:c5", "B5", nullptr},
    {"RightClickOnMenuKeyEntersNothing", "R:c2", "0", ""},
    {"DoubleClickDigitTypesTwice", "D:c7", "77", nullptr},
    {"DoubleClickSineAppliesOnce", "L:c3 L:c0 D:sinus", "0.5", " 30 sin"},
    {"ShiftKeyThenDigit", "L:shift L:c4", "A", nullptr},
    {"ShiftKeyThenHypItemGivesInverse", "L:c1 L:shift M:zinus/zin", "0.88137358702", " 1 arcsinh"},
    {"HypItemWithoutShift", "L:c1 M:cozinus/koz", "1.543080634815", " 1 cosh"},
    {"MemoryMenusStoreAndRecall", "L:c4 L:shift M:MRmenu/mr3 L:resetitko M:MRmenu/mr3", "4", nullptr},
};
INSTANTIATE_TEST_SUITE_P(Mouse, Input, ::testing::ValuesIn(mouseCases),
                         [](const auto& info) { return std::string(info.param.name); });

const Case keyboardCases[] = {
    {"TypedExpression", "T:3.5*2=", "7", " 3.5 * 2 ="},
    {"CommaIsTheDecimalPointToo", "T:1,25+1=", "2.25", nullptr},
    {"PointIsTheDecimalPointInACommaLocale", "T:3.5*2=", "7", " 3,5 * 2 =", ','},
    {"IgnoredCharacters", "T:1x#y2", "12", nullptr},
    {"EnterEvaluates", "T:6/4 K:Enter", "1.5", nullptr},
    {"BackspaceClears", "T:12+7 K:BkSp", "0", " 12 +"},
    {"DeleteResets", "T:12+7 K:Del", "0", ""},
    {"ShiftThenSAfterTheTimerIsArcsine", "T:0.5 timer K:Shift timer T:s", "30", " 0.5 arcsin"},
    {"ShiftThenSWithinTheTimerIsArcsine", "T:0.5 timer K:Shift T:s", "30", " 0.5 arcsin"},
    {"ShiftRightAfterADigitIsCancelled", "T:0 K:Shift T:s", "0", " 0 sin"},
    {"LetterShortcutSquares", "T:9q", "81", " 9 sqr"},
    {"AltAlonePressesTheAngleKey", "K:Alt T:1s", "0.841470984808", " 1 sin"},
    {"CharactersTypedWithAltAreNotKeys", "T:1 K:Alt5 K:AltPoint T:2", "12", nullptr},
    {"F4AddsToMemoryF3RecallsIt", "T:7 K:F4 K:Del T:2 K:F3", "7", nullptr},
    {"GIsTheCommonLogarithm", "T:1000g", "3", " 1000 log10"},
    {"NIsTheLogarithmToABase", "T:8n2=", "3", " 8 LogN 2 ="},
};
INSTANTIATE_TEST_SUITE_P(Keyboard, Input, ::testing::ValuesIn(keyboardCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(KeyPictures, KeyboardPressIsDrawnUntilTheTimerFires)
{
    Face f;
    f.main.KlavTlac("c1");
    EXPECT_TRUE(f.main.key("c1")->pressed());
    EXPECT_TRUE(f.main.spoust.isActive());
    f.main.spoustTimer();
    EXPECT_FALSE(f.main.key("c1")->pressed());
    EXPECT_FALSE(f.main.spoust.isActive());
}

TEST(KeyPictures, NextKeyReleasesThePreviousOne)
{
    Face f;
    f.main.KlavTlac("c1");
    f.main.KlavTlac("c2");
    EXPECT_FALSE(f.main.key("c1")->pressed());
    EXPECT_TRUE(f.main.key("c2")->pressed());
    EXPECT_EQ(f.main.pressedKey, f.main.key("c2"));
}

TEST(KeyPictures, MouseShowsThePressedPictureWhileHeld)
{
    Face f;
    QWidget* k = f.main.key("c8");
    mouse(k, QEvent::MouseButtonPress, Qt::LeftButton);
    EXPECT_TRUE(f.main.key("c8")->pressed());
    mouse(k, QEvent::MouseButtonRelease, Qt::LeftButton);
    EXPECT_FALSE(f.main.key("c8")->pressed());
    EXPECT_EQ(f.display(), "8");
}

TEST(KeyPictures, ReleaseOutsideTheKeyDoesNotRunIt)
{
    Face f;
    QWidget* k = f.main.key("c8");
    mouse(k, QEvent::MouseButtonPress, Qt::LeftButton);
    QMouseEvent up(QEvent::MouseButtonRelease, QPointF(-20, -20), k->mapToGlobal(QPointF(-20, -20)),
                   Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(k, &up);
    EXPECT_EQ(f.display(), "0");
}

TEST(Menus, RightButtonOpensTheKeysMenu)
{
    const struct {
        const char* key;
        const char* menu;
    } rows[] = {{"c2", "hlavni"}, {"sinus", "zinus"}, {"tangens", "ytangenz"}, {"pmem", "MPmenu"}, {"rmem", "MRmenu"},
                {"offitko", "hlavni"}};
    for (const auto& row : rows) {
        Face f;
        mouse(f.main.key(row.key), QEvent::MouseButtonPress, Qt::RightButton);
        EXPECT_TRUE(f.main.findChild<QMenu*>(row.menu)->isVisible()) << row.key;
        EXPECT_FALSE(f.main.key(row.key)->pressed()) << row.key;
    }
}

// The Menu key on a key reached by Tab opens the key's menu, or the main menu.
TEST(Menus, MenuKeyOnAKeyOpensItsMenuOrTheMainMenu)
{
    const struct {
        const char* key;
        const char* menu;
    } rows[] = {{"c7", "hlavni"}, {"sinus", "zinus"}, {"rmem", "MRmenu"}, {"c2", "hlavni"}};
    for (const auto& row : rows) {
        Face f;
        QWidget* k = f.main.key(row.key);
        QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, k->rect().center(), k->mapToGlobal(k->rect().center()));
        QApplication::sendEvent(k, &menuKey);
        EXPECT_TRUE(f.main.findChild<QMenu*>(row.menu)->isVisible()) << row.key;
    }
}

// The Menu key opens the main menu: it holds every memory, not only the keys' pop-ups.
TEST(Menus, MainMenuHoldsEveryMemory)
{
    Face f;
    QMenu* recall = nullptr;
    QMenu* add = nullptr;
    for (QAction* a : f.main.hlavni->actions()) {
        if (a->objectName() == "mritem")
            recall = a->menu();
        if (a->objectName() == "mpitem")
            add = a->menu();
    }
    ASSERT_NE(recall, nullptr);
    ASSERT_NE(add, nullptr);
    ASSERT_EQ(recall->actions().size(), 5);
    ASSERT_EQ(add->actions().size(), 5);
    play(f, "T:6");
    add->actions().at(4)->trigger();
    play(f, "K:Del");
    recall->actions().at(4)->trigger();
    EXPECT_EQ(f.display(), "6");
    EXPECT_EQ(f.main.indicators[4]->toolTip().toStdString(), "M5 = 6");
}

TEST(Menus, MemoryCaptionsFollowTheRegisters)
{
    Face f;
    play(f, "T:2.5 L:shift M:MRmenu/mr2");
    EXPECT_EQ(f.main.MRmenu->actions().at(1)->text().toStdString(), "M2 = 2.5");
    EXPECT_EQ(f.main.MPmenu->actions().at(1)->text().toStdString(), "M2 = 2.5");
    EXPECT_EQ(f.main.indicators[1]->toolTip().toStdString(), "M2 = 2.5");
    EXPECT_TRUE(f.main.indicators[1]->autoFillBackground());
    EXPECT_FALSE(f.main.indicators[0]->autoFillBackground());
}

TEST(Shortcuts, DisabledWhileAnotherWindowIsActive)
{
    Face f;
    f.main.ShortCuts(false);
    play(f, "T:9q");
    EXPECT_EQ(f.display(), "9");
    f.main.ShortCuts(true);
    play(f, "T:q");
    EXPECT_EQ(f.display(), "81");
}

TEST(Shortcuts, ClickOnTheKeypadMakesItActiveAgain)
{
    Face f;
    f.main.show();
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    play(f, "T:9q");
    EXPECT_EQ(f.display(), "9"); // the letter shortcut is off while another window is active
    play(f, "L:c3");
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f.main));
    play(f, "T:q");
    EXPECT_EQ(f.display(), "8649");
    f.main.hide();
}

TEST(Shortcuts, TitleButtonOfAnInactiveKeypadRunsItsAction)
{
    Face f;
    f.main.show();
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    QTest::mousePress(f.main.urefbut, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f.main));
    QTest::mouseRelease(f.main.urefbut, Qt::LeftButton);
    EXPECT_TRUE(f.main.titleStrip());
    f.main.hide();
}

TEST(Shortcuts, EmptiedShortcutDoesNothing)
{
    Face f;
    f.settings.mainShortcuts[27] = ""; // sin
    f.main.applyShortcuts();
    play(f, "T:1s");
    EXPECT_EQ(f.display(), "1");
    EXPECT_FALSE(f.main.shortcutOf("ASin").has_value());
}

TEST(Shortcuts, AltSpaceCollapsesAndRestores)
{
    Face f;
    play(f, "K:AltSpace");
    EXPECT_TRUE(f.main.titleStrip());
    EXPECT_EQ(f.main.size(), QSize(200, 35));
    play(f, "K:AltSpace");
    EXPECT_FALSE(f.main.titleStrip());
    EXPECT_EQ(f.main.size(), QSize(260, 250));
}

TEST(Shortcuts, AltAloneFiresOnlyWithoutAnotherKey)
{
    Face f;
    QKeyEvent altDown(QEvent::KeyPress, Qt::Key_Alt, Qt::AltModifier);
    QKeyEvent spaceDown(QEvent::KeyPress, Qt::Key_Space, Qt::AltModifier, " ");
    QKeyEvent altUp(QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
    QApplication::sendEvent(&f.main, &altDown);
    EXPECT_EQ(f.main.deg->text().toStdString(), "DEG"); // not yet: Alt may begin Alt+SPACE
    QApplication::sendEvent(&f.main, &spaceDown);
    QApplication::sendEvent(&f.main, &altUp);
    EXPECT_EQ(f.main.deg->text().toStdString(), "DEG");
    EXPECT_TRUE(f.main.titleStrip());
    QApplication::sendEvent(&f.main, &altDown);
    QApplication::sendEvent(&f.main, &altUp);
    EXPECT_EQ(f.main.deg->text().toStdString(), "RAD");
}

TEST(Shortcuts, CopyPutsTheDisplayOnTheClipboard)
{
    Face f;
    play(f, "T:42 K:CtrlC");
    EXPECT_EQ(f.services.clipboard, "42");
}

TEST(Moving, ArrowKeysNudgeBothWindows)
{
    Face f;
    f.main.move(100, 100);
    f.trail.move(300, 300);
    QTest::keyClick(&f.main, Qt::Key_Left);
    QTest::keyClick(&f.main, Qt::Key_Down);
    QTest::keyClick(&f.main, Qt::Key_Down);
    EXPECT_EQ(f.main.pos(), QPoint(95, 110));
    EXPECT_EQ(f.trail.pos(), QPoint(295, 310)); // hidden, and still moved
}

TEST(Moving, DraggingMovesAShownTrailByTheSameAmount)
{
    Face f;
    f.main.move(100, 100);
    f.trail.move(300, 300);
    f.trail.show();
    QWidget* label = f.main.deg;
    const QPointF at(2, 2);
    QMouseEvent down(QEvent::MouseButtonPress, at, label->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(label, &down);
    const QPointF to = at + QPointF(30, -10);
    QMouseEvent move(QEvent::MouseMove, to, label->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(label, &move);
    EXPECT_EQ(f.main.pos(), QPoint(130, 90));
    EXPECT_EQ(f.trail.pos(), QPoint(330, 290));
    f.trail.hide();
}

TEST(Trail, ActionTogglesTheTrailWindow)
{
    Face f;
    f.trail.hide();
    f.main.action("ATrail")->trigger();
    EXPECT_TRUE(f.trail.isVisible());
    f.main.action("ATrail")->trigger();
    EXPECT_FALSE(f.trail.isVisible());
}

TEST(Help, OpensHelpBesideTheProgram)
{
    Face f;
    f.main.action("AHelp")->trigger();
    ASSERT_EQ(f.services.openedDocuments.size(), 1u);
    EXPECT_EQ(f.services.openedDocuments[0], f.dir.path() / "Help.htm");
}

} // namespace

namespace {

// The DMS dialog runs modally; the timer answers it as a user would.
void answerDms(keypad::Tdmsdeg& dms, const char* d, const char* m, const char* s, bool ok)
{
    QTimer::singleShot(0, &dms, [&dms, d, m, s, ok] {
        dms.degr->setText(d);
        dms.minu->setText(m);
        dms.seco->setText(s);
        (ok ? dms.OKBut : dms.StornoBut)->click();
    });
}

TEST(DmsDialog, OkEntersTheAngleInDegrees)
{
    Face f;
    answerDms(f.dms, "12", "30", "36", true);
    play(f, "L:stmivt");
    EXPECT_EQ(f.display(), "12.51");
    EXPECT_FALSE(f.dms.isVisible());
}

TEST(DmsDialog, TypingReplacesTheDegreesFieldAtEachOpening)
{
    Face f;
    for (const char* degrees : {"45", "7"}) {
        QString typed;
        QTimer::singleShot(0, &f.dms, [&f, &typed, degrees] {
            QTest::keyClicks(f.dms.degr, degrees);
            typed = f.dms.degr->text();
            f.dms.OKBut->click();
        });
        play(f, "L:stmivt");
        EXPECT_EQ(typed.toStdString(), degrees);
    }
}

TEST(DmsDialog, StornoChangesNothing)
{
    Face f;
    play(f, "T:7");
    answerDms(f.dms, "12", "30", "36", false);
    play(f, "L:stmivt");
    EXPECT_EQ(f.display(), "7");
}

TEST(DmsDialog, FieldThatIsNotANumberIsReported)
{
    Face f;
    play(f, "T:7+");
    answerDms(f.dms, "12", "x", "0", true);
    play(f, "L:stmivt");
    ASSERT_EQ(f.services.messages.size(), 1u);
    EXPECT_EQ(f.services.messages[0].text, "'x' is not a valid floating point value.");
    EXPECT_EQ(f.display(), "7");
}

TEST(DmsDialog, ShiftShowsTheAngleInsteadOfOpeningTheDialog)
{
    Face f;
    play(f, "T:12.5 L:shift L:stmivt");
    ASSERT_EQ(f.services.messages.size(), 1u);
    EXPECT_EQ(f.services.messages[0].text, "12° 30´ 0.000´´ ");
}

} // namespace
