// Drawing statements checked by reading the picture's pixels back.
#include "program_table.h"

#include "platform/errors.h"

#include <QImage>

#include <fstream>
#include <optional>

using namespace textcalc::library_tests;

namespace {

using textcalc::Colour;
constexpr Colour white{255, 255, 255}, black{0, 0, 0}, red{255, 0, 0}, green{0, 255, 0}, blue{0, 0, 255};
constexpr std::nullopt_t outside = std::nullopt;

struct PixelCase {
    const char* name;
    const char* program;
    std::vector<std::tuple<int, int, std::optional<Colour>>> pixels; // x, y, expected colour
};

std::string pixelRow(const ::testing::TestParamInfo<PixelCase>& info)
{
    return info.param.name;
}

class Drawing : public ::testing::TestWithParam<PixelCase> {};

TEST_P(Drawing, PaintsPixels)
{
    Session session;
    const Lines lines = session.run(GetParam().program);
    EXPECT_EQ(lines, Lines{"Statements executed (no output)."});
    for (const auto& [x, y, colour] : GetParam().pixels)
        EXPECT_EQ(session.picture.pixel(x, y), colour) << "pixel " << x << ", " << y;
}

INSTANTIATE_TEST_SUITE_P(Statements, Drawing, testing::Values(
    PixelCase{"SetColorByConstantAndNumber", "SetColor(0, 0, clRed); SetColor(1, 0, 16711680); SetColor(2, 0, 255)",
              {{0, 0, red}, {1, 0, red}, {2, 0, blue}, {3, 0, white}}},
    PixelCase{"ColourBitsAbove24Dropped", "SetColor(0, 0, 0-1); SetColor(1, 0, 16777216+255); SetColor(2, 0, 0-16711681)",
              {{0, 0, white}, {1, 0, blue}, {2, 0, Colour{0, 255, 255}}}},
    PixelCase{"LineLeavesOutItsEnd", "SetPen(clRed); MoveTo(10, 10); LineTo(20, 10)",
              {{10, 10, red}, {19, 10, red}, {20, 10, white}, {15, 11, white}, {15, 9, white}}},
    PixelCase{"WidePen", "SetPen(clBlue, 5); MoveTo(10, 50); LineTo(100, 50)",
              {{50, 48, blue}, {50, 52, blue}, {50, 55, white}}},
    PixelCase{"RectangleFromThePenPosition", "SetBrush(clGreen); MoveTo(10, 10); LineTo(50, 10); RectTo(20, 20)",
              {{20, 10, black}, {49, 19, black}, {49, 15, black}, {30, 15, green}, {50, 15, white}, {35, 20, white}}},
    PixelCase{"ClearBrushFromNegativeStyle", "SetBrush(clRed, 0-1); MoveTo(10, 10); RectTo(30, 30)",
              {{10, 10, black}, {20, 20, white}}},
    PixelCase{"EllipseInsideItsBox", "SetPen(clBlue); SetBrush(clRed); MoveTo(10, 10); EllipTo(51, 31)",
              {{30, 20, red}, {10, 10, white}, {50, 30, white}, {10, 20, blue}}},
    PixelCase{"SpotInPenColourKeepsBrush",
              "SetPen(clGreen); SetBrush(clRed); MoveTo(50, 50); Spot(0-3); MoveTo(100, 100); RectTo(110, 110)",
              {{50, 50, green}, {47, 50, green}, {53, 50, green}, {50, 54, white}, {105, 105, red}}},
    PixelCase{"FloodFillStopsAtTheBorder",
              "SetBrush(0, 1); MoveTo(10, 10); RectTo(40, 40); SetBrush(clBlue); FloodFill(20, 20)",
              {{20, 20, blue}, {11, 11, blue}, {38, 38, blue}, {10, 10, black}, {5, 5, white}, {45, 45, white}}},
    PixelCase{"FloodFillOutside", "SetBrush(0, 1); MoveTo(10, 10); RectTo(40, 40); SetBrush(clRed); FloodFill(0, 0)",
              {{0, 0, red}, {199, 199, red}, {20, 20, white}}},
    PixelCase{"SizeKeepsTopLeft", "SetColor(5, 5, clRed); SetColor(150, 150, clRed); SetSize(100, 100); SetSize(300, 300)",
              {{5, 5, red}, {150, 150, white}, {250, 250, white}}},
    PixelCase{"ClearKeepsSize", "SetColor(5, 5, clRed); SetSize(50, 60); Clear", {{5, 5, white}, {49, 59, white}, {50, 0, outside}}},
    PixelCase{"HugeCoordinatesAreClipped", "MoveTo(0-2000000000, 0-2000000000); LineTo(2000000000, 2000000000)",
              {{100, 100, black}, {100, 101, white}}}), pixelRow);

class PictureValues : public ProgramTable {};
TEST_P(PictureValues, WriteLines) { check(); }

INSTANTIATE_TEST_SUITE_P(Reading, PictureValues, testing::Values(
    ProgramCase{"PixelInLanguageColours", "SetColor(3, 4, rgbtocolor(1, 2, 3)); pixel(3, 4); pixel(0, 0)", {"66051", "16777215"}},
    ProgramCase{"PixelOutside", "pixel(0-1, 0); pixel(200, 0)", {"-1", "-1"}},
    ProgramCase{"SizeConstants", "picwidth; picheight; SetSize(30, 40); picwidth; picheight", {"200", "200", "30", "40"}},
    ProgramCase{"EmptySideKeepsTheOther", "SetSize(100, 0); picwidth; picheight; SetSize(0-5, 30); picwidth; picheight; Clear; picheight",
                {"100", "0", "0", "30", "30"}},
    ProgramCase{"PenPosition", "MoveTo(7, 8); penposx; penposy; LineTo(20, 30); penposx; RectTo(1, 1); penposy", {"7", "8", "20", "30"}},
    ProgramCase{"TextMovesThePen", "MoveTo(10, 10); TextLabel('Wide text'); sgn(penposx-40); NumLabel(1/3); sgn(penposx-60)", {"1", "1"}},
    ProgramCase{"CoordinateBeyond32Bit", "SetColor(3000000000, 0, 0)", {"Error. General computation error"}},
    ProgramCase{"PictureTooLarge", "SetSize(100000, 100000); picwidth", {"Error. Not enough memory."}},
    ProgramCase{"PictureBeyondItsPixels", "SetSize(9000, 8000); picwidth", {"Error. Not enough memory."}},
    ProgramCase{"ColourRoundedToEven", "SetColor(0, 0, 254.5); blue(pixel(0, 0))", {"254"}}), rowName);

// Hatched brushes fill with their lines and leave the gaps between them as they were; the
// 8-pixel pattern runs on unbroken down the picture (the fill paints in strips).
TEST(Picture, FloodFillWithHatchedBrushes)
{
    for (int style = 2; style <= 7; ++style) {
        SCOPED_TRACE(style);
        Session session;
        session.run("SetBrush(clBlue, " + std::to_string(style) + "); FloodFill(5, 5)");
        int blues = 0, whites = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                (session.picture.pixel(x, y) == blue ? blues : whites) += 1;
        EXPECT_GT(blues, 8);
        EXPECT_GT(whites, 100);
        for (int y = 0; y + 8 < 200; ++y) // across the strip edges at 64 and 128
            for (int x = 0; x < 16; ++x)
                ASSERT_EQ(session.picture.pixel(x, y), session.picture.pixel(x, y + 8)) << x << "," << y;
    }
}

TEST(Picture, PenBrushAndFontPersistBetweenRuns)
{
    Session session;
    session.run("SetPen(clRed, 3); SetBrush(clGreen); SetFont(clBlue, 20)");
    session.run("MoveTo(10, 100); LineTo(190, 100); MoveTo(10, 10); RectTo(30, 30); MoveTo(50, 50); TextLabel('W')");
    EXPECT_EQ(session.picture.pixel(100, 101), red);
    EXPECT_EQ(session.picture.pixel(20, 20), green);
    bool fontColour = false;
    for (int y = 50; y < 80; ++y)
        for (int x = 50; x < 80; ++x)
            fontColour = fontColour || session.picture.pixel(x, y) == blue;
    EXPECT_TRUE(fontColour);
}

// A solid brush is the background of a label; a clear brush leaves the picture as it was.
TEST(Picture, LabelBackground)
{
    Session session;
    session.run("SetColor(0, 0, 0); SetBrush(clYellow); MoveTo(10, 10); TextLabel('i')");
    EXPECT_EQ(session.picture.pixel(10, 10), (Colour{255, 255, 0}));
    session.run("SetBrush(clYellow, 1); MoveTo(100, 100); TextLabel('i')");
    EXPECT_EQ(session.picture.pixel(100, 100), white);
}

TEST(Picture, SavesBmpPngAndJpeg)
{
    Session session;
    session.run("SetBrush(clRed); MoveTo(0, 0); RectTo(100, 200)");
    for (const char* name : {"p.bmp", "p.png", "p.jpg"}) {
        SCOPED_TRACE(name);
        const std::string file = (session.directory / name).string();
        ASSERT_NO_THROW(session.picture.save(file, 100));
        const QImage back(QString::fromStdString(file));
        ASSERT_EQ(back.size(), QSize(200, 200));
        const QColor left = back.pixelColor(50, 100), right = back.pixelColor(150, 100);
        EXPECT_GT(left.red(), 240);
        EXPECT_LT(left.green(), 15);
        EXPECT_EQ(right, QColor(Qt::white)) << "right half";
    }
    EXPECT_THROW(session.picture.save((session.directory / "missing" / "p.png").string(), 100), platform::UserError);
}

// Only a name ending in exactly ".jpg" is written as JPEG, so that the picture reads back what
// it wrote; other names but ".png" are written as BMP.
TEST(Picture, FileKindFollowsTheExactExtension)
{
    struct Row {
        const char* name;
        std::string magic;
    };
    const Row rows[] = {
        {"a.jpg", "\xFF\xD8"}, {"a.JPG", "BM"}, {"a.jpeg", "BM"}, {"a.bmp", "BM"}, {"a", "BM"}, {"a.png", "\x89P"},
    };
    Session session;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto file = session.directory / row.name;
        ASSERT_NO_THROW(session.picture.save(file.string(), 90));
        std::ifstream in(file, std::ios::binary);
        std::string start(2, '\0');
        in.read(start.data(), 2);
        EXPECT_EQ(start, row.magic);
        Session other;
        if (row.magic != "\x89P") {
            EXPECT_NO_THROW(other.picture.load(file.string())) << "reads back what it wrote";
        }
    }
}

// Only a name ending in exactly ".jpg" is read as JPEG; pen, brush and font stay.
TEST(Picture, LoadsBmpAndJpeg)
{
    Session session;
    session.run("SetSize(40, 30); SetBrush(clBlue); MoveTo(0, 0); RectTo(20, 30); SetPen(clRed)");
    const std::string jpeg = (session.directory / "p.jpg").string();
    const std::string bmp = (session.directory / "p.bmp").string();
    ASSERT_NO_THROW(session.picture.save(jpeg, 100));
    ASSERT_NO_THROW(session.picture.save(bmp, 100));
    for (const std::string& file : {jpeg, bmp}) {
        SCOPED_TRACE(file);
        Session other;
        ASSERT_NO_THROW(other.picture.load(file));
        EXPECT_EQ(other.run("picwidth; picheight; sgn(blue(pixel(10, 15))-240); sgn(red(pixel(30, 15))-240)"),
                  (Lines{"40", "30", "1", "1"}));
    }
    std::filesystem::copy_file(jpeg, session.directory / "upper.JPG");
    EXPECT_THROW(session.picture.load((session.directory / "upper.JPG").string()), platform::UserError) << "read as BMP";
    EXPECT_THROW(session.picture.load((session.directory / "none.bmp").string()), platform::UserError);
    EXPECT_EQ(session.picture.width(), 40);
}

} // namespace
