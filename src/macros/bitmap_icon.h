#pragma once
// A macro entry's picture, read from its bitmap file when a menu first paints it: most sessions
// never open the macro menu, and its fifty pictures would cost memory and start-up time.
#include <QIcon>
#include <QString>

namespace macros {

// Null when the file is no bitmap (a file of another format under the .bmp name included).
QIcon bitmapIcon(const QString& file);

} // namespace macros
