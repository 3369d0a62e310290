// Draws the pictures of the shipped macro entries: a rounded square in the entry's colour with
// one or two lines of white text, each line as large as fits, saved as a 16×16 bitmap.
//   make_macropics pictures.txt OUTPUT_DIR
#include <QColor>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextStream>

#include <cstdio>

namespace {

constexpr int side = 16;
constexpr qreal margin = 1.5;

// The largest pixel size at which every line fits the picture's inner square.
QFont fittingFont(const QStringList& lines)
{
    QFont font(QStringLiteral("DejaVu Sans Condensed"));
    font.setBold(true);
    font.setHintingPreference(QFont::PreferFullHinting);
    const qreal room = side - 2 * margin;
    for (int px = 13; px > 5; --px) {
        font.setPixelSize(px);
        const QFontMetricsF fm(font);
        bool fits = fm.height() * 0.8 * lines.size() <= room + 1;
        for (const QString& line : lines)
            fits = fits && fm.horizontalAdvance(line) <= room;
        if (fits)
            return font;
    }
    return font;
}

QImage draw(const QColor& colour, const QStringList& lines)
{
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(colour.darker(130));
    p.setBrush(colour);
    p.drawRoundedRect(QRectF(0.5, 0.5, side - 1, side - 1), 3, 3);
    p.setPen(Qt::white);
    const QFont font = fittingFont(lines);
    p.setFont(font);
    const qreal lineHeight = (side - 2 * margin) / lines.size();
    for (int i = 0; i < lines.size(); ++i)
        p.drawText(QRectF(0, margin + i * lineHeight, side, lineHeight), Qt::AlignCenter, lines[i]);
    return image;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_macropics pictures.txt OUTPUT_DIR\n");
        return 2;
    }
    QFile table(QString::fromLocal8Bit(argv[1]));
    if (!table.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    const QDir out(QString::fromLocal8Bit(argv[2]));
    QTextStream in(&table);
    int written = 0;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        QStringList fields = line.split(QLatin1Char('|'));
        for (QString& f : fields)
            f = f.trimmed();
        if (fields.size() < 3) {
            std::fprintf(stderr, "bad line: %s\n", qPrintable(line));
            return 1;
        }
        const QString path = out.filePath(fields[0] + QStringLiteral(".bmp"));
        if (!draw(QColor(fields[1]), fields.mid(2)).save(path, "BMP")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
        ++written;
    }
    std::printf("%d pictures\n", written);
    return 0;
}
