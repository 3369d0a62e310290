// Reading skin files: defaults, the picture classes, garbage, and the skin list.
#include "ui/skin.h"

#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <random>

namespace fs = std::filesystem;

namespace {

struct TempDir {
    fs::path path = fs::temp_directory_path() / ("zoltcalc-ui-" + std::to_string(std::random_device{}()));
    TempDir() { fs::create_directories(path); }
    ~TempDir() { fs::remove_all(path); }
    platform::IniFile ini(const std::string& text)
    {
        const fs::path p = path / "skin.ini";
        std::ofstream(p, std::ios::binary) << text;
        return platform::IniFile(p);
    }
};

TEST(LoadSkin, ReadsEveryGroupOfKeys)
{
    TempDir d;
    const ui::Skin s = ui::loadSkin(d.ini("[main]\ndiametr=40\nwidth=320\nheight=0x1F4\ncolor=0xFF\n"
                                          "[pam]\nleft=40\ninter=16\nsize=10\n"
                                          "[expon]\nleft=254\nname=DejaVu Sans Mono\nsize=11\n"
                                          "[rovnase]\npic=5\nleft=251\ntop=448\n[pic_5]\nwidth=50\nheight=32\n"
                                          "[upbuts]\nuleft=248\naboutwidth=100\n"));
    EXPECT_EQ(s.diametr, 40);
    EXPECT_EQ(s.width, 320);
    EXPECT_EQ(s.height, 500);
    EXPECT_EQ(s.color, 0xFFu);
    EXPECT_EQ(s.upheight, 35); // default
    EXPECT_EQ(s.pamLeft, 40);
    EXPECT_EQ(s.pamTop, 30);
    EXPECT_EQ(s.label(ui::LabelId::expon).left, 254);
    EXPECT_EQ(s.label(ui::LabelId::expon).name, "DejaVu Sans Mono");
    EXPECT_EQ(s.label(ui::LabelId::expon).size, 11);
    EXPECT_EQ(s.label(ui::LabelId::display).name, "MS Sans Serif");
    const ui::KeyPlace& eq = s.keys[ui::keyIndex("rovnase")];
    EXPECT_EQ(eq.pic, 5);
    EXPECT_EQ(eq.width, 50);
    EXPECT_EQ(eq.height, 32);
    EXPECT_EQ(eq.left, 251);
    const ui::KeyPlace& c0 = s.keys[ui::keyIndex("c0")];
    EXPECT_EQ(c0.pic, 1);
    EXPECT_EQ(c0.width, 34);
    EXPECT_EQ(s.butUleft, 248);
    EXPECT_EQ(s.butLeft, 50);
    EXPECT_EQ(s.aboutWidth, 100);
}

TEST(LoadSkin, GarbageTakesDefaultsOrIsClamped)
{
    TempDir d;
    const ui::Skin s = ui::loadSkin(d.ini("[main]\nwidth=99999999999999\nheight=-40\ndiametr=abc\n"
                                          "[display]\nsize=0\ntop=-99999\nname=\n"
                                          "[c1]\npic=99999999999999999999\n"
                                          "[upbuts]\nleft=99999999999\n"
                                          "\x01\x02\xff garbage line\n[pam\nleft=5\n"));
    EXPECT_EQ(s.width, 8192);
    EXPECT_EQ(s.height, 0);
    EXPECT_EQ(s.diametr, 28);
    EXPECT_EQ(s.label(ui::LabelId::display).size, 1);
    EXPECT_EQ(s.label(ui::LabelId::display).top, -8192);
    EXPECT_EQ(s.keys[ui::keyIndex("c1")].pic, 1); // not an integer of 64 bits: default
    EXPECT_EQ(s.keys[ui::keyIndex("c1")].width, 34);
    EXPECT_EQ(s.butLeft, 1000000);
    EXPECT_FALSE(ui::titleButtonsError(s, false).empty());
    EXPECT_TRUE(ui::titleButtonsError(s, true).empty());
}

// A view that could not be seen or reached is put back to its default size, with a message.
TEST(RefuseHiddenViews, SizesOutsideTheRangeTakeTheirDefaults)
{
    const struct {
        const char* ini;
        const char* message; // empty: the skin is valid
        int width, height, upwidth, upheight;
    } rows[] = {
        {"[main]\nwidth=320\nheight=500\nupwidth=320\nupheight=34\n", "", 320, 500, 320, 34},
        {"[main]\nheight=0\n", "Invalid skin value [main] height = 0 (allowed 16-8192).", 250, 350, 200, 35},
        {"[main]\nwidth=-5\nupheight=0\n", "Invalid skin value [main] width = 0 (allowed 16-8192).", 250, 350,
         200, 35},
        {"[main]\nupwidth=15\n", "Invalid skin value [main] upwidth = 15 (allowed 16-8192).", 250, 350, 200, 35},
        {"[main]\nwidth=16\nheight=8192\n", "", 16, 8192, 200, 35},
    };
    for (const auto& row : rows) {
        TempDir d;
        ui::Skin s = ui::loadSkin(d.ini(row.ini));
        EXPECT_EQ(ui::refuseHiddenViews(s), row.message) << row.ini;
        EXPECT_EQ((std::array{s.width, s.height, s.upwidth, s.upheight}),
                  (std::array{row.width, row.height, row.upwidth, row.upheight}))
            << row.ini;
    }
}

TEST(ListIniNames, SortedNamesOfIniFilesOnly)
{
    TempDir d;
    for (const char* f : {"graphite.ini", "Classic.ini", "notes.txt", "b.INI"})
        std::ofstream(d.path / f) << "";
    fs::create_directories(d.path / "folder.ini");
    EXPECT_EQ(ui::listIniNames(d.path), (std::vector<std::string>{"b", "Classic", "graphite"}));
    EXPECT_TRUE(ui::listIniNames(d.path / "missing").empty());
}

} // namespace
