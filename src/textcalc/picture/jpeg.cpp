#include "textcalc/picture/jpeg.h"

#include "textcalc/picture/picture_file.h"

#include <cstdio>
#include <csetjmp>
#include <jpeglib.h>
#include <jerror.h>

#include <bit>
#include <memory>

namespace textcalc {

// QImage::Format_RGB32 lies in memory as blue, green, red, 0xFF on this byte order, which is
// libjpeg-turbo's BGRA: pixels go straight between the image and the codec.
static_assert(std::endian::native == std::endian::little);

namespace {

// Scans beyond this many mean a crafted progressive file that would decode for hours: each
// scan passes over the whole picture, and real files have a dozen.
constexpr int maxScans = 500;
// The codec's own working memory (a progressive picture keeps all its coefficients).
constexpr long maxCodecMemory = 512L << 20;

// libjpeg reports fatal errors through error_exit, which must not return: jump back to the
// caller's setjmp instead of the library's default, which ends the process. The message is
// kept for the user.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX] = "";
    bool endedEarly = false;
};

void onError(j_common_ptr info)
{
    auto* error = reinterpret_cast<ErrorManager*>(info->err);
    error->base.format_message(info, error->message);
    std::longjmp(error->jump, 1);
}

// Warnings are not printed; the one that matters is data ending before the picture does,
// which libjpeg would fill with grey.
void onMessage(j_common_ptr info, int level)
{
    auto* error = reinterpret_cast<ErrorManager*>(info->err);
    if (level < 0 && error->base.msg_code == JWRN_JPEG_EOF)
        error->endedEarly = true;
}

void onProgress(j_common_ptr info)
{
    auto* decoder = reinterpret_cast<j_decompress_ptr>(info);
    if (decoder->input_scan_number > maxScans) {
        auto* error = reinterpret_cast<ErrorManager*>(info->err);
        std::snprintf(error->message, sizeof error->message, "more than %d scans", maxScans);
        std::longjmp(error->jump, 1);
    }
}

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// No C++ object with a destructor may live in a function between its setjmp and a longjmp:
// the codec's steps are plain functions on state owned by the caller.
struct Decoder {
    jpeg_decompress_struct info;
    ErrorManager error;
    jpeg_progress_mgr progress;
    bool created = false;
    ~Decoder()
    {
        if (created)
            jpeg_destroy_decompress(&info);
    }
};

bool readHeader(Decoder& d, std::FILE* file)
{
    d.info.err = jpeg_std_error(&d.error.base);
    d.error.base.error_exit = onError;
    d.error.base.emit_message = onMessage;
    if (setjmp(d.error.jump))
        return false;
    jpeg_create_decompress(&d.info);
    d.created = true;
    d.info.mem->max_memory_to_use = maxCodecMemory;
    d.progress.progress_monitor = onProgress;
    d.info.progress = &d.progress;
    jpeg_stdio_src(&d.info, file);
    jpeg_read_header(&d.info, TRUE);
    return true;
}

// Decodes into `image`, which has the size of the header.
bool readPixels(Decoder& d, QImage& image)
{
    if (setjmp(d.error.jump))
        return false;
    d.info.out_color_space = JCS_EXT_BGRA;
    jpeg_start_decompress(&d.info);
    while (d.info.output_scanline < d.info.output_height) {
        JSAMPROW row = image.scanLine(int(d.info.output_scanline));
        jpeg_read_scanlines(&d.info, &row, 1);
    }
    jpeg_finish_decompress(&d.info);
    return true;
}

bool compress(std::FILE* file, const QImage& image, int quality)
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
    info.image_width = JDIMENSION(image.width());
    info.image_height = JDIMENSION(image.height());
    info.input_components = 4;
    info.in_color_space = JCS_EXT_BGRX;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(image.constScanLine(int(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

} // namespace

std::string encodeJpeg(const QImage& image, int quality, const std::string& fileName)
{
    // libjpeg cannot write an empty picture: neither can the file dialog's user expect one.
    if (image.isNull() || quality < 1 || quality > 100)
        pictureFileError("Cannot write the file \"{name}\".", fileName);
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    char* data = nullptr;
    size_t size = 0;
    File memory(::open_memstream(&data, &size));
    const bool written = memory && compress(memory.get(), rgb, quality);
    const bool closed = memory && std::fclose(memory.release()) == 0;
    const std::unique_ptr<char, decltype(&std::free)> owned(data, &std::free);
    if (!written || !closed)
        pictureFileError("Cannot write the file \"{name}\".", fileName);
    return std::string(data, size);
}

QImage readJpeg(const std::string& fileName, int64_t maxPixels)
{
    File file(std::fopen(fileName.c_str(), "rb"));
    if (!file)
        pictureFileError("Cannot open the file \"{name}\".", fileName);
    Decoder decoder;
    const auto notJpeg = [&] {
        pictureFileError("The file \"{name}\" is not a JPEG picture (" + std::string(decoder.error.message) + ").",
                         fileName);
    };
    if (!readHeader(decoder, file.get()))
        notJpeg();
    checkPictureSize(decoder.info.image_width, decoder.info.image_height, maxPixels, fileName);
    QImage image(int(decoder.info.image_width), int(decoder.info.image_height), QImage::Format_RGB32);
    if (image.isNull())
        pictureTooLarge(decoder.info.image_width, decoder.info.image_height, fileName);
    if (!readPixels(decoder, image))
        notJpeg();
    if (decoder.error.endedEarly)
        pictureFileError("The file \"{name}\" is incomplete.", fileName);
    return image;
}

} // namespace textcalc
