#pragma once
// Save dialogs give a name typed without an extension the extension of the chosen filter:
// "pic1" with "Bitmap (*.bmp)" is saved as "pic1.bmp". Qt adds it before it asks about
// replacing a file, so the question names the file that is written.
#include <QString>

class QFileDialog;

namespace platform {

// "bmp" for "Bitmap (*.bmp)"; empty for a filter without one ("All files (*)").
QString filterExtension(const QString& filter);

// The dialog adds the selected filter's extension, or `fallback` for a filter without one, and
// follows the user's choice of filter.
void addFilterExtension(QFileDialog& dialog, const QString& fallback);

} // namespace platform
