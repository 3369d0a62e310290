// Skins applied to the keypad window: geometry, bitmaps, the two views and their failures.
#include "keypad/windows/keyimage.h"
#include "keypad/windows/udmsdeg.h"
#include "keypad/windows/umain.h"
#include "keypad/windows/utrail.h"
#include "platform/headless/headless_services.h"
#include "test_support.h"

#include <QAction>
#include <QFontMetrics>
#include <QLineEdit>
#include <QLabel>
#include <QRegion>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

struct Window {
    testsupport::ProgramDir dir;
    platform::HeadlessServices services{'.'};
    settings::Settings settings;
    keypad::Tmain main{services, settings, dir.path()};

    std::vector<std::string> messages() const
    {
        std::vector<std::string> texts;
        for (const auto& m : services.messages)
            texts.push_back(m.text);
        return texts;
    }
};

TEST(Skin, EmptySkinFileGivesTheDefaultGeometry)
{
    Window w;
    w.dir.writeFile("skins/empty.ini", "");
    w.dir.writeBitmaps("empty", 250, 350);
    w.main.skinuj("empty");
    EXPECT_TRUE(w.services.messages.empty());
    EXPECT_EQ(w.main.size(), QSize(250, 350));
    for (keypad::KeyImage* k : w.main.keys())
        EXPECT_EQ(k->geometry(), QRect(10, 50, 34, 24)) << k->objectName().toStdString();
    for (QLabel* l : {w.main.display, w.main.zavorky, w.main.sif, w.main.expon, w.main.deg}) {
        EXPECT_EQ(l->pos(), QPoint(10, 10)) << l->objectName().toStdString();
        EXPECT_EQ(l->font().family().toStdString(), "MS Sans Serif");
        EXPECT_EQ(l->font().pointSize(), 15);
    }
    EXPECT_EQ(w.main.display->size(), QSize(100, 25));
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(w.main.indicators[i]->geometry(), QRect(30 + 30 * i, 30, 30, 30));
    // Corners of diameter 28: the corner pixel lies outside the window's region.
    const QRegion region = w.main.mask();
    EXPECT_FALSE(region.contains(QPoint(1, 1)));
    EXPECT_FALSE(region.contains(QPoint(3, 3)));
    EXPECT_TRUE(region.contains(QPoint(14, 1)));
    EXPECT_TRUE(region.contains(QPoint(125, 175)));
    EXPECT_FALSE(region.contains(QPoint(248, 348)));
}

TEST(Skin, KeyTakesItsSizeAndPressedPictureFromItsClass)
{
    Window w;
    w.dir.writeSkin("grid", "[c5]\npic=3\n[pic_3]\nwidth=40\nheight=30\n");
    w.main.skinuj("grid");
    keypad::KeyImage* k = w.main.key("c5");
    EXPECT_EQ(k->size(), QSize(40, 30));
    EXPECT_EQ(k->pic(), 3);
    w.main.KlavTlac("c5");
    EXPECT_EQ(k->picture().width(), 53); // but3.bmp
    // The bottom-left colour is transparent; the rest is drawn.
    const QImage img = k->picture().toImage();
    EXPECT_EQ(qAlpha(img.pixel(5, 20)), 0);
    EXPECT_EQ(qAlpha(img.pixel(5, 0)), 255);
}

TEST(Skin, MissingOrBrokenBitmapStopsTheViewWithAMessage)
{
    const struct {
        const char* name;
        bool broken; // a file that is not a picture, instead of no file
    } rows[] = {{"missing", false}, {"broken", true}};
    for (const auto& row : rows) {
        Window w;
        w.dir.writeSkin("s", "[main]\nwidth=260\n", false);
        if (row.broken)
            w.dir.writeFile("skins/s/backg.bmp", std::string("BM\x01\x02garbage\xff\xfe", 13));
        w.main.skinuj("s");
        const std::string path = (w.dir.path() / "skins" / "s" / "backg.bmp").string();
        EXPECT_EQ(w.messages(), std::vector<std::string>{"Skin bitmap \"" + path + "\" is missing or is not a picture."})
            << row.name;
        // The keys were placed before the view change stopped.
        EXPECT_EQ(w.main.key("c3")->pos(), QPoint(testsupport::gridLeft(3), testsupport::gridTop(3))) << row.name;
    }
}

TEST(Skin, TitleButtonOutsideByteRangeIsAnError)
{
    const struct {
        const char* ini;
        bool titleStrip;
        const char* message;
    } rows[] = {
        {"[upbuts]\nleft=300\n", false, "Invalid skin value [upbuts] left = 300 (allowed 0-255)."},
        {"[upbuts]\ninter=-1\n", false, "Invalid skin value [upbuts] inter = -1 (allowed 0-255)."},
        {"[upbuts]\nutop=256\n", true, "Invalid skin value [upbuts] utop = 256 (allowed 0-255)."},
    };
    for (const auto& row : rows) {
        Window w;
        w.dir.writeSkin("s", row.ini);
        w.main.skinuj("s");
        if (row.titleStrip)
            w.main.AUpizeExecute();
        EXPECT_EQ(w.messages(), std::vector<std::string>{row.message}) << row.ini;
        // The size of the view was set before the failing step.
        EXPECT_EQ(w.main.size(), row.titleStrip ? QSize(200, 35) : QSize(260, 250)) << row.ini;
    }
}

// A skin whose view would have no size is refused with a message, and the window keeps a
// size the user can reach.
TEST(Skin, ViewWithoutSizeTakesTheDefaultSize)
{
    const struct {
        const char* ini;
        bool titleStrip;
        const char* message;
        QSize size;
    } rows[] = {
        {"[main]\nheight=0\n", false, "Invalid skin value [main] height = 0 (allowed 16-8192).", QSize(250, 350)},
        {"[main]\nwidth=-100\n", false, "Invalid skin value [main] width = 0 (allowed 16-8192).", QSize(250, 350)},
        {"[main]\nupheight=0\n", true, "Invalid skin value [main] upheight = 0 (allowed 16-8192).", QSize(200, 35)},
    };
    for (const auto& row : rows) {
        Window w;
        w.dir.writeSkin("s", row.ini);
        w.main.skinuj("s");
        if (row.titleStrip)
            w.main.AUpizeExecute();
        EXPECT_EQ(w.messages(), std::vector<std::string>{row.message}) << row.ini;
        EXPECT_EQ(w.main.size(), row.size) << row.ini;
    }
}

TEST(Views, CollapsingAndRestoringTwiceLeavesTheFirstRestore)
{
    Window w;
    w.dir.writeSkin("s", "[upbuts]\nleft=100\ntop=5\nuleft=20\nutop=7\ninter=22\nsize=16\n");
    w.main.skinuj("s");
    auto snapshot = [&] {
        return std::vector<QRect>{w.main.geometry(), w.main.uminbut->geometry(), w.main.urefbut->geometry(),
                                  w.main.uzavbut->geometry(), w.main.pozadi->geometry(),
                                  w.main.mask().boundingRect()};
    };
    w.main.AUpizeExecute();
    EXPECT_EQ(w.main.uminbut->pos(), QPoint(20, 7));
    EXPECT_EQ(w.main.uzavbut->pos(), QPoint(64, 7));
    EXPECT_EQ(w.main.size(), QSize(200, 35));
    w.main.Refresh();
    const auto first = snapshot();
    EXPECT_EQ(w.main.urefbut->pos(), QPoint(122, 5));
    w.main.AUpizeExecute();
    w.main.Refresh();
    w.main.AUpizeExecute();
    w.main.Refresh();
    EXPECT_EQ(snapshot(), first);
    EXPECT_TRUE(w.services.messages.empty());
}

TEST(Views, TitleButtonsRunTheActionsOfTheView)
{
    Window w;
    w.dir.writeSkin("s");
    w.main.skinuj("s");
    w.main.urefbut->click();
    EXPECT_TRUE(w.main.titleStrip());
    w.main.urefbut->click();
    EXPECT_FALSE(w.main.titleStrip());
    w.main.uzavbut->click(); // help in the full view
    ASSERT_EQ(w.services.openedDocuments.size(), 1u);
    EXPECT_EQ(w.services.openedDocuments[0].filename(), "Help.htm");
}

TEST(Views, TitleStripPictureCoversTheKeys)
{
    Window w;
    w.dir.writeSkin("s");
    w.main.skinuj("s");
    w.main.AUpizeExecute();
    const QPoint inKey = w.main.key("c0")->geometry().center();
    if (w.main.rect().contains(inKey)) {
        QWidget* top = w.main.childAt(inKey);
        EXPECT_EQ(top, w.main.pozadi);
    }
    w.main.Refresh();
    EXPECT_EQ(w.main.childAt(w.main.key("c0")->geometry().center()), w.main.key("c0"));
}

} // namespace

namespace {

TEST(Display, LongNumberShrinksTheFontInsteadOfLosingDigits)
{
    Window w;
    w.dir.writeSkin("s", "[display]\nwidth=120\nsize=15\nname=DejaVu Sans Mono\n");
    w.main.skinuj("s");
    for (keypad::Control c : {keypad::Control::c1, keypad::Control::c2})
        w.main.engine().click(c);
    EXPECT_EQ(w.main.display->font().pointSize(), 15);
    settings::Settings& s = w.settings;
    s.separator = " ";
    w.main.applyEngineSettings();
    for (int i = 0; i < 12; ++i)
        w.main.engine().click(keypad::Control::c9);
    w.main.engine().click(keypad::Control::rovnase);
    EXPECT_LT(w.main.display->font().pointSize(), 15);
    EXPECT_GE(w.main.display->font().pointSize(), 10);
    EXPECT_EQ(w.main.display->text().toStdString(), "12 999 999 999 999");
    w.main.engine().click(keypad::Control::resetitko);
    EXPECT_EQ(w.main.display->font().pointSize(), 15);
}

} // namespace

namespace {

TEST(TrailWindow, TakesFontAndColoursFromTheSettings)
{
    keypad::Ttrail trail;
    trail.applyLook(settings::FontSetting{255, 20, "DejaVu Serif", true, true}, 0xFF0000);
    const QFont f = trail.paper->font();
    EXPECT_EQ(f.pointSize(), 20);
    EXPECT_TRUE(f.bold());
    EXPECT_TRUE(f.italic());
    EXPECT_EQ(trail.paper->palette().color(QPalette::Text), QColor(255, 0, 0));
    EXPECT_EQ(trail.paper->palette().color(QPalette::Base), QColor(0, 0, 255));
    EXPECT_TRUE(trail.paper->isReadOnly());
    // The height is fixed to one line of the font; the width stays free.
    EXPECT_EQ(trail.minimumHeight(), trail.maximumHeight());
    EXPECT_GE(trail.height(), QFontMetrics(f).height());
    trail.setWidth(321);
    EXPECT_EQ(trail.width(), 321);
}

} // namespace
