#pragma once
// The picture as the language sees it: the constants penposx, penposy, picwidth and picheight
// of the evaluator, the library's pixel() and the drawing statements. The picture module
// (picture.h, Qt Gui) implements it; a calculator without a picture (its `picture` pointer
// null) has the NullPicture below.
//
// Coordinates are pixels, origin top-left, y downward; the pen position is the reference point of lineTo,
// rectTo, ellipTo, spot and textLabel. Pen, brush, font and pen position persist between runs.
//
// A size beyond the picture's limit is more memory than a run may take: setSize throws
// std::bad_alloc, which ends the run with the memory line. Another call the picture refuses
// (setImage of too large a bitmap) throws RunError without a message: the general error line.
#include "textcalc/number/colour.h"
#include "textcalc/number/run_error.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace textcalc {

// The size of a new picture; one never drawn on has it.
constexpr int DefaultPictureWidth = 200;
constexpr int DefaultPictureHeight = 200;

class PictureAccess {
public:
    virtual ~PictureAccess() = default;
    virtual int64_t penPosX() const = 0;
    virtual int64_t penPosY() const = 0;
    virtual int64_t width() const = 0;
    virtual int64_t height() const = 0;
    // The colour of pixel (x, y); none outside the bitmap.
    virtual std::optional<Colour> pixel(int64_t x, int64_t y) const = 0;

    virtual void setPixel(int32_t x, int32_t y, Colour colour) = 0;
    virtual void setPen(Colour colour, int32_t width) = 0;
    // Styles 0 solid, 1 clear, 2 horizontal, 3 vertical, 4 forward diagonal, 5 backward
    // diagonal, 6 cross, 7 diagonal cross.
    virtual void setBrush(Colour colour, int32_t style) = 0;
    virtual void setFont(Colour colour, int32_t size) = 0; // size in points
    virtual void moveTo(int32_t x, int32_t y) = 0;
    virtual void lineTo(int32_t x, int32_t y) = 0; // the pen moves to (x, y)
    // Outlined with the pen, filled with the brush; right and bottom edges exclusive; the pen
    // stays.
    virtual void rectTo(int32_t x, int32_t y) = 0;
    virtual void ellipTo(int32_t x, int32_t y) = 0;
    // A disc of the pen colour over (px − r, py − r) to (px + r + 1, py + r + 1).
    virtual void spot(int32_t radius) = 0;
    // Fills the 4-connected area of the colour of (x, y) with the brush.
    virtual void floodFill(int32_t x, int32_t y) = 0;
    // Writes the text with its top-left corner at the pen, which moves right by its width.
    virtual void textLabel(const std::string& text) = 0;
    // New size, content kept at the top-left, new area blank.
    virtual void setSize(int32_t width, int32_t height) = 0;
    // A blank bitmap of the same size.
    virtual void clear() = 0;
    // Shows the drawing so far while the run goes on; nothing where nobody watches.
    virtual void draw() {}

    // A run sets the hook that long steps (a flood fill, a new size, clearing a large bitmap)
    // call now and then; it may throw to end the step when the user stops the run.
    void setStopHook(std::function<void()> hook) { m_stopHook = std::move(hook); }

protected:
    void pollStop() const
    {
        if (m_stopHook)
            m_stopHook();
    }

private:
    std::function<void()> m_stopHook;
};

// No picture: the four constants and every pixel read 0, and drawing leaves no trace.
class NullPicture : public PictureAccess {
public:
    int64_t penPosX() const override { return 0; }
    int64_t penPosY() const override { return 0; }
    int64_t width() const override { return 0; }
    int64_t height() const override { return 0; }
    std::optional<Colour> pixel(int64_t, int64_t) const override { return Colour{}; }
    void setPixel(int32_t, int32_t, Colour) override {}
    void setPen(Colour, int32_t) override {}
    void setBrush(Colour, int32_t) override {}
    void setFont(Colour, int32_t) override {}
    void moveTo(int32_t, int32_t) override {}
    void lineTo(int32_t, int32_t) override {}
    void rectTo(int32_t, int32_t) override {}
    void ellipTo(int32_t, int32_t) override {}
    void spot(int32_t) override {}
    void floodFill(int32_t, int32_t) override {}
    void textLabel(const std::string&) override {}
    void setSize(int32_t, int32_t) override {}
    void clear() override {}
};

} // namespace textcalc
