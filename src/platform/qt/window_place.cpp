#include "platform/qt/window_place.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace platform {

namespace {

// How long after a show the window manager's framing may still move the window.
constexpr qint64 kFramingMs = 1000;

// The screen a frame opens on: the one under its centre, else the one it overlaps most.
QRect availableAreaFor(const QRect& frame)
{
    if (const QScreen* s = QGuiApplication::screenAt(frame.center()))
        return s->availableGeometry();
    const QScreen* best = QGuiApplication::primaryScreen();
    qint64 bestOverlap = 0;
    for (const QScreen* s : QGuiApplication::screens()) {
        const QRect overlap = s->availableGeometry() & frame;
        const qint64 area = qint64(overlap.width()) * overlap.height();
        if (area > bestOverlap) {
            bestOverlap = area;
            best = s;
        }
    }
    return best ? best->availableGeometry() : frame;
}

QSize decoration(const QWidget* w)
{
    return w->frameGeometry().size() - w->size();
}

// Keeps a placed window's normal-state frame offset, and fits the window to its screen while
// the window manager frames it after a show.
class PlaceKeeper : public QObject {
public:
    explicit PlaceKeeper(QWidget* window) : QObject(window), m_window(window)
    {
        setObjectName("placeKeeper");
        window->installEventFilter(this);
    }

    QPoint normalOffset() const { return m_normalOffset; }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::Show:
            m_framing.start();
            scheduleFit();
            break;
        case QEvent::Move:
        case QEvent::Resize:
            if (m_window->windowState() == Qt::WindowNoState)
                m_normalOffset = m_window->geometry().topLeft() - m_window->frameGeometry().topLeft();
            if (m_framing.isValid() && m_framing.elapsed() < kFramingMs)
                scheduleFit();
            break;
        default:
            break;
        }
        return false;
    }

private:
    void scheduleFit()
    {
        if (m_fitPending)
            return;
        m_fitPending = true;
        QTimer::singleShot(0, this, [this] {
            m_fitPending = false;
            fit();
        });
    }

    void fit()
    {
        if (!m_window->isVisible() || m_window->windowState() != Qt::WindowNoState)
            return;
        const QRect frame = m_window->frameGeometry();
        const QRect fitted = fitInto(frame, availableAreaFor(frame));
        if (fitted == frame)
            return;
        if (fitted.size() != frame.size())
            m_window->resize(fitted.size() - decoration(m_window));
        m_window->move(fitted.topLeft());
    }

    QWidget* m_window;
    QElapsedTimer m_framing;
    QPoint m_normalOffset;
    bool m_fitPending = false;
};

const PlaceKeeper* keeperOf(const QWidget* window)
{
    return dynamic_cast<const PlaceKeeper*>(window->findChild<QObject*>("placeKeeper", Qt::FindDirectChildrenOnly));
}

} // namespace

QRect fitInto(const QRect& frame, const QRect& area)
{
    const QSize size = frame.size().boundedTo(area.size());
    const int left = std::clamp(frame.left(), area.left(), area.left() + area.width() - size.width());
    const int top = std::clamp(frame.top(), area.top(), area.top() + area.height() - size.height());
    return QRect(QPoint(left, top), size);
}

void keepOnScreen(QWidget* window)
{
    if (!keeperOf(window))
        new PlaceKeeper(window);
}

void restorePlace(QWidget* window, WindowPlace place)
{
    keepOnScreen(window);
    const QSize extra = decoration(window);
    const QSize client = place.size.isEmpty() ? window->size() : place.size;
    const QRect frame(place.corner, client.boundedTo(QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX)) + extra);
    const QRect fitted = fitInto(frame, availableAreaFor(frame));
    window->resize(fitted.size() - extra);
    window->move(fitted.topLeft());
}

WindowPlace currentPlace(const QWidget* window)
{
    const QRect normal = window->normalGeometry();
    if (window->windowState() != Qt::WindowNoState && normal.isValid()) {
        const PlaceKeeper* keeper = keeperOf(window);
        return {normal.topLeft() - (keeper ? keeper->normalOffset() : QPoint()), normal.size()};
    }
    return {window->pos(), window->size()};
}

} // namespace platform
