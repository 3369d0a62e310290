// popis for the keypad windows: captions, hints and titles from the language file, with the
// shortcut of each key's action appended to its hint.
#include "keypad/windows/keyimage.h"
#include "keypad/windows/udmsdeg.h"
#include "keypad/windows/umain.h"
#include "keypad/windows/utrail.h"
#include "ui/shortcuttext.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

namespace keypad {

namespace {

struct KeyHint {
    const char* langKey;
    const char* czech;
    std::vector<const char*> keys; // keys of the face that carry the hint
    const char* action;            // whose shortcut ends the hint; nullptr: the fixed suffixes
};

// Keys of the face, in the order the language file lists them.
const std::vector<KeyHint>& keyHints()
{
    static const std::vector<KeyHint> table{
        {"shift", "Funkční přepínač", {"shift"}, nullptr},
        {"changeunit", "Úhlová jednotka / převod úhlu", {"prepdrg"}, "AAngUnit"},
        {"sqr", "Druhá mocnina / převrácená hodnota", {"nadruhou"}, "ASqr"},
        {"sqrt", "Druhá odmocnina / třetí odmocnina", {"odmocnina"}, "ASqrt"},
        {"dms", "Stupně, minuty, vteřiny", {"stmivt"}, "AAngConv"},
        {"sin", "Sinus / arcussinus", {"sinus"}, "ASin"},
        {"cos", "Kosinus / arcuskosinus", {"cosinus"}, "ACos"},
        {"tan", "Tangens / arcustangens", {"tangens"}, "ATan"},
        {"int", "Dolní celá část / horní celá část", {"integ"}, "AInt"},
        {"mod", "Zbytek po dělení / celočíselné dělení", {"imod"}, "AModDiv"},
        {"power", "Mocnina / odmocnina", {"atamocnina"}, "APower"},
        {"log", "Logaritmus o základu / obrácená funkce", {"logaritmus"}, "ALogN"},
        {"decadic", "Dekadický logaritmus / 10 na x", {"dekadicky"}, "ALog"},
        {"ln", "Přirozený logaritmus / e na x", {"lnlog"}, "ALn"},
        {"fact", "Faktoriál / dvojitý faktoriál", {"fakt"}, "AFact"},
        {"comb", "Kombinace / variace", {"comb"}, "AComb"},
        {"leftp", "Levá závorka / náhodné číslo", {"leva"}, "ALeft"},
        {"rightp", "Pravá závorka / převzetí zobrazené hodnoty", {"prava"}, "ARight"},
        {"mrecall", "Vyvolání paměti / uložení do paměti", {"rmem"}, "AMrecall"},
        {"mplus", "Přičtení do paměti / odečtení z paměti", {"pmem"}, "AMplus"},
        {"digit", "Číslice", {"c0", "c1", "c2", "c3", "c4", "c5", "c6", "c7", "c8", "c9"}, nullptr},
        {"multiply", "Násobení", {"krat"}, nullptr},
        {"division", "Dělení", {"deleno"}, nullptr},
        {"addition", "Sčítání", {"plus"}, nullptr},
        {"substr", "Odčítání", {"minus"}, nullptr},
        {"decpoint", "Desetinná čárka / vymazání pamětí", {"carka"}, nullptr},
        {"decexp", "Exponent / Ludolfovo číslo", {"exponent"}, "ADecExp"},
        {"sign", "Znaménko / rozklad na prvočísla", {"znamenko"}, "Asign"},
        {"reset", "Nulování všeho", {"resetitko"}, "ACancel"},
        {"clearent", "Nulování displeje", {"clear"}, "AClear"},
        {"equal", "Výsledek / procenta", {"rovnase"}, "AEval"},
    };
    return table;
}

// Keys without an action of their own end their hint with a fixed text.
QString fixedSuffix(const QString& key)
{
    if (key.size() == 2 && key[0] == 'c' && key[1].isDigit())
        return QString(" %1 (%1)").arg(key[1]);
    static const std::map<QString, QString> suffixes{
        {"krat", " (*)"}, {"deleno", " (/)"}, {"plus", " (+)"}, {"minus", " (-)"}, {"carka", " (,)"}, {"shift", " (SHIFT)"}};
    const auto it = suffixes.find(key);
    return it == suffixes.end() ? QString() : it->second;
}

// What a screen reader calls a key or button: its hint's first function, without the shortcut
// and the "..." of a command that opens a window ("Memory recall / memory store (F3)" is
// "Memory recall"); a digit key is its digit.
QString spokenName(const QString& hint, const QString& key = {})
{
    if (key.size() == 2 && key[0] == 'c' && key[1].isDigit())
        return key.mid(1);
    QString name = hint.section(" / ", 0, 0);
    if (name.endsWith(')') && name.contains(" ("))
        name.truncate(name.lastIndexOf(" ("));
    if (name.endsWith("..."))
        name.chop(3);
    return name;
}

} // namespace

QString Tmain::shortcutSuffix(const QString& actionName) const
{
    const auto sc = shortcutOf(actionName);
    return sc ? " (" + QString::fromStdString(ui::shortcutText(*sc)) + ")" : QString();
}

void Tmain::popis(const ui::Language& lang)
{
    auto t = [&](const char* key, const char* czech) { return QString::fromStdString(lang.text(key, czech)); };

    // Menu commands that open a window get "..."; their windows' titles are set by the windows.
    const struct {
        const char* key;
        const char* czech;
        const char* action;
    } opening[] = {{"linea", "Soustava lineárních rovnic", "ALinear"},
                   {"base", "Převody mezi soustavami", "ABase"},
                   {"text", "Textová kalkulačka", "AText"},
                   {"stat", "Statistika", "AStat"},
                   {"trail", "Záznam výpočtu", "ATrail"}};
    for (const auto& o : opening)
        action(o.action)->setText(t(o.key, o.czech) + "...");
    if (m_trail) {
        m_trail->setWindowTitle(" " + t("trail", "Záznam výpočtu"));
        m_trail->paper->setAccessibleName(t("trail", "Záznam výpočtu"));
    }

    action("AAbout")->setToolTip(t("about", "O programu") + "...");
    action("AHelp")->setText(t("help", "Nápověda"));
    action("AHelp")->setToolTip(t("help", "Nápověda") + "...");
    action("AMinimize")->setToolTip(t("minim", "Minimalizovat"));
    action("AUpize")->setToolTip(t("inbar", "Sbalit do lišty"));
    action("ARefresh")->setToolTip(t("refresh", "Obnovit"));
    const QString quit = t("quit", "Konec") + shortcutSuffix("AClose");
    action("AClose")->setToolTip(quit);
    key("offitko")->setToolTip(quit);
    action("ACopy")->setText(t("copy", "Kopírovat"));
    action("AUndo")->setText(t("undo", "Zpět"));
    action("APaste")->setText(t("paste", "Vložit"));

    const std::pair<QLabel*, QString> labels[] = {
        {sif, t("shiftid", "Stav funkčního přepínače")}, {deg, t("angunit", "Úhlová jednotka")},
        {zavorky, t("parent", "Otevřené závorky")}, {display, t("display", "Displej")},
        {expon, t("expon", "Exponent")}, {soustava, t("numbase", "číselná soustava")}};
    for (const auto& [label, hint] : labels)
        label->setToolTip(hint);

    for (const KeyHint& h : keyHints())
        for (const char* name : h.keys) {
            const QString suffix = h.action ? shortcutSuffix(h.action) : fixedSuffix(name);
            key(name)->setToolTip(t(h.langKey, h.czech) + suffix);
            key(name)->setAccessibleName(spokenName(t(h.langKey, h.czech), name));
        }
    key("mode")->setToolTip(t("settings", "Nastavení") + shortcutSuffix("AMode"));
    MRmenu->setTitle(spokenName(t("mrecall", "Vyvolání paměti")));
    MPmenu->setTitle(spokenName(t("mplus", "Přičtení do paměti")));
    key("mode")->setAccessibleName(t("settings", "Nastavení"));
    key("offitko")->setAccessibleName(t("quit", "Konec"));

    if (m_dms) {
        m_dms->degrLabel->setText(t("degrees", "stupňů"));
        m_dms->minuLabel->setText(t("minutes", "minut"));
        m_dms->secoLabel->setText(t("seconds", "vteřin"));
        m_dms->OKBut->setText(t("ok", "OK"));
        m_dms->StornoBut->setText(t("storno", "Storno"));
    }
    updateMenuTexts();
    updateTitleButtonHints();
}

// Menu items show the caption of the action they run, then its shortcut.
void Tmain::updateMenuTexts()
{
    for (QMenu* menu : {hlavni, editacni})
        for (QAction* item : menu->actions())
            if (QAction* runs = action(item->property("runs").toString())) {
                const auto sc = shortcutOf(runs->objectName());
                const QString caption = runs->text().isEmpty() ? item->text().section('\t', 0, 0) : runs->text();
                item->setText(sc ? caption + '\t' + QString::fromStdString(ui::shortcutText(*sc)) : caption);
            }
}

// The title buttons show the hint of the action they run in the current view.
void Tmain::updateTitleButtonHints()
{
    uminbut->setToolTip(action("AMinimize")->toolTip());
    uabobut->setToolTip(action("AAbout")->toolTip());
    for (QToolButton* b : {urefbut, uzavbut})
        if (QAction* a = action(b->property("runs").toString()))
            b->setToolTip(a->toolTip().isEmpty() ? a->text() : a->toolTip());
    for (QToolButton* b : {uminbut, uabobut, urefbut, uzavbut})
        b->setAccessibleName(spokenName(b->toolTip()));
}

} // namespace keypad
