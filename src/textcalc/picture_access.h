#pragma once
// What the language core reads from the picture: the constants penposx, penposy, picwidth and
// picheight of the evaluator and the library's pixel(). The picture module implements it; a
// calculator without a picture (its `picture` pointer null) reads 0 for all four constants.
#include <cstdint>

namespace textcalc {

class PictureAccess {
public:
    virtual ~PictureAccess() = default;
    virtual int64_t penPosX() const = 0;
    virtual int64_t penPosY() const = 0;
    virtual int64_t width() const = 0;
    virtual int64_t height() const = 0;
    // Colour of pixel (x, y) in the language's form red·65536 + green·256 + blue.
    virtual int64_t pixel(int64_t x, int64_t y) const = 0;
};

} // namespace textcalc
