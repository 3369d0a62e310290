#include "app/tool_windows.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QWidget>

#ifdef ZOLT_HAVE_TOOLS_WINDOWS
#include "tools/ubase.h"
#include "tools/ulinsys.h"
#include "tools/ustatm.h"
#endif
#ifdef ZOLT_HAVE_TEXTCALC_WINDOWS
#include "textcalc/utextm.h"
#endif
#ifdef ZOLT_HAVE_MACROS_WINDOWS
#include "macros/macro_host.h"
#include "macros/macro_menu.h"
#include "macros/umacros.h"
#endif

namespace app {

struct ToolWindows::Impl {
#ifdef ZOLT_HAVE_TOOLS_WINDOWS
    tools::Tbase* base = nullptr;
    tools::Tstatm* stat = nullptr;
    tools::Tlinsys* linear = nullptr;
#endif
#ifdef ZOLT_HAVE_TEXTCALC_WINDOWS
    textcalc::TTextm* text = nullptr;
#endif
#ifdef ZOLT_HAVE_MACROS_WINDOWS
    std::unique_ptr<macros::MacroHost> macroHost;
    Tmacros* macroWindow = nullptr;
    QMenu* macroMenu = nullptr;            // the keypad's menu, once the entries are in it
    const ui::Language* language = nullptr; // the program's language, captions of the entries
#endif

    // The windows have no parent (each is a top-level window of its own), so they go here.
    ~Impl()
    {
#ifdef ZOLT_HAVE_MACROS_WINDOWS
        delete macroWindow;
#endif
#ifdef ZOLT_HAVE_TEXTCALC_WINDOWS
        delete text;
#endif
#ifdef ZOLT_HAVE_TOOLS_WINDOWS
        delete base;
        delete stat;
        delete linear;
#endif
    }
};

ToolWindows::ToolWindows() : d(std::make_unique<Impl>()) {}
ToolWindows::~ToolWindows() = default;

void ToolWindows::createBase([[maybe_unused]] platform::Services& services)
{
#ifdef ZOLT_HAVE_TOOLS_WINDOWS
    d->base = new tools::Tbase(services);
#endif
}

// The text calculator and its find window. A build without them hides their action, so
// neither the menu item nor Ctrl+T offers a window that isn't there.
void ToolWindows::createTextCalculator([[maybe_unused]] platform::Services& services, keypad::Tmain& main,
                                       [[maybe_unused]] ui::Settings& settings,
                                       [[maybe_unused]] const platform::DataFolders& folders)
{
#ifdef ZOLT_HAVE_TEXTCALC_WINDOWS
    d->text = new textcalc::TTextm(services, settings, folders);
    // A quit postponed by a run is asked again once the run has ended.
    QObject::connect(d->text, &textcalc::TTextm::quitAfterRun, main.action("AClose"), &QAction::trigger);
#else
    if (QAction* text = main.action("AText"))
        text->setVisible(false);
    if (QAction* item = main.findChild<QAction*>("textitem"))
        item->setVisible(false);
#endif
}

void ToolWindows::createStatisticsAndLinear([[maybe_unused]] platform::Services& services)
{
#ifdef ZOLT_HAVE_TOOLS_WINDOWS
    d->stat = new tools::Tstatm(services);
    d->linear = new tools::Tlinsys(services);
#endif
}

void ToolWindows::createMacros([[maybe_unused]] platform::Services& services, [[maybe_unused]] keypad::Tmain& main)
{
#ifdef ZOLT_HAVE_MACROS_WINDOWS
    d->macroHost = std::make_unique<macros::MacroHost>(main.programDir(), services);
    d->macroWindow = new Tmacros(*d->macroHost, main.engine());
#endif
}

void ToolWindows::applySettings(const ui::Settings&)
{
#ifdef ZOLT_HAVE_TEXTCALC_WINDOWS
    if (d->text)
        d->text->applySettings();
#endif
}

// The other calculators' texts of the language file; the defaults are their Czech texts.
void ToolWindows::popis([[maybe_unused]] const ui::Language& lang)
{
    [[maybe_unused]] auto t = [&](const char* key, const char* czech) {
        return QString::fromStdString(lang.text(key, czech));
    };
#ifdef ZOLT_HAVE_TOOLS_WINDOWS
    if (tools::Tbase* w = d->base) {
        w->setWindowTitle(" " + t("base", "Převody mezi soustavami"));
        w->vstupLabel->setText(t("oldnum", "Číslo v původní soustavě :"));
        w->vystupLabel->setText(t("newnum", "Číslo v nové soustavě :"));
        w->puvodLabel->setText(t("oldbase", "Původní soustava :"));
        w->novaLabel->setText(t("newbase", "Nová soustava :"));
        w->PrevBut->setText(t("convert", "Převést"));
        w->mistaLabel->setText(t("basedec", "Počet desetinných míst za čárkou :"));
        w->ZamnBut->setText(t("change", "Zaměnit"));
        w->ZavBut->setText(t("close", "Zavřít"));
    }
    if (tools::Tlinsys* w = d->linear) {
        w->setWindowTitle(" " + t("linea", "Soustava lineárních rovnic"));
        w->aaa->setToolTip(t("matrix", "matice soustavy"));
        w->bbb->setToolTip(t("right", "pravá strana"));
        w->xxx->setToolTip(t("solution", "řešení"));
        w->pocet->setToolTip(t("count", "počet rovnic"));
        w->determLabel->setText(t("determ", "Determinant matice :"));
        w->hodnostLabel->setText(t("rank", "Hodnost matice :"));
        w->VyrBut->setText(t("solve", "Vyřeš"));
        w->ZavBut->setText(t("close", "Zavřít"));
    }
    if (tools::Tstatm* w = d->stat) {
        w->setWindowTitle(" " + t("stat", "Statistika"));
        w->PridBut->setText(t("addbut", "Přidat"));
        w->UberBut->setText(t("delbut", "Ubrat"));
        w->VymBut->setText(t("delallbut", "Vymazat"));
        w->VypBut->setText(t("analyzexbut", "Vypočti X"));
        w->VztahBut->setText(t("analyzexybut", "Vypočti X ~ Y"));
        w->ZavBut->setText(t("close", "Zavřít"));
        w->VypBut->setToolTip(t("analyzex", "vypočti X"));
        w->VztahBut->setToolTip(t("analyzexy", "vypočti X ~ Y"));
        w->PridBut->setToolTip(t("addrow", "přidat řádek"));
        w->UberBut->setToolTip(t("delrow", "ubrat řádek"));
        w->VymBut->setToolTip(t("delall", "vymazat vše"));
        w->ImpxBut->setToolTip(t("import", "Importovat") + " X");
        w->ImpyBut->setToolTip(t("import", "Importovat") + " Y");
        w->datar->setToolTip(t("data", "data"));
        w->vystup->setToolTip(t("results", "výsledky"));
    }
#endif
#ifdef ZOLT_HAVE_TEXTCALC_WINDOWS
    if (d->text)
        d->text->popis(lang);
#endif
#ifdef ZOLT_HAVE_MACROS_WINDOWS
    d->language = &lang;
    if (d->macroMenu)
        macros::captionMacroMenu(d->macroMenu, lang);
    if (Tmacros* w = d->macroWindow) {
        w->setLanguage(&lang);
        w->VypBut->setText(t("compute", "Vypočti"));
        w->inpdata->setToolTip(t("input", "Vstupy"));
        w->results->setToolTip(t("output", "Výstupy"));
        w->ZavBut->setText(t("close", "Zavřít"));
    }
#endif
}

void ToolWindows::buildMacroMenu([[maybe_unused]] keypad::Tmain& main)
{
#ifdef ZOLT_HAVE_MACROS_WINDOWS
    macros::addMacroMenu(main.hlavni, *d->macroHost, main.engine(), *d->macroWindow, &main);
    d->macroMenu = main.hlavni;
    if (d->language)
        macros::captionMacroMenu(d->macroMenu, *d->language);
#endif
}

void ToolWindows::collectSettings(ui::Settings&)
{
#ifdef ZOLT_HAVE_TEXTCALC_WINDOWS
    if (d->text)
        d->text->collectSettings();
#endif
}

void ToolWindows::collect([[maybe_unused]] std::vector<QWidget*>& windows) const
{
#ifdef ZOLT_HAVE_TOOLS_WINDOWS
    windows.insert(windows.end(), {d->base, d->stat, d->linear});
#endif
#ifdef ZOLT_HAVE_TEXTCALC_WINDOWS
    windows.push_back(d->text);
#endif
#ifdef ZOLT_HAVE_MACROS_WINDOWS
    windows.push_back(d->macroWindow);
#endif
}

void ToolWindows::open([[maybe_unused]] const std::string& action)
{
    QWidget* w = nullptr;
#ifdef ZOLT_HAVE_TOOLS_WINDOWS
    if (action == "ABase")
        w = d->base;
    else if (action == "AStat")
        w = d->stat;
    else if (action == "ALinear")
        w = d->linear;
#endif
#ifdef ZOLT_HAVE_TEXTCALC_WINDOWS
    if (action == "AText")
        w = d->text;
#endif
    if (!w)
        return;
    w->show();
    w->raise();
    w->activateWindow();
}

// The text calculator's sheet is never dropped at shut-down: a modified one, shown or not,
// raises the save question, and a run is stopped first.
bool ToolWindows::mayClose()
{
#ifdef ZOLT_HAVE_TEXTCALC_WINDOWS
    if (d->text && !d->text->mayQuit())
        return false;
#endif
    return true;
}

} // namespace app
