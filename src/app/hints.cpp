#include "app/hints.h"

#include <QApplication>
#include <QHelpEvent>
#include <QProxyStyle>
#include <QToolTip>
#include <QWidget>

namespace app {

namespace {

// The wake-up delay of hints is a style hint; this style changes only that.
class HintStyle : public QProxyStyle {
public:
    int appearPause = 600;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* ret) const override
    {
        if (hint == SH_ToolTip_WakeUpDelay)
            return appearPause;
        return QProxyStyle::styleHint(hint, option, widget, ret);
    }
};

} // namespace

Hints::Hints(QObject* parent) : QObject(parent)
{
    qApp->installEventFilter(this);
}

void Hints::setPauses(int appearMs, int hideMs)
{
    m_hidePause = hideMs;
    auto* style = dynamic_cast<HintStyle*>(QApplication::style());
    if (!style) {
        style = new HintStyle; // QApplication takes ownership
        QApplication::setStyle(style);
    }
    style->appearPause = appearMs;
}

bool Hints::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return false;
    if (!m_enabled)
        return true;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->toolTip().isEmpty())
        return false;
    const auto* help = static_cast<QHelpEvent*>(event);
    QToolTip::showText(help->globalPos(), widget->toolTip(), widget, {}, m_hidePause);
    return true;
}

} // namespace app
