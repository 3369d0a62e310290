// Reading and writing the sheet's file through the sheet files module.
#include "textcalc/windows/utextm.h"

#include "platform/errors.h"
#include "textcalc/sheet/qt/qt_content.h"
#include "textcalc/sheet/files/sheet_file.h"
#include "textcalc/sheet/qt/layout_height.h"
#include "textcalc/windows/sheet_zoom.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocale>
#include <QProgressDialog>
#include <QTextDocument>
#include <QTextEdit>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>

namespace textcalc {

namespace {

std::string tooTall(const QString& name, double height)
{
    const QLocale c = QLocale::c();
    return "Error. File \" " + name.toStdString() + " \" is too long for the text calculator: laid out it is about "
           + c.toString(std::llround(height / 1e6)).toStdString() + " million pixels tall, and the editor can lay out "
           + c.toString(std::llround(sheet::MaxLayoutHeight / 1e6)).toStdString()
           + " million. Fewer lines, a smaller font, a smaller zoom or a wider window fit.";
}

} // namespace

// The sheet's lines are as wide as the editor shows them. A window shown a moment ago has its
// layout pending: it is brought up to date first. A hidden one has its own size only.
double TTextm::layoutHeight(const QTextDocument& document) const
{
    double lineWidth = width() - 120; // the tab bar, the frame and the scroll bar
    if (isVisible()) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        lineWidth = kalkul->viewport()->width();
    }
    return sheet::estimatedLayoutHeight(document, m_zoomDevice.get(), lineWidth - 2 * document.documentMargin());
}

// A file that cannot be read, or has lines the editor cannot lay out in time, is refused with
// a message saying why; the sheet stays. Plain text opens in the input font, as a new sheet
// does, whatever the sheet before held. The caret ends at the start.
bool TTextm::loadSheet(const QString& path)
{
    try {
        // A folder, a device or a FIFO is no sheet, and opening a FIFO would wait for a writer.
        if (const QFileInfo file(path); file.exists() && !file.isFile())
            throw platform::UserError("Error. File \" " + file.fileName().toStdString() + " \" cannot be read.");
        const sheet::SheetContent content = sheet::loadSheet(path.toStdString(), sheet::fromQt(inputFormat()));
        sheet::checkEditorLimits(content, QFileInfo(path).fileName().toStdString());
        auto document = std::make_unique<QTextDocument>();
        document->setDefaultFont(kalkul->document()->defaultFont());
        if (!loadWithProgress(*document, content))
            return false;
        if (const double height = layoutHeight(*document); height > sheet::MaxLayoutHeight)
            throw platform::UserError(tooTall(QFileInfo(path).fileName(), height));
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
