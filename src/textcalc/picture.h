#pragma once
// The picture programs draw on: a bitmap with a pen (colour, width, position), a brush (colour,
// style 0–7) and a font (colour, size, name). Colours are surface colours (red in the low
// byte, see colour.h). Coordinates are pixels, origin top-left, y downward. Everything here
// persists between runs; the window shows image() and the command line saves it.
#include <QImage>
#include <QString>

#include <cstdint>
#include <string>

namespace textcalc {

class Picture {
public:
    Picture(int width = 200, int height = 200);

    int width() const { return m_image.width(); }
    int height() const { return m_image.height(); }
    int penPosX() const { return m_penX; }
    int penPosY() const { return m_penY; }
    // The surface colour of a pixel; -1 outside the bitmap.
    std::int32_t pixel(int x, int y) const;

    void setPixel(int x, int y, std::int32_t colour);
    void setPen(std::int32_t colour, int width);
    void setBrush(std::int32_t colour, int style);
    void setFont(std::int32_t colour, int size);
    void setFontName(const std::string& name);
    void moveTo(int x, int y);
    void lineTo(int x, int y);
    void rectTo(int x, int y);
    void ellipTo(int x, int y);
    void spot(int radius);
    void floodFill(int x, int y);
    void textLabel(const std::string& text);
    // New size with the content kept at the top-left and the new area blank.
    void setSize(int width, int height);
    // A blank bitmap of the same size.
    void clear();

    // BMP and PNG through Qt, JPEG (".jpg"/".jpeg") with the given quality 1–100.
    bool save(const std::string& fileName, int jpegQuality = 100) const;
    const QImage& image() const { return m_image; }
    std::int32_t penColour() const { return m_penColour; }
    std::int32_t brushColour() const { return m_brushColour; }
    int brushStyle() const { return m_brushStyle; }
    int penWidth() const { return m_penWidth; }
    int fontSize() const { return m_fontSize; }

private:
    void drawShape(int x, int y, bool ellipse);

    QImage m_image;
    int m_penX = 0;
    int m_penY = 0;
    std::int32_t m_penColour = 0;
    int m_penWidth = 1;
    std::int32_t m_brushColour = 0xFFFFFF;
    int m_brushStyle = 0;
    std::int32_t m_fontColour = 0;
    int m_fontSize = 8;
    QString m_fontName = QStringLiteral("Arial");
};

} // namespace textcalc
