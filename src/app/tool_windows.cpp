#include "app/tool_windows.h"

#include "macros/macro_host.h"
#include "macros/macro_menu.h"
#include "macros/umacros.h"
#include "platform/qt/window_place.h"
#include "textcalc/windows/utextm.h"
#include "tools/ubase.h"
#include "tools/ulinsys.h"
#include "tools/ustatm.h"
#include "ui/tool_window.h"

#include <QAction>
#include <QFileInfo>
#include <QWidget>

#include <algorithm>
#include <functional>

namespace app {

struct ToolWindows::Impl {
    // Every window in its creation order; the windows without a parent (each a top-level
    // window of its own) are owned here, a window owned by another one is only listed.
    std::vector<ui::ToolWindow*> windows;
    std::vector<std::unique_ptr<ui::ToolWindow>> owned;
    // The main window's actions that open a window ("ABase", "AStat", "ALinear", "AText").
    std::vector<std::pair<std::string, ui::ToolWindow*>> openedBy;
    textcalc::TTextm* text = nullptr; // asked before shut-down
    platform::Services* services = nullptr;
    std::unique_ptr<macros::MacroHost> macroHost;
    Tmacros* macroWindow = nullptr;
    QMenu* macroMenu = nullptr;             // the keypad's menu, once the entries are in it
    const ui::Language* language = nullptr; // the program's language, captions of the entries
    const settings::Settings* settings = nullptr;
    const ui::Manual* manual = nullptr; // F1's pages, once the program has its manual
    // Windows made when first opened, by the action that opens them: many sessions never open
    // them, and each costs memory and start-up time.
    std::vector<std::pair<std::string, std::function<std::unique_ptr<ui::ToolWindow>()>>> deferred;

    template <typename Window>
    Window* add(std::unique_ptr<Window> window, const std::string& action = {})
    {
        Window* w = window.get();
        list(w, action);
        owned.push_back(std::move(window));
        return w;
    }

    void list(ui::ToolWindow* window, const std::string& action = {})
    {
        if (!action.empty())
            openedBy.emplace_back(action, window);
        windows.push_back(window);
        platform::keepOnScreen(window->widget());
    }

    // Makes the window an action opens, if it is still to be made, as start-up would have.
    void make(const std::string& action)
    {
        const auto it = std::find_if(deferred.begin(), deferred.end(), [&](const auto& w) { return w.first == action; });
        if (it == deferred.end())
            return;
        ui::ToolWindow* w = add(it->second(), action.c_str());
        deferred.erase(it);
        if (settings)
            w->applySettings(*settings);
        if (language)
            w->popis(*language);
        if (settings && w->followsAlwaysOnTop())
            w->widget()->setWindowFlag(Qt::WindowStaysOnTopHint, settings->alwaysOnTop);
        if (manual)
            addHelp(w);
    }

    // F1 over the window opens its page of the manual.
    void addHelp(ui::ToolWindow* w)
    {
        const char* page = w->manualPage();
        if (!page)
            return;
        auto* help = new QAction(w->widget());
        help->setShortcut(Qt::Key_F1);
        help->setShortcutContext(Qt::WindowShortcut);
        QObject::connect(help, &QAction::triggered, help, [m = manual, page] { m->open(page); });
        w->widget()->addAction(help);
    }

    // The macro window refers to the host: the windows go first.
    ~Impl() { owned.clear(); }
};

ToolWindows::ToolWindows() : d(std::make_unique<Impl>()) {}
ToolWindows::~ToolWindows() = default;

void ToolWindows::createBase(platform::Services& services)
{
    d->deferred.emplace_back("ABase", [&services] { return std::make_unique<tools::Tbase>(services); });
}

// The text calculator and its find window, which the text calculator owns.
void ToolWindows::createTextCalculator(platform::Services& services, keypad::Tmain& main, settings::Settings& settings,
                                       const platform::DataFolders& folders)
{
    d->services = &services;
    d->text = d->add(std::make_unique<textcalc::TTextm>(services, settings, folders), "AText");
    d->list(d->text->findWindow);
    // A quit postponed by a run is asked again once the run has ended.
    QObject::connect(d->text, &textcalc::TTextm::quitAfterRun, main.action("AClose"), &QAction::trigger);
}

void ToolWindows::createStatisticsAndLinear(platform::Services& services)
{
    d->deferred.emplace_back("AStat", [&services] { return std::make_unique<tools::Tstatm>(services); });
    d->deferred.emplace_back("ALinear", [&services] { return std::make_unique<tools::Tlinsys>(services); });
}

void ToolWindows::createMacros(platform::Services& services, keypad::Tmain& main)
{
    d->macroHost = std::make_unique<macros::MacroHost>(main.programDir(), services);
    d->macroWindow = d->add(std::make_unique<Tmacros>(*d->macroHost, main.engine()));
}

void ToolWindows::applySettings(const settings::Settings& settings)
{
    d->settings = &settings;
    for (ui::ToolWindow* w : d->windows)
        w->applySettings(settings);
}

// Each window applies its own texts; the macro entries of the keypad's menu are captioned here.
void ToolWindows::popis(const ui::Language& language)
{
    for (ui::ToolWindow* w : d->windows)
        w->popis(language);
    d->language = &language;
    if (d->macroMenu)
        macros::captionMacroMenu(d->macroMenu, language);
}

void ToolWindows::buildMacroMenu(keypad::Tmain& main)
{
    macros::addMacroMenu(main.hlavni, *d->macroHost, main.engine(), *d->macroWindow, &main);
    d->macroMenu = main.hlavni;
    if (d->language)
        macros::captionMacroMenu(d->macroMenu, *d->language);
}

void ToolWindows::addHelp(const ui::Manual& manual)
{
    d->text->manual = &manual;
    d->manual = &manual;
    for (ui::ToolWindow* w : d->windows)
        d->addHelp(w);
}

void ToolWindows::collectSettings(settings::Settings& settings)
{
    for (ui::ToolWindow* w : d->windows)
        w->collectSettings(settings);
}

void ToolWindows::collect(std::vector<QWidget*>& windows) const
{
    for (ui::ToolWindow* w : d->windows)
        if (w->followsAlwaysOnTop())
            windows.push_back(w->widget());
}

void ToolWindows::open(const std::string& action)
{
    d->make(action);
    for (const auto& [name, window] : d->openedBy) {
        if (name != action)
            continue;
        QWidget* w = window->widget();
        w->show();
        w->raise();
        w->activateWindow();
    }
}

void ToolWindows::openSheet(const QString& path)
{
    if (d->text->running()) {
        d->services->message(platform::MessageKind::Information,
            "The sheet \" " + QFileInfo(path).fileName().toStdString() + " \" was not opened: a program is running.");
        return;
    }
    if (d->text->saveQuestion())
        d->text->openSheet(path);
}

// The text calculator's sheet is never dropped at shut-down: a modified one, shown or not,
// raises the save question, and a run is stopped first. A start-up that stopped before the
// windows were made has no sheet.
bool ToolWindows::mayClose()
{
    return !d->text || d->text->mayQuit();
}

void ToolWindows::offerRecovery()
{
    if (d->text)
        d->text->offerRecovery();
}

} // namespace app
