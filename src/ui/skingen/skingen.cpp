// skingen LAYOUT THEME OUTDIR NAME: draws a skin from a layout and a theme and writes
// OUTDIR/NAME.ini with the bitmaps OUTDIR/NAME/{backg,title,but<P>}.bmp.
// skingen --icon THEME OUTDIR: draws the program's icon in the theme's colours (icon.h).
#include "keypad/engine.h"
#include "platform/inifile.h"
#include "ui/skin.h"
#include "ui/skingen/icon.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using platform::IniFile;

namespace {

// Pressed pictures are drawn over the key; this colour stands for "let the key show through"
// (the image's bottom-left pixel names the transparent colour).
const QColor transparentKey(255, 0, 255);

struct KeyDesc {
    std::string name;
    QString legend;
    QString shiftLegend;
    int pic = 1;
    QRect rect;
};

struct ClassDesc {
    int width = 34;
    int height = 24;
    int radius = 5;
    int fontSize = 10;
};

int num(const IniFile& f, const std::string& s, const std::string& k, int def = 0)
{
    return static_cast<int>(f.readInteger(s, k, def));
}

QColor color(const IniFile& theme, const std::string& key)
{
    const QColor c(QString::fromStdString(theme.readString("colors", key, "#ff00ff")));
    return c.isValid() ? c : QColor(255, 0, 255);
}

// Skin files hold colours as the desktop does: red in the low byte, blue in the high byte.
long long platformColor(const QColor& c)
{
    return c.red() | (c.green() << 8) | (static_cast<long long>(c.blue()) << 16);
}

std::vector<std::string> split(const std::string& text, char sep)
{
    std::vector<std::string> parts;
    std::stringstream in(text);
    for (std::string part; std::getline(in, part, sep);)
        parts.push_back(part);
    return parts;
}

std::vector<std::string> words(const std::string& text)
{
    std::vector<std::string> out;
    std::stringstream in(text);
    for (std::string w; in >> w;)
        out.push_back(w);
    return out;
}

QFont legendFont(int pixelSize)
{
    QFont font("DejaVu Sans");
    font.setPixelSize(pixelSize);
    font.setBold(true);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

void drawBody(QPainter& p, const IniFile& theme, QSize size, int radius)
{
    QLinearGradient g(0, 0, 0, size.height());
    g.setColorAt(0, color(theme, "body_top"));
    g.setColorAt(1, color(theme, "body_bottom"));
    p.setPen(QPen(color(theme, "edge"), 2));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(1, 1, size.width() - 2, size.height() - 2), radius / 2.0, radius / 2.0);
}

void drawBrand(QPainter& p, const IniFile& layout, const IniFile& theme)
{
    p.setPen(color(theme, "brand"));
    QFont font = legendFont(13);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
    p.setFont(font);
    const QRect r(num(layout, "brand", "left"), num(layout, "brand", "top"), num(layout, "brand", "width"),
                  num(layout, "brand", "height"));
    p.drawText(r, Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdString(layout.readString("brand", "text", "")));
}

// The three title buttons are part of the picture; the window lays click areas over them.
void drawTitleGlyphs(QPainter& p, const IniFile& layout, const IniFile& theme, bool strip)
{
    const int size = num(layout, "titlebuttons", "size");
    const int left = num(layout, "titlebuttons", strip ? "uleft" : "left");
    const int top = num(layout, "titlebuttons", strip ? "utop" : "top");
    const int inter = num(layout, "titlebuttons", "inter");
    const QColor glyph = color(theme, "title_glyph");
    for (int i = 0; i < 3; ++i) {
        const QRectF r(left + i * inter + 0.5, top + 0.5, size - 1, size - 1);
        p.setPen(QPen(glyph, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(r, 4, 4);
        p.setPen(QPen(glyph, 2, Qt::SolidLine, Qt::RoundCap));
        const QPointF c = r.center();
        const double h = size * 0.22;
        if (i == 0) { // minimise
            p.drawLine(QPointF(c.x() - h, c.y() + h), QPointF(c.x() + h, c.y() + h));
        } else if (i == 1) { // collapse (full view) or restore (title strip)
            const double dy = strip ? h / 2 : -h / 2;
            p.drawLine(QPointF(c.x() - h, c.y() - dy), QPointF(c.x(), c.y() + dy));
            p.drawLine(QPointF(c.x(), c.y() + dy), QPointF(c.x() + h, c.y() - dy));
        } else if (strip) { // close
            p.drawLine(QPointF(c.x() - h, c.y() - h), QPointF(c.x() + h, c.y() + h));
            p.drawLine(QPointF(c.x() - h, c.y() + h), QPointF(c.x() + h, c.y() - h));
        } else { // help
            p.setFont(legendFont(size - 5));
            p.setPen(glyph);
            p.drawText(r, Qt::AlignCenter, "?");
        }
    }
    if (strip)
        return;
    // The about button: a small "i" beside the title buttons, so the caption stays free for
    // dragging the window.
    const QRectF about(num(layout, "about", "left") + 0.5, num(layout, "about", "top") + 0.5,
                       num(layout, "about", "width") - 1, num(layout, "about", "height") - 1);
    p.setPen(QPen(glyph, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(about, 4, 4);
    QFont font = legendFont(static_cast<int>(about.height()) - 4);
    font.setFamily("DejaVu Serif");
    p.setFont(font);
    p.drawText(about, Qt::AlignCenter, "i");
}

void drawLcd(QPainter& p, const IniFile& layout, const IniFile& theme)
{
    const QRectF r(num(layout, "lcd", "left"), num(layout, "lcd", "top"), num(layout, "lcd", "width"),
                   num(layout, "lcd", "height"));
    p.setPen(Qt::NoPen);
    p.setBrush(color(theme, "lcd_frame"));
    p.drawRoundedRect(r.adjusted(-3, -3, 3, 3), 8, 8);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, color(theme, "lcd_shade"));
    g.setColorAt(0.25, color(theme, "lcd"));
    g.setColorAt(1, color(theme, "lcd"));
    p.setBrush(g);
    p.drawRoundedRect(r, 5, 5);

    // Memory slots: "M" and a faint box per indicator; the window writes the numbers into the
    // boxes and fills the box of a memory in use.
    const int left = num(layout, "memory", "left"), top = num(layout, "memory", "top");
    const int inter = num(layout, "memory", "inter"), size = num(layout, "memory", "size");
    QColor faint = color(theme, "lcd_text");
    p.setPen(faint);
    p.setFont(legendFont(size - 2));
    p.drawText(QRect(left - size - 4, top - 2, size + 2, size + 4), Qt::AlignRight | Qt::AlignVCenter, "M");
    faint.setAlpha(70);
    p.setPen(faint);
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < keypad::kMemories; ++i)
        p.drawRect(QRectF(left + i * inter + 0.5, top + 0.5, size - 1, size - 1));
}

QPainterPath keyShape(const QRectF& r, int radius)
{
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

void drawKey(QPainter& p, const KeyDesc& key, const ClassDesc& cls, const IniFile& theme)
{
    const std::string k = "key_" + std::to_string(key.pic);
    const QColor face = color(theme, k);
    const QRectF r = QRectF(key.rect).adjusted(0.5, 0.5, -0.5, -0.5);

    // Shadow, body with a soft top light, rim.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawPath(keyShape(r.translated(0, 2), cls.radius));
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, face.lighter(112));
    g.setColorAt(1, face.darker(108));
    p.setBrush(g);
    p.setPen(QPen(face.darker(135), 1));
    p.drawPath(keyShape(r, cls.radius));

    p.setPen(color(theme, k + "_text"));
    QFont font = legendFont(cls.fontSize);
    // Long legends shrink to fit the key.
    while (QFontMetrics(font).horizontalAdvance(key.legend) > key.rect.width() - 6 && font.pixelSize() > 7)
        font.setPixelSize(font.pixelSize() - 1);
    p.setFont(font);
    p.drawText(key.rect, Qt::AlignCenter, key.legend);

    if (!key.shiftLegend.isEmpty()) {
        p.setPen(color(theme, "shift_legend"));
        p.setFont(legendFont(9));
        p.drawText(QRect(key.rect.left() - 6, key.rect.top() - 13, key.rect.width() + 12, 12),
                   Qt::AlignHCenter | Qt::AlignBottom, key.shiftLegend);
    }
}

// A held key: a ring in the accent colour and the face darkened by a sparse dither (one pixel
// in four), so the legend stays readable through the transparent pixels.
QImage pressedPicture(const ClassDesc& cls, const IniFile& theme, int scale)
{
    const int w = cls.width * scale, h = cls.height * scale;
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(transparentKey);
    const QColor dark = color(theme, "pressed");
    const QPainterPath shape =
        keyShape(QRectF(0.5 * scale, 0.5 * scale, w - scale, h - scale), cls.radius * scale);
    for (int y = 1; y < h - 1; ++y)
        for (int x = 1; x < w - 1; ++x)
            if (x % 2 == 0 && y % 2 == 0 && shape.contains(QPointF(x + 0.5, y + 0.5)))
                img.setPixelColor(x, y, dark);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.scale(scale, scale);
    p.setPen(QPen(color(theme, "pressed_ring"), 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(keyShape(QRectF(1, 1, cls.width - 2, cls.height - 2), cls.radius));
    p.end();
    img.setPixelColor(0, h - 1, transparentKey); // names the transparent colour
    return img;
}

bool save(const QImage& img, const fs::path& path)
{
    if (img.convertToFormat(QImage::Format_RGB888).save(QString::fromStdString(path.string()), "BMP"))
        return true;
    std::fprintf(stderr, "skingen: cannot write %s\n", path.string().c_str());
    return false;
}

// The window, label, memory and title-button entries of the skin's INI file.
void writeFrame(IniFile& out, const IniFile& layout, const IniFile& theme)
{
    for (const char* k : {"width", "height", "upwidth", "upheight", "diametr"})
        out.writeInteger("main", k, num(layout, "window", k));
    out.writeInteger("main", "color", platformColor(color(theme, "body_bottom")));
    out.writeInteger("main", "hint_color", platformColor(color(theme, "hint")));

    for (const char* label : ui::labelNames) {
        for (const char* k : {"left", "top", "size", "width", "height"})
            if (layout.valueExists(label, k))
                out.writeInteger(label, k, num(layout, label, k));
        out.writeInteger(label, "color", platformColor(color(theme, "lcd_text")));
        out.writeString(label, "name", layout.readString(label, "font", "DejaVu Sans"));
    }

    out.writeInteger("pam", "left", num(layout, "memory", "left"));
    out.writeInteger("pam", "top", num(layout, "memory", "top"));
    out.writeInteger("pam", "inter", num(layout, "memory", "inter"));
    out.writeInteger("pam", "size", num(layout, "memory", "size"));
    out.writeInteger("pam", "color", platformColor(color(theme, "memory")));

    for (const char* k : {"size", "left", "top", "inter", "uleft", "utop"})
        out.writeInteger("upbuts", k, num(layout, "titlebuttons", k));
    out.writeInteger("upbuts", "aboutleft", num(layout, "about", "left"));
    out.writeInteger("upbuts", "abouttop", num(layout, "about", "top"));
    out.writeInteger("upbuts", "aboutwidth", num(layout, "about", "width"));
    out.writeInteger("upbuts", "aboutheight", num(layout, "about", "height"));
}

struct KeyLayout {
    std::map<int, ClassDesc> classes;
    std::vector<KeyDesc> keys;
};

// The keys row by row ("row_1", "row_2", ...), each with its picture class.
KeyLayout layOutKeys(const IniFile& layout)
{
    KeyLayout result;
    for (int row = 1; layout.sectionExists("row_" + std::to_string(row)); ++row) {
        const std::string sec = "row_" + std::to_string(row);
        const int rowClass = num(layout, sec, "class", 1);
        int left = num(layout, sec, "left");
        for (const std::string& entry : split(layout.readString(sec, "keys", ""), ';')) {
            const auto w = words(entry);
            if (w.empty())
                continue;
            KeyDesc key;
            key.name = w[0];
            key.legend = w.size() > 1 ? QString::fromStdString(w[1]) : QString();
            key.shiftLegend = w.size() > 2 ? QString::fromStdString(w[2]) : QString();
            key.pic = num(layout, "classes", key.name, rowClass);
            if (!result.classes.count(key.pic)) {
                const std::string cs = "class_" + std::to_string(key.pic);
                result.classes[key.pic] = {num(layout, cs, "width", 34), num(layout, cs, "height", 24),
                                           num(layout, cs, "radius", 5), num(layout, cs, "font_size", 10)};
            }
            const ClassDesc& cls = result.classes[key.pic];
            key.rect = QRect(left, num(layout, sec, "top"), cls.width, cls.height);
            left += num(layout, sec, "pitch");
            result.keys.push_back(key);
        }
    }
    for (const char* name : ui::keyNames)
        if (std::none_of(result.keys.begin(), result.keys.end(), [&](const KeyDesc& k) { return k.name == name; }))
            std::fprintf(stderr, "skingen: warning: key %s is not laid out\n", name);
    return result;
}

void writeKeys(IniFile& out, const KeyLayout& keys)
{
    for (const KeyDesc& key : keys.keys) {
        out.writeInteger(key.name, "left", key.rect.left());
        out.writeInteger(key.name, "top", key.rect.top());
        out.writeInteger(key.name, "pic", key.pic);
    }
    for (const auto& [pic, cls] : keys.classes) {
        out.writeInteger("pic_" + std::to_string(pic), "width", cls.width);
        out.writeInteger("pic_" + std::to_string(pic), "height", cls.height);
    }
}

// Every bitmap at 1x and, for high-density screens, drawn again at 2x ("<name>@2x.bmp").
bool drawBitmaps(const IniFile& layout, const IniFile& theme, const KeyLayout& keys, const fs::path& skinDir)
{
    const int width = num(layout, "window", "width"), height = num(layout, "window", "height");
    const int upwidth = num(layout, "window", "upwidth"), upheight = num(layout, "window", "upheight");
    const int diametr = num(layout, "window", "diametr");
    bool ok = true;
    for (const int scale : {1, 2}) {
        const std::string suffix = scale == 1 ? "" : "@2x";
        QImage backg(width * scale, height * scale, QImage::Format_RGB32);
        backg.fill(color(theme, "body_bottom"));
        {
            QPainter p(&backg);
            p.scale(scale, scale);
            p.setRenderHint(QPainter::Antialiasing);
            p.setRenderHint(QPainter::TextAntialiasing);
            drawBody(p, theme, QSize(width, height), diametr);
            drawBrand(p, layout, theme);
            drawTitleGlyphs(p, layout, theme, false);
            drawLcd(p, layout, theme);
            for (const KeyDesc& key : keys.keys)
                drawKey(p, key, keys.classes.at(key.pic), theme);
        }
        QImage title(upwidth * scale, upheight * scale, QImage::Format_RGB32);
        title.fill(color(theme, "body_bottom"));
        {
            QPainter p(&title);
            p.scale(scale, scale);
            p.setRenderHint(QPainter::Antialiasing);
            drawBody(p, theme, QSize(upwidth, upheight), diametr);
            drawBrand(p, layout, theme);
            drawTitleGlyphs(p, layout, theme, true);
        }
        ok = save(backg, skinDir / ("backg" + suffix + ".bmp")) && ok;
        ok = save(title, skinDir / ("title" + suffix + ".bmp")) && ok;
        for (const auto& [pic, cls] : keys.classes)
            ok = save(pressedPicture(cls, theme, scale), skinDir / ("but" + std::to_string(pic) + suffix + ".bmp")) && ok;
    }
    return ok;
}

int run(const fs::path& layoutPath, const fs::path& themePath, const fs::path& outDir, const std::string& name)
{
    const IniFile layout(layoutPath), theme(themePath);
    if (!layout.existed() || !theme.existed()) {
        std::fprintf(stderr, "skingen: missing %s\n", (!layout.existed() ? layoutPath : themePath).string().c_str());
        return 1;
    }
    const fs::path skinDir = outDir / name;
    fs::create_directories(skinDir);
    const fs::path iniPath = outDir / (name + ".ini");
    fs::remove(iniPath);
    IniFile out(iniPath);
    out.beginBatch();
    writeFrame(out, layout, theme);
    const KeyLayout keys = layOutKeys(layout);
    writeKeys(out, keys);
    if (!out.endBatch()) {
        std::fprintf(stderr, "skingen: cannot write %s\n", iniPath.string().c_str());
        return 1;
    }
    return drawBitmaps(layout, theme, keys, skinDir) ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    const bool icon = argc == 4 && std::string(argv[1]) == "--icon";
    if (argc != 5 && !icon) {
        std::fprintf(stderr, "usage: skingen LAYOUT THEME OUTDIR NAME\n       skingen --icon THEME OUTDIR\n");
        return 2;
    }
    // Drawing text needs a GUI application, never a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (icon) {
        const IniFile theme(argv[2]);
        return skingen::writeIcons([&](const std::string& key) { return color(theme, key); }, argv[3]) ? 0 : 1;
    }
    return run(argv[1], argv[2], argv[3], argv[4]);
}
