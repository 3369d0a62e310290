#pragma once
// Colours in settings and skin files are the desktop's colour values: red in the low byte,
// blue in the high byte (16711680 is pure blue).
#include <QColor>

namespace ui {

inline QColor toQColor(unsigned value)
{
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

} // namespace ui
