#include "textcalc/picture/picture.h"

#include "textcalc/number/qt/qt_colour.h"
#include "textcalc/picture/picture_file.h"
#include "textcalc/number/run_error.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>

#include <algorithm>
#include <filesystem>
#include <string>
#include <tuple>
#include <unistd.h>
#include <cmath>
#include <functional>
#include <new>
#include <vector>

namespace textcalc {

namespace {

// Shapes are drawn with coordinates clamped to this range: the rasteriser works in fixed
// point and would wrap around far outside the bitmap.
constexpr int coordinateLimit = 1 << 22;
// Points of the program's font sizes are 1/72 inch on a 96 dots-per-inch surface.
constexpr double pixelsPerPoint = 96.0 / 72.0;
// Larger letters would only cost memory: no picture is that high.
constexpr double maxFontPixels = 20000.0;

// A white bitmap with the top-left of `keep` copied in. A large one takes a noticeable time:
// `poll` is called between bands of rows. More than maxPixels pixels, or a bitmap the system
// has no memory for, is std::bad_alloc.
QImage sizedImage(int width, int height, const QImage& keep, const std::function<void()>& poll)
{
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (int64_t{width} * height > Picture::maxPixels)
        throw std::bad_alloc();
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull() && width > 0 && height > 0)
        throw std::bad_alloc();
    const QImage kept = keep.convertToFormat(QImage::Format_RGB32);
    const int keepWidth = std::min(width, kept.width()), keepHeight = std::min(height, kept.height());
    for (int y = 0; y < height; ++y) {
        if (poll && y % 256 == 0)
            poll();
        QRgb* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        const int from = y < keepHeight ? keepWidth : 0;
        if (from > 0)
            std::copy_n(reinterpret_cast<const QRgb*>(kept.constScanLine(y)), from, row);
        std::fill(row + from, row + width, qRgb(255, 255, 255));
    }
    image.setDotsPerMeterX(3780); // 96 dots per inch
    image.setDotsPerMeterY(3780);
    return image;
}

QImage blankImage(int width, int height)
{
    return sizedImage(width, height, QImage(), {});
}

// Brush styles in the order of the language: 0 solid, 1 clear, 2 horizontal, 3 vertical,
// 4 forward diagonal, 5 backward diagonal, 6 cross, 7 diagonal cross. Styles above 7 are solid.
Qt::BrushStyle qtBrushStyle(int style)
{
    static const Qt::BrushStyle styles[] = {Qt::SolidPattern, Qt::NoBrush,       Qt::HorPattern,
                                            Qt::VerPattern,   Qt::FDiagPattern,  Qt::BDiagPattern,
                                            Qt::CrossPattern, Qt::DiagCrossPattern};
    return style >= 0 && style <= 7 ? styles[style] : Qt::SolidPattern;
}

// Text needs the font database, which needs a GUI application object. The window has one;
// the command line gets an offscreen one the first time a program writes text.
void ensureFontSupport()
{
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Without a session's runtime folder Qt warns on stderr, which is the command line's
    // message channel: give it a private one.
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const auto runtime = std::filesystem::temp_directory_path() / ("zoltcalc-runtime-" + std::to_string(::getuid()));
        std::error_code error;
        std::filesystem::create_directory(runtime, error);
        std::filesystem::permissions(runtime, std::filesystem::perms::owner_all, error);
        if (!error)
            qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(runtime.string()));
    }
    static int argc = 1;
    static char name[] = "zoltcalc";
    static char* argv[] = {name, nullptr};
    // Never deleted: it must outlive every font and painter, up to the end of the process.
    new QGuiApplication(argc, argv);
}

// Clips the segment to the rectangle [lo, hi]² (Liang–Barsky); false when nothing is left.
bool clipSegment(double& x0, double& y0, double& x1, double& y1, double lo, double hi)
{
    double t0 = 0.0, t1 = 1.0;
    const double dx = x1 - x0, dy = y1 - y0;
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {x0 - lo, hi - x0, y0 - lo, hi - y0};
    for (int k = 0; k < 4; ++k) {
        if (p[k] == 0.0) {
            if (q[k] < 0.0)
                return false;
            continue;
        }
        const double t = q[k] / p[k];
        if (p[k] < 0.0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return false;
    }
    const double ox = x0, oy = y0;
    x0 = ox + t0 * dx;
    y0 = oy + t0 * dy;
    x1 = ox + t1 * dx;
    y1 = oy + t1 * dy;
    return true;
}

} // namespace

Picture::Picture(int width, int height)
{
    std::tie(m_width, m_height) = limitedSize(width, height);
    m_image = blankImage(m_width, m_height);
}

std::pair<int, int> Picture::limitedSize(int64_t width, int64_t height, bool keepHeight)
{
    width = std::clamp<int64_t>(width, 0, INT32_MAX);
    height = std::clamp<int64_t>(height, 0, INT32_MAX);
    if (width * height > maxPixels) {
        if (keepHeight)
            width = maxPixels / height;
        else
            height = maxPixels / width;
    }
    return {int(width), int(height)};
}

std::optional<Colour> Picture::pixel(int64_t x, int64_t y) const
{
    if (x < 0 || y < 0 || x >= m_image.width() || y >= m_image.height())
        return std::nullopt;
    return fromQColor(m_image.pixelColor(int(x), int(y)));
}

void Picture::setPixel(int32_t x, int32_t y, Colour colour)
{
    if (m_image.valid(x, y))
        m_image.setPixel(x, y, toQColor(colour).rgb());
}

void Picture::setPen(Colour colour, int32_t width)
{
    m_penColour = colour;
    m_penWidth = width;
}

void Picture::setBrush(Colour colour, int32_t style)
{
    m_brushColour = colour;
    m_brushStyle = style;
}

void Picture::setFont(Colour colour, int32_t size)
{
    m_fontColour = colour;
    m_fontSize = size;
}

void Picture::setFontName(const std::string& name)
{
    m_fontName = QString::fromStdString(name);
}

void Picture::moveTo(int32_t x, int32_t y)
{
    m_penX = x;
    m_penY = y;
}

// Pens of width 0 or 1 draw one pixel wide and leave out the end point, so that a polyline
// draws each corner once; wider pens have round ends.
static QPen makePen(Colour colour, int32_t width)
{
    const int64_t w = std::abs(int64_t{width});
    if (w <= 1)
        return QPen(toQColor(colour), 0, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    return QPen(toQColor(colour), double(std::min<int64_t>(w, coordinateLimit)), Qt::SolidLine,
                Qt::RoundCap, Qt::RoundJoin);
}

void Picture::lineTo(int32_t x, int32_t y)
{
    double x0 = m_penX, y0 = m_penY, x1 = x, y1 = y;
    m_penX = x;
    m_penY = y;
    const double margin = std::abs(double(m_penWidth)) + 2.0;
    const double hi = std::max(m_image.width(), m_image.height()) + margin;
    if (m_image.isNull() || !clipSegment(x0, y0, x1, y1, -margin, hi))
        return;
    QPainter painter(&m_image);
    painter.setPen(makePen(m_penColour, m_penWidth));
    painter.drawLine(QPointF(x0, y0), QPointF(x1, y1));
}

// Corners in any order; the right and bottom edges are exclusive.
void Picture::drawBox(int64_t left, int64_t top, int64_t right, int64_t bottom, bool ellipse,
                      Colour brushColour)
{
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
    if (m_image.isNull() || right - left < 1 || bottom - top < 1)
        return;
    const auto c = [](int64_t v) { return int(std::clamp<int64_t>(v, -coordinateLimit, coordinateLimit)); };
    QPainter painter(&m_image);
    painter.setPen(makePen(m_penColour, m_penWidth));
    painter.setBrush(QBrush(toQColor(brushColour), qtBrushStyle(m_brushStyle)));
    const QRect box(QPoint(c(left), c(top)), QPoint(c(right) - 2, c(bottom) - 2));
    if (ellipse)
        painter.drawEllipse(box);
    else
        painter.drawRect(box);
}

void Picture::rectTo(int32_t x, int32_t y)
{
    drawBox(m_penX, m_penY, x, y, false, m_brushColour);
}

void Picture::ellipTo(int32_t x, int32_t y)
{
    drawBox(m_penX, m_penY, x, y, true, m_brushColour);
}

void Picture::spot(int32_t radius)
{
    const int64_t r = std::abs(int64_t{radius});
    drawBox(m_penX - r, m_penY - r, m_penX + r + 1, m_penY + r + 1, true, m_penColour);
}

void Picture::floodFill(int32_t x, int32_t y)
{
    if (!m_image.valid(x, y) || m_brushStyle == 1)
        return;
    const int w = m_image.width(), h = m_image.height();
    const QRgb target = m_image.pixel(x, y);
    auto row = [&](int yy) { return reinterpret_cast<const QRgb*>(m_image.constScanLine(yy)); };

    // Scanline fill into a mask of the 4-connected area of the seed's colour.
    std::vector<unsigned char> mask(std::size_t(w) * h, 0);
    std::vector<std::pair<int, int>> stack{{x, y}};
    int minX = x, maxX = x, minY = y, maxY = y;
    // Polled by pixels looked at, not by spans: one span of the widest picture reads 3 rows.
    std::size_t work = 0;
    while (!stack.empty()) {
        if (work >= 1u << 16) {
            work = 0;
            pollStop();
        }
        auto [sx, sy] = stack.back();
        stack.pop_back();
        const QRgb* line = row(sy);
        unsigned char* marks = &mask[std::size_t(sy) * w];
        if (marks[sx] || line[sx] != target)
            continue;
        int l = sx, r = sx;
        while (l > 0 && !marks[l - 1] && line[l - 1] == target)
            --l;
        while (r < w - 1 && !marks[r + 1] && line[r + 1] == target)
            ++r;
        std::fill(marks + l, marks + r + 1, 1);
        work += 3 * std::size_t(r - l + 1);
        minX = std::min(minX, l);
        maxX = std::max(maxX, r);
        minY = std::min(minY, sy);
        maxY = std::max(maxY, sy);
        for (int ny : {sy - 1, sy + 1}) {
            if (ny < 0 || ny >= h)
                continue;
            const QRgb* next = row(ny);
            const unsigned char* nextMarks = &mask[std::size_t(ny) * w];
            for (int nx = l; nx <= r; ++nx)
                if (!nextMarks[nx] && next[nx] == target && (nx == l || next[nx - 1] != target || nextMarks[nx - 1]))
                    stack.emplace_back(nx, ny);
        }
    }

    paintThroughMask(mask, QRect(QPoint(minX, minY), QPoint(maxX, maxY)));
}

// The brush painted over the area's bounding box, aligned to the bitmap's origin, then copied
// through the mask: hatched brushes leave the gaps between their lines untouched. The box is
// painted in strips, so that a fill of the largest picture needs no second full-size image and
// a stop arrives between strips.
void Picture::paintThroughMask(const std::vector<unsigned char>& mask, const QRect& box)
{
    constexpr int stripRows = 64;
    QImage pattern(box.width(), std::min(stripRows, box.height()), QImage::Format_ARGB32);
    const QBrush brush(toQColor(m_brushColour), qtBrushStyle(m_brushStyle));
    const int w = m_image.width();
    for (int top = box.top(); top <= box.bottom(); top += stripRows) {
        pollStop();
        pattern.fill(Qt::transparent);
        {
            QPainter painter(&pattern);
            painter.setBrushOrigin(-box.left(), -top);
            painter.fillRect(pattern.rect(), brush);
        }
        for (int yy = top; yy <= std::min(box.bottom(), top + stripRows - 1); ++yy) {
            QRgb* line = reinterpret_cast<QRgb*>(m_image.scanLine(yy));
            const QRgb* fill = reinterpret_cast<const QRgb*>(pattern.constScanLine(yy - top));
            const unsigned char* marks = &mask[std::size_t(yy) * w];
            for (int xx = box.left(); xx <= box.right(); ++xx)
                if (marks[xx] && qAlpha(fill[xx - box.left()]) != 0)
                    line[xx] = fill[xx - box.left()] | 0xFF000000u;
        }
    }
}

void Picture::textLabel(const std::string& text)
{
    ensureFontSupport();
    QFont font(m_fontName);
    font.setPixelSize(int(std::clamp(std::round(std::abs(double(m_fontSize)) * pixelsPerPoint), 1.0, maxFontPixels)));
    const QString label = QString::fromStdString(text);
    const QFontMetrics metrics(font, &m_image);
    const int width = metrics.horizontalAdvance(label);
    if (!m_image.isNull()) {
        QPainter painter(&m_image);
        // A solid brush is the background of the text, as on the desktop's canvas.
        if (m_brushStyle == 0)
            painter.fillRect(QRect(m_penX, m_penY, width, metrics.height()), toQColor(m_brushColour));
        painter.setFont(font);
        painter.setPen(toQColor(m_fontColour));
        painter.drawText(QPoint(m_penX, m_penY + metrics.ascent()), label);
    }
    m_penX = int32_t(std::clamp<int64_t>(int64_t{m_penX} + width, INT32_MIN, INT32_MAX));
}

void Picture::setSize(int32_t width, int32_t height)
{
    m_image = sizedImage(width, height, m_image, [this] { pollStop(); });
    m_width = std::max(width, 0);
    m_height = std::max(height, 0);
}

void Picture::clear()
{
    m_image = sizedImage(m_width, m_height, QImage(), [this] { pollStop(); });
}

void Picture::setImage(const QImage& image)
{
    if (int64_t{image.width()} * image.height() > maxPixels)
        throw RunError(); // the general error line of a run
    m_image = image.convertToFormat(QImage::Format_RGB32);
    m_image.setDotsPerMeterX(3780);
    m_image.setDotsPerMeterY(3780);
    m_width = m_image.width();
    m_height = m_image.height();
}

void Picture::load(const std::string& fileName)
{
    setImage(readPictureFile(fileName, maxPixels));
}

void Picture::save(const std::string& fileName, int jpegQuality) const
{
    writePictureFile(m_image, fileName, jpegQuality);
}

} // namespace textcalc
