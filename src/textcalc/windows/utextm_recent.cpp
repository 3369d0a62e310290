// Recent sheets: the File menu lists the last sheets opened or saved, the latest first, kept in
// settings.ini as the window's view is. One that no longer exists is removed with a message.
#include "textcalc/windows/utextm.h"

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

void TTextm::rememberSheet(const QString& path)
{
    std::vector<std::string>& recent = m_settings.recentSheets;
    const std::string file = QFileInfo(path).absoluteFilePath().toStdString();
    std::erase(recent, file);
    recent.insert(recent.begin(), file);
    if (recent.size() > settings::Settings::maxRecentSheets)
        recent.resize(settings::Settings::maxRecentSheets);
    writeTextCalculatorKeys();
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
