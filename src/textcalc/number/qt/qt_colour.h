#pragma once
// Colours at the Qt boundary: the picture, the sheet's rich text and the windows.
#include "textcalc/number/colour.h"

#include <QColor>

namespace textcalc {

inline QColor toQColor(Colour c)
{
    return QColor(c.red(), c.green(), c.blue());
}

// Our colours are opaque: the alpha channel is dropped.
inline Colour fromQColor(const QColor& c)
{
    return Colour(std::uint8_t(c.red()), std::uint8_t(c.green()), std::uint8_t(c.blue()));
}

} // namespace textcalc
