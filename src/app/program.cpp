#include "app/program.h"

#include "app/settings_file.h"
#include "app/startup_check.h"
#include "app/uabout.h"
#include "keypad/udmsdeg.h"
#include "keypad/utrail.h"
#include "platform/inifile.h"
#include "ui/skin.h"

#include <QApplication>
#include <QWidget>

#include <vector>

#include "app/tool_windows.h"

namespace app {

Program::Program(std::filesystem::path programDir, platform::Services& services)
    : m_programDir(std::move(programDir)), m_services(services), m_hints(this)
{
    QApplication::setApplicationName("ZOLT CALC");
    m_main = std::make_unique<keypad::Tmain>(m_services, m_settings, m_programDir);
    m_main->setHost(this);
    connect(m_main.get(), &keypad::Tmain::closed, this, &Program::finished);
    m_canRun = check(m_programDir, m_services);
    // settings.ini is read once; the windows take their values from the record.
    m_settings = readSettings(platform::IniFile(m_programDir / "settings.ini"), m_services.decimalSeparator());
    createWindows();
    Start();
}

Program::~Program() = default;

// The other windows, hidden, in their order: about box, base conversion, trail, DMS dialog,
// text calculator, find, statistics, linear systems, settings dialog, macro window.
void Program::createWindows()
{
    m_about = new Tabout(m_programDir, m_main.get());
    m_tools = std::make_unique<ToolWindows>();
    m_tools->createBase(m_services);
    m_trail = new keypad::Ttrail(m_main.get());
    m_dms = new keypad::Tdmsdeg(m_main.get());
    m_main->attach(m_trail, m_dms);
    m_tools->createTextCalculator(m_services);
    m_tools->createStatisticsAndLinear(m_services);
    selectSkin(); // what creating the settings dialog does
    m_tools->createMacros(m_services, *m_main);
}

// The saved skin index selects from the sorted skin list; an index beyond it selects the first.
void Program::selectSkin()
{
    m_skinNames = ui::listIniNames(m_programDir / "skins");
    if (m_skinNames.empty()) {
        if (m_canRun)
            m_services.message(platform::MessageKind::Warning, "Directory \"skins\" holds no skin !");
        m_canRun = false;
        return;
    }
    if (m_settings.skin < 0 || m_settings.skin >= static_cast<int>(m_skinNames.size()))
        m_settings.skin = 0;
    m_main->skinuj(m_skinNames[m_settings.skin]);
}

void Program::Start()
{
    m_hints.setEnabled(m_settings.hints);
    m_hints.setPauses(m_settings.hintAppearPause, m_settings.hintHidePause);
    m_main->applySettings();
    m_tools->applySettings(m_settings);
    m_tools->buildMacroMenu(*m_main);
    Vrch();
}

void Program::show()
{
    m_main->show();
    m_main->activateWindow();
    if (m_settings.trailActive) {
        m_trail->show();
        m_trail->raise();
    }
}

// Keeps the windows above others when the switch is on. Changing the flag of a shown window
// hides it, so shown windows are shown again.
void Program::Vrch()
{
    std::vector<QWidget*> windows{m_main.get(), m_trail};
    m_tools->collect(windows);
    for (QWidget* w : windows) {
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
    platform::IniFile file(m_programDir / "settings.ini");
    if (!writeSettings(file, m_settings, m_services.decimalSeparator()))
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
    m_tools->openSettings(*m_main);
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
