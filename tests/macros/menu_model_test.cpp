#include "macros/menu_model.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

using macros::buildMenu;
using macros::MenuEntry;

namespace {

// "name:caption" per entry, "*" when it has a picture, "!" when it runs no macro, children in
// brackets: "a:A[b:B c:C]".
std::string describe(const std::vector<MenuEntry>& entries)
{
    std::string out;
    for (const MenuEntry& e : entries) {
        if (!out.empty())
            out += ' ';
        out += e.name + ':' + e.caption;
        if (!e.picture.empty())
            out += '*';
        if (!e.runsMacro)
            out += '!';
        if (!e.children.empty())
            out += '[' + describe(e.children) + ']';
    }
    return out;
}

struct MenuRow {
    const char* name;
    const char* tree;
    const char* engine;
    std::vector<std::string> reserved;
    const char* expected;
};

const char* const twoLeaves = "[pi]\ncaption=Pi\n[e]\ncaption=Euler\n";

const MenuRow menuRows[] = {
    {"leaves take captions from the engine file",
     "[main]\nnum=2\n[main.1]\nname=pi\n[main.2]\nname=e\n", twoLeaves, {}, "pi:Pi e:Euler"},
    {"submenu takes its caption from the tree file",
     "[main]\nnum=1\n[main.1]\nnum=2\nname=consts\ncaption=Constants\n"
     "[main.1.1]\nname=pi\n[main.1.2]\nname=e\n",
     twoLeaves, {}, "consts:Constants![pi:Pi e:Euler]"},
    {"three levels, the third level's num only marks it as no macro",
     "[main]\nnum=1\n[main.1]\nnum=1\nname=a\ncaption=A\n[main.1.1]\nnum=1\nname=b\ncaption=B\n"
     "[main.1.1.1]\nnum=3\nname=c\ncaption=C\n[main.1.1.1.1]\nname=d\n",
     "", {}, "a:A![b:B![c:C!]]"},
    {"defaults for a missing caption", "[main]\nnum=2\n[main.1]\nname=leaf\n[main.2]\nnum=1\nname=sub\n"
     "[main.2.1]\nname=inner\n", "", {}, "leaf:napis sub:napis![inner:napis]"},
    {"a missing section is a leaf named jmeno", "[main]\nnum=1\n", "", {}, "jmeno:napis"},
    {"two missing sections: the second jmeno is a duplicate", "[main]\nnum=3\n[main.2]\nname=pi\n",
     twoLeaves, {}, "jmeno:napis pi:Pi"},
    {"invalid name drops the entry with its children",
     "[main]\nnum=3\n[main.1]\nname=ok1\n[main.2]\nnum=1\nname=2bad\n[main.2.1]\nname=child\n"
     "[main.3]\nname=ok3\n",
     "", {}, "ok1:napis ok3:napis"},
    {"names with a dash, a blank, a dot or a letter beyond ASCII are invalid",
     "[main]\nnum=5\n[main.1]\nname=a-b\n[main.2]\nname=a b\n[main.3]\nname=a.b\n"
     "[main.4]\nname=\xC5\xA1\x65\n[main.5]\nname=_x9\n",
     "", {}, "_x9:napis"},
    {"an empty name is invalid", "[main]\nnum=2\n[main.1]\nname=\n[main.2]\nname=b\n", "", {}, "b:napis"},
    {"duplicate on one level drops the second with its children",
     "[main]\nnum=3\n[main.1]\nname=pi\n[main.2]\nnum=1\nname=PI\ncaption=Dup\n"
     "[main.2.1]\nname=child\n[main.3]\nname=e\n",
     twoLeaves, {}, "pi:Pi e:Euler"},
    {"a name used on another level is a duplicate too",
     "[main]\nnum=2\n[main.1]\nnum=1\nname=sub\ncaption=S\n[main.1.1]\nname=e\n[main.2]\nname=e\n",
     twoLeaves, {}, "sub:S![e:Euler]"},
    {"a dropped entry leaves its name free",
     "[main]\nnum=2\n[main.1]\nnum=300\nname=pi\n[main.2]\nname=pi\n", twoLeaves, {}, "pi:Pi"},
    {"names of the window's own components are taken",
     "[main]\nnum=2\n[main.1]\nname=Plus\n[main.2]\nname=pi\n", twoLeaves, {"plus", "display"}, "pi:Pi"},
    {"a count above 255 drops the entry", "[main]\nnum=2\n[main.1]\nnum=256\nname=big\n[main.2]\nname=pi\n",
     twoLeaves, {}, "pi:Pi"},
    {"a negative count drops the entry", "[main]\nnum=2\n[main.1]\nnum=-1\nname=neg\n[main.2]\nname=pi\n",
     twoLeaves, {}, "pi:Pi"},
    {"a count of 255 is read", "[main]\nnum=1\n[main.1]\nnum=255\nname=sub\ncaption=S\n[main.1.2]\nname=pi\n",
     twoLeaves, {}, "sub:S![jmeno:napis pi:Pi]"},
    {"a top count above 255 gives no entries", "[main]\nnum=256\n[main.1]\nname=pi\n", twoLeaves, {}, ""},
    {"a hex count is read", "[main]\nnum=0x2\n[main.1]\nname=pi\n[main.2]\nname=e\n", twoLeaves, {},
     "pi:Pi e:Euler"},
    {"an unconvertible count is 0", "[main]\nnum=1\n[main.1]\nnum=many\nname=pi\n[main.1.1]\nname=e\n",
     twoLeaves, {}, "pi:Pi"},
    {"no main section gives no entries", "[main.1]\nname=pi\n", twoLeaves, {}, ""},
    {"sections and keys ignore case", "[MAIN]\nNUM=1\n[Main.1]\nName=pi\n", "[PI]\nCAPTION=Pi\n", {}, "pi:Pi"},
    {"garbage files give no entries", "\x01\x02[[[\n=\n]]]garbage\xff\xfe\nnum=5\n", "\x7f[x\n=\n\xc3", {}, ""},
};

} // namespace

TEST(MacroMenu, BuildsFromTreeAndEngineFiles)
{
    for (const MenuRow& row : menuRows) {
        TempDir dir;
        platform::IniFile tree(dir.write("macro_tree.ini", row.tree));
        platform::IniFile engine(dir.write("macro_engine.ini", row.engine));
        EXPECT_EQ(describe(buildMenu(tree, engine, dir.path() / "macropics", row.reserved)), row.expected)
            << row.name;
    }
}

TEST(MacroMenu, MissingFilesGiveNoEntries)
{
    TempDir dir;
    platform::IniFile tree(dir.path() / "macro_tree.ini");
    platform::IniFile engine(dir.path() / "macro_engine.ini");
    EXPECT_TRUE(buildMenu(tree, engine, dir.path() / "macropics").empty());
}

TEST(MacroMenu, PicturesAreTheEntriesBitmapsWhenTheyExist)
{
    TempDir dir;
    dir.write("macropics/pi.bmp", "BM");
    dir.write("macropics/sub.bmp", "BM");
    dir.write("macropics/e.png", "not the right extension");
    std::filesystem::create_directories(dir.path() / "macropics" / "dir.bmp");
    platform::IniFile tree(dir.write("macro_tree.ini",
                                     "[main]\nnum=3\n[main.1]\nname=pi\n[main.2]\nname=e\n"
                                     "[main.3]\nnum=1\nname=sub\ncaption=S\n[main.3.1]\nname=dir\n"));
    platform::IniFile engine(dir.write("macro_engine.ini", twoLeaves));
    const auto menu = buildMenu(tree, engine, dir.path() / "macropics");
    EXPECT_EQ(describe(menu), "pi:Pi* e:Euler sub:S*![dir:napis]");
    EXPECT_EQ(menu[0].picture, dir.path() / "macropics" / "pi.bmp");
}
