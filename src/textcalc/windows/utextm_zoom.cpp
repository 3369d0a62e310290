// Zooming the sheet: the View menu's three commands, Ctrl with the wheel over the sheet, and the
// zoom kept in settings.ini as the window's view is.
#include "textcalc/windows/utextm.h"

#include "textcalc/sheet/qt/layout_height.h"
#include "textcalc/windows/sheet_zoom.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QStatusBar>
#include <QTextDocument>
#include <QTextEdit>
#include <QWheelEvent>

#include <algorithm>

namespace textcalc {

void TTextm::createZoom()
{
    m_zoomDevice = std::make_unique<ZoomedDevice>(*kalkul->viewport());
    auto make = [this](QAction*& a, const char* name, const char* caption, QList<QKeySequence> keys, int steps) {
        a = new QAction(QString::fromUtf8(caption), this);
        a->setObjectName(name);
        a->setShortcuts(keys);
        connect(a, &QAction::triggered, this, [this, steps] { zoomTo(steps ? zoomStep(m_zoom, steps) : 100); });
    };
    make(AZoomIn, "AZoomIn", "Zvětšit", {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)}, 1);
    make(AZoomOut, "AZoomOut", "Zmenšit", {QKeySequence(Qt::CTRL | Qt::Key_Minus)}, -1);
    make(AZoomReset, "AZoomReset", "Původní velikost", {QKeySequence(Qt::CTRL | Qt::Key_0)}, 0);
}

void TTextm::setZoom(int percent)
{
    m_zoom = std::clamp(percent, MinZoom, MaxZoom);
    m_zoomDevice->setZoom(m_zoom);
    QTextDocument* document = kalkul->document();
    document->documentLayout()->setPaintDevice(m_zoomDevice.get());
    document->markContentsDirty(0, document->characterCount());
    kalkul->ensureCursorVisible();
    AZoomReset->setEnabled(m_zoom != 100);
}

// The user's zoom: the status bar tells the new one for a moment.
// A zoom that would make the sheet too tall to lay out (layout_height.h) stays where it is.
void TTextm::zoomTo(int percent)
{
    bool fits = percent <= m_zoom;
    if (!fits) {
        m_zoomDevice->setZoom(std::clamp(percent, MinZoom, MaxZoom));
        fits = layoutHeight(*kalkul->document()) <= sheet::MaxLayoutHeight;
        m_zoomDevice->setZoom(m_zoom);
    }
    if (!fits) {
        QApplication::beep();
        info->showMessage(QString::number(m_zoom) + " %", 2000);
        return;
    }
    setZoom(percent);
    info->showMessage(QString::number(m_zoom) + " %", 2000);
}

// Ctrl with the wheel zooms instead of changing the editor's own font; a touchpad's small
// steps add up to whole ones.
bool TTextm::zoomByWheel(QEvent* event)
{
    auto* wheel = static_cast<QWheelEvent*>(event);
    if (!(wheel->modifiers() & Qt::ControlModifier))
        return false;
    m_wheelDelta += wheel->angleDelta().y();
    if (const int steps = m_wheelDelta / QWheelEvent::DefaultDeltasPerStep) {
        m_wheelDelta -= steps * QWheelEvent::DefaultDeltasPerStep;
        zoomTo(zoomStep(m_zoom, steps));
    }
    return true;
}

} // namespace textcalc
