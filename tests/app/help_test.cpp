// Help and settings.ini from the dialogs: they open while another window than the keypad is
// active, and a missing viewer is reported with the file's name.
#include "app/program.h"
#include "app/uabout.h"
#include "app/usettings.h"
#include "platform/headless/headless_services.h"
#include "plain_install.h"
#include "test_support.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>

namespace {

using Install = PlainInstall;

struct HelpCase {
    const char* name;
    std::function<void(app::Program&)> use;
    const char* file;
};

const HelpCase kHelpCases[] = {
    {"AboutHelpButton", [](app::Program& p) { p.about()->NapBut->click(); }, "Help.htm"},
    {"AboutLink", [](app::Program& p) { emit p.about()->odkaz->linkActivated("Help.htm"); }, "Help.htm"},
    {"SettingsHelpButton", [](app::Program& p) { p.settingsDialog()->NapBut->click(); }, "Help.htm"},
    {"SettingsFileButton", [](app::Program& p) { p.settingsDialog()->SetBut->click(); }, "settings.ini"},
};

class DialogHelp : public testing::TestWithParam<HelpCase> {};

TEST_P(DialogHelp, OpensItsFileWhileTheKeypadIsInactive)
{
    Install in;
    app::Program program(in.dir.path(), in.services);
    in.services.messages.clear(); // start-up's notes on missing data files
    program.main().ShortCuts(false); // the dialog is the active window
    GetParam().use(program);
    ASSERT_EQ(in.services.openedDocuments.size(), 1u);
    EXPECT_EQ(in.services.openedDocuments[0], in.dir.path() / GetParam().file);
    EXPECT_TRUE(in.services.messages.empty());
}

TEST_P(DialogHelp, WithoutAViewerNamesTheFile)
{
    Install in;
    in.services.viewerStarts = false;
    app::Program program(in.dir.path(), in.services);
    in.services.messages.clear();
    GetParam().use(program);
    ASSERT_EQ(in.services.messages.size(), 1u);
    EXPECT_EQ(in.services.messages[0].kind, platform::MessageKind::Warning);
    EXPECT_EQ(in.services.messages[0].text, "No viewer could be started for \"" +
                                                (in.dir.path() / GetParam().file).string() +
                                                "\". Please open the file yourself.");
}

INSTANTIATE_TEST_SUITE_P(Help, DialogHelp, testing::ValuesIn(kHelpCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Help, KeypadHelpWithoutAViewerNamesTheFile)
{
    Install in;
    in.services.viewerStarts = false;
    app::Program program(in.dir.path(), in.services);
    in.services.messages.clear();
    program.main().action("AHelp")->trigger();
    ASSERT_EQ(in.services.messages.size(), 1u);
    EXPECT_NE(in.services.messages[0].text.find((in.dir.path() / "Help.htm").string()), std::string::npos);
}

} // namespace

namespace {

QWidget* topLevel(const char* name)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isWindow())
            return w;
    return nullptr;
}

// F1 as the user presses it: in the active window, wherever its focus is.
void pressF1(QWidget* window)
{
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : window;
    QTest::keyClick(target, Qt::Key_F1);
}

struct F1Case {
    const char* name;
    const char* window;
    const char* page;
};

const F1Case kF1Cases[] = {
    {"TextCalculator", "Textm", "language"}, {"Statistics", "statm", "statistics"},
    {"LinearSystems", "linsys", "linear"},   {"BaseConversion", "base", "base"},
    {"Macros", "macros", "macros"},          {"FindReplace", "find", "find"},
};

class F1 : public testing::TestWithParam<F1Case> {};

// A language with a manual shows its own; one without (and no language file at all) the
// English manual.
TEST_P(F1, OpensTheWindowsPageInTheManualOfTheLanguage)
{
    const struct {
        const char* languages; // langs/*.ini, sorted; settings pick the first
        const char* manual;
    } languages[] = {{"cestina", "cestina"}, {"deutsch", "english"}, {"", "english"}};
    for (const auto& l : languages) {
        SCOPED_TRACE(l.languages);
        Install in;
        if (*l.languages)
            in.dir.writeFile(std::string("langs/") + l.languages + ".ini", "[lang]\n");
        in.dir.writeFile("manual/cestina/index.html", "");
        in.dir.writeFile("manual/english/index.html", "");
        app::Program program(in.dir.path(), in.services);
        program.show();
        in.services.messages.clear();
        QWidget* window = topLevel(GetParam().window);
        ASSERT_NE(window, nullptr);
        pressF1(window);
        ASSERT_EQ(in.services.openedDocuments.size(), 1u);
        EXPECT_EQ(in.services.openedDocuments[0],
                  in.dir.path() / "manual" / l.manual / (std::string(GetParam().page) + ".html"));
        EXPECT_TRUE(in.services.messages.empty());
        window->hide();
        program.main().close();
    }
}

INSTANTIATE_TEST_SUITE_P(Help, F1, testing::ValuesIn(kF1Cases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Help, TextCalculatorHelpWithoutAViewerNamesThePage)
{
    Install in;
    in.services.viewerStarts = false;
    app::Program program(in.dir.path(), in.services);
    program.show();
    in.services.messages.clear();
    pressF1(topLevel("Textm"));
    ASSERT_EQ(in.services.messages.size(), 1u);
    EXPECT_EQ(in.services.messages[0].text, "No viewer could be started for \"" +
                                                (in.dir.path() / "manual/english/language.html").string() +
                                                "\". Please open the file yourself.");
    program.main().close();
}

} // namespace
