#include "app/qt_texts.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace app {

QtTexts::~QtTexts()
{
    if (m_installed)
        QCoreApplication::removeTranslator(&m_translator);
}

void QtTexts::use(const std::string& locale)
{
    if (m_installed)
        QCoreApplication::removeTranslator(&m_translator);
    m_installed = m_translator.load("qt_" + QString::fromStdString(locale),
                                    QLibraryInfo::path(QLibraryInfo::TranslationsPath))
                  && QCoreApplication::installTranslator(&m_translator);
}

} // namespace app
