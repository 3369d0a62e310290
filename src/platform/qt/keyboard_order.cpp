#include "platform/qt/keyboard_order.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

namespace platform {

void chainTabOrder(std::initializer_list<QWidget*> controls)
{
    QWidget* previous = nullptr;
    for (QWidget* w : controls) {
        if (previous)
            QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

namespace {

class KeyboardExit : public QObject {
public:
    explicit KeyboardExit(QWidget* control) : QObject(control), m_control(control) { control->installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool backwards = key->key() == Qt::Key_Backtab || (key->modifiers() & Qt::ShiftModifier);
        if (key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab)
            return false;
        if (!(key->modifiers() & Qt::ControlModifier) && !atEdge(backwards))
            return false;
        leave(backwards);
        return true;
    }

private:
    // The last cell for Tab, the first for Shift+Tab: a table would wrap round to its other end.
    bool atEdge(bool backwards) const
    {
        const auto* view = qobject_cast<QAbstractItemView*>(m_control);
        if (!view || !view->model())
            return false;
        const QModelIndex current = view->currentIndex();
        const int rows = view->model()->rowCount(), columns = view->model()->columnCount();
        if (!current.isValid())
            return true;
        return backwards ? current.row() == 0 && current.column() == 0
                         : current.row() == rows - 1 && current.column() == columns - 1;
    }

    // The next control of the window's chain; the widget's own Tab would step inside it.
    void leave(bool backwards)
    {
        QWidget* next = m_control;
        do
            next = backwards ? next->previousInFocusChain() : next->nextInFocusChain();
        while (next != m_control && !takesTab(next));
        if (next != m_control)
            next->setFocus(backwards ? Qt::BacktabFocusReason : Qt::TabFocusReason);
    }

    bool takesTab(const QWidget* w) const
    {
        return (w->focusPolicy() & Qt::TabFocus) && w->isVisible() && w->isEnabled() && w->window() == m_control->window()
               && !m_control->isAncestorOf(w) && w->focusProxy() == nullptr;
    }

    QWidget* m_control;
};

} // namespace

void leaveByKeyboard(QWidget* control)
{
    new KeyboardExit(control);
}

} // namespace platform
