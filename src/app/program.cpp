#include "app/program.h"

#include "app/focus_return.h"
#include "settings/settings_file.h"
#include "app/startup_check.h"
#include "app/tool_windows.h"
#include "app/uabout.h"
#include "app/usettings.h"
#include "keypad/windows/udmsdeg.h"
#include "keypad/windows/utrail.h"
#include "platform/inifile.h"
#include "platform/qt/window_place.h"
#include "ui/language.h"
#include "ui/skin.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QGuiApplication>
#include <QWidget>

#include <filesystem>
#include <vector>

namespace app {

Program::Program(platform::DataFolders folders, platform::Services& services)
    : m_folders(std::move(folders)), m_services(services), m_manual(m_folders.program, services), m_hints(this)
{
    QApplication::setApplicationName("ZOLT CALC");
    new FocusReturn(this);
    // settings.ini is read once; the windows take their values from the record. Reading it
    // first lets the hint style be in place before any widget is polished.
    m_settings = settings::readSettings(platform::IniFile(m_folders.settingsFile), m_services.decimalSeparator());
    m_hints.setEnabled(m_settings.hints);
    m_hints.setPauses(m_settings.hintAppearPause, m_settings.hintHidePause);
    m_main = std::make_unique<keypad::Tmain>(m_services, m_settings, m_folders.program);
    m_main->setHost(this);
    connect(m_main.get(), &keypad::Tmain::closed, this, &Program::finished);
    m_canRun = check(m_folders, m_services);
    m_tools = std::make_unique<ToolWindows>();
    createWindows();
    Start();
}

Program::~Program() = default;

// The other windows, hidden, in their order: about box, base conversion, trail, DMS dialog,
// text calculator, find, statistics, linear systems, settings dialog, macro window. The windows
// of the other calculators are created by show(), right after the keypad is on screen and
// before any input is processed, so the calculator appears without waiting for them.
void Program::createWindows()
{
    m_about = new Tabout(m_main.get());
    connect(m_about, &Tabout::helpRequested, m_main.get(), &keypad::Tmain::AHelpExecute);
    m_trail = new keypad::Ttrail(m_main.get());
    m_dms = new keypad::Tdmsdeg(m_main.get());
    m_main->attach(m_trail, m_dms);
    createSettingsDialog();
}

void Program::createToolWindows()
{
    m_tools->createBase(m_services);
    m_tools->createTextCalculator(m_services, *m_main, m_settings, m_folders);
    m_tools->createStatisticsAndLinear(m_services);
    m_tools->createMacros(m_services, *m_main);
    m_tools->applySettings(m_settings);
    m_tools->popis(m_language);
    m_tools->buildMacroMenu(*m_main);
    m_tools->addHelp(m_manual);
    Vrch();
    m_tools->offerRecovery();
}

// Creating the settings dialog lists the skins and languages and applies the saved skin.
void Program::createSettingsDialog()
{
    m_settingsDialog = new Tsettings(m_settings, m_folders.program, m_main.get());
    connect(m_settingsDialog, &Tsettings::numberFormatChanged, this, [this] { m_main->applyEngineSettings(); });
    connect(m_settingsDialog, &Tsettings::skinChanged, this, [this] { m_main->skinuj(m_settingsDialog->skinName()); });
    connect(m_settingsDialog, &Tsettings::languageChanged, this, &Program::popis);
    connect(m_settingsDialog, &Tsettings::closing, this, [this] {
        m_hints.setEnabled(m_settings.hints);
        Vrch();
        m_main->applyEngineSettings();
    });
    connect(m_settingsDialog, &Tsettings::helpRequested, m_main.get(), &keypad::Tmain::AHelpExecute);
    connect(m_settingsDialog, &Tsettings::settingsFileRequested, this,
            [this] { m_main->openDocument(m_folders.settingsFile); });
    if (m_settingsDialog->skinName().empty()) {
        if (m_canRun)
            m_services.message(platform::MessageKind::Warning, "Directory \"skins\" holds no skin !");
        m_canRun = false;
        return;
    }
    m_main->skinuj(m_settingsDialog->skinName());
}

// The keypad's part of Start; the other calculators' part runs in createToolWindows.
void Program::Start()
{
    m_main->applySettings();
    popis();
    Vrch();
}

// The saved language index selects from the sorted list of langs/*.ini; without a file every
// text stays Czech.
void Program::popis()
{
    const std::string name = m_settingsDialog->languageFile();
    m_language = name.empty() ? ui::Language() : ui::Language(m_folders.program / "langs" / (name + ".ini"));
    m_manual.setLanguage(name);
    m_qtTexts.use(m_language.text("locale", "cs"));
    m_services.setMessageTitles({"ZOLT CALC", m_language.text("errortitle", "Chyba"),
                                 m_language.text("warningtitle", "Upozornění"), m_language.text("infotitle", "Informace"),
                                 m_language.text("confirmtitle", "Potvrzení")});
    m_main->popis(m_language);
    // The trail's one line is read out under the window's name.
    m_trail->paper->setAccessibleName(m_trail->windowTitle().trimmed());
    m_about->popis(m_language);
    m_settingsDialog->popis(m_language);
    m_tools->popis(m_language);
}

void Program::show()
{
    // Where the compositor gives the keyboard to the newest window and the program cannot take
    // it back (Wayland), the keypad is shown last.
    const bool keypadLast = !platform::platformPlacesWindows();
    if (keypadLast && m_settings.trailActive)
        m_trail->show();
    m_main->show();
    m_main->activateWindow();
    if (!keypadLast && m_settings.trailActive) {
        m_trail->show();
        m_trail->raise();
    }
    QGuiApplication::sync(); // the map requests reach the display now
    createToolWindows();
}

void Program::take(const StartRequest& request)
{
    if (!request.textCalculator) {
        m_main->setWindowState(m_main->windowState() & ~Qt::WindowMinimized);
        m_main->show();
        m_main->raise();
        m_main->activateWindow();
        return;
    }
    m_tools->open("AText");
    if (request.sheets.empty())
        return;
    m_tools->openSheet(QString::fromStdString(request.sheets.front()));
    if (request.sheets.size() == 1)
        return;
    std::string rest;
    for (size_t i = 1; i < request.sheets.size(); ++i)
        rest += (i > 1 ? ", \"" : "\"") + std::filesystem::path(request.sheets[i]).filename().string() + "\"";
    m_services.message(platform::MessageKind::Information,
                       "The text calculator holds one sheet at a time; not opened: " + rest + ".");
}

// Keeps the windows above others when the switch is on. Changing the flag of a shown window
// hides it, so shown windows are shown again.
void Program::Vrch()
{
    std::vector<QWidget*> windows{m_main.get(), m_trail};
    m_tools->collect(windows);
    for (QWidget* w : windows) {
        if (!w)
            continue; // not created yet
        const bool shown = w->isVisible();
        w->setWindowFlag(Qt::WindowStaysOnTopHint, m_settings.alwaysOnTop);
        if (shown)
            w->show();
    }
    m_main->setRoundedRegion();
}

void Program::vypni()
{
    m_main->collectSettings();
    m_tools->collectSettings(m_settings);
    m_settings.separator = m_settingsDialog->separatorText();
    platform::IniFile file(m_folders.settingsFile);
    if (!settings::writeSettings(file, m_settings, m_services.decimalSeparator()))
        m_services.message(platform::MessageKind::Error,
                           "The settings could not be saved to \"" + file.path().string() + "\".");
    m_main->close();
}

void Program::openWindow(const std::string& action)
{
    m_tools->open(action);
}

void Program::NastavOpen()
{
    m_settingsDialog->exec();
}

void Program::showAbout()
{
    m_about->exec();
}

bool Program::FormCloseQuery()
{
    return m_tools->mayClose();
}

} // namespace app
