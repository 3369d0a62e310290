// The window's texts from the language file; each default is the Czech text.
#include "textcalc/windows/utextm.h"

#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QFontComboBox>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>

namespace textcalc {

void TTextm::popis(const ui::Language& lang)
{
    auto t = [&](const char* key, const char* czech) { return QString::fromStdString(lang.text(key, czech)); };
    // A command's hint is its caption; commands that open a dialog end in "...".
    auto command = [](QAction* a, const QString& caption) {
        a->setText(caption);
        a->setToolTip(caption);
    };
    auto hint = [](auto* control, const QString& text) { control->setToolTip(text); };

    const bool untitled = FileName == UntitledName;
    TitleText = t("text", "Textová kalkulačka");
    UntitledName = t("newname", "Nový soubor");
    if (untitled) {
        FileName = UntitledName;
        setWindowTitle(UntitledName + " - " + TitleText);
    } else {
        inform();
    }

    command(ANew, t("new", "Nový"));
    command(AOpen, t("open", "Otevřít") + "...");
    command(ASave, t("save", "Uložit"));
    command(saveas, t("saveas", "Uložit jako") + "...");
    command(APrint, t("print", "Tisknout") + "...");
    command(AClose, t("close", "Zavřít"));
    command(AUndo, t("undo", "Zpět"));
    command(ACut, t("cut", "Vyjmout"));
    command(ACopy, t("copy", "Kopírovat"));
    command(APaste, t("paste", "Vložit"));
    command(ASelall, t("selall", "Vybrat vše"));
    command(AFind, t("findrepl", "Najít, nahradit") + "...");
    command(AInscol, t("inscol", "Vložit barvu") + "...");
    command(AExecl, t("execl", "Provést řádek"));
    command(AExecg, t("execg", "Provést skupinu"));
    command(AStop, t("stop", "Zastavit výpočet"));
    command(AClear, t("clear", "Smazat všechny objekty"));
    command(ADecim, t("decim", "Převést na desetinné číslo"));
    command(ABold, t("bold", "Tučně"));
    command(AItalic, t("italic", "Kurzíva"));
    command(AUnder, t("underline", "Podtrženo"));
    command(CopFontBut, t("copyfont", "Kopírovat formát"));
    command(output, t("alloutput", "Provádět všechny výpisy"));
    command(nextline, t("nextline", "Přesouvat na další řádek"));
    command(FontBut, t("outfont", "Font výstupů"));
    command(doleva, t("leftalign", "Zarovnat vlevo"));
    command(nastred, t("centeralign", "Zarovnat na střed"));
    command(hlavtul, t("maintool", "Hlavní panel nástrojů"));
    command(formtul, t("formtool", "Panel formátu"));
    command(infoshow, t("statusbar", "Stavový řádek"));
    hlavniBar->setWindowTitle(hlavtul->text());
    formatBar->setWindowTitle(formtul->text());
    hint(FontName, t("fontname", "Písmo"));
    hint(velikost, t("fontsize", "Velikost písma"));
    hint(IncButton, t("incsize", "Zvětšit písmo"));
    hint(DecButton, t("decsize", "Zmenšit písmo"));
    hint(ColButton, t("fontcolor", "Barva písma"));
    othercolor->setText(t("othercolor", "Jiná") + "...");

    misheet->setTitle(t("misheet", "Soubor"));
    miedit->setTitle(t("miedit", "Úpravy"));
    miaction->setTitle(t("miaction", "Výpočet"));
    miview->setTitle(t("miview", "Zobrazit"));
    mifunc->setTitle(t("mifunc", "Matematické funkce"));
    mistate->setTitle(t("mistate", "Příkazy"));
    static const std::pair<const char*, const char*> submenus[] = {
        {"mibasic", "Základní"},          {"mipower", "Mocninné aj."},     {"migoniom", "Goniometrické aj."},
        {"minumer", "Numerické"},         {"mirandom", "Náhodné"},         {"miround", "Zaokrouhlovací"},
        {"miinteger", "Celočíselné"},     {"combin", "Kombinatorické"},    {"mimaxmin", "Maxima a minima"},
        {"miassign", "Přiřazovací aj."},  {"micompos", "Složené"},         {"mitextfiles", "Textové soubory"},
        {"drawing", "Kreslení"},          {"colors", "Barvy"},             {"miothers", "Ostatní"},
    };
    for (const auto& [key, czech] : submenus)
        if (auto* menu = findChild<QMenu*>(key))
            menu->setTitle(t(key, czech));

    pages->setTabText(pages->indexOf(List), t("sheet", "List"));
    pages->setTabText(pages->indexOf(Obrazek), t("picture", "Obrázek"));
    picturePage->popis(lang);
    popisHelp(lang);
    m_runningText = t("running", "Probíhá výpočet... (Esc zastaví)");
    m_stoppedLine = t("stopped", "Error. Program stopped by the user.");
    m_engine.settings.stoppedLine = m_stoppedLine.toStdString();
    if (m_running)
        panels[3]->setText(" " + m_runningText);
}

} // namespace textcalc
