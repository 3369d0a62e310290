#include "macros/macro_menu.h"
#include "window_fixture.h"

#include <QAction>
#include <QImage>
#include <QMenu>

#include <gtest/gtest.h>

namespace {

const char* const tree = R"([main]
num=4
[main.1]
name=half
[main.2]
num=2
name=sub
caption=Submenu
[main.2.1]
name=root
[main.2.2]
name=plus
[main.3]
name=win
[main.4]
name=noPicture
)";

const char* const engineIni = R"([half]
caption=Half
type=1
expresion=x/2
[root]
caption=Root
type=1
expresion=sqrt(x)
[win]
caption=Window
type=3
numin=1
numout=1
)";

QStringList describe(const QMenu* menu)
{
    QStringList out;
    for (const QAction* a : menu->actions()) {
        QString text = a->objectName() + ":" + a->text() + (a->icon().isNull() ? "" : "*");
        if (a->menu())
            text = a->menu()->objectName() + ":" + a->menu()->title() + (a->icon().isNull() ? "" : "*") + "[" +
                   describe(a->menu()).join(' ') + "]";
        out << text;
    }
    return out;
}

QAction* findAction(QMenu* menu, const QString& name)
{
    for (QAction* a : menu->findChildren<QAction*>())
        if (a->objectName() == name)
            return a;
    return nullptr;
}

} // namespace

TEST(MacroMenuBuilder, AddsEntriesWithPicturesAfterExistingItems)
{
    WindowFixture f(tree, engineIni);
    std::filesystem::create_directories(f.dir.path() / "macropics");
    QImage picture(16, 16, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(QString::fromStdString((f.dir.path() / "macropics/half.bmp").string()), "BMP"));
    ASSERT_TRUE(picture.save(QString::fromStdString((f.dir.path() / "macropics/sub.bmp").string()), "BMP"));
    // A picture in another format under the bitmap's name is left out, as is garbage.
    ASSERT_TRUE(picture.save(QString::fromStdString((f.dir.path() / "macropics/root.bmp").string()), "PNG"));
    f.dir.write("macropics/win.bmp", "BM this is not a bitmap");

    QObject owner;
    QObject control(&owner);
    control.setObjectName("plus"); // a control of the window: no macro may take its name
    QMenu hlavni;
    hlavni.addAction("textitem");
    macros::addMacroMenu(&hlavni, f.host, f.engine, f.window, &owner);

    EXPECT_EQ(describe(&hlavni).join(' '), ":textitem half:Half* sub:Submenu*[root:Root] win:Window noPicture:napis");
}

TEST(MacroMenuBuilder, LeavesRunTheirMacros)
{
    WindowFixture f(tree, engineIni);
    QMenu hlavni;
    macros::addMacroMenu(&hlavni, f.host, f.engine, f.window, nullptr);
    f.engine.press(keypad::Control::c9);

    QAction* root = findAction(&hlavni, "root");
    ASSERT_NE(root, nullptr);
    root->trigger();
    EXPECT_EQ(f.engine.labels().display, "3");
    EXPECT_EQ(f.engine.trail(), " 9 root");

    findAction(&hlavni, "half")->trigger();
    EXPECT_EQ(f.engine.labels().display, "1.5");
    EXPECT_FALSE(f.window.isVisible());

    findAction(&hlavni, "win")->trigger();
    EXPECT_TRUE(f.window.isVisible());
    EXPECT_EQ(f.window.windowTitle(), " Window");
}

TEST(MacroMenuBuilder, EntriesWithoutChildrenArePlainItemsThatDoNothing)
{
    const char* const deepTree = R"([main]
num=2
[main.1]
num=1
name=deep
caption=Deep
[main.1.1]
num=1
name=mid
caption=Mid
[main.1.1.1]
num=3
name=bottom
caption=Bottom
[main.2]
num=1
name=orphan
caption=Orphan
[main.2.1]
name=1bad
)";
    WindowFixture f(deepTree, engineIni);
    QMenu hlavni;
    macros::addMacroMenu(&hlavni, f.host, f.engine, f.window, nullptr);
    EXPECT_EQ(describe(&hlavni).join(' '), "deep:Deep[mid:Mid[bottom:Bottom]] orphan:Orphan");

    f.engine.press(keypad::Control::c9);
    for (const char* name : {"bottom", "orphan"}) {
        QAction* item = findAction(&hlavni, name);
        ASSERT_NE(item, nullptr) << name;
        item->trigger();
        EXPECT_EQ(f.engine.labels().display, "9") << name;
        EXPECT_TRUE(f.services.messages.empty()) << name;
    }
}
