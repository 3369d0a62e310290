// Pasting into the sheet: a line longer than a sheet file may hold (qt_content.h) is refused
// with a message, so the sheet never holds what it could not be opened with again.
#include "textcalc/windows/utextm.h"

#include "textcalc/sheet/qt/qt_content.h"

#include <QClipboard>
#include <QKeySequence>
#include <QGuiApplication>
#include <QMimeData>
#include <QTextEdit>

#include <algorithm>

namespace textcalc {

bool TTextm::pasteFits()
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (data == nullptr)
        return true;
    qsizetype longest = 0;
    for (const QStringView line : QStringView(data->text()).split(u'\n'))
        longest = std::max(longest, line.size());
    if (longest <= sheet::MaxEditorLineLength)
        return true;
    m_services.message(platform::MessageKind::Error,
                       "Error. The text to paste has a line of " + std::to_string(longest)
                           + " characters; the text calculator holds lines of up to "
                           + std::to_string(sheet::MaxEditorLineLength) + ".");
    return false;
}

void TTextm::pasteChecked()
{
    if (pasteFits())
        kalkul->paste();
}

} // namespace textcalc
