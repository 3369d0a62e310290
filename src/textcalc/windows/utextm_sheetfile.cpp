// Reading and writing the sheet's file through the sheet files module.
#include "textcalc/windows/utextm.h"

#include "platform/errors.h"
#include "textcalc/sheet/qt/qt_content.h"
#include "textcalc/sheet/files/sheet_file.h"

#include <QFileInfo>
#include <QTextEdit>

namespace textcalc {

// A file that cannot be read is refused with the module's message; the sheet stays.
bool TTextm::loadSheet(const QString& path)
{
    try {
        const sheet::SheetContent content =
            sheet::loadSheet(path.toStdString(), sheet::fromQt(kalkul->currentCharFormat()));
        sheet::loadContent(*kalkul->document(), content);
        return true;
    } catch (const platform::UserError& e) {
        m_services.message(platform::MessageKind::Error, e.what());
        return false;
    }
}

bool TTextm::saveSheet(const QString& path)
{
    try {
        sheet::saveSheet(path.toStdString(), sheet::contentOf(*kalkul->document()));
        return true;
    } catch (const platform::UserError& e) {
        m_services.message(platform::MessageKind::Error, e.what());
        return false;
    }
}

} // namespace textcalc
