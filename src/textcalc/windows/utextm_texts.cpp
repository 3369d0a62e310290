// The window's texts from the language file; each default is the Czech text.
#include "textcalc/windows/utextm.h"

#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QFontComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTabWidget>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <QWidgetAction>

namespace textcalc {

void TTextm::popis(const ui::Language& lang)
{
    auto t = [&](const char* key, const char* czech) { return QString::fromStdString(lang.text(key, czech)); };
    // Menus and commands keep the file's mnemonics.
    auto c = [&](const char* key, const char* czech) { return QString::fromStdString(lang.caption(key, czech)); };
    // Commands that open a dialog end in "..."; the hints follow at the end.
    auto command = [](QAction* a, const QString& caption) { a->setText(caption); };
    // A control that shows no caption is called by its hint, and so is the field of a box.
    auto hint = [](QWidget* control, const QString& text) {
        control->setToolTip(text);
        control->setAccessibleName(text);
        if (auto* box = qobject_cast<QComboBox*>(control); box && box->lineEdit())
            box->lineEdit()->setAccessibleName(text);
    };

    const bool untitled = FileName == UntitledName;
    TitleText = t("text", "Textová kalkulačka");
    UntitledName = t("newname", "Nový soubor");
    if (untitled)
        FileName = UntitledName;
    inform();

    command(ANew, c("new", "Nový"));
    command(AOpen, c("open", "Otevřít") + "...");
    command(ASave, c("save", "Uložit"));
    command(saveas, c("saveas", "Uložit jako") + "...");
    command(APrint, c("print", "Tisknout") + "...");
    command(AClose, c("close", "Zavřít"));
    command(AUndo, c("undo", "Zpět"));
    command(ARedo, c("redo", "Znovu"));
    command(ACut, c("cut", "Vyjmout"));
    command(ACopy, c("copy", "Kopírovat"));
    command(APaste, c("paste", "Vložit"));
    command(ASelall, c("selall", "Vybrat vše"));
    command(AFind, c("findrepl", "Najít, nahradit") + "...");
    command(AInscol, c("inscol", "Vložit barvu") + "...");
    command(AExecl, c("execl", "Provést řádek"));
    command(AExecg, c("execg", "Provést skupinu"));
    command(AStop, c("stop", "Zastavit výpočet"));
    command(AClear, c("clear", "Smazat všechny objekty"));
    command(ADecim, c("decim", "Převést na desetinné číslo"));
    command(ABold, c("bold", "Tučně"));
    command(AItalic, c("italic", "Kurzíva"));
    command(AUnder, c("underline", "Podtrženo"));
    command(CopFontBut, c("copyfont", "Kopírovat formát"));
    command(output, c("alloutput", "Provádět všechny výpisy"));
    command(nextline, c("nextline", "Přesouvat na další řádek"));
    command(FontBut, c("outfont", "Font výstupů"));
    command(doleva, c("leftalign", "Zarovnat vlevo"));
    command(nastred, c("centeralign", "Zarovnat na střed"));
    command(hlavtul, c("maintool", "Hlavní panel nástrojů"));
    command(formtul, c("formtool", "Panel formátu"));
    command(infoshow, c("statusbar", "Stavový řádek"));
    command(AZoomIn, c("zoomin", "Zvětšit"));
    command(AZoomOut, c("zoomout", "Zmenšit"));
    command(AZoomReset, c("zoomreset", "Původní velikost"));
    hlavniBar->setWindowTitle(t("maintool", "Hlavní panel nástrojů"));
    formatBar->setWindowTitle(t("formtool", "Panel formátu"));
    hint(FontName, t("fontname", "Písmo"));
    hint(velikost, t("fontsize", "Velikost písma"));
    hint(IncButton, t("incsize", "Zvětšit písmo"));
    hint(DecButton, t("decsize", "Zmenšit písmo"));
    hint(ColButton, t("fontcolor", "Barva písma"));
    othercolor->setText(c("othercolor", "Jiná") + "...");
    static const char* const colourNames[8][2] = {
        {"cl0", "černá"}, {"cl1", "červená"}, {"cl2", "modrá"},          {"cl3", "tmavě modrá"},
        {"cl4", "fuchsiová"}, {"cl5", "zelená"}, {"cl6", "světle zelená"}, {"cl7", "žlutá"},
    };
    for (const auto& [key, czech] : colourNames)
        if (auto* item = findChild<QWidgetAction*>(key)) {
            item->setText(t(key, czech));
            item->defaultWidget()->setAccessibleName(item->text());
            item->defaultWidget()->setToolTip(item->text());
        }
    kalkul->setAccessibleName(t("sheet", "List"));
    pages->setAccessibleName(TitleText);
    // The button a bar shows when the window is too narrow for all its commands.
    for (QToolBar* bar : {hlavniBar, formatBar})
        if (auto* more = bar->findChild<QToolButton*>("qt_toolbar_ext_button"))
            more->setAccessibleName(t("moretools", "Další nástroje"));

    misheet->setTitle(c("misheet", "Soubor"));
    miedit->setTitle(c("miedit", "Úpravy"));
    miaction->setTitle(c("miaction", "Výpočet"));
    miview->setTitle(c("miview", "Zobrazit"));
    mifunc->setTitle(c("mifunc", "Matematické funkce"));
    mistate->setTitle(c("mistate", "Příkazy"));
    static const std::pair<const char*, const char*> submenus[] = {
        {"mibasic", "Základní"},          {"mipower", "Mocninné aj."},     {"migoniom", "Goniometrické aj."},
        {"minumer", "Numerické"},         {"mirandom", "Náhodné"},         {"miround", "Zaokrouhlovací"},
        {"miinteger", "Celočíselné"},     {"combin", "Kombinatorické"},    {"mimaxmin", "Maxima a minima"},
        {"miassign", "Přiřazovací aj."},  {"micompos", "Složené"},         {"mitextfiles", "Textové soubory"},
        {"drawing", "Kreslení"},          {"colors", "Barvy"},             {"miothers", "Ostatní"},
    };
    for (const auto& [key, czech] : submenus)
        if (auto* menu = findChild<QMenu*>(key))
            menu->setTitle(c(key, czech));

    pages->setTabText(pages->indexOf(List), t("sheet", "List"));
    pages->setTabText(pages->indexOf(Obrazek), t("picture", "Obrázek"));
    picturePage->popis(lang);
    popisHelp(lang);
    m_runningText = t("running", "Probíhá výpočet... (Esc zastaví)");
    m_stoppedLine = t("stopped", "Error. Program stopped by the user.");
    m_engine.settings.stoppedLine = m_stoppedLine.toStdString();
    m_engine.settings.memoryLine = lang.text("nomemory", "Error. Not enough memory.");
    m_searchWrappedNote = t("findwrap", "Hledání pokračuje od začátku listu.");
    m_openingText = t("opening", "Otevírá se list...");
    m_cancelText = t("cancel", "Zrušit");
    m_restoreQuestionText = t("recovered", "Po minulém běhu programu zůstal neuložený list \" %1 \". Obnovit jej?");
    m_restoreText = t("restore", "Obnovit");
    m_recentGoneText = t("recentgone", "Soubor \" %1 \" už neexistuje, ze seznamu posledních listů byl odebrán.");
    m_discardText = t("discard", "Zahodit");
    if (m_running)
        panels[3]->setText(" " + m_runningText);
    showShortcutsInToolTips();
}

} // namespace textcalc
