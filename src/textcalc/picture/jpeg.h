#pragma once
// JPEG files of the picture through libjpeg, with the quality (1–100) the user chooses.
// Failures throw platform::UserError with the message for the user (picture_file.h).
#include <QImage>

#include <cstdint>
#include <string>

namespace textcalc {

// The bytes of the image as a JPEG file; quality 1–100. `fileName` only names it in a failure.
std::string encodeJpeg(const QImage& image, int quality, const std::string& fileName);
// Reads a JPEG file into an RGB32 image. A picture of more than `maxPixels` pixels is refused
// from its header, before any pixel memory is taken; so is a file whose data ends early.
QImage readJpeg(const std::string& fileName, int64_t maxPixels);

} // namespace textcalc
