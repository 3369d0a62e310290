#pragma once
// Gives the focus back when a window closes. Without a window manager nobody else does: the
// keypad's shortcuts would stay off until it is clicked, and keys typed after the OK of an
// error box would reach whatever window lies under the mouse. Each window remembers the window
// that was active when it was shown; when it hides, that window is activated again.
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QWidget>

namespace app {

class FocusReturn : public QObject {
public:
    explicit FocusReturn(QObject* parent = nullptr); // watches every window of the application

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QHash<QObject*, QPointer<QWidget>> m_previous;
};

} // namespace app
