#include "ui/skingen/icon.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QString>

#include <cstdio>
#include <fstream>
#include <map>
#include <vector>

namespace skingen {

namespace fs = std::filesystem;

namespace {

// The icon is drawn on a 256-unit square. Every part is a rounded rectangle with a vertical
// gradient (top to bottom colour) and an optional rim, so the SVG and the PNGs are drawn from
// one list of shapes and cannot drift apart.
constexpr double Units = 256;

struct Shape {
    QRectF rect;
    double radius;
    QColor top, bottom;
    QColor rim; // invalid: none
    double rimWidth = 0;
};

const int PngSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

// Seven-segment digits for the display: the segments a to g of each digit as rectangles in a
// 3 x 5 cell grid (the display reads "42" like the keypad's LCD font).
std::vector<QRectF> segments(char digit, QPointF origin, double cell)
{
    // ORDER a b c d e f g: top, upper right, lower right, bottom, lower left, upper left, middle.
    static const QRectF parts[] = {{0, 0, 3, 1}, {2, 0, 1, 3}, {2, 2, 1, 3}, {0, 4, 3, 1},
                                   {0, 2, 1, 3}, {0, 0, 1, 3}, {0, 2, 3, 1}};
    static const char* const lit[] = {"abcdef", "bc", "abged", "abgcd", "fgbc",
                                      "afgcd", "afgedc", "abc", "abcdefg", "abcdfg"};
    std::vector<QRectF> out;
    for (const char* s = lit[digit - '0']; *s; ++s) {
        const QRectF& p = parts[*s - 'a'];
        out.emplace_back(origin.x() + p.x() * cell, origin.y() + p.y() * cell, p.width() * cell, p.height() * cell);
    }
    return out;
}

std::vector<Shape> shapes(const std::function<QColor(const std::string&)>& color)
{
    std::vector<Shape> s;
    const QColor none;
    s.push_back({{20, 8, 216, 240}, 30, color("body_top"), color("body_bottom"), color("edge"), 6});
    s.push_back({{40, 28, 176, 64}, 12, color("lcd_frame"), color("lcd_frame"), none});
    s.push_back({{48, 36, 160, 48}, 7, color("lcd_shade"), color("lcd"), none});
    const double cell = 7.2;
    for (const auto& [digit, left] : {std::pair{'4', 150.0}, {'2', 180.0}})
        for (const QRectF& r : segments(digit, {left, 42}, cell))
            s.push_back({r, 1.5, color("lcd_text"), color("lcd_text"), none});

    // Four rows of four keys: functions and a clearing key on top, then digits and operators.
    const double left = 40, top = 108, width = 34, height = 26, pitchX = 47.3, pitchY = 34;
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 4; ++col) {
            const std::string key = row == 0 ? (col == 3 ? "key_3" : "key_1") : (col == 3 ? "key_5" : "key_2");
            const QColor face = color(key);
            const QRectF r(left + col * pitchX, top + row * pitchY, width, height);
            s.push_back({r.translated(0, 3), 6, QColor(0, 0, 0, 60), QColor(0, 0, 0, 60), none});
            s.push_back({r, 6, face.lighter(112), face.darker(108), face.darker(135), 2});
        }
    }
    return s;
}

QString svgColor(const QColor& c)
{
    return c.name(QColor::HexRgb);
}

QString svg(const std::vector<Shape>& parts)
{
    QString defs, body;
    std::map<std::pair<QRgb, QRgb>, QString> gradients; // keys of one colour share theirs
    for (const Shape& p : parts) {
        QString fill = QString("fill=\"%1\"").arg(svgColor(p.top));
        if (p.top != p.bottom) {
            QString& id = gradients[{p.top.rgba(), p.bottom.rgba()}];
            if (id.isEmpty()) {
                id = QString("g%1").arg(gradients.size() - 1);
                defs += QString("<linearGradient id=\"%1\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\">"
                                "<stop offset=\"0\" stop-color=\"%2\"/><stop offset=\"1\" stop-color=\"%3\"/>"
                                "</linearGradient>\n")
                            .arg(id, svgColor(p.top), svgColor(p.bottom));
            }
            fill = QString("fill=\"url(#%1)\"").arg(id);
        } else if (p.top.alpha() != 255) {
            fill += QString(" fill-opacity=\"%1\"").arg(p.top.alphaF(), 0, 'g', 3);
        }
        if (p.rim.isValid())
            fill += QString(" stroke=\"%1\" stroke-width=\"%2\"").arg(svgColor(p.rim)).arg(p.rimWidth);
        body += QString("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\" %6/>\n")
                    .arg(p.rect.x())
                    .arg(p.rect.y())
                    .arg(p.rect.width())
                    .arg(p.rect.height())
                    .arg(p.radius)
                    .arg(fill);
    }
    return QString("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" viewBox=\"0 0 %1 %1\">\n"
                   "<defs>\n%2</defs>\n%3</svg>\n")
        .arg(Units)
        .arg(defs, body);
}

QImage png(const std::vector<Shape>& parts, int size)
{
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / Units, size / Units);
    for (const Shape& s : parts) {
        QLinearGradient g(s.rect.topLeft(), s.rect.bottomLeft());
        g.setColorAt(0, s.top);
        g.setColorAt(1, s.bottom);
        p.setBrush(g);
        p.setPen(s.rim.isValid() ? QPen(s.rim, s.rimWidth) : QPen(Qt::NoPen));
        p.drawRoundedRect(s.rect, s.radius, s.radius);
    }
    p.end();
    return img;
}

bool report(bool ok, const fs::path& path)
{
    if (!ok)
        std::fprintf(stderr, "skingen: cannot write %s\n", path.string().c_str());
    return ok;
}

} // namespace

bool writeIcons(const std::function<QColor(const std::string&)>& color, const fs::path& outDir)
{
    const std::vector<Shape> parts = shapes(color);
    std::error_code error;
    const fs::path svgPath = outDir / "scalable" / "apps" / "zoltcalc.svg";
    fs::create_directories(svgPath.parent_path(), error);
    std::ofstream out(svgPath, std::ios::binary | std::ios::trunc);
    out << svg(parts).toStdString();
    out.close();
    bool ok = report(out.good(), svgPath);
    for (int size : PngSizes) {
        const fs::path path = outDir / (std::to_string(size) + "x" + std::to_string(size)) / "apps" / "zoltcalc.png";
        fs::create_directories(path.parent_path(), error);
        ok = report(png(parts, size).save(QString::fromStdString(path.string()), "PNG"), path) && ok;
    }
    return ok;
}

} // namespace skingen
