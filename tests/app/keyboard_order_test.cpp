// Keyboard only: Tab goes through every control of a window in the order the user reads it and
// round to the first again; tables step from cell to cell and are left past their last cell or
// with Ctrl+Tab, the sheet (which takes Tab itself) with Ctrl+Tab.
#include "app/program.h"
#include "platform/headless/headless_services.h"
#include "plain_install.h"

#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

QWidget* topLevel(const QString& name)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name && !qobject_cast<QMenu*>(w))
            return w;
    return nullptr;
}

// A control by its design name; a tool bar's button by its command's.
std::string nameOf(QWidget* w)
{
    for (; w; w = w->parentWidget()) {
        if (auto* b = qobject_cast<QToolButton*>(w); b && b->defaultAction())
            return b->defaultAction()->objectName().toStdString();
        if (!w->objectName().isEmpty() && !w->objectName().startsWith("qt_"))
            return w->objectName().toStdString();
    }
    return "?";
}

// The controls that Tab (with `modifiers`) visits from `first`, a stay in one control (a table's
// cells) counted once, until it is back at `first`.
std::vector<std::string> tabRound(QWidget* window, QWidget* first, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QApplication::setActiveWindow(window);
    first->setFocus(Qt::TabFocusReason);
    std::vector<std::string> visited{nameOf(QApplication::focusWidget())};
    for (int presses = 0; presses < 100; ++presses) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, modifiers);
        const std::string now = nameOf(QApplication::focusWidget());
        if (QApplication::focusWidget() == first && now != visited.back())
            break;
        if (now != visited.back())
            visited.push_back(now);
    }
    return visited;
}

TEST(KeyboardOrder, TabReachesEveryControlInReadingOrder)
{
    PlainInstall in;
    app::Program program(in.dir.path(), in.services);
    program.show();
    for (const char* action : {"ABase", "AStat", "ALinear", "AText"})
        program.openWindow(action);
    const struct {
        const char* window;
        const char* first;
        std::vector<std::string> order;
    } rows[] = {
        {"statm", "ImpxBut",
         {"ImpxBut", "ImpyBut", "PridBut", "UberBut", "VymBut", "VypBut", "VztahBut", "datar", "vystup", "ZavBut"}},
        {"linsys", "aaa", {"aaa", "bbb", "xxx", "determ", "hodnost", "pocet", "VyrBut", "ZavBut"}},
        {"base", "vstup", {"vstup", "puvod", "vystup", "nova", "mista", "PrevBut", "ZamnBut", "ZavBut"}},
        {"settings", "normal",
         {"normal", "poccis", "desmista", "leadzeros", "BaseCombo", "separ", "SkinCombo", "LangCombo", "zaokrouhl",
          "prior", "hints", "aot", "SetBut", "NapBut", "ZavBut"}},
        {"find", "findt", {"findt", "replt", "findbut", "repbut", "repallbut", "ZavBut"}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.window);
        QWidget* window = topLevel(r.window);
        ASSERT_NE(window, nullptr);
        window->show();
        QWidget* first = window->findChild<QWidget*>(r.first);
        if (!first) // a tool bar's button
            for (QToolButton* b : window->findChildren<QToolButton*>())
                if (b->defaultAction() && b->defaultAction()->objectName() == r.first)
                    first = b;
        ASSERT_NE(first, nullptr);
        EXPECT_EQ(tabRound(window, first), r.order);
        window->hide();
    }
}

// Ctrl+Tab leaves a table at once, wherever its current cell is, and the sheet, where Tab is
// typed; Ctrl+Shift+Tab goes back.
TEST(KeyboardOrder, CtrlTabLeavesTablesAndTheSheet)
{
    PlainInstall in;
    app::Program program(in.dir.path(), in.services);
    program.show();
    for (const char* action : {"AStat", "ALinear", "AText"})
        program.openWindow(action);
    const struct {
        const char* window;
        const char* control;
        Qt::KeyboardModifiers modifiers;
        const char* next;
    } rows[] = {
        {"statm", "datar", Qt::ControlModifier, "vystup"},
        {"linsys", "aaa", Qt::ControlModifier, "bbb"},
        {"linsys", "bbb", Qt::ControlModifier | Qt::ShiftModifier, "aaa"},
        {"Textm", "kalkul", Qt::ControlModifier, nullptr},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(std::string(r.window) + " " + r.control);
        QWidget* window = topLevel(r.window);
        ASSERT_NE(window, nullptr);
        window->show();
        QApplication::setActiveWindow(window);
        QWidget* control = window->findChild<QWidget*>(r.control);
        ASSERT_NE(control, nullptr);
        control->setFocus(Qt::TabFocusReason);
        QTest::keyClick(control, Qt::Key_Tab, r.modifiers);
        EXPECT_NE(QApplication::focusWidget(), control);
        if (r.next)
            EXPECT_EQ(nameOf(QApplication::focusWidget()), r.next);
        window->hide();
    }
}

} // namespace
