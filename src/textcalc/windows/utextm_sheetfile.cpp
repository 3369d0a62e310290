// Reading and writing the sheet's file through the sheet files module.
#include "textcalc/windows/utextm.h"

#include "platform/errors.h"
#include "textcalc/sheet/qt/qt_content.h"
#include "textcalc/sheet/files/sheet_file.h"

#include <QFileInfo>
#include <QTextDocument>
#include <QTextEdit>

#include <memory>

namespace textcalc {

// A file that cannot be read is refused with the module's message; the sheet stays. Plain
// text opens in the input font, as a new sheet does, whatever the sheet before held. The caret
// ends at the start.
bool TTextm::loadSheet(const QString& path)
{
    try {
        const sheet::SheetContent content =
            sheet::loadSheet(path.toStdString(), sheet::fromQt(inputFormat()));
        auto document = std::make_unique<QTextDocument>();
        document->setDefaultFont(kalkul->document()->defaultFont());
        sheet::loadContent(*document, content);
        setSheetDocument(document.release());
        return true;
    } catch (const std::exception& e) {
        m_services.message(platform::MessageKind::Error, e.what());
        return false;
    }
}

bool TTextm::saveSheet(const QString& path)
{
    try {
        sheet::saveSheet(path.toStdString(), sheet::contentOf(*kalkul->document()));
        return true;
    } catch (const std::exception& e) {
        m_services.message(platform::MessageKind::Error, e.what());
        return false;
    }
}

} // namespace textcalc
