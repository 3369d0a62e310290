// Reading and writing the sheet's file.
#include "textcalc/utextm.h"

#include <QFile>
#include <QFileInfo>
#include <QTextEdit>

namespace textcalc {

bool TTextm::loadSheet(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_services.message(platform::MessageKind::Error,
                           "Error. File \" " + QFileInfo(path).fileName().toStdString() + " \" cannot be read.");
        return false;
    }
    kalkul->setPlainText(QString::fromUtf8(file.readAll()));
    return true;
}

bool TTextm::saveSheet(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(kalkul->toPlainText().toUtf8()) < 0) {
        m_services.message(platform::MessageKind::Error,
                           "Error. File \" " + QFileInfo(path).fileName().toStdString() + " \" cannot be written.");
        return false;
    }
    return true;
}

} // namespace textcalc
