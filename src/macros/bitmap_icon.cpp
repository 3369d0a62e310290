#include "macros/bitmap_icon.h"

#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPixmap>

#include <optional>

namespace macros {

namespace {

class BitmapFileEngine : public QIconEngine {
public:
    explicit BitmapFileEngine(QString file) : m_file(std::move(file)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        loaded().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return loaded().pixmap(size, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return loaded().actualSize(size, mode, state);
    }
    QIconEngine* clone() const override { return new BitmapFileEngine(*this); }
    QString key() const override { return "macros::BitmapFileEngine"; }
    bool isNull() override { return loaded().isNull(); }

private:
    const QIcon& loaded()
    {
        if (!m_icon) {
            QImage image;
            m_icon = image.load(m_file, "BMP") ? QIcon(QPixmap::fromImage(image)) : QIcon();
        }
        return *m_icon;
    }

    QString m_file;
    std::optional<QIcon> m_icon;
};

} // namespace

QIcon bitmapIcon(const QString& file)
{
    return QIcon(new BitmapFileEngine(file));
}

} // namespace macros
