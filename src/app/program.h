#pragma once
// The program around the keypad window: creates the windows in their order, checks the data
// files, applies settings.ini at start-up (Start) and writes it back at shut-down (vypni).
#include "app/command_line.h"
#include "app/hints.h"
#include "app/qt_texts.h"
#include "keypad/windows/umain.h"
#include "platform/data_folders.h"
#include "ui/language.h"
#include "settings/settings.h"
#include "ui/manual.h"

#include <QObject>
#include <QString>

#include <filesystem>
#include <memory>

namespace keypad {
class Ttrail;
class Tdmsdeg;
}

namespace app {

class Tabout;
class Tsettings;
struct ToolWindows;

class Program : public QObject, public keypad::TmainHost {
    Q_OBJECT
public:
    // Runs the start-up sequence up to the message loop. `services` must outlive the program.
    Program(platform::DataFolders folders, platform::Services& services);
    // A portable program: settings.ini and the folders beside everything else.
    Program(const std::filesystem::path& programDir, platform::Services& services)
        : Program(platform::DataFolders::portable(programDir), services)
    {
    }
    ~Program() override;

    // False when start-up found no way to run (missing langs or skins): the caller ends the
    // program instead of entering the message loop.
    bool canRun() const { return m_canRun; }
    // Shows the keypad (and the trail), then creates the other calculators' windows.
    void show();
    // After show(), what a start asked for, at this start or handed over by a later one: the
    // keypad brought forward, or the text calculator over it with the first sheet opened as its
    // open action opens one (the save question first); the others are named in a box.
    void take(const StartRequest& request);

    keypad::Tmain& main() { return *m_main; }
    const platform::DataFolders& folders() const { return m_folders; }
    settings::Settings& settings() { return m_settings; }
    Tabout* about() { return m_about; }
    Tsettings* settingsDialog() { return m_settingsDialog; }

    // TmainHost
    void vypni() override;
    void openWindow(const std::string& action) override;
    void NastavOpen() override;
    void showAbout() override;
    bool FormCloseQuery() override;

    void Vrch();
    void popis(); // texts of the selected language file into every window

signals:
    void finished(); // the main window has closed: the process ends

private:
    void createWindows();
    void createToolWindows();
    void createSettingsDialog();
    void Start();

    platform::DataFolders m_folders;
    platform::Services& m_services;
    settings::Settings m_settings;
    bool m_canRun = true;
    ui::Language m_language;
    ui::Manual m_manual;
    QtTexts m_qtTexts;
    Hints m_hints;
    std::unique_ptr<keypad::Tmain> m_main;
    Tabout* m_about = nullptr;
    keypad::Ttrail* m_trail = nullptr;
    keypad::Tdmsdeg* m_dms = nullptr;
    Tsettings* m_settingsDialog = nullptr;
    std::unique_ptr<ToolWindows> m_tools;
};

} // namespace app
