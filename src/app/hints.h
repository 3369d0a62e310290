#pragma once
// Application hints: switched on and off for the whole program, with the delay before a hint
// appears and the time it stays.
#include <QObject>

namespace app {

class Hints : public QObject {
public:
    explicit Hints(QObject* parent = nullptr);

    void setEnabled(bool enabled) { m_enabled = enabled; }
    bool enabled() const { return m_enabled; }
    void setPauses(int appearMs, int hideMs);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool m_enabled = true;
    int m_hidePause = 3000;
};

} // namespace app
