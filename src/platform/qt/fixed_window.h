#pragma once
// Windows that keep their size: dialogs, message boxes and the trail. They get a title with a
// close box only, and a maximise or minimise that a window manager offers anyway (from its
// window menu or a double click on the title) is undone: maximised, the trail became a strip
// as wide as the screen.
class QWidget;

namespace platform {

void makeFixedWindow(QWidget* window);

// A fixed window that follows its owner, typed as a tool bar on X11 so that the window manager
// offers no minimise: some minimise a transient window's whole group, which would take the
// owner off the screen with it. Under Wayland it is a window of its own (see OwnWindow).
void makeToolbarWindow(QWidget* window);

} // namespace platform
