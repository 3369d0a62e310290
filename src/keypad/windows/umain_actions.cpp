// The actions of the keypad window with their configurable shortcuts, and its pop-up menus.
#include "keypad/windows/keyimage.h"
#include "keypad/windows/umain.h"
#include "keypad/windows/utrail.h"
#include "ui/colors.h"
#include "ui/language.h"
#include "ui/manual.h"
#include "ui/shortcuttext.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QToolButton>

#include <iterator>

namespace keypad {

namespace {

// Actions that press a key of the face exactly as a click would.
const std::map<QString, QString>& pressingActions()
{
    static const std::map<QString, QString> table{
        {"AClear", "clear"},      {"ACancel", "resetitko"}, {"AEval", "rovnase"},   {"Asign", "znamenko"},
        {"ALeft", "leva"},        {"ARight", "prava"},      {"AMode", "mode"},      {"ADecExp", "exponent"},
        {"AAngUnit", "prepdrg"},  {"AAngConv", "stmivt"},   {"AMplus", "pmem"},     {"AMrecall", "rmem"},
        {"ASqr", "nadruhou"},     {"ASqrt", "odmocnina"},   {"ASin", "sinus"},      {"ACos", "cosinus"},
        {"ATan", "tangens"},      {"ALn", "lnlog"},         {"ALog", "dekadicky"},  {"ALogN", "logaritmus"},
        {"APower", "atamocnina"}, {"AFact", "fakt"},        {"AComb", "comb"},      {"AModDiv", "imod"},
        {"AInt", "integ"},
    };
    return table;
}

} // namespace

void Tmain::createActions()
{
    for (const settings::ShortcutKey& sk : settings::mainShortcutKeys) {
        const QString name = sk.action;
        auto* a = new QAction(this);
        a->setObjectName(name);
        m_actions[name] = a;
        if (const auto it = pressingActions().find(name); it != pressingActions().end()) {
            const QString keyName = it->second;
            connect(a, &QAction::triggered, this, [this, keyName] { KlavTlac(keyName); });
        }
    }
    auto on = [this](const char* name, auto fn) { connect(action(name), &QAction::triggered, this, fn); };
    on("ACopy", [this] { run([this] { m_engine.click(Control::ACopy); }); });
    on("APaste", [this] { run([this] { m_engine.click(Control::APaste); }); });
    on("AUndo", [this] { run([this] { m_engine.click(Control::AUndo); }); });
    on("AClose", [this] { vypni(); });
    on("AMinimize", [this] { showMinimized(); });
    on("AAbout", [this] { if (m_host) m_host->showAbout(); });
    on("AUpize", [this] { AUpizeExecute(); });
    on("ARefresh", [this] { Refresh(); });
    for (const char* name : {"ABase", "AStat", "AText", "ALinear"})
        on(name, [this, name] { if (m_host) m_host->openWindow(name); });
    on("ATrail", [this] { trailitemClick(); });
    on("AHelp", [this] { AHelpExecute(); });

    // The buttons take the press themselves, so they make the keypad active as a click on it does.
    for (QToolButton* b : {uminbut, urefbut, uzavbut, uabobut})
        connect(b, &QToolButton::pressed, this, &Tmain::activateOnClick);
    connect(uminbut, &QToolButton::clicked, action("AMinimize"), &QAction::trigger);
    connect(uabobut, &QToolButton::clicked, action("AAbout"), &QAction::trigger);
    // Which action the two view-dependent buttons run is set by Refresh and AUpizeExecute.
    for (QToolButton* b : {urefbut, uzavbut})
        connect(b, &QToolButton::clicked, this, [this, b] {
            if (QAction* a = action(b->property("runs").toString()))
                a->trigger();
        });
}

void Tmain::createMenus()
{
    auto item = [this](QMenu* menu, const char* name, const QString& text, QAction* runs) {
        QAction* a = menu->addAction(text);
        a->setObjectName(name);
        a->setProperty("runs", runs->objectName());
        connect(a, &QAction::triggered, runs, &QAction::trigger);
        return a;
    };
    auto controlItem = [this](QMenu* menu, const char* name, const QString& text, Control c) {
        QAction* a = menu->addAction(text);
        a->setObjectName(name);
        connect(a, &QAction::triggered, this, [this, c] { run([this, c] { m_engine.click(c); }); });
        return a;
    };

    MPmenu = new QMenu(this);
    MPmenu->setObjectName("MPmenu");
    MRmenu = new QMenu(this);
    MRmenu->setObjectName("MRmenu");
    const Control mp[] = {Control::mp1, Control::mp2, Control::mp3, Control::mp4, Control::mp5};
    const Control mr[] = {Control::mr1, Control::mr2, Control::mr3, Control::mr4, Control::mr5};
    static_assert(std::size(mp) == kMemories && std::size(mr) == kMemories);
    for (int i = 0; i < kMemories; ++i) {
        controlItem(MPmenu, ("mp" + std::to_string(i + 1)).c_str(), QString("M%1").arg(i + 1), mp[i]);
        controlItem(MRmenu, ("mr" + std::to_string(i + 1)).c_str(), QString("M%1").arg(i + 1), mr[i]);
    }

    hlavni = new QMenu(this);
    hlavni->setObjectName("hlavni");
    item(hlavni, "textitem", "Textová kalkulačka...", action("AText"));
    item(hlavni, "statitem", "Statistika...", action("AStat"));
    item(hlavni, "lineaitem", "Soustava lineárních rovnic...", action("ALinear"));
    item(hlavni, "baseitem", "Převody mezi soustavami...", action("ABase"));
    trailitem = item(hlavni, "trailitem", "Záznam výpočtu...", action("ATrail"));
    // Every memory from the keyboard too: the Menu key opens this menu.
    hlavni->addMenu(MRmenu)->setObjectName("mritem");
    hlavni->addMenu(MPmenu)->setObjectName("mpitem");
    hlavni->addSeparator()->setObjectName("N1");
    // The macro entries are appended below N1 when the macro menu is built.

    editacni = new QMenu(this);
    editacni->setObjectName("editacni");
    kopitem = item(editacni, "kopitem", "Kopírovat", action("ACopy"));
    vlozitem = item(editacni, "vlozitem", "Vložit", action("APaste"));
    zpetitem = item(editacni, "zpetitem", "Zpět", action("AUndo"));


    const struct {
        QMenu** menu;
        const char* menuName;
        const char* itemName;
        Control control;
    } hyp[] = {{&zinus, "zinus", "zin", Control::zin},
               {&cozinus, "cozinus", "koz", Control::koz},
               {&ytangenz, "ytangenz", "tanz", Control::tanz}};
    for (const auto& h : hyp) {
        *h.menu = new QMenu(this);
        (*h.menu)->setObjectName(h.menuName);
        controlItem(*h.menu, h.itemName, "hyp", h.control);
    }
}

QAction* Tmain::action(const QString& name) const
{
    const auto it = m_actions.find(name);
    return it == m_actions.end() ? nullptr : it->second;
}

std::optional<QKeyCombination> Tmain::shortcutOf(const QString& actionName) const
{
    const auto it = m_shortcuts.find(actionName);
    if (it == m_shortcuts.end())
        return std::nullopt;
    return it->second;
}

void Tmain::applyShortcuts()
{
    m_shortcuts.clear();
    for (size_t i = 0; i < settings::mainShortcutKeys.size(); ++i) {
        const QString name = settings::mainShortcutKeys[i].action;
        const std::string text = i < m_settings.mainShortcuts.size() ? m_settings.mainShortcuts[i] : "";
        const auto sc = ui::parseShortcut(text);
        if (sc)
            m_shortcuts[name] = *sc;
    }
    // The window dispatches shortcuts itself (actionForKey); menus only show them.
    updateMenuTexts();
}

QAction* Tmain::actionForKey(int key, Qt::KeyboardModifiers modifiers) const
{
    QAction* found = nullptr;
    for (const settings::ShortcutKey& sk : settings::mainShortcutKeys) {
        const QString name = sk.action;
        const auto it = m_shortcuts.find(name);
        QAction* a = action(name);
        if (it == m_shortcuts.end() || !a->isEnabled() || !ui::shortcutMatches(it->second, key, modifiers))
            continue;
        // Collapse and restore share Alt+SPACE by default: the one that changes the view wins.
        if ((name == "AUpize" && m_titleStrip) || (name == "ARefresh" && !m_titleStrip)) {
            if (!found)
                found = a;
            continue;
        }
        return a;
    }
    return found;
}

// Single-letter shortcuts must act only while the keypad has the focus.
void Tmain::ShortCuts(bool enabled)
{
    for (const auto& [name, a] : m_actions)
        a->setEnabled(enabled);
}

void Tmain::trailitemClick()
{
    if (m_trail)
        m_trail->setVisible(!m_trail->isVisible());
    raise();
    activateWindow();
}

void Tmain::AHelpExecute()
{
    openDocument(m_programDir / "Help.htm");
}

void Tmain::openDocument(const std::filesystem::path& path)
{
    ui::openDocument(m_services, path);
}

void Tmain::refreshMemoryCaption(int index)
{
    const QString caption = QString::fromStdString(m_engine.memoryCaption(index));
    if (MPmenu) {
        MPmenu->actions().at(index - 1)->setText(caption);
        MRmenu->actions().at(index - 1)->setText(caption);
    }
    QLabel* ind = indicators[index - 1];
    ind->setToolTip(caption);
    ind->setAccessibleName(caption);
    describeDisplay();
    const bool used = m_engine.memoryIndicator(index);
    ind->setAutoFillBackground(used);
    // In use: the number in the window's colour on the filled indicator; unused: a faint number.
    QPalette pal = ind->palette();
    pal.setColor(QPalette::Window, ui::toQColor(m_skin.pamColor));
    QColor number = ui::toQColor(used ? m_skin.color : m_skin.pamColor);
    if (!used)
        number.setAlpha(110);
    pal.setColor(QPalette::WindowText, number);
    ind->setPalette(pal);
}

} // namespace keypad
