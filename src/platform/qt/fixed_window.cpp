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
    if (QGuiApplication::platformName() != "xcb")
        return;
    // Qt's X11 windows take extra window types from this property whenever their flags change;
    // a flag set and taken back again applies it before the window is first mapped.
    constexpr int kToolbarType = 0x8;
    window->winId();
    QWindow* handle = window->windowHandle();
    handle->setProperty("_q_xcb_wm_window_type", kToolbarType);
    const Qt::WindowFlags flags = handle->flags();
    handle->setFlags(flags ^ Qt::WindowStaysOnTopHint);
    handle->setFlags(flags);
}

} // namespace platform
