// The focus goes back to the window that had it when a dialog, a message box or a tool window
// closes on an X display without a window manager (CTest runs these under Xvfb; offscreen has
// no input focus to lose).
#include "app/program.h"
#include "app/usettings.h"
#include "keypad/windows/utrail.h"
#include "platform/headless/headless_services.h"
#include "plain_install.h"
#include "test_support.h"

#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

bool onXDisplay()
{
    return QGuiApplication::platformName() == "xcb";
}

using Install = PlainInstall;

QWidget* topLevel(const QString& name)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isWindow())
            return w;
    return nullptr;
}

// Closes the modal window that opens next, as its close button would.
void closeNextModal()
{
    QTimer::singleShot(50, [] {
        if (QWidget* w = QApplication::activeModalWidget())
            w->close();
    });
}

TEST(Focus, KeypadTakesItsShortcutsBackAfterTheSettingsDialog)
{
    if (!onXDisplay())
        GTEST_SKIP() << "needs an X display";
    Install in;
    app::Program program(in.dir.path(), in.services);
    program.show();
    keypad::Tmain& m = program.main();
    m.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&m));
    closeNextModal();
    program.NastavOpen();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&m));
    QTest::keyClicks(&m, "9q"); // q squares
    EXPECT_EQ(m.display->text().toStdString(), "81");
    m.close();
}

TEST(Focus, ClosedToolWindowGivesTheFocusBackToTheKeypad)
{
    if (!onXDisplay())
        GTEST_SKIP() << "needs an X display";
    Install in;
    app::Program program(in.dir.path(), in.services);
    program.show();
    keypad::Tmain& m = program.main();
    m.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&m));
    m.trailWindow()->show();
    m.trailWindow()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m.trailWindow()));
    m.trailWindow()->close();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&m));
    m.close();
}

TEST(Focus, ErrorBoxGivesTheFocusBackToTheBaseConversion)
{
    if (!onXDisplay())
        GTEST_SKIP() << "needs an X display";
    Install in;
    app::Program program(in.dir.path(), in.services);
    program.show();
    program.main().action("ABase")->trigger();
    QWidget* base = topLevel("base");
    ASSERT_NE(base, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(base));
    closeNextModal();
    QMessageBox::critical(base, "Error", "Invalid combination of number and base.");
    EXPECT_TRUE(QTest::qWaitForWindowActive(base));
    base->close();
    program.main().close();
}

} // namespace
