// A screen reader announces every control by its name: each window's accessible tree (as Qt
// gives it to the desktop's bus) has no interactive object without one, in Czech and in English.
// The keypad's own keys are tested with the keypad.
#include "accessible_tree.h"
#include "app/program.h"
#include "platform/headless/headless_services.h"
#include "test_support.h"

#include <QApplication>
#include <QMenu>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// The windows that are not the keypad, each shown as the user opens it.
const char* const kWindows[] = {"Textm", "find", "base", "statm", "linsys", "settings", "trail", "about", "macros",
                                "dmsdeg"};

QWidget* topLevel(const QString& name)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name && !qobject_cast<QMenu*>(w))
            return w;
    return nullptr;
}

TEST(AccessibleNames, EveryInteractiveObjectOfEveryWindowHasAName)
{
    for (const char* language : {"", "cestina", "english"}) {
        SCOPED_TRACE(std::string("language file: ") + language);
        testsupport::ProgramDir dir;
        dir.writeSkin("alpha");
        dir.makeDir("langs");
        if (*language)
            fs::copy_file(fs::path(ZOLT_DATA_DIR) / "langs" / (std::string(language) + ".ini"),
                          dir.path() / "langs" / (std::string(language) + ".ini"));
        for (const char* name : {"macro_tree.ini", "macro_engine.ini"})
            fs::copy_file(fs::path(ZOLT_DATA_DIR) / name, dir.path() / name);
        dir.writeFile("settings.ini", "[recorder]\nactive=1\n");
        platform::HeadlessServices services{','};
        app::Program program(dir.path(), services);
        program.show();
        for (const char* action : {"AText", "ABase", "AStat", "ALinear"})
            program.openWindow(action);
        for (const char* name : {"find", "settings", "about", "macros", "dmsdeg"})
            if (QWidget* w = topLevel(name))
                w->show();
        for (const char* name : kWindows) {
            SCOPED_TRACE(name);
            QWidget* w = topLevel(name);
            ASSERT_NE(w, nullptr);
            ASSERT_TRUE(w->isVisible());
            EXPECT_GT(test_support::interactiveCount(w), 0);
            EXPECT_EQ(test_support::unnamedInteractive(w), std::vector<std::string>{});
            w->hide();
        }
        program.main().close();
    }
}

} // namespace
