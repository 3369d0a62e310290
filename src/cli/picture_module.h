#pragma once
// The C boundary between zoltcalc-cli and its drawing module. The CLI links its C++ runtime
// statically and the module uses the system's (through Qt), so nothing C++ crosses: plain
// values and strings only, and no exception — every call reports failure by returning false.
// Colours cross as the language's integers; a pixel outside the picture reads as -1.
// Long steps (a flood fill, a new size) ask `poll` now and then whether to stop; a true answer
// ends the step, whose call then returns false.
#include <cstdint>

extern "C" {

struct ZoltPictureApi {
    void* (*create)();
    void (*destroy)(void* picture);
    bool (*query)(void* picture, int what, int64_t x, int64_t y, int64_t* result);
    bool (*call)(void* picture, int op, int32_t a, int32_t b, int32_t c, const char* text);
    bool (*save)(void* picture, const char* file);
    void (*setStopPoll)(void* picture, bool (*poll)(void* context), void* context);
};

// The one symbol the module exports.
const ZoltPictureApi* zoltcalc_picture_api();
}

namespace cli::picture_ops {
// ORDER: the two switches in picture_module.cpp follow these numbers.
enum Query { PenPosX, PenPosY, Width, Height, Pixel };
enum Op { SetPixel, SetPen, SetBrush, SetFont, MoveTo, LineTo, RectTo, EllipTo, Spot, FloodFill, TextLabel, SetSize, Clear };
} // namespace cli::picture_ops
