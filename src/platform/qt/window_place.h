#pragma once
// Windows come back where the user left them, and always on a screen. settings.ini keeps a
// window's place as the corner of its frame (what a move changes, whatever decoration the
// window manager adds) and the size of its client area. A place that does not fit (another
// monitor, a smaller resolution, a scale factor, a hand-edited file) is fitted into the
// available area of the screen it lies on. The decoration is known only once the window
// manager has framed a shown window, so a window is fitted again then.
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace platform {

struct WindowPlace {
    QPoint corner; // the frame's top-left corner
    QSize size;    // the client area; empty: the window's own size
};

// `frame` shrunk and moved as little as needed to lie inside `area`.
QRect fitInto(const QRect& frame, const QRect& area);

// Puts the window at `place`, fitted to its screen, and keeps it on screen when it is shown.
void restorePlace(QWidget* window, WindowPlace place);

// Fits the window to its screen whenever it is shown (windows without a saved place).
void keepOnScreen(QWidget* window);

// The place of the window's normal state, also while it is maximised or minimised.
WindowPlace currentPlace(const QWidget* window);

// The place to store at shut-down: of a window placed by restorePlace, the stored corner and
// size unless the user changed them. Fitting a place to a smaller screen (or a larger scale
// factor) is not a change, and where the platform reports no window positions (Wayland) the
// stored corner is kept.
WindowPlace placeToSave(const QWidget* window);

// Whether windows can be placed and their positions read back (not under Wayland).
bool platformPlacesWindows();

} // namespace platform
