#pragma once
// The windows of the other calculators, as the keypad window reaches them: the one place where
// the base conversion, statistics, linear systems, macro, text calculator and find/replace
// windows plug into start-up, the keypad's menu and actions, always-on-top and shut-down. Each
// is a ui::ToolWindow: it applies its own language texts and settings.
#include "keypad/windows/umain.h"
#include "platform/data_folders.h"
#include "platform/services.h"
#include "ui/language.h"
#include "settings/settings.h"
#include "ui/manual.h"

#include <memory>
#include <string>
#include <vector>

class QString;
class QWidget;

namespace app {

struct ToolWindows {
    ToolWindows();
    ~ToolWindows();

    // Creation, in the start-up order. The base conversion, statistics and linear systems
    // windows are made when they are first opened; `services` must outlive them.
    void createBase(platform::Services& services);
    void createTextCalculator(platform::Services& services, keypad::Tmain& main, settings::Settings& settings,
                              const platform::DataFolders& folders);
    void createStatisticsAndLinear(platform::Services& services);
    void createMacros(platform::Services& services, keypad::Tmain& main);

    // Every window alike, in the creation order.
    void applySettings(const settings::Settings& settings);
    void popis(const ui::Language& language);
    void buildMacroMenu(keypad::Tmain& main);
    // F1 over each window opens its page of the manual; the text calculator's help menu
    // opens its pages there too. The manual must outlive the windows.
    void addHelp(const ui::Manual& manual);
    void collectSettings(settings::Settings& settings);
    void collect(std::vector<QWidget*>& windows) const; // windows that follow always-on-top

    void open(const std::string& action); // AText, AStat, ALinear, ABase
    // In the text calculator, as its open action does: the save question for a modified
    // sheet first; refused with a message while a program runs in it.
    void openSheet(const QString& path);
    bool mayClose();
    // A sheet a program that died left behind is offered back, once the windows are ready.
    void offerRecovery();

    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace app
