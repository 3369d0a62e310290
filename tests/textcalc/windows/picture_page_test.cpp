// The picture page: resizing by the handles, the size dialog, files, clipboard and the status
// panels, checked on the picture's pixels and the panels' texts.
#include "textcalc/windows/utextm_picture.h"

#include "textcalc/language/calculator.h"

#include "platform/errors.h"
#include "platform/headless/headless_services.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>

namespace {

using textcalc::Picture;
using textcalc::PicturePage;

using textcalc::Colour;
constexpr Colour white{255, 255, 255}, red{255, 0, 0};

struct PageFixture {
    PageFixture()
    {
        std::filesystem::create_directories(pictures);
        page.setStatusPanels(&width, &height, &position);
        page.SetSize(200, 150);
        picture.setPixel(10, 10, red);
        picture.setPixel(190, 140, red);
    }
    std::filesystem::path file(const char* name) const { return pictures / name; }
    // The file dialog answers with `name` in the pictures folder, with the filter `filter`.
    void choose(const std::string& name, int filter = 0)
    {
        page.fileDialog = [this, name, filter](bool save, const QString& folder, int f) {
            asked.push_back({save, folder.toStdString(), f});
            return PicturePage::FileChoice{QString::fromStdString((pictures / name).string()), filter};
        };
    }
    QString panels() const { return width.text() + "|" + height.text() + "|" + position.text(); }

    struct Asked {
        bool save;
        std::string folder;
        int filter;
    };
    QTemporaryDir dir;
    std::filesystem::path pictures = std::filesystem::path(dir.path().toStdString()) / "pictures";
    platform::HeadlessServices services;
    Picture picture;
    QLabel width, height, position;
    PicturePage page{picture, services, pictures};
    std::vector<Asked> asked;
};

// ---- Resizing with the mouse ------------------------------------------------------------------------

struct DragCase {
    const char* name;
    int handle;
    int dx, dy;
    int width, height;
};

class Drag : public ::testing::TestWithParam<DragCase> {};

TEST_P(Drag, FrameFollowsThenThePictureTakesItsSize)
{
    const DragCase& c = GetParam();
    PageFixture f;
    const QPoint start(1000, 800);
    f.page.BeginResize(c.handle, start);
    EXPECT_EQ(f.page.resizeMode(), c.handle);
    EXPECT_EQ(f.position.text(), " 200, 150");
    f.page.MouseMove(c.handle, QPoint(), start + QPoint(c.dx, c.dy));
    EXPECT_EQ(f.position.text(), QString(" %1, %2").arg(c.width).arg(c.height)) << "the status bar follows the frame";
    EXPECT_FALSE(f.page.ramecek->isHidden());
    EXPECT_EQ(f.page.ramecek->size(), QSize(c.width, c.height));
    EXPECT_TRUE(f.page.dir1->isHidden() && f.page.dir2->isHidden() && f.page.dir3->isHidden());
    EXPECT_EQ(f.picture.width(), 200) << "the picture waits for the release";

    f.page.MouseUp();
    EXPECT_EQ(f.page.resizeMode(), 0);
    EXPECT_EQ(QSize(int(f.picture.width()), int(f.picture.height())), QSize(c.width, c.height));
    EXPECT_EQ(f.panels(), QString(" width %1| height %2|").arg(c.width).arg(c.height));
    EXPECT_TRUE(f.page.ramecek->isHidden());
    EXPECT_EQ(f.page.dir1->pos(), QPoint(c.width, (c.height - 4) / 2));
    EXPECT_EQ(f.page.dir2->pos(), QPoint((c.width - 4) / 2, c.height));
    EXPECT_EQ(f.page.dir3->pos(), QPoint(c.width, c.height));
    EXPECT_EQ(f.page.grafikus->size(), QSize(c.width, c.height));
    if (c.width > 10 && c.height > 10) {
        EXPECT_EQ(f.picture.pixel(10, 10), red) << "content stays at the top left";
    }
}

INSTANTIATE_TEST_SUITE_P(Handles, Drag, testing::Values(
    DragCase{"RightEdgeChangesOnlyTheWidth", 1, 50, 30, 250, 150},
    DragCase{"BottomEdgeChangesOnlyTheHeight", 2, 50, 30, 200, 180},
    DragCase{"CornerChangesBoth", 3, 50, 30, 250, 180},
    DragCase{"CornerShrinks", 3, -120, -100, 80, 50},
    DragCase{"NotBelowNothing", 3, -500, -500, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PicturePage, ShrinkingAndGrowingKeepsOnlyTheSmallerPart)
{
    PageFixture f;
    for (QPoint move : {QPoint(-100, -100), QPoint(100, 100)}) {
        f.page.BeginResize(3, QPoint(500, 500));
        f.page.MouseMove(3, QPoint(), QPoint(500, 500) + move);
        f.page.MouseUp();
    }
    EXPECT_EQ(f.picture.width(), 200);
    EXPECT_EQ(f.picture.height(), 150);
    EXPECT_EQ(f.picture.pixel(10, 10), red);
    EXPECT_EQ(f.picture.pixel(190, 140), white);
}

// No drag makes a picture larger than the engine allows; the side being dragged gives way.
TEST(PicturePage, DragStopsAtThePictureLimit)
{
    for (int handle : {1, 2, 3}) {
        SCOPED_TRACE(handle);
        PageFixture f;
        f.page.BeginResize(handle, QPoint(0, 0));
        f.page.MouseMove(handle, QPoint(), QPoint(2000000000, 2000000000));
        const QSize frame = f.page.frameSize();
        EXPECT_LE(int64_t{frame.width()} * frame.height(), Picture::maxPixels);
        EXPECT_GT(int64_t{frame.width()} * frame.height(), Picture::maxPixels - 200);
        EXPECT_EQ(frame.width() == 200, handle == 2);
        EXPECT_EQ(frame.height() == 150, handle == 1);
        // Back to a small size before the release: the test needs no 256 MB picture.
        f.page.MouseMove(handle, QPoint(), QPoint(10, 10));
        f.page.MouseUp();
        EXPECT_EQ(f.page.frameSize(), QSize(handle == 2 ? 200 : 210, handle == 1 ? 150 : 160));
        EXPECT_EQ(f.picture.width(), f.page.frameSize().width());
    }
}

// The mouse reaches the handlers: a press on the corner handle, moves and the release over the
// scrolled area, which holds the mouse while the handles are hidden.
TEST(PicturePage, MouseEventsDragTheCorner)
{
    PageFixture f;
    f.page.resize(500, 400);
    f.page.show();
    auto send = [](QWidget* w, QEvent::Type type, QPoint global, Qt::MouseButtons buttons) {
        const QPointF local = w->mapFromGlobal(global);
        QMouseEvent event(type, local, QPointF(global), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                          buttons, Qt::NoModifier);
        QApplication::sendEvent(w, &event);
    };
    QWidget* canvas = f.page.dir3->parentWidget();
    const QPoint start = f.page.dir3->mapToGlobal(QPoint(1, 1));
    send(f.page.dir3, QEvent::MouseButtonPress, start, Qt::LeftButton);
    send(canvas, QEvent::MouseMove, start + QPoint(40, 20), Qt::LeftButton);
    EXPECT_EQ(f.position.text(), " 240, 170");
    send(canvas, QEvent::MouseButtonRelease, start + QPoint(40, 20), Qt::NoButton);
    EXPECT_EQ(f.picture.width(), 240);
    EXPECT_EQ(f.picture.height(), 170);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);

    send(f.page.grafikus, QEvent::MouseMove, f.page.grafikus->mapToGlobal(QPoint(12, 34)), Qt::NoButton);
    EXPECT_EQ(f.position.text(), " 12, 34");
    send(f.page.dir1, QEvent::MouseMove, f.page.dir1->mapToGlobal(QPoint(1, 2)), Qt::NoButton);
    EXPECT_EQ(f.position.text(), QString(" %1, %2").arg(241).arg((170 - 4) / 2 + 2)) << "position in the picture";
}

// ---- The size dialog ------------------------------------------------------------------------------

struct SizeCase {
    const char* name;
    std::vector<std::optional<std::string>> answers;
    int width, height;
    size_t questionsLeft; // answers not asked for
    const char* message;  // "" for none
};

class SizeDialog : public ::testing::TestWithParam<SizeCase> {};

TEST_P(SizeDialog, SetsTheSizeOrChangesNothing)
{
    const SizeCase& c = GetParam();
    PageFixture f;
    f.services.inputs.assign(c.answers.begin(), c.answers.end());
    f.page.ASizeExecute();
    EXPECT_EQ(f.picture.width(), c.width);
    EXPECT_EQ(f.picture.height(), c.height);
    EXPECT_EQ(f.page.frameSize(), QSize(c.width, c.height));
    EXPECT_EQ(f.services.inputs.size(), c.questionsLeft);
    if (*c.message == '\0') {
        EXPECT_TRUE(f.services.messages.empty());
    } else {
        ASSERT_EQ(f.services.messages.size(), 1u) << c.message;
        EXPECT_EQ(f.services.messages[0].text, c.message);
    }
    EXPECT_EQ(f.picture.pixel(10, 10), red);
}

INSTANTIATE_TEST_SUITE_P(Answers, SizeDialog, testing::Values(
    SizeCase{"BothSizes", {"300", "250"}, 300, 250, 0, ""},
    SizeCase{"BlanksAroundNumbers", {" 320 ", "240 "}, 320, 240, 0, ""},
    SizeCase{"WidthNotANumberStops", {"abc", "250"}, 200, 150, 1, ""},
    SizeCase{"HeightNotANumber", {"300", "1.5"}, 200, 150, 0, ""},
    SizeCase{"EmptyAnswer", {"", "250"}, 200, 150, 1, ""},
    SizeCase{"ZeroOrNegativeKeepsThatSide", {"0", "-7"}, 200, 150, 0, ""},
    SizeCase{"OnlyTheHeight", {"-1", "90"}, 200, 90, 0, ""},
    SizeCase{"CancelKeepsTheOffer", {std::nullopt, "90"}, 200, 90, 0, ""},
    SizeCase{"TooLarge", {"30000", "30000"}, 200, 150, 0,
             "The picture cannot be 30000 x 30000 pixels: it may have at most 67108864 pixels."},
    SizeCase{"Large", {"4000", "2000"}, 4000, 2000, 0, ""}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Files --------------------------------------------------------------------------------------------

bool startsWith(const std::filesystem::path& file, const std::string& magic)
{
    std::ifstream in(file, std::ios::binary);
    std::string start(magic.size(), '\0');
    in.read(start.data(), std::streamsize(start.size()));
    return in && start == magic;
}

// "picture.JPG" is a BMP file when saving and when loading; only ".jpg" asks for the quality.
TEST(PicturePage, SavesAndLoadsByTheExactEnding)
{
    struct Row {
        const char* name;
        std::optional<std::string> quality;
        const char* magic;
        int questions;
    };
    for (const Row& row : {Row{"a.bmp", {}, "BM", 0}, Row{"picture.JPG", {}, "BM", 0}, Row{"a.jpg", "80", "\xFF\xD8", 1},
                           Row{"b.jpg", " 100 ", "\xFF\xD8", 1}}) {
        SCOPED_TRACE(row.name);
        PageFixture f;
        f.picture.setBrush(red, 0);
        f.picture.rectTo(100, 150);
        f.choose(row.name);
        f.services.inputs.push_back(row.quality);
        f.page.ASavepic->trigger();
        EXPECT_EQ(f.services.inputs.size(), size_t(1 - row.questions));
        EXPECT_TRUE(startsWith(f.file(row.name), row.magic));
        EXPECT_TRUE(f.services.messages.empty());

        PageFixture other;
        other.page.SetSize(20, 20);
        other.page.fileDialog = [&](bool, const QString&, int) {
            return PicturePage::FileChoice{QString::fromStdString(f.file(row.name).string()), 0};
        };
        other.page.ALoadpic->trigger();
        EXPECT_TRUE(other.services.messages.empty());
        EXPECT_EQ(other.page.frameSize(), QSize(200, 150));
        EXPECT_EQ(other.panels(), " width 200| height 150|");
        const QColor left = other.picture.image().pixelColor(50, 75), right = other.picture.image().pixelColor(150, 75);
        EXPECT_GT(left.red(), 200);
        EXPECT_LT(left.green(), 60);
        EXPECT_GT(right.green(), 200);
    }
}

TEST(PicturePage, BadQualitySavesNothing)
{
    for (const char* answer : {"0", "101", "abc", "", "50.5"}) {
        SCOPED_TRACE(answer);
        PageFixture f;
        f.choose("q.jpg");
        f.services.inputs.push_back(answer);
        f.page.savebmp();
        EXPECT_FALSE(std::filesystem::exists(f.file("q.jpg")));
        ASSERT_EQ(f.services.messages.size(), 1u);
        EXPECT_EQ(f.services.messages[0].text, "\"" + std::string(answer) + "\" is not a quality: enter a whole number from 1 to 100.");
    }
    PageFixture f;
    f.choose("q.jpg");
    f.services.inputs.push_back(std::nullopt);
    f.page.savebmp();
    EXPECT_FALSE(std::filesystem::exists(f.file("q.jpg"))) << "cancelled";
    EXPECT_TRUE(f.services.messages.empty());
}

TEST(PicturePage, UnreadableFileIsReportedAndThePictureStays)
{
    PageFixture f;
    std::ofstream(f.file("bad.bmp"), std::ios::binary) << "BM not really a bitmap at all";
    f.choose("bad.bmp");
    f.page.openbmp();
    ASSERT_EQ(f.services.messages.size(), 1u);
    EXPECT_EQ(f.services.messages[0].text, "The file \"bad.bmp\" is not a BMP picture.");
    EXPECT_EQ(f.services.messages[0].kind, platform::MessageKind::Error);
    EXPECT_EQ(f.picture.width(), 200);
    EXPECT_EQ(f.picture.pixel(190, 140), red);
}

TEST(PicturePage, UnwritableFileIsReported)
{
    PageFixture f;
    f.choose("missing/p.bmp");
    f.page.savebmp();
    ASSERT_EQ(f.services.messages.size(), 1u);
    EXPECT_EQ(f.services.messages[0].text, "Cannot write the file \"p.bmp\".");
}

// Both dialogs start in the pictures folder and then remember the last folder and filter.
TEST(PicturePage, DialogsRememberFolderAndFilter)
{
    PageFixture f;
    std::filesystem::create_directories(f.pictures / "sub");
    f.choose("sub/x.bmp", 2);
    f.page.savebmp();
    f.page.openbmp();
    f.page.fileDialog = [&](bool save, const QString& folder, int filter) -> std::optional<PicturePage::FileChoice> {
        f.asked.push_back({save, folder.toStdString(), filter});
        return std::nullopt;
    };
    f.page.savebmp();
    ASSERT_EQ(f.asked.size(), 3u);
    EXPECT_EQ(f.asked[0].folder, f.pictures.string());
    EXPECT_EQ(f.asked[0].filter, 0);
    EXPECT_TRUE(f.asked[0].save);
    EXPECT_FALSE(f.asked[1].save);
    for (size_t k : {1, 2}) {
        EXPECT_EQ(f.asked[k].folder, (f.pictures / "sub").string());
        EXPECT_EQ(f.asked[k].filter, 2);
    }
}

// ---- Clipboard, clear ------------------------------------------------------------------------------

TEST(PicturePage, CopyAndPasteTheBitmap)
{
    PageFixture f;
    f.page.ACopypicExecute();
    const QImage copied = QApplication::clipboard()->image();
    ASSERT_EQ(copied.size(), QSize(200, 150));
    EXPECT_EQ(copied.pixelColor(10, 10), QColor(Qt::red));

    QImage other(50, 40, QImage::Format_RGB32);
    other.fill(Qt::blue);
    QApplication::clipboard()->setImage(other);
    f.page.APastepicExecute();
    EXPECT_EQ(f.page.frameSize(), QSize(50, 40));
    EXPECT_EQ(f.panels(), " width 50| height 40|");
    EXPECT_EQ(f.picture.pixel(49, 39), (Colour{0, 0, 255}));
    EXPECT_EQ(f.services.beeps, 0);
}

TEST(PicturePage, PasteWithoutABitmapBeeps)
{
    PageFixture f;
    QApplication::clipboard()->setText("no picture");
    f.page.APastepic->trigger();
    EXPECT_EQ(f.services.beeps, 1);
    EXPECT_EQ(f.picture.width(), 200);
    EXPECT_EQ(f.picture.pixel(10, 10), red);
    EXPECT_EQ(f.panels(), " width 200| height 150|");
}

TEST(PicturePage, PasteOfTooLargeABitmapIsRefused)
{
    PageFixture f;
    QApplication::clipboard()->setImage(QImage(9000, 9000, QImage::Format_Mono));
    f.page.APastepicExecute();
    ASSERT_EQ(f.services.messages.size(), 1u);
    EXPECT_EQ(f.services.messages[0].text, "The picture on the clipboard is too large (9000 x 9000 pixels).");
    EXPECT_EQ(f.picture.width(), 200);
    EXPECT_EQ(f.picture.pixel(10, 10), red);
}

TEST(PicturePage, ClearKeepsTheSize)
{
    PageFixture f;
    f.page.MISmazat->trigger();
    EXPECT_EQ(f.picture.pixel(10, 10), white);
    EXPECT_EQ(f.picture.width(), 200);
    EXPECT_EQ(f.picture.height(), 150);
}

// ---- Programs, start-up, texts ------------------------------------------------------------------------

// A program's SetSize and drawing show on the page at its next refresh.
TEST(PicturePage, ShowsWhatAProgramDrew)
{
    PageFixture f;
    textcalc::Calculator calc(f.services);
    calc.callbacks.picture = &f.picture;
    calc.run("SetSize(300, 200); SetPen(255, 3); MoveTo(10, 10); LineTo(290, 190); Draw;");
    f.page.pictureChanged();
    EXPECT_EQ(f.page.frameSize(), QSize(300, 200));
    EXPECT_EQ(f.page.grafikus->size(), QSize(300, 200));
    EXPECT_EQ(f.page.dir3->pos(), QPoint(300, 200));
    EXPECT_EQ(f.panels(), " width 300| height 200|");
    const QImage shown = f.page.grafikus->grab().toImage();
    EXPECT_EQ(shown.pixelColor(150, 100), QColor(Qt::blue)) << "255 is blue in the language";
    EXPECT_EQ(shown.pixelColor(150, 20), QColor(Qt::white));
}

TEST(PicturePage, StartUpSizeIsNeverNegative)
{
    PageFixture f;
    f.page.SetSize(-3, 70);
    EXPECT_EQ(f.page.frameSize(), QSize(0, 70));
    EXPECT_EQ(f.picture.height(), 70);
}

TEST(PicturePage, LanguageTextsAndRunningState)
{
    PageFixture f;
    const auto file = f.pictures / "english.ini";
    std::ofstream(file) << "[lang]\nloadpic=Load from file\npicsize=Size\nclearpic=Clear\npicture=Picture\n";
    f.page.popis(ui::Language(file));
    EXPECT_EQ(f.page.ALoadpic->text(), "Load from file...");
    EXPECT_EQ(f.page.ALoadpic->toolTip(), "Load from file...");
    EXPECT_EQ(f.page.MIRozmery->text(), "Size...");
    EXPECT_EQ(f.page.MISmazat->text(), "Clear");
    EXPECT_EQ(f.page.ACopypic->text(), QString::fromUtf8("Kopírovat do schránky"));
    EXPECT_EQ(f.page.obrazekMenu->title(), "Picture");
    f.page.popis(ui::Language());
    EXPECT_EQ(f.page.ALoadpic->text(), QString::fromUtf8("Načíst ze souboru..."));

    f.page.setRunning(true);
    EXPECT_FALSE(f.page.ASavepic->isEnabled());
    EXPECT_FALSE(f.page.dir3->isEnabled());
    f.page.setRunning(false);
    EXPECT_TRUE(f.page.ASavepic->isEnabled());
}

} // namespace
