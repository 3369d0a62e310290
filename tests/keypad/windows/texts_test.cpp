// Texts of the keypad windows from a language file, with the shortcuts appended to key hints.
#include "keypad/windows/keyimage.h"
#include "keypad/windows/udmsdeg.h"
#include "keypad/windows/umain.h"
#include "keypad/windows/utrail.h"
#include "platform/headless/headless_services.h"
#include "test_support.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

struct Texts {
    testsupport::ProgramDir dir;
    platform::HeadlessServices services{'.'};
    settings::Settings settings;
    keypad::Tmain main{services, settings, dir.path()};
    keypad::Ttrail trail;
    keypad::Tdmsdeg dms;

    Texts()
    {
        dir.writeSkin("grid");
        main.attach(&trail, &dms);
        main.skinuj("grid");
    }
    // Applies the shortcuts of the record, then the language file (or none).
    void apply(const std::string& langFile = {})
    {
        main.applyShortcuts();
        if (langFile.empty()) {
            main.popis(ui::Language());
        } else {
            dir.writeFile("langs/test.ini", langFile);
            main.popis(ui::Language(dir.path() / "langs" / "test.ini"));
        }
    }
    std::string hint(const char* key) const { return main.key(key)->toolTip().toStdString(); }
    std::string item(QMenu* menu, const char* name) const
    {
        for (QAction* a : menu->actions())
            if (a->objectName() == name)
                return a->text().toStdString();
        return "(no item)";
    }
};

size_t shortcutIndex(const char* key)
{
    for (size_t i = 0; i < settings::mainShortcutKeys.size(); ++i)
        if (std::string(settings::mainShortcutKeys[i].key) == key)
            return i;
    return settings::mainShortcutKeys.size();
}

TEST(KeyHints, CzechDefaultsWithTheShortcutOfTheKeysAction)
{
    Texts t;
    t.apply();
    const struct {
        const char* key;
        const char* hint;
    } rows[] = {
        {"sinus", "Sinus / arcussinus (S)"},
        {"c5", "Číslice 5 (5)"},
        {"krat", "Násobení (*)"},
        {"carka", "Desetinná čárka / vymazání pamětí (,)"},
        {"shift", "Funkční přepínač (SHIFT)"},
        {"clear", "Nulování displeje (BkSp)"},
        {"prepdrg", "Úhlová jednotka / převod úhlu (Alt)"},
        {"pmem", "Přičtení do paměti / odečtení z paměti (F4)"},
        {"rmem", "Vyvolání paměti / uložení do paměti (F3)"},
        {"dekadicky", "Dekadický logaritmus / 10 na x (G)"},
        {"logaritmus", "Logaritmus o základu / obrácená funkce (N)"},
        {"mode", "Nastavení (F2)"},
        {"offitko", "Konec (Esc)"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(t.hint(r.key), r.hint) << r.key;
}

TEST(KeyHints, FollowTheShortcutsOfSettings)
{
    Texts t;
    t.settings.mainShortcuts[shortcutIndex("sin")] = "";
    t.settings.mainShortcuts[shortcutIndex("mp")] = "Ctrl+M";
    t.settings.mainShortcuts[shortcutIndex("mr")] = "Shift+F5";
    t.apply();
    EXPECT_EQ(t.hint("sinus"), "Sinus / arcussinus");
    EXPECT_EQ(t.hint("pmem"), "Přičtení do paměti / odečtení z paměti (Ctrl+M)");
    EXPECT_EQ(t.hint("rmem"), "Vyvolání paměti / uložení do paměti (Shift+F5)");
}

TEST(LanguageFile, ReplacesCaptionsHintsAndTitles)
{
    Texts t;
    t.apply("[lang]\nsin=Sine / arcsine\nlinea=Linear systems\ntrail=Calculation trail\ndigit=Digit\n"
            "degrees=degrees\nok=Fine\nquit=Off\nminim=Minimise\nexpon=Exponent part\n");
    EXPECT_EQ(t.hint("sinus"), "Sine / arcsine (S)");
    EXPECT_EQ(t.hint("c0"), "Digit 0 (0)");
    EXPECT_EQ(t.hint("offitko"), "Off (Esc)");
    EXPECT_EQ(t.item(t.main.hlavni, "lineaitem"), "Linear systems...\tCtrl+L");
    EXPECT_EQ(t.item(t.main.hlavni, "textitem"), "Textová kalkulačka...\tCtrl+T"); // missing key: Czech
    EXPECT_EQ(t.trail.windowTitle().toStdString(), " Calculation trail");
    EXPECT_EQ(t.dms.degrLabel->text().toStdString(), "degrees");
    EXPECT_EQ(t.dms.minuLabel->text().toStdString(), "minut");
    EXPECT_EQ(t.dms.OKBut->text().toStdString(), "Fine");
    EXPECT_EQ(t.main.uminbut->toolTip().toStdString(), "Minimise");
    EXPECT_EQ(t.main.expon->toolTip().toStdString(), "Exponent part");
}

TEST(LanguageFile, TitleButtonsShowTheHintOfTheirView)
{
    Texts t;
    t.apply("[lang]\ninbar=Collapse\nrefresh=Restore\nhelp=Help\nquit=Off\n");
    EXPECT_EQ(t.main.urefbut->toolTip().toStdString(), "Collapse");
    EXPECT_EQ(t.main.uzavbut->toolTip().toStdString(), "Help...");
    t.main.AUpizeExecute();
    EXPECT_EQ(t.main.urefbut->toolTip().toStdString(), "Restore");
    EXPECT_EQ(t.main.uzavbut->toolTip().toStdString(), "Off (Esc)");
}

TEST(LanguageFile, EditMenuCaptions)
{
    Texts t;
    t.apply("[lang]\ncopy=Copy\nundo=Undo\npaste=Paste\n");
    EXPECT_EQ(t.item(t.main.editacni, "kopitem"), "Copy\tCtrl+C");
    EXPECT_EQ(t.item(t.main.editacni, "zpetitem"), "Undo\tCtrl+Z");
    EXPECT_EQ(t.item(t.main.editacni, "vlozitem"), "Paste\tCtrl+V");
}

} // namespace
