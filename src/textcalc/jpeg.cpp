#include "textcalc/jpeg.h"

#include <cstdio>
#include <csetjmp>
#include <cstdint>
#include <jpeglib.h>

#include <memory>

namespace textcalc {

namespace {

// libjpeg reports fatal errors through error_exit, which must not return: jump back to the
// caller's setjmp instead of the library's default, which ends the process.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

void onError(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// No C++ object with a destructor may live between setjmp and longjmp: the compression runs
// in this plain function on buffers owned by the caller.
bool compress(std::FILE* file, const QImage& rgb, int quality)
{
    jpeg_compress_struct info;
    ErrorManager error;
    info.err = jpeg_std_error(&error.base);
    error.base.error_exit = onError;
    if (setjmp(error.jump)) {
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = JDIMENSION(rgb.width());
    info.image_height = JDIMENSION(rgb.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(int(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

bool decompress(std::FILE* file, QImage& image)
{
    jpeg_decompress_struct info;
    ErrorManager error;
    info.err = jpeg_std_error(&error.base);
    error.base.error_exit = onError;
    if (setjmp(error.jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_stdio_src(&info, file);
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    if (!image.isNull()) // the caller's buffer of the right size
        while (info.output_scanline < info.output_height) {
            JSAMPROW row = image.scanLine(int(info.output_scanline));
            jpeg_read_scanlines(&info, &row, 1);
        }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

bool readSize(std::FILE* file, int& width, int& height)
{
    jpeg_decompress_struct info;
    ErrorManager error;
    info.err = jpeg_std_error(&error.base);
    error.base.error_exit = onError;
    if (setjmp(error.jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_stdio_src(&info, file);
    jpeg_read_header(&info, TRUE);
    width = int(info.image_width);
    height = int(info.image_height);
    jpeg_destroy_decompress(&info);
    return true;
}

} // namespace

bool writeJpeg(const QImage& image, const std::string& fileName, int quality)
{
    if (image.isNull() || quality < 1 || quality > 100)
        return false;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    File file(std::fopen(fileName.c_str(), "wb"));
    if (!file)
        return false;
    const bool written = compress(file.get(), rgb, quality);
    return std::fclose(file.release()) == 0 && written;
}

QImage readJpeg(const std::string& fileName)
{
    File file(std::fopen(fileName.c_str(), "rb"));
    int width = 0, height = 0;
    if (!file || !readSize(file.get(), width, height) || width <= 0 || height <= 0 ||
        std::int64_t{width} * height > (std::int64_t{1} << 26))
        return {};
    QImage image(width, height, QImage::Format_RGB888);
    std::rewind(file.get());
    if (image.isNull() || !decompress(file.get(), image))
        return {};
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace textcalc
