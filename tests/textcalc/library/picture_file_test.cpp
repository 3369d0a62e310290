// Picture files: round trips, and files that are not what their names say, which are refused
// with a message while the picture stays as it was.
#include "program_table.h"

#include "platform/errors.h"

#include <QImage>
#include <QImageWriter>

#include <fstream>
#include <functional>
#include <random>

using namespace textcalc::library_tests;

namespace {

std::string readBytes(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void writeBytes(const std::filesystem::path& file, const std::string& bytes)
{
    std::ofstream(file, std::ios::binary) << bytes;
}

std::string randomBytes(size_t count)
{
    std::mt19937 generator(7);
    std::string bytes(count, '\0');
    for (char& c : bytes)
        c = char(generator());
    return bytes;
}

// A picture whose compressed data is large: noise in every pixel.
std::string noisyFile(Session& session, const std::string& name)
{
    session.run("SetSize(120, 100)");
    std::mt19937 generator(3);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 120; ++x)
            session.picture.setPixel(x, y, textcalc::Colour::fromDesktop(generator()));
    const auto file = session.directory / name;
    session.picture.save(file.string(), 95);
    return readBytes(file);
}

void putBigEndian16(std::string& bytes, size_t at, int value)
{
    bytes[at] = char(value >> 8);
    bytes[at + 1] = char(value & 0xFF);
}

void putLittleEndian32(std::string& bytes, size_t at, int32_t value)
{
    for (int k = 0; k < 4; ++k)
        bytes[at + k] = char((uint32_t(value) >> (8 * k)) & 0xFF);
}

// The frame header (SOF0) holds the height and then the width.
std::string withJpegSize(std::string bytes, int width, int height)
{
    const size_t sof = bytes.find("\xFF\xC0");
    putBigEndian16(bytes, sof + 5, height);
    putBigEndian16(bytes, sof + 7, width);
    return bytes;
}

struct HostileCase {
    const char* name;
    const char* file;
    // Makes the file's bytes from the session (which may save pictures to start from).
    std::function<std::string(Session&)> bytes;
    std::string message; // a message ending in "(" is checked as a prefix
};

std::string hostileRow(const ::testing::TestParamInfo<HostileCase>& info)
{
    return info.param.name;
}

class HostileFile : public ::testing::TestWithParam<HostileCase> {};

TEST_P(HostileFile, IsRefusedAndThePictureStays)
{
    const HostileCase& row = GetParam();
    Session session;
    const auto file = session.directory / row.file;
    writeBytes(file, row.bytes(session));
    session.run("SetSize(30, 20); SetColor(2, 3, clRed)");
    try {
        session.picture.load(file.string());
        ADD_FAILURE() << "loaded";
    } catch (const platform::UserError& e) {
        const std::string text = e.what();
        if (row.message.ends_with("("))
            EXPECT_TRUE(text.starts_with(row.message)) << text;
        else
            EXPECT_EQ(text, row.message);
    }
    EXPECT_EQ(session.run("picwidth; picheight; pixel(2, 3)"), (Lines{"30", "20", "16711680"}));
}

INSTANTIATE_TEST_SUITE_P(Files, HostileFile, testing::Values(
    HostileCase{"RandomBytesAsBmp", "r.bmp", [](Session&) { return randomBytes(5000); },
                "The file \"r.bmp\" is not a BMP picture."},
    HostileCase{"RandomBytesAsJpeg", "r.jpg", [](Session&) { return randomBytes(5000); },
                "The file \"r.jpg\" is not a JPEG picture ("},
    HostileCase{"EmptyBmp", "e.bmp", [](Session&) { return std::string(); }, "The file \"e.bmp\" is not a BMP picture."},
    HostileCase{"EmptyJpeg", "e.jpg", [](Session&) { return std::string(); }, "The file \"e.jpg\" is not a JPEG picture ("},
    HostileCase{"JpegNamedBmp", "j.bmp", [](Session& s) { return noisyFile(s, "x.jpg"); },
                "The file \"j.bmp\" is not a BMP picture."},
    HostileCase{"BmpNamedJpeg", "b.jpg", [](Session& s) { return noisyFile(s, "x.bmp"); },
                "The file \"b.jpg\" is not a JPEG picture ("},
    HostileCase{"TruncatedBmp", "t.bmp",
                [](Session& s) { const std::string b = noisyFile(s, "x.bmp"); return b.substr(0, b.size() / 2); },
                "The file \"t.bmp\" is incomplete."},
    HostileCase{"BmpHeaderOnly", "h.bmp", [](Session& s) { return noisyFile(s, "x.bmp").substr(0, 54); },
                "The file \"h.bmp\" is incomplete."},
    HostileCase{"TruncatedJpeg", "t.jpg",
                [](Session& s) { const std::string b = noisyFile(s, "x.jpg"); return b.substr(0, b.size() / 2); },
                "The file \"t.jpg\" is incomplete."},
    HostileCase{"HugeJpeg", "big.jpg", [](Session& s) { return withJpegSize(noisyFile(s, "x.jpg"), 30000, 30000); },
                "The picture in \"big.jpg\" is too large (30000 x 30000 pixels)."},
    HostileCase{"HugeBmp", "big.bmp",
                [](Session& s) {
                    std::string b = noisyFile(s, "x.bmp");
                    putLittleEndian32(b, 18, 30000);
                    putLittleEndian32(b, 22, -30000);
                    return b;
                },
                "The picture in \"big.bmp\" is too large (30000 x 30000 pixels)."},
    HostileCase{"NegativeWidthBmp", "n.bmp",
                [](Session& s) { std::string b = noisyFile(s, "x.bmp"); putLittleEndian32(b, 18, -5); return b; },
                "The file \"n.bmp\" is not a BMP picture."},
    HostileCase{"WideBmpBeyondItsData", "w.bmp",
                [](Session& s) { std::string b = noisyFile(s, "x.bmp"); putLittleEndian32(b, 18, 5000); return b; },
                "The file \"w.bmp\" is incomplete."}), hostileRow);

TEST(PictureFile, MissingFileIsNamed)
{
    Session session;
    for (const char* name : {"none.bmp", "none.jpg"}) {
        try {
            session.picture.load((session.directory / name).string());
            ADD_FAILURE() << name << " loaded";
        } catch (const platform::UserError& e) {
            EXPECT_EQ(std::string(e.what()), "Cannot open the file \"" + std::string(name) + "\".");
        }
    }
}

TEST(PictureFile, UnwritableFileIsNamed)
{
    Session session;
    for (const char* name : {"p.bmp", "p.jpg"}) {
        try {
            session.picture.save((session.directory / "missing" / name).string(), 80);
            ADD_FAILURE() << name << " written";
        } catch (const platform::UserError& e) {
            EXPECT_EQ(std::string(e.what()), "Cannot write the file \"" + std::string(name) + "\".");
        }
    }
}

// Both names write and read the same kind: "picture.JPG" is a BMP file both ways.
TEST(PictureFile, RoundTripsKeepSizeAndColours)
{
    struct Row {
        const char* name;
        int quality;
        int tolerance; // per channel; JPEG is lossy
    };
    for (const Row& row : {Row{"p.bmp", 100, 0}, Row{"picture.JPG", 100, 0}, Row{"p.jpg", 80, 24}, Row{"p.jpg", 100, 8}}) {
        SCOPED_TRACE(std::string(row.name) + " " + std::to_string(row.quality));
        Session session;
        session.run("SetSize(64, 48); SetBrush(rgbtocolor(200, 40, 90)); MoveTo(0, 0); RectTo(40, 48)");
        const std::string file = (session.directory / row.name).string();
        session.picture.save(file, row.quality);
        Session other;
        other.picture.load(file);
        EXPECT_EQ(other.run("picwidth; picheight"), (Lines{"64", "48"}));
        const QColor inside = other.picture.image().pixelColor(20, 24), outside = other.picture.image().pixelColor(55, 24);
        EXPECT_NEAR(inside.red(), 200, row.tolerance);
        EXPECT_NEAR(inside.green(), 40, row.tolerance);
        EXPECT_NEAR(inside.blue(), 90, row.tolerance);
        EXPECT_NEAR(outside.lightness(), 255, row.tolerance);
    }
}

// A higher quality keeps more: the file grows with it.
TEST(PictureFile, JpegQualityReachesTheEncoder)
{
    Session session;
    noisyFile(session, "x.jpg");
    std::vector<size_t> sizes;
    for (int quality : {1, 50, 100}) {
        const auto file = session.directory / ("q" + std::to_string(quality) + ".jpg");
        session.picture.save(file.string(), quality);
        sizes.push_back(std::filesystem::file_size(file));
    }
    EXPECT_LT(sizes[0], sizes[1]);
    EXPECT_LT(sizes[1], sizes[2]);
}

TEST(PictureFile, PictureOverTheLimitIsRefused)
{
    Session session;
    EXPECT_THROW(session.picture.setImage(QImage(9000, 9000, QImage::Format_Mono)), textcalc::RunError);
    EXPECT_EQ(session.picture.width(), 200);
}

} // namespace

namespace {

// A progressive file holds several scans; the reader's guard against endless scans lets it in.
TEST(PictureFile, ReadsProgressiveJpeg)
{
    Session session;
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(QColor(30, 160, 220));
    const auto file = session.directory / "progressive.jpg";
    QImageWriter writer(QString::fromStdString(file.string()), "jpeg");
    writer.setProgressiveScanWrite(true);
    writer.setQuality(90);
    ASSERT_TRUE(writer.write(image)) << writer.errorString().toStdString();
    session.picture.load(file.string());
    EXPECT_EQ(session.run("picwidth; picheight"), (Lines{"64", "48"}));
    const QColor colour = session.picture.image().pixelColor(30, 20);
    EXPECT_NEAR(colour.red(), 30, 6);
    EXPECT_NEAR(colour.green(), 160, 6);
    EXPECT_NEAR(colour.blue(), 220, 6);
}

} // namespace

namespace {

// Sizes from settings or a drag are brought within the limit instead of failing.
TEST(PictureFile, SizesAreLimited)
{
    struct Row {
        int64_t width, height;
        bool keepHeight;
        std::pair<int, int> expected;
    };
    const int64_t max = textcalc::Picture::maxPixels;
    for (const Row& row : {Row{200, 150, false, {200, 150}}, Row{-5, 30, false, {0, 30}}, Row{30, -1, true, {30, 0}},
                           Row{100000, 100000, false, {100000, int(max / 100000)}},
                           Row{100000, 100000, true, {int(max / 100000), 100000}},
                           Row{int64_t{1} << 40, 2, false, {INT32_MAX, 0}}, Row{8192, 8192, false, {8192, 8192}}}) {
        SCOPED_TRACE(std::to_string(row.width) + " x " + std::to_string(row.height));
        EXPECT_EQ(textcalc::Picture::limitedSize(row.width, row.height, row.keepHeight), row.expected);
    }
    const textcalc::Picture negative(-5, 30);
    EXPECT_EQ(negative.width(), 0);
    EXPECT_EQ(negative.height(), 30);
}

} // namespace
