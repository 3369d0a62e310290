#include "platform/qt/window_place.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <optional>

namespace platform {

namespace {

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

// Keeps a placed window's normal-state frame offset, and fits the window to its screen once the
// window manager has framed it after a show (or, without one, soon after the show).
class PlaceKeeper : public QObject {
public:
    explicit PlaceKeeper(QWidget* window) : QObject(window), m_window(window)
    {
        setObjectName("placeKeeper");
        window->installEventFilter(this);
        m_poll.setInterval(kPollMs);
        connect(&m_poll, &QTimer::timeout, this, &PlaceKeeper::poll);
    }

    QPoint normalOffset() const { return m_normalOffset; }
    // What settings.ini said, and where the program put the window for it (fitted).
    void setStored(WindowPlace stored) { m_stored = stored; }
    const std::optional<WindowPlace>& stored() const { return m_stored; }
    void setApplied(WindowPlace applied) { m_applied = applied; }
    const WindowPlace& applied() const { return m_applied; }
    // Where the frame's corner goes once the window is framed: a window resized while it is
    // shown may have been placed by its client area's corner instead.
    void placeFrameAt(QPoint corner) { m_corner = corner; }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            m_shown.start();
            m_poll.start();
        } else if ((event->type() == QEvent::Move || event->type() == QEvent::Resize)
                   && m_window->windowState() == Qt::WindowNoState) {
            m_normalOffset = m_window->geometry().topLeft() - m_window->frameGeometry().topLeft();
        }
        return false;
    }

private:
    static constexpr int kPollMs = 40;
    // How long after a show a window manager may take to frame the window.
    static constexpr qint64 kFramingMs = 1000;

    bool framed() const { return m_window->frameGeometry() != m_window->geometry(); }

    void poll()
    {
        if (!framed() && m_shown.elapsed() < kFramingMs)
            return;
        m_poll.stop();
        fit();
    }

    void fit()
    {
        if (!m_window->isVisible() || m_window->windowState() != Qt::WindowNoState)
            return;
        // Where the program put the window moves with the fit, unless the user moved or resized
        // it since (a displacement before the first framing is the window manager's).
        const bool untouched = m_stored && m_window->size() == m_applied.size
                               && (m_window->pos() == m_applied.corner || (m_corner && framed()));
        if (m_corner && framed() && m_window->pos() != *m_corner)
            m_window->move(*m_corner);
        m_corner.reset();
        const QRect frame = m_window->frameGeometry();
        const QRect fitted = fitInto(frame, availableAreaFor(frame));
        if (fitted != frame) {
            if (fitted.size() != frame.size())
                m_window->resize(fitted.size() - decoration(m_window));
            m_window->move(fitted.topLeft());
        }
        if (untouched)
            m_applied = {m_window->pos(), m_window->size()};
    }

    QWidget* m_window;
    QTimer m_poll;
    QElapsedTimer m_shown;
    QPoint m_normalOffset;
    std::optional<QPoint> m_corner;
    std::optional<WindowPlace> m_stored;
    WindowPlace m_applied;
};

PlaceKeeper* keeperOf(const QWidget* window)
{
    return dynamic_cast<PlaceKeeper*>(window->findChild<QObject*>("placeKeeper", Qt::FindDirectChildrenOnly));
}

PlaceKeeper* keeper(QWidget* window)
{
    PlaceKeeper* k = keeperOf(window);
    return k ? k : new PlaceKeeper(window);
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
    keeper(window);
}

void restorePlace(QWidget* window, WindowPlace place)
{
    const QSize extra = decoration(window);
    // A size below the window's minimum would be corrected while the window is shown.
    const QSize client = (place.size.isEmpty() ? window->size() : place.size)
                             .expandedTo(window->minimumSize())
                             .expandedTo(window->minimumSizeHint());
    const QRect frame(place.corner, client + extra);
    const QRect fitted = fitInto(frame, availableAreaFor(frame));
    window->resize(fitted.size() - extra);
    window->move(fitted.topLeft());
    PlaceKeeper* k = keeper(window);
    k->placeFrameAt(fitted.topLeft());
    k->setStored({place.corner, client});
    k->setApplied({window->pos(), window->size()});
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

bool platformPlacesWindows()
{
    return !QGuiApplication::platformName().startsWith("wayland");
}

WindowPlace placeToSave(const QWidget* window)
{
    const WindowPlace current = currentPlace(window);
    const PlaceKeeper* k = keeperOf(window);
    if (!k || !k->stored())
        return current;
    const WindowPlace& stored = *k->stored();
    const WindowPlace& applied = k->applied();
    const bool moved = platformPlacesWindows() && current.corner != applied.corner;
    return {moved ? current.corner : stored.corner, current.size == applied.size ? stored.size : current.size};
}

} // namespace platform
