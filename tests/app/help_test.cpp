// Help and settings.ini from the dialogs: they open while another window than the keypad is
// active, and a missing viewer is reported with the file's name.
#include "app/program.h"
#include "app/uabout.h"
#include "app/usettings.h"
#include "platform/headless/headless_services.h"
#include "platform/qt/qt_services.h"
#include "plain_install.h"
#include "test_support.h"

#include <QAction>
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

// The desktop's launcher may start and then find no viewer: its exit status is the failure.
TEST(Help, LauncherThatFindsNoViewerIsAFailure)
{
    const struct {
        const char* launcher;
        bool fails;
    } rows[] = {{"true", false}, {"false", true}, {"/nonexistent/launcher", true}};
    for (const auto& r : rows) {
        platform::QtServices services;
        services.setLauncher(r.launcher);
        int failures = 0;
        services.openDocument("Help.htm", [&failures] { ++failures; });
        QTest::qWait(300);
        EXPECT_EQ(failures, r.fails ? 1 : 0) << r.launcher;
    }
}

} // namespace
