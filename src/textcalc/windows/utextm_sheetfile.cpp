// Reading and writing the sheet's file through the sheet files module.
#include "textcalc/windows/utextm.h"

#include "platform/errors.h"
#include "textcalc/sheet/qt/qt_content.h"
#include "textcalc/sheet/files/sheet_file.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProgressDialog>
#include <QTextDocument>
#include <QTextEdit>

#include <limits>
#include <memory>

namespace textcalc {

// A file that cannot be read, or has lines the editor cannot lay out in time, is refused with
// a message saying why; the sheet stays. Plain text opens in the input font, as a new sheet
// does, whatever the sheet before held. The caret ends at the start.
bool TTextm::loadSheet(const QString& path)
{
    try {
        const sheet::SheetContent content = sheet::loadSheet(path.toStdString(), sheet::fromQt(inputFormat()));
        sheet::checkEditorLimits(content, QFileInfo(path).fileName().toStdString());
        auto document = std::make_unique<QTextDocument>();
        document->setDefaultFont(kalkul->document()->defaultFont());
        if (!loadWithProgress(*document, content))
            return false;
        setSheetDocument(document.release());
        return true;
    } catch (const platform::UserError& e) {
        m_services.message(platform::MessageKind::Error, e.what());
        return false;
    }
}

// A load that takes longer than openProgressDelay shows its progress and can be cancelled
// (false). The dialog is modal: while it shows, the window repaints and takes only Cancel.
bool TTextm::loadWithProgress(QTextDocument& document, const sheet::SheetContent& content)
{
    QProgressDialog progress(m_openingText, m_cancelText, 0, int(content.paragraphs.size()), this);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(std::numeric_limits<int>::max()); // shown here, by the clock
    progress.setAutoReset(false);
    QElapsedTimer clock;
    clock.start();
    return sheet::loadContent(document, content, [&](int loaded, int) {
        if (progress.isHidden() && clock.elapsed() >= openProgressDelay)
            progress.show();
        progress.setValue(loaded);
        if (progress.isVisible())
            QCoreApplication::processEvents();
        return !progress.wasCanceled();
    });
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
