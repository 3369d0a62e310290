// The shipped language files in the running program: what the windows say in each language.
#include "app/program.h"
#include "platform/headless/headless_services.h"
#include "test_support.h"

#include "tools/ubase.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QTableWidget>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string>
#include <filesystem>
#include <vector>

namespace {

namespace fs = std::filesystem;

// A program directory with the shipped language files; `language` selects one of them by its
// index in the sorted list (cestina, english), -1 none (a first start: the locale's language).
struct Install {
    testsupport::ProgramDir dir;
    platform::HeadlessServices services{','};
    explicit Install(int language)
    {
        dir.writeSkin("alpha");
        dir.makeDir("langs");
        for (const char* name : {"cestina.ini", "english.ini"})
            fs::copy_file(fs::path(ZOLT_DATA_DIR) / "langs" / name, dir.path() / "langs" / name);
        for (const char* name : {"macro_tree.ini", "macro_engine.ini"})
            fs::copy_file(fs::path(ZOLT_DATA_DIR) / name, dir.path() / name);
        dir.writeFile("settings.ini", language < 0 ? "" : "[settings_window]\nlanguage=" + std::to_string(language) + "\n");
    }
};

// The user's locale for the messages while it lives; the previous one comes back.
class ScopedLocale {
public:
    ScopedLocale(const char* locale, const char* languageList = nullptr)
    {
        for (const char* name : kNames) {
            const char* value = std::getenv(name);
            m_saved.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
            ::unsetenv(name);
        }
        ::setenv("LANG", locale, 1);
        if (languageList)
            ::setenv("LANGUAGE", languageList, 1);
    }
    ~ScopedLocale()
    {
        for (const auto& [name, value] : m_saved)
            value ? ::setenv(name, value->c_str(), 1) : ::unsetenv(name);
    }

private:
    static constexpr const char* kNames[] = {"LANG", "LANGUAGE", "LC_ALL", "LC_MESSAGES"};
    std::vector<std::pair<const char*, std::optional<std::string>>> m_saved;
};

QWidget* topLevel(const char* name)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name)
            return w;
    return nullptr;
}

// The base conversion reads only a comma before the places: its caption says so.
TEST(Languages, BaseConversionPlacesCaptionNamesTheComma)
{
    const struct {
        int language;
        const char* caption;
    } rows[] = {{-1, "Počet &desetinných míst za čárkou :"},
                {0, "Počet &desetinných míst za čárkou :"},
                {1, "&Places after the comma:"}};
    const ScopedLocale czech("cs_CZ.UTF-8"); // the first start (-1) is in Czech
    for (const auto& r : rows) {
        Install in(r.language);
        app::Program program(in.dir.path(), in.services);
        program.show();
        program.openWindow("ABase");
        auto* base = qobject_cast<tools::Tbase*>(topLevel("base"));
        ASSERT_NE(base, nullptr);
        EXPECT_EQ(base->mistaLabel->text().toStdString(), r.caption) << r.language;
        program.main().close();
    }
}

// Qt's own dialogs, buttons and menus speak the chosen language, and so do the message boxes'
// titles; a language chosen later replaces them.
TEST(Languages, QtsOwnTextsAndBoxTitlesFollowTheLanguage)
{
    const struct {
        int language;
        const char* cancel;   // a standard button of Qt's dialogs
        const char* selectAll; // an item of the sheet's context menu
        const char* errorTitle;
    } rows[] = {{-1, "Zrušit", "Vybrat vše", "Chyba"},
                {0, "Zrušit", "Vybrat vše", "Chyba"},
                {1, "Cancel", "Select All", "Error"}};
    const ScopedLocale czech("cs_CZ.UTF-8"); // the first start (-1) is in Czech
    for (const auto& r : rows) {
        SCOPED_TRACE(r.language);
        Install in(r.language);
        app::Program program(in.dir.path(), in.services);
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel").toStdString(), r.cancel);
        EXPECT_EQ(QCoreApplication::translate("QWidgetTextControl", "Select All").toStdString(), r.selectAll);
        EXPECT_EQ(in.services.messageTitles[static_cast<size_t>(platform::MessageKind::Error)], r.errorTitle);
    }
}

// Every text a user can read in the windows: titles, labels, buttons, menus and hints.
std::vector<QString> readableTexts(QWidget* window)
{
    std::vector<QString> texts{window->windowTitle(), window->toolTip()};
    for (QWidget* w : window->findChildren<QWidget*>()) {
        texts.push_back(w->toolTip());
        if (auto* l = qobject_cast<QLabel*>(w))
            texts.push_back(l->text());
        if (auto* b = qobject_cast<QAbstractButton*>(w))
            texts.push_back(b->text());
        if (auto* g = qobject_cast<QGroupBox*>(w))
            texts.push_back(g->title());
        if (auto* t = qobject_cast<QTableWidget*>(w))
            for (int r = 0; r < t->rowCount(); ++r)
                if (t->item(r, 0))
                    texts.push_back(t->item(r, 0)->text());
    }
    for (QAction* a : window->findChildren<QAction*>())
        texts.insert(texts.end(), {a->text(), a->toolTip()});
    return texts;
}

bool looksCzech(const QString& text)
{
    static const QString letters = QString::fromUtf8("áčďéěíňóřšťúůýžÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ");
    return std::any_of(text.begin(), text.end(), [](QChar c) { return letters.contains(c); });
}

// Runs every macro entry; the macro windows it opens are checked as they are shown.
void openEveryMacro(QMenu* menu, std::vector<QString>& texts, QWidget* macroWindow)
{
    for (QAction* a : menu->actions()) {
        if (a->menu()) {
            openEveryMacro(a->menu(), texts, macroWindow);
        } else if (a->property("macroName").isValid()) {
            a->trigger();
            if (macroWindow && macroWindow->isVisible()) {
                const auto shown = readableTexts(macroWindow);
                texts.insert(texts.end(), shown.begin(), shown.end());
                macroWindow->hide();
            }
        }
    }
}

// A settings file without a language (the shipped one names none) starts in the language of the
// user's locale, Czech for Czech and English for any other, and keeps it at shut-down; a
// language in the file wins over the locale.
TEST(Languages, FirstStartFollowsTheLocale)
{
    const struct {
        const char* name;
        const char* locale;
        const char* languageList; // GNU's LANGUAGE, or none
        int saved;                // -1: no key
        const char* title;        // the settings dialog's
        int written;
    } rows[] = {
        {"English", "en_US.UTF-8", nullptr, -1, " Settings", 1},
        {"Czech", "cs_CZ.UTF-8", nullptr, -1, " Nastavení", 0},
        {"German", "de_DE.UTF-8", nullptr, -1, " Settings", 1},
        {"PlainC", "C", nullptr, -1, " Settings", 1},
        {"LanguageListFirst", "en_US.UTF-8", "cs:en", -1, " Nastavení", 0},
        {"SavedWins", "cs_CZ.UTF-8", nullptr, 1, " Settings", 1},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        const ScopedLocale locale(r.locale, r.languageList);
        Install in(r.saved);
        app::Program program(in.dir.path(), in.services);
        program.show();
        EXPECT_EQ(topLevel("settings")->windowTitle().toStdString(), r.title);
        program.vypni();
        EXPECT_NE(in.dir.readFile("settings.ini").find("language=" + std::to_string(r.written) + "\n"),
                  std::string::npos) << in.dir.readFile("settings.ini");
    }
}

TEST(Languages, EnglishLeavesNoCzechText)
{
    Install in(1);
    app::Program program(in.dir.path(), in.services);
    program.show();
    for (const char* window : {"ABase", "AStat", "ALinear"})
        program.openWindow(window);
    std::vector<QString> texts;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (!w->isWindow() || qobject_cast<QMenu*>(w))
            continue;
        const auto shown = readableTexts(w);
        texts.insert(texts.end(), shown.begin(), shown.end());
    }
    for (QMenu* menu : program.main().findChildren<QMenu*>())
        for (QAction* a : menu->actions())
            texts.push_back(a->text());
    openEveryMacro(program.main().hlavni, texts, topLevel("macros"));
    std::vector<std::string> czech;
    for (const QString& t : texts)
        if (looksCzech(t))
            czech.push_back(t.toStdString());
    EXPECT_EQ(czech, std::vector<std::string>{});
    EXPECT_GT(texts.size(), 300u); // the sweep reached the windows and the macros
    program.main().close();
}

} // namespace
