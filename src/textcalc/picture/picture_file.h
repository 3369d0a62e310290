#pragma once
// Picture files: BMP, or JPEG exactly when the name ends in ".jpg" ("a.JPG" is a BMP file, when
// reading and when writing, so that a picture reads back what it wrote); PNG for ".png", which
// only the command line writes. A file that is not what its name says is refused before it
// can cost memory or time.
//
// Failures throw platform::UserError with one of these messages ({name} without its folder):
//   "Cannot open the file \"{name}\"."
//   "Cannot write the file \"{name}\"."
//   "The file \"{name}\" is not a BMP picture."
//   "The file \"{name}\" is not a JPEG picture ({reason})."   reason as libjpeg words it
//   "The file \"{name}\" is incomplete."
//   "The picture in \"{name}\" is too large ({width} x {height} pixels)."
#include <QImage>

#include <cstdint>
#include <string>

namespace textcalc {

bool isJpegName(const std::string& fileName);

// An RGB32 image of at most `maxPixels` pixels.
QImage readPictureFile(const std::string& fileName, int64_t maxPixels);
// jpegQuality 1–100 is used for JPEG names only.
void writePictureFile(const QImage& image, const std::string& fileName, int jpegQuality);

// Throws one of the messages above with "{name}" filled in.
[[noreturn]] void pictureFileError(const std::string& message, const std::string& fileName);
// Refuses a width × height picture (either side may be huge) over `maxPixels` pixels.
void checkPictureSize(int64_t width, int64_t height, int64_t maxPixels, const std::string& fileName);
[[noreturn]] void pictureTooLarge(int64_t width, int64_t height, const std::string& fileName);

} // namespace textcalc
