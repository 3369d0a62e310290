#pragma once
// JPEG files of the picture through libjpeg, with the quality (1–100) the user chooses.
#include <QImage>

#include <string>

namespace textcalc {

bool writeJpeg(const QImage& image, const std::string& fileName, int quality);
// A null image when the file cannot be read as a JPEG.
QImage readJpeg(const std::string& fileName);

} // namespace textcalc
