// Windows are placed where settings.ini says, fitted to the screen, and come back exactly where
// they were. The WindowManager tests need an X display with a window manager: CTest runs them
// under Xvfb with openbox, at scale factors 1 and 2.
#include "app/program.h"
#include "keypad/windows/utrail.h"
#include "platform/inifile.h"
#include "platform/qt/window_place.h"
#include "plain_install.h"

#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace {

QWidget* topLevel(const QString& name)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isWindow())
            return w;
    return nullptr;
}

// The frame lies on the available part of the window's screen, once its place has settled.
bool comesOnScreen(const QWidget* w)
{
    return QTest::qWaitFor([w] { return w->screen()->availableGeometry().contains(w->frameGeometry()); }, 3000);
}

TEST(WindowPlace, FrameIsFittedIntoTheArea)
{
    const QRect screen(0, 0, 800, 600);
    const QRect rightMonitor(1280, 24, 1024, 744);
    const struct {
        const char* name;
        QRect frame;
        QRect area;
        QRect expected;
    } rows[] = {
        {"Inside", {100, 50, 300, 200}, screen, {100, 50, 300, 200}},
        {"RightOfIt", {30000, 50, 300, 200}, screen, {500, 50, 300, 200}},
        {"AboveAndLeft", {-32768, -32768, 300, 200}, screen, {0, 0, 300, 200}},
        {"OverTheBottomEdge", {100, 500, 300, 200}, screen, {100, 400, 300, 200}},
        {"Huge", {10, 10, 32767, 32767}, screen, {0, 0, 800, 600}},
        {"TallerOnly", {700, 10, 50, 900}, screen, {700, 0, 50, 600}},
        {"AreaOffTheOrigin", {0, 0, 100, 100}, rightMonitor, {1280, 24, 100, 100}},
        {"OnTheOtherMonitor", {2000, 300, 400, 300}, rightMonitor, {1904, 300, 400, 300}},
    };
    for (const auto& r : rows)
        EXPECT_EQ(platform::fitInto(r.frame, r.area), r.expected) << r.name;
}

// settings.ini may hold places from another monitor or a hand edit: every window opens on the
// screen, and a place that fits is kept as it is.
TEST(WindowPlace, SavedPlacesAreFittedToTheScreen)
{
    const struct {
        const char* name;
        const char* ini;
    } rows[] = {
        {"FarRightAndBelow", "[main_window_position]\nleft=30000\ntop=30000\n[recorder]\nleft=30000\ntop=30000\n"
                             "[text_calculator]\nleft=30000\ntop=30000\n"},
        {"FarLeftAndAbove", "[main_window_position]\nleft=-32768\ntop=-32768\n[recorder]\nleft=-32768\ntop=-32768\n"
                            "[text_calculator]\nleft=-32768\ntop=-32768\n"},
        {"Huge", "[recorder]\nwidth=32767\n[text_calculator]\nleft=0\ntop=0\nwidth=32767\nheight=32767\n"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        PlainInstall in;
        in.dir.writeFile("settings.ini", r.ini);
        app::Program program(in.dir.path(), in.services);
        program.show();
        for (const char* name : {"main", "trail", "Textm"}) {
            QWidget* w = topLevel(name);
            ASSERT_NE(w, nullptr) << name;
            EXPECT_TRUE(comesOnScreen(w)) << name;
        }
        program.main().close();
    }
}

TEST(WindowPlace, PlaceThatFitsIsKeptAndSavedAsItWas)
{
    PlainInstall in;
    in.dir.writeFile("settings.ini", "[main_window_position]\nleft=30\ntop=40\n[recorder]\nleft=50\ntop=330\n"
                                     "width=250\n[text_calculator]\nleft=310\ntop=20\nwidth=400\nheight=300\n");
    {
        app::Program program(in.dir.path(), in.services);
        program.show();
        EXPECT_EQ(program.main().pos(), QPoint(30, 40));
        EXPECT_EQ(program.main().trailWindow()->pos(), QPoint(50, 330));
        EXPECT_EQ(topLevel("Textm")->geometry(), QRect(310, 20, 400, 300));
        program.main().action("AClose")->trigger();
    }
    const platform::IniFile ini(in.dir.path() / "settings.ini");
    EXPECT_EQ(ini.readInteger("recorder", "width", 0), 250);
    EXPECT_EQ(ini.readInteger("text_calculator", "left", 0), 310);
    EXPECT_EQ(ini.readInteger("text_calculator", "height", 0), 300);
}

// A place fitted to a smaller screen (or a larger scale factor) is not the user's: settings.ini
// keeps what it said until the user moves or resizes the window.
TEST(WindowPlace, OnlyWhatTheUserChangedIsSaved)
{
    const char* ini = "[main_window_position]\nleft=3000\ntop=2000\n[recorder]\nleft=3000\ntop=2500\nwidth=250\n"
                      "[text_calculator]\nleft=460\ntop=50\nwidth=3000\nheight=2000\n";
    const struct {
        const char* name;
        bool moveKeypad;
        bool resizeText;
        int mainLeft, textLeft, textWidth;
    } rows[] = {
        {"Untouched", false, false, 3000, 460, 3000},
        {"KeypadMoved", true, false, 40, 460, 3000},
        {"TextResized", false, true, 3000, 460, 320},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        PlainInstall in;
        in.dir.writeFile("settings.ini", ini);
        {
            app::Program program(in.dir.path(), in.services);
            program.show();
            program.openWindow("AText");
            QWidget* text = topLevel("Textm");
            ASSERT_TRUE(comesOnScreen(text));
            ASSERT_TRUE(comesOnScreen(&program.main()));
            if (r.moveKeypad)
                program.main().move(40, 30);
            if (r.resizeText)
                text->resize(320, text->height());
            program.vypni(); // AClose is off while the text window is active
            ASSERT_FALSE(program.main().isVisible());
        }
        const platform::IniFile saved(in.dir.path() / "settings.ini");
        EXPECT_EQ(saved.readInteger("main_window_position", "left", 0), r.mainLeft);
        EXPECT_EQ(saved.readInteger("main_window_position", "top", 0), r.moveKeypad ? 30 : 2000);
        EXPECT_EQ(saved.readInteger("recorder", "left", 0), 3000);
        EXPECT_EQ(saved.readInteger("text_calculator", "left", 0), r.textLeft);
        EXPECT_EQ(saved.readInteger("text_calculator", "width", 0), r.textWidth);
        if (!r.resizeText) {
            EXPECT_EQ(saved.readInteger("text_calculator", "height", 0), 2000);
        }
    }
}

// ---- Under a window manager ------------------------------------------------------------------

bool underWindowManager()
{
    return QGuiApplication::platformName() == "xcb" && qEnvironmentVariableIsSet("ZOLT_TEST_WINDOW_MANAGER");
}

bool framed(const QWidget* w)
{
    const bool ok = QTest::qWaitFor([w] { return w->frameGeometry() != w->geometry(); }, 3000);
    QTest::qWait(400);
    return ok;
}

// The saved place is the frame's corner, and a restore puts the frame there: the decoration's
// height no longer creeps into `top` at every start, also when the saved size is below the
// window's minimum and the window is resized as it is shown.
TEST(WindowManager, WindowsComeBackWhereTheyWere)
{
    if (!underWindowManager())
        GTEST_SKIP() << "needs an X display with a window manager";
    const struct {
        const char* name;
        QSize text;
    } rows[] = {{"Roomy", {400, 300}}, {"BelowItsMinimum", {150, 100}}};
    for (const auto& r : rows) {
        PlainInstall in;
        in.dir.writeFile("settings.ini", "[main_window_position]\nleft=20\ntop=20\n[recorder]\nleft=20\ntop=300\n"
                                         "width=260\n[text_calculator]\nleft=200\ntop=40\nwidth=" +
                                             std::to_string(r.text.width()) + "\nheight=" +
                                             std::to_string(r.text.height()) + "\n");
        for (int start = 1; start <= 2; ++start) {
            SCOPED_TRACE(std::string(r.name) + ", start " + std::to_string(start));
            app::Program program(in.dir.path(), in.services);
            program.show();
            program.openWindow("AText");
            QWidget* text = topLevel("Textm");
            ASSERT_TRUE(framed(text));
            ASSERT_TRUE(framed(program.main().trailWindow()));
            EXPECT_EQ(text->frameGeometry().topLeft(), QPoint(200, 40));
            EXPECT_EQ(program.main().trailWindow()->frameGeometry().topLeft(), QPoint(20, 300));
            if (r.text.height() >= text->minimumHeight()) {
                EXPECT_EQ(text->size(), r.text);
            }
            program.main().action("AClose")->trigger();
            const platform::IniFile saved(in.dir.path() / "settings.ini");
            EXPECT_EQ(saved.readInteger("text_calculator", "left", 0), 200);
            EXPECT_EQ(saved.readInteger("text_calculator", "top", 0), 40);
            EXPECT_EQ(saved.readInteger("recorder", "top", 0), 300);
        }
    }
}

// The shipped settings at any scale factor: every window lies wholly on the screen, its
// decoration included.
TEST(WindowManager, EveryWindowOpensOnTheScreen)
{
    if (!underWindowManager())
        GTEST_SKIP() << "needs an X display with a window manager";
    PlainInstall in;
    std::ifstream defaults(ZOLT_DEFAULT_SETTINGS);
    in.dir.writeFile("settings.ini", std::string(std::istreambuf_iterator<char>(defaults), {}));
    app::Program program(in.dir.path(), in.services);
    program.show();
    for (const char* action : {"AText", "AStat", "ALinear", "ABase"})
        program.openWindow(action);
    for (const char* name : {"main", "trail", "Textm", "statm", "linsys", "base"}) {
        QWidget* w = topLevel(name);
        ASSERT_NE(w, nullptr) << name;
        EXPECT_TRUE(comesOnScreen(w)) << name << " at " << w->frameGeometry().x() << "," << w->frameGeometry().y()
                                      << " size " << w->frameGeometry().width() << "x" << w->frameGeometry().height();
    }
    program.main().close();
}

// Some window managers minimise a transient window's whole group: the trail offers no minimise,
// so the keypad stays on the screen.
TEST(WindowManager, MinimisingTheTrailLeavesTheKeypad)
{
    if (!underWindowManager())
        GTEST_SKIP() << "needs an X display with a window manager";
    PlainInstall in;
    in.dir.writeFile("settings.ini", "[recorder]\nactive=1\n");
    app::Program program(in.dir.path(), in.services);
    program.show();
    keypad::Ttrail* trail = program.main().trailWindow();
    ASSERT_TRUE(framed(trail));
    trail->showMinimized();
    keypad::Tmain& main = program.main();
    EXPECT_FALSE(QTest::qWaitFor([&main] { return main.isMinimized(); }, 1500));
    EXPECT_TRUE(main.isVisible());
    program.main().close();
}

} // namespace
