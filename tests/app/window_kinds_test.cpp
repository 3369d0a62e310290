// Windows that keep their size: the trail, the dialogs and the message boxes offer a close box
// only, and a maximise or minimise from outside (a window manager's menu) is undone.
#include "app/program.h"
#include "platform/headless/headless_services.h"
#include "platform/qt/qt_services.h"
#include "plain_install.h"
#include "test_support.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace {

using Install = PlainInstall;

QWidget* topLevel(const QString& name)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name)
            return w;
    return nullptr;
}

// Shows the window, asks for `state` as a window manager would, and reports what it ends in.
void expectStaysNormal(QWidget* w, Qt::WindowState state, const std::string& what)
{
    w->show();
    w->setWindowState(state);
    QTest::qWait(20);
    EXPECT_FALSE(w->windowState() & (Qt::WindowMaximized | Qt::WindowMinimized)) << what << " " << state;
    EXPECT_FALSE(w->windowFlags() & Qt::WindowMaximizeButtonHint) << what;
    EXPECT_FALSE(w->windowFlags() & Qt::WindowMinimizeButtonHint) << what;
    EXPECT_TRUE(w->windowFlags() & Qt::WindowCloseButtonHint) << what;
    w->hide();
}

TEST(WindowKinds, FixedWindowsCannotBeMaximisedOrMinimised)
{
    Install in;
    app::Program program(in.dir.path(), in.services);
    program.show();
    program.openWindow("ABase");
    program.openWindow("ALinear");
    const struct {
        const char* name;
        bool fixedSize;
    } windows[] = {{"trail", false}, {"settings", true}, {"about", true}, {"dmsdeg", true},
                   {"base", true}, {"linsys", true}
    };
    for (const auto& w : windows) {
        QWidget* window = topLevel(w.name);
        ASSERT_NE(window, nullptr) << w.name;
        for (Qt::WindowState state : {Qt::WindowMaximized, Qt::WindowMinimized})
            expectStaysNormal(window, state, w.name);
        if (w.fixedSize) {
            window->show();
            EXPECT_EQ(window->minimumSize(), window->maximumSize()) << w.name;
            window->hide();
        }
    }
    EXPECT_TRUE(topLevel("trail")->windowType() == Qt::Tool);
    program.main().close();
}

// The message and input boxes of every window: each runs `ask` and has its box maximised.
TEST(WindowKinds, MessageAndInputBoxesCannotBeMaximised)
{
    const struct {
        const char* name;
        std::function<void(platform::QtServices&)> ask;
    } boxes[] = {
        {"message", [](platform::QtServices& s) { s.message(platform::MessageKind::Error, "Invalid data.", platform::Buttons::Ok, {}); }},
        {"input", [](platform::QtServices& s) { s.inputBox("getnumber", "x =", "0"); }},
    };
    for (const auto& b : boxes) {
        platform::QtServices services;
        bool checked = false;
        QTimer::singleShot(0, [&checked, &b] {
            auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr) << b.name;
            box->setWindowState(Qt::WindowMaximized);
            QTest::qWait(20);
            EXPECT_FALSE(box->windowState() & Qt::WindowMaximized) << b.name;
            EXPECT_FALSE(box->windowFlags() & Qt::WindowMaximizeButtonHint) << b.name;
            checked = true;
            box->accept();
        });
        b.ask(services);
        EXPECT_TRUE(checked) << b.name;
    }
}

// A short message keeps its box's title whole: the box is wider than the title with the frame's
// icon and buttons beside it.
TEST(WindowKinds, MessageBoxIsWideEnoughForItsTitle)
{
    for (const char* title : {"ZOLT CALC", "Upozornění", "Information"}) {
        platform::QtServices services;
        services.setMessageTitles({title, title, title, title, title});
        int width = 0;
        int needed = 0;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            const QFontMetrics metrics(box->font());
            needed = metrics.horizontalAdvance(box->windowTitle()) + 4 * metrics.height() * 2;
            width = box->width();
            box->accept();
        });
        services.message(platform::MessageKind::Plain, "Hi", platform::Buttons::Ok, {});
        EXPECT_GE(width, needed) << title;
    }
}

} // namespace
