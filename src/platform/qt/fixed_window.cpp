#include "platform/qt/fixed_window.h"

#include <QEvent>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace platform {

namespace {

class NormalStateGuard : public QObject {
public:
    explicit NormalStateGuard(QWidget* window) : QObject(window), m_window(window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::WindowStateChange)
            return false;
        constexpr Qt::WindowStates kRefused = Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen;
        // A window manager minimises a transient window together with its owner: that stays.
        const QWidget* owner = m_window->parentWidget() ? m_window->parentWidget()->window() : nullptr;
        if (!(m_window->windowState() & kRefused) || (owner && owner->isMinimized()))
            return false;
        QTimer::singleShot(0, m_window, [w = m_window] { w->setWindowState(Qt::WindowNoState); });
        return false;
    }

private:
    QWidget* m_window;
};

// Qt's X11 windows take extra window types from this property whenever their flags change; a
// flag set and taken back again applies it, on each show before the window is mapped (Qt may
// have made a new native window since).
class ToolbarType : public QObject {
public:
    explicit ToolbarType(QWidget* window) : QObject(window), m_window(window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        QWindow* handle = m_window->windowHandle();
        if (event->type() != QEvent::Show || !handle || handle->property(kProperty).isValid())
            return false;
        constexpr int kToolbarType = 0x8;
        handle->setProperty(kProperty, kToolbarType);
        const Qt::WindowFlags flags = handle->flags();
        handle->setFlags(flags ^ Qt::WindowStaysOnTopHint);
        handle->setFlags(flags);
        return false;
    }

private:
    static constexpr const char* kProperty = "_q_xcb_wm_window_type";
    QWidget* m_window;
};

// Under Wayland a click on a window activates its newest child window instead (the compositor
// treats children as dialogs), so a window following its owner would take the owner's keyboard
// and cover its menus: there it is a window of its own. The parent is dropped on each show,
// before the compositor learns of the window.
class OwnWindow : public QObject {
public:
    explicit OwnWindow(QWidget* window) : QObject(window), m_window(window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            if (QWindow* handle = m_window->windowHandle())
                handle->setTransientParent(nullptr);
        return false;
    }

private:
    QWidget* m_window;
};

} // namespace

void makeFixedWindow(QWidget* window)
{
    Qt::WindowFlags flags = window->windowFlags();
    flags &= ~(Qt::WindowMinMaxButtonsHint | Qt::WindowContextHelpButtonHint);
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    window->setWindowFlags(flags);
    new NormalStateGuard(window);
}

void makeToolbarWindow(QWidget* window)
{
    makeFixedWindow(window);
    if (QGuiApplication::platformName() == "xcb")
        new ToolbarType(window);
    else if (QGuiApplication::platformName().startsWith("wayland"))
        new OwnWindow(window);
}

} // namespace platform
