// Keyboard users reach every menu and every dialog control with Alt and a letter: each menu, menu
// command, button and labelled field of the shipped languages has a mnemonic, and no two in one
// menu or one dialog share a letter (the first would always win). Without a language file the
// built-in texts still work, with no letter taken twice.
#include "app/program.h"
#include "platform/headless/headless_services.h"
#include "test_support.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Caption {
    QString text;
    std::string where;
};

// The letters of one menu or one dialog, and what lacks one.
struct Check {
    std::vector<std::string> missing;
    std::vector<std::string> twice;

    void add(const std::vector<Caption>& captions, bool required, const std::string& group)
    {
        std::map<int, std::string> taken;
        for (const Caption& c : captions) {
            const QKeySequence key = QKeySequence::mnemonic(c.text);
            if (key.isEmpty()) {
                if (required)
                    missing.push_back(group + ": " + c.where + " \"" + c.text.toStdString() + "\"");
                continue;
            }
            const auto [it, fresh] = taken.emplace(key[0].toCombined(), c.where);
            if (!fresh)
                twice.push_back(group + ": " + it->second + " and " + c.where + " (" + key.toString().toStdString() + ")");
        }
    }
};

QWidget* topLevel(const QString& name)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name && !qobject_cast<QMenu*>(w))
            return w;
    return nullptr;
}

// A menu's commands and submenus; the submenus of the menus that insert language text hold
// that text as their captions, and the recent sheets are numbered by their place.
void checkMenu(QMenu* menu, bool required, Check& check)
{
    std::vector<Caption> captions;
    for (QAction* a : menu->actions()) {
        if (a->isSeparator() || !a->isVisible() || a->text().isEmpty())
            continue;
        const bool insertsText = menu->objectName() == "mifunc" || menu->objectName() == "mistate"
                                 || (menu->menuAction() && menu->parent() && (menu->parent()->objectName() == "mifunc"
                                                                              || menu->parent()->objectName() == "mistate"));
        if (!a->menu() && (insertsText || a->objectName().isEmpty()))
            continue;
        captions.push_back({a->text(), a->objectName().toStdString()});
        if (a->menu())
            checkMenu(a->menu(), required, check);
    }
    check.add(captions, required, menu->objectName().toStdString());
}

void checkDialog(QWidget* dialog, bool required, Check& check)
{
    std::vector<Caption> captions;
    for (QAbstractButton* b : dialog->findChildren<QAbstractButton*>())
        if (b->isVisibleTo(dialog) && !b->text().isEmpty())
            captions.push_back({b->text(), b->objectName().toStdString()});
    for (QLabel* l : dialog->findChildren<QLabel*>())
        if (l->buddy() && l->isVisibleTo(dialog))
            captions.push_back({l->text(), l->buddy()->objectName().toStdString()});
    check.add(captions, required, dialog->objectName().toStdString());
}

TEST(Mnemonics, EveryMenuAndDialogCaptionHasItsOwnLetter)
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
        dir.writeFile("settings.ini", "");
        platform::HeadlessServices services{','};
        app::Program program(dir.path(), services);
        program.show();
        for (const char* action : {"AText", "ABase", "AStat", "ALinear"})
            program.openWindow(action);
        const bool required = *language;
        Check check;
        QWidget* text = topLevel("Textm");
        ASSERT_NE(text, nullptr);
        std::vector<Caption> bar;
        for (QAction* a : text->findChild<QMenuBar*>()->actions()) {
            bar.push_back({a->text(), a->menu()->objectName().toStdString()});
            checkMenu(a->menu(), required, check);
        }
        check.add(bar, required, "menu bar");
        for (const char* name : {"find", "base", "statm", "linsys", "settings", "about", "macros"}) {
            QWidget* w = topLevel(name);
            ASSERT_NE(w, nullptr) << name;
            checkDialog(w, required, check);
        }
        EXPECT_EQ(check.missing, std::vector<std::string>{});
        EXPECT_EQ(check.twice, std::vector<std::string>{});
        program.main().close();
    }
}

} // namespace
