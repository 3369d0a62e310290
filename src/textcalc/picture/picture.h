#pragma once
// The picture programs draw on: a QImage painted with QPainter, with a pen (colour, width,
// position), a brush (colour, style 0–7) and a font (colour, size, name). The window shows
// image(); the command line saves it. Everything persists between runs.
#include "textcalc/language/picture_access.h"

#include <QImage>
#include <QString>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace textcalc {

class Picture : public PictureAccess {
public:
    // A bitmap of this many pixels needs 256 MB; larger sizes fail like any out-of-range
    // number instead of exhausting memory, and larger files are refused.
    static constexpr int64_t maxPixels = int64_t{1} << 26;

    // A white bitmap of the size the settings give, limited as limitedSize does: a size from an
    // edited settings file never stops the program.
    explicit Picture(int width = DefaultPictureWidth, int height = DefaultPictureHeight);

    // A size within the limit: negative sides become 0, and the height gives way (the width
    // when `keepHeight`) so that the picture holds at most maxPixels pixels.
    static std::pair<int, int> limitedSize(int64_t width, int64_t height, bool keepHeight = false);

    int64_t penPosX() const override { return m_penX; }
    int64_t penPosY() const override { return m_penY; }
    int64_t width() const override { return m_width; }
    int64_t height() const override { return m_height; }
    std::optional<Colour> pixel(int64_t x, int64_t y) const override;

    void setPixel(int32_t x, int32_t y, Colour colour) override;
    void setPen(Colour colour, int32_t width) override;
    void setBrush(Colour colour, int32_t style) override;
    void setFont(Colour colour, int32_t size) override;
    void moveTo(int32_t x, int32_t y) override;
    void lineTo(int32_t x, int32_t y) override;
    void rectTo(int32_t x, int32_t y) override;
    void ellipTo(int32_t x, int32_t y) override;
    void spot(int32_t radius) override;
    void floodFill(int32_t x, int32_t y) override;
    void textLabel(const std::string& text) override;
    void setSize(int32_t width, int32_t height) override;
    void clear() override;

    // The font name of labels (the setting "label_font").
    void setFontName(const std::string& name);
    // Replaces the bitmap (a loaded or pasted picture); pen, brush and font stay. An image of
    // more than maxPixels pixels throws RunError (setSize throws std::bad_alloc: the run has not
    // enough memory).
    void setImage(const QImage& image);
    // Reads a picture file (picture_file.h); on failure throws platform::UserError and the
    // picture stays as it was.
    void load(const std::string& fileName);
    // Writes a picture file (picture_file.h), JPEG with the quality 1–100; throws
    // platform::UserError when the file cannot be written.
    void save(const std::string& fileName, int jpegQuality = 100) const;
    const QImage& image() const { return m_image; }

private:
    void drawBox(int64_t left, int64_t top, int64_t right, int64_t bottom, bool ellipse,
                 Colour brushColour);
    // The brush over the pixels of `box` whose mask byte (one per pixel of the bitmap) is set.
    void paintThroughMask(const std::vector<unsigned char>& mask, const QRect& box);

    QImage m_image;
    // The size asked for: a bitmap with one side 0 holds no pixels and forgets the other side.
    int m_width = 0;
    int m_height = 0;
    int32_t m_penX = 0;
    int32_t m_penY = 0;
    Colour m_penColour;
    int32_t m_penWidth = 1;
    Colour m_brushColour{255, 255, 255};
    int32_t m_brushStyle = 0;
    Colour m_fontColour;
    int32_t m_fontSize = 8;
    QString m_fontName = QStringLiteral("Arial");
};

} // namespace textcalc
