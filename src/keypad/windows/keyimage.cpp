#include "keypad/windows/keyimage.h"

#include "keypad/windows/umain.h"

#include <QContextMenuEvent>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace keypad {

KeyImage::KeyImage(Tmain* owner, const QString& name, QWidget* parent) : QWidget(parent), m_owner(owner)
{
    setObjectName(name);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::TabFocus);
}

void KeyImage::setPicture(const QPixmap& picture)
{
    m_picture = picture;
    update();
}

void KeyImage::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (!m_picture.isNull())
        p.drawPixmap(0, 0, m_picture);
    if (hasFocus()) {
        // The skin draws no focus: a dashed outline shows the key the keyboard is on.
        p.setPen(QPen(palette().color(QPalette::Highlight), 2, Qt::DashLine));
        p.drawRect(rect().adjusted(1, 1, -1, -1));
    }
}

void KeyImage::keyPressEvent(QKeyEvent* e)
{
    const std::pair<int, QPoint> steps[] = {
        {Qt::Key_Left, {-1, 0}}, {Qt::Key_Right, {1, 0}}, {Qt::Key_Up, {0, -1}}, {Qt::Key_Down, {0, 1}}};
    for (const auto& [key, step] : steps)
        if (e->key() == key && e->modifiers() == Qt::NoModifier) {
            if (KeyImage* next = m_owner->neighbourKey(this, step))
                next->setFocus(Qt::TabFocusReason);
            return;
        }
    if (e->key() == Qt::Key_Space && e->modifiers() == Qt::NoModifier) {
        m_owner->KlavTlac(objectName());
        return;
    }
    e->ignore();
}

void KeyImage::focusInEvent(QFocusEvent* e)
{
    QWidget::focusInEvent(e);
    update();
}

void KeyImage::focusOutEvent(QFocusEvent* e)
{
    QWidget::focusOutEvent(e);
    update();
}

void KeyImage::mousePressEvent(QMouseEvent* e)
{
    m_double = false;
    m_owner->Stlac(this, e->button());
}

void KeyImage::mouseDoubleClickEvent(QMouseEvent* e)
{
    // The second press of a double click: drawn like any press; its release may run the handler
    // again (keys marked for double clicks) instead of a plain click.
    m_double = true;
    m_owner->Stlac(this, e->button());
}

void KeyImage::mouseReleaseEvent(QMouseEvent* e)
{
    const bool inside = rect().contains(e->position().toPoint());
    if (e->button() == Qt::LeftButton && inside)
        m_owner->keyClick(this, m_double);
    m_double = false;
    m_owner->Pust(this, e->button());
}

// The right button of a key with a pop-up menu opens the menu; on other keys it is the SHIFT
// function (Pust), so the event never reaches the window's own menu. The Menu key on a key
// without a menu of its own opens the window's.
void KeyImage::contextMenuEvent(QContextMenuEvent* e)
{
    if (!m_owner->keyMenu(this, e->globalPos()) && e->reason() == QContextMenuEvent::Keyboard) {
        e->ignore();
        return;
    }
    e->accept();
}

QPixmap loadSkinBitmap(const std::filesystem::path& path, qreal ratio, bool transparent)
{
    std::filesystem::path chosen = path;
    if (ratio > 1) {
        std::filesystem::path sharp = path;
        sharp.replace_filename(path.stem().string() + "@2x" + path.extension().string());
        if (std::filesystem::exists(sharp))
            chosen = sharp;
    }
    const QString file = QString::fromStdString(chosen.string());
    QPixmap picture = transparent ? loadTransparentBitmap(file) : QPixmap(file);
    picture.setDevicePixelRatio(chosen == path ? 1.0 : 2.0);
    return picture;
}

QPixmap loadTransparentBitmap(const QString& path)
{
    QImage img(path);
    if (img.isNull() || img.width() == 0 || img.height() == 0)
        return {};
    img = img.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = img.pixel(0, img.height() - 1);
    for (int y = 0; y < img.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x)
            if (line[x] == key)
                line[x] = qRgba(0, 0, 0, 0);
    }
    return QPixmap::fromImage(img);
}

} // namespace keypad
