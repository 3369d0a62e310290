#include "platform/qt/fixed_window.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

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

} // namespace platform
