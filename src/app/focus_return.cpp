#include "app/focus_return.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

namespace app {

FocusReturn::FocusReturn(QObject* parent) : QObject(parent)
{
    qApp->installEventFilter(this);
}

bool FocusReturn::eventFilter(QObject* watched, QEvent* event)
{
    // Shown and hidden by the program; a minimise or restore by the window system is left alone.
    const QEvent::Type type = event->type();
    if ((type != QEvent::Show && type != QEvent::Hide) || event->spontaneous())
        return false;
    auto* window = qobject_cast<QWidget*>(watched);
    if (!window || !window->isWindow())
        return false;
    // Menus and hints come and go without taking the focus.
    if (window->windowType() == Qt::Popup || window->windowType() == Qt::ToolTip)
        return false;
    if (type == QEvent::Show) {
        QWidget* active = QApplication::activeWindow();
        if (active && active != window)
            m_previous.insert(window, active);
        return false;
    }
    const QPointer<QWidget> previous = m_previous.take(window);
    if (!previous)
        return false;
    // After the hide has been processed: the window system may meanwhile have handed the focus
    // to any window (without a window manager, the one under the mouse).
    QTimer::singleShot(0, previous, [previous] {
        if (previous && previous->isVisible())
            previous->activateWindow();
    });
    return false;
}

} // namespace app
