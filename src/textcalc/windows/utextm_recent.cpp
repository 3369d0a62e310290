// Recent sheets: the File menu lists the last sheets opened or saved, the latest first, kept in
// settings.ini as the window's view is. One that no longer exists is removed with a message.
#include "textcalc/windows/utextm.h"

#include "platform/inifile.h"
#include "settings/settings_file.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>

#include <algorithm>

namespace textcalc {

void TTextm::createRecentSheets()
{
    m_recentEnd = misheet->insertSeparator(AClose);
}

void TTextm::showRecentSheets()
{
    qDeleteAll(m_recentActions);
    m_recentActions.clear();
    int number = 0;
    for (const std::string& file : m_settings.recentSheets) {
        const QString path = QString::fromStdString(file);
        auto* item = new QAction(QString("&%1 %2").arg(++number).arg(QFileInfo(path).fileName()), this);
        item->setToolTip(path);
        item->setStatusTip(path);
        connect(item, &QAction::triggered, this, [this, path] { openRecentSheet(path); });
        misheet->insertAction(m_recentEnd, item);
        m_recentActions.push_back(item);
    }
}

// A name with a line break has no place in settings.ini, whose values end at the line's end.
void TTextm::rememberSheet(const QString& path)
{
    std::vector<std::string>& recent = m_settings.recentSheets;
    const std::string file = QFileInfo(path).absoluteFilePath().toStdString();
    if (file.find_first_of("\r\n") != std::string::npos)
        return;
    std::erase(recent, file);
    recent.insert(recent.begin(), file);
    if (recent.size() > settings::Settings::maxRecentSheets)
        recent.resize(settings::Settings::maxRecentSheets);
    writeTextCalculatorKeys();
    showRecentSheets();
}

// Another program may have written its own latest sheets meanwhile: those that still exist
// follow this program's.
void TTextm::mergeRecentSheets(const platform::IniFile& file)
{
    std::vector<std::string>& recent = m_settings.recentSheets;
    for (const std::string& other : settings::readSettings(file, m_services.decimalSeparator()).recentSheets)
        if (recent.size() < settings::Settings::maxRecentSheets && std::find(recent.begin(), recent.end(), other) == recent.end()
            && QFileInfo(QString::fromStdString(other)).isFile())
            recent.push_back(other);
    showRecentSheets();
}

void TTextm::openRecentSheet(const QString& path)
{
    if (!QFileInfo(path).isFile()) {
        std::erase(m_settings.recentSheets, path.toStdString());
        writeTextCalculatorKeys();
        showRecentSheets();
        m_services.message(platform::MessageKind::Warning, m_recentGoneText.arg(path).toStdString());
        return;
    }
    if (saveQuestion())
        openSheet(path);
}

} // namespace textcalc
