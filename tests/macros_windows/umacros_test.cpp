#include "window_fixture.h"

#include <QPushButton>
#include <QLineEdit>

#include <gtest/gtest.h>

namespace {

const char* const engineIni = R"([roots]
caption=Quadratic
type=3
numin=3
numout=3
incap1=a
incap2=b
incap3=c
outcap1=x1
outcap2=x2
expresion1=(-x2+sqrt(x2^2-4*x1*x3))/(2*x1)
expresion2=(-x2-sqrt(x2^2-4*x1*x3))/(2*x1)
expresion3=x2^2-4*x1*x3
[pair]
type=3
numin=2
numout=3
[defaults]
type=3
[empty]
type=3
numin=0
numout=0
)";

void setInputs(Tmacros& w, const QStringList& values)
{
    for (int r = 0; r < values.size(); ++r)
        w.inpdata->item(r, 1)->setText(values[r]);
}

} // namespace

TEST(Tmacros, ShowsTheMacroItWasOpenedFor)
{
    WindowFixture f("", engineIni);
    ASSERT_TRUE(f.host.macroclick("pair", f.engine));
    f.window.showMacro();
    EXPECT_TRUE(f.window.isVisible());
    EXPECT_FALSE(f.window.isModal());
    EXPECT_EQ(f.window.windowTitle(), " napis");
    EXPECT_EQ(f.window.height(), 170);
    EXPECT_EQ(f.window.inpdata->height(), 47);
    EXPECT_EQ(f.window.results->height(), 68);
    ASSERT_EQ(f.window.inpdata->rowCount(), 2);
    ASSERT_EQ(f.window.results->rowCount(), 3);
    EXPECT_EQ(WindowFixture::cell(f.window.inpdata, 1, 0), " vstup 2");
    EXPECT_EQ(WindowFixture::cell(f.window.inpdata, 1, 1), "0");
    EXPECT_EQ(WindowFixture::cell(f.window.results, 2, 0), QString::fromUtf8(" výstup 3"));
    EXPECT_EQ(WindowFixture::cell(f.window.results, 2, 1), "");
    EXPECT_TRUE(f.window.VypBut->isDefault());
    EXPECT_EQ(f.window.VypBut->text(), QString::fromUtf8("Vypočti"));
    EXPECT_EQ(f.window.ZavBut->text(), QString::fromUtf8("Zavřít"));
}

// The window grows with the taller grid: 21 pixels a row.
TEST(Tmacros, HeightFollowsTheRowCounts)
{
    struct Row {
        const char* macro;
        int window, inputs, results;
    } rows[] = {
        {"pair", 170, 47, 68},
        {"defaults", 128, 26, 26},
        {"empty", 107, 5, 5},
    };
    for (const Row& r : rows) {
        WindowFixture f("", engineIni);
        ASSERT_TRUE(f.host.macroclick(r.macro, f.engine)) << r.macro;
        f.window.showMacro();
        EXPECT_EQ(f.window.height(), r.window) << r.macro;
        EXPECT_EQ(f.window.inpdata->height(), r.inputs) << r.macro;
        EXPECT_EQ(f.window.results->height(), r.results) << r.macro;
    }
}

TEST(Tmacros, ComputeButtonFillsResults)
{
    struct Row {
        const char* name;
        QStringList inputs;
        QStringList results;
    } rows[] = {
        {"two roots", {"1", "-3", "2"}, {"2", "1", "1"}},
        {"complex roots give dashes, the discriminant is still computed", {"1", "0", "1"}, {" -", " -", "-4"}},
        {"a zero coefficient divides by zero", {"0", "2", "1"}, {" -", " -", "4"}},
    };
    for (const Row& r : rows) {
        WindowFixture f("", engineIni);
        ASSERT_TRUE(f.host.macroclick("roots", f.engine));
        f.window.showMacro();
        setInputs(f.window, r.inputs);
        f.window.VypBut->click();
        for (int j = 0; j < r.results.size(); ++j)
            EXPECT_EQ(WindowFixture::cell(f.window.results, j, 1), r.results[j]) << r.name << " result " << j;
        EXPECT_TRUE(f.services.messages.empty()) << r.name;
    }
}

TEST(Tmacros, BadInputIsMacroErrorAndResultsStay)
{
    WindowFixture f("", engineIni, ',');
    ASSERT_TRUE(f.host.macroclick("roots", f.engine));
    f.window.showMacro();
    setInputs(f.window, {"1", "-3", "2"});
    f.window.VypBut->click();
    setInputs(f.window, {"1", "-3", "2.5"});
    f.window.VypBut->click();
    ASSERT_EQ(f.services.messages.size(), 1u);
    EXPECT_EQ(f.services.messages[0].text, "Macro error.");
    EXPECT_EQ(f.services.beeps, 1);
    EXPECT_EQ(WindowFixture::cell(f.window.results, 0, 1), "2");
}

TEST(Tmacros, CellBeingEditedIsUsed)
{
    WindowFixture f("", engineIni);
    ASSERT_TRUE(f.host.macroclick("roots", f.engine));
    f.window.showMacro();
    setInputs(f.window, {"1", "0", "0"});
    f.window.inpdata->setCurrentCell(2, 1);
    f.window.inpdata->editItem(f.window.inpdata->item(2, 1));
    auto* editor = f.window.inpdata->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    editor->setText("-4");
    f.window.VypBut->click();
    EXPECT_EQ(WindowFixture::cell(f.window.results, 2, 1), "16");
}

TEST(Tmacros, CloseButtonHides)
{
    WindowFixture f("", engineIni);
    ASSERT_TRUE(f.host.macroclick("pair", f.engine));
    f.window.showMacro();
    f.window.ZavBut->click();
    EXPECT_FALSE(f.window.isVisible());
}
