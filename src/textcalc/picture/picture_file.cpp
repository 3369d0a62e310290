#include "textcalc/picture/picture_file.h"

#include "textcalc/picture/jpeg.h"

#include "platform/errors.h"
#include "platform/file_replace.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

#include <array>
#include <cstdlib>
#include <filesystem>

namespace textcalc {

namespace {

std::uint32_t u32(const unsigned char* p) { return p[0] | p[1] << 8 | p[2] << 16 | std::uint32_t(p[3]) << 24; }
std::uint16_t u16(const unsigned char* p) { return std::uint16_t(p[0] | p[1] << 8); }

// BMP compression kinds whose pixel data has a fixed size.
constexpr std::uint32_t uncompressed = 0, bitFields = 3, alphaBitFields = 6;

// Checks the headers of a BMP file against the file's size, so that a truncated or absurd file
// is refused before the image reader allocates for it.
void checkBmp(QFile& file, const std::string& fileName, int64_t maxPixels)
{
    std::array<unsigned char, 14 + 40> head{};
    const qint64 got = file.read(reinterpret_cast<char*>(head.data()), qint64(head.size()));
    const auto notBmp = [&] { pictureFileError("The file \"{name}\" is not a BMP picture.", fileName); };
    if (got < 26 || head[0] != 'B' || head[1] != 'M')
        notBmp();
    const int64_t fileSize = file.size();
    const std::uint32_t dataOffset = u32(&head[10]), infoSize = u32(&head[14]);
    int64_t width, height, bitsPerPixel;
    std::uint32_t compression = uncompressed;
    if (infoSize == 12) { // the old core header
        width = u16(&head[18]);
        height = u16(&head[20]);
        bitsPerPixel = u16(&head[24]);
    } else if (infoSize >= 40 && infoSize <= 124 && got == qint64(head.size())) {
        width = int32_t(u32(&head[18]));
        height = int32_t(u32(&head[22])); // negative: rows stored top-down
        bitsPerPixel = u16(&head[28]);
        compression = u32(&head[30]);
    } else {
        notBmp();
    }
    height = std::abs(height);
    if (width <= 0 || height <= 0 || dataOffset < 14 + infoSize)
        notBmp();
    checkPictureSize(width, height, maxPixels, fileName);
    if (compression == uncompressed || compression == bitFields || compression == alphaBitFields) {
        if (bitsPerPixel != 1 && bitsPerPixel != 4 && bitsPerPixel != 8 && bitsPerPixel != 16 &&
            bitsPerPixel != 24 && bitsPerPixel != 32)
            notBmp();
        const int64_t rowBytes = (width * bitsPerPixel + 31) / 32 * 4;
        if (dataOffset + rowBytes * height > fileSize)
            pictureFileError("The file \"{name}\" is incomplete.", fileName);
    }
}

QImage readBmp(const std::string& fileName, int64_t maxPixels)
{
    QFile file(QString::fromStdString(fileName));
    if (!file.open(QIODevice::ReadOnly))
        pictureFileError("Cannot open the file \"{name}\".", fileName);
    checkBmp(file, fileName, maxPixels);
    file.seek(0);
    QImageReader reader(&file, "BMP");
    QImage image = reader.read();
    if (image.isNull())
        pictureFileError("The file \"{name}\" is not a BMP picture.", fileName);
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace

bool isJpegName(const std::string& fileName)
{
    return fileName.size() >= 4 && fileName.compare(fileName.size() - 4, 4, ".jpg") == 0;
}

QImage readPictureFile(const std::string& fileName, int64_t maxPixels)
{
    return isJpegName(fileName) ? readJpeg(fileName, maxPixels) : readBmp(fileName, maxPixels);
}

void writePictureFile(const QImage& image, const std::string& fileName, int jpegQuality)
{
    std::string bytes;
    if (isJpegName(fileName)) {
        bytes = encodeJpeg(image, jpegQuality, fileName);
    } else {
        QByteArray encoded;
        QBuffer buffer(&encoded);
        buffer.open(QIODevice::WriteOnly);
        const bool png = QString::fromStdString(fileName).toLower().endsWith(".png");
        if (!image.save(&buffer, png ? "PNG" : "BMP"))
            pictureFileError("Cannot write the file \"{name}\".", fileName);
        bytes = encoded.toStdString();
    }
    // The old picture stays whole until the new one is complete on disk.
    if (!platform::replaceFile(fileName, bytes))
        pictureFileError("Cannot write the file \"{name}\".", fileName);
}

void pictureFileError(const std::string& message, const std::string& fileName)
{
    std::string text = message;
    const std::string name = std::filesystem::path(fileName).filename().string();
    if (const size_t at = text.find("{name}"); at != std::string::npos)
        text.replace(at, 6, name);
    throw platform::UserError(text);
}

void checkPictureSize(int64_t width, int64_t height, int64_t maxPixels, const std::string& fileName)
{
    // Each side is at most 2^32 here, so the product cannot overflow.
    if (width * height > maxPixels)
        pictureTooLarge(width, height, fileName);
}

void pictureTooLarge(int64_t width, int64_t height, const std::string& fileName)
{
    pictureFileError("The picture in \"{name}\" is too large (" + std::to_string(width) + " x " +
                         std::to_string(height) + " pixels).",
                     fileName);
}

} // namespace textcalc
