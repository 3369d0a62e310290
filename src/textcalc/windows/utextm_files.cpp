// Sheet files: new, open, save, save as, the save question, the caption and printing.
#include "textcalc/windows/utextm.h"

#include "platform/qt/save_dialog.h"

#include <QAction>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

namespace textcalc {

namespace {

std::string nameOnly(const QString& path)
{
    return QFileInfo(path).fileName().toStdString();
}

// A file nobody may write (no write permission bit), or one this user cannot write.
bool readOnly(const QString& path)
{
    const QFileInfo file(path);
    constexpr auto anyWrite = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    return file.exists() && (!file.isWritable() || !(file.permissions() & anyWrite));
}

} // namespace

// The desktop's dialogs; tests put scripted ones in their place.
void TTextm::installDialogs()
{
    fileDialog = [this](bool save) { return chooseFile(save); };
    colourDialog = [this](QColor initial) -> std::optional<QColor> {
        const QColor c = QColorDialog::getColor(initial, this);
        return c.isValid() ? std::optional(c) : std::nullopt;
    };
    fontDialog = [this](const OutputFont& initial) { return chooseOutputFont(initial); };
    printDialog = [this](QPrinter& printer) {
        QPrintDialog dialog(&printer, this);
        return dialog.exec() == QDialog::Accepted;
    };
}

bool TTextm::modified() const
{
    return kalkul->document()->isModified();
}

// After new, open and save there is nothing to save and nothing to recover.
void TTextm::markUnmodified()
{
    kalkul->document()->setModified(false);
    ASave->setEnabled(false);
    removeRecovery();
}

// Both dialogs start in the sheets folder and remember the folder and filter last used.
std::optional<QString> TTextm::chooseFile(bool save)
{
    QFileDialog dialog(this);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // The window asks about replacing a file itself.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    const QStringList filters{"Rich Text Format (*.rtf)", save ? "Text file (*.txt)" : "Text files (*.txt)",
                              "All files (*)"};
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.value(m_dialogFilter, filters.first()));
    dialog.setDirectory(m_dialogFolder);
    if (save) {
        platform::addFilterExtension(dialog, "rtf");
        // Save As starts from the sheet's own file.
        if (FileName != UntitledName)
            dialog.selectFile(FileName);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    // The chosen file's folder: a full path typed as the name leaves the dialog's own folder.
    m_dialogFolder = QFileInfo(dialog.selectedFiles().first()).absolutePath();
    m_dialogFilter = std::max<int>(0, filters.indexOf(dialog.selectedNameFilter()));
    return dialog.selectedFiles().first();
}

bool TTextm::saveQuestion()
{
    if (!modified())
        return true;
    const auto answer = m_services.message(platform::MessageKind::Confirmation,
                                           "Save changes in file \" " + nameOnly(FileName) + " \" ?",
                                           platform::Buttons::YesNoCancel);
    if (answer == platform::Answer::Cancel)
        return false;
    if (answer == platform::Answer::Yes)
        return asaveExecute();
    return true;
}

void TTextm::anewExecute()
{
    if (!saveQuestion())
        return;
    FileName = UntitledName;
    kalkul->clear();
    applyInputFont();
    inform();
    posun();
    markUnmodified();
}

void TTextm::aopenExecute()
{
    if (!saveQuestion())
        return;
    if (const auto path = fileDialog(false))
        openSheet(*path);
}

void TTextm::openSheet(const QString& path)
{
    if (!QFileInfo::exists(path)) {
        m_services.message(platform::MessageKind::Error, "Error. File \" " + nameOnly(path) + " \" does not exist.");
        return;
    }
    if (!loadSheet(path))
        return;
    FileName = path;
    markUnmodified();
    inform();
    posun();
    rememberSheet(path);
}

// A modified sheet's name is marked with "*", as desktop editors mark theirs.
void TTextm::inform()
{
    const QString marker = modified() ? "*" : "";
    if (FileName == UntitledName) {
        setWindowTitle(marker + UntitledName + " - " + TitleText);
        return;
    }
    const QString name = QFileInfo(FileName).fileName();
    QString title = marker + name.left(std::max<qsizetype>(0, name.size() - 4)) + " - " + TitleText;
    if (readOnly(FileName))
        title += " (ReadOnly)";
    setWindowTitle(title);
}

bool TTextm::asaveExecute()
{
    if (FileName == UntitledName)
        return Ulozjako();
    if (readOnly(FileName)) {
        m_services.message(platform::MessageKind::Information,
                           "File \" " + nameOnly(FileName) + " \" is ReadOnly. Save to another file.");
        return Ulozjako();
    }
    if (!saveSheet(FileName))
        return false;
    inform();
    markUnmodified();
    rememberSheet(FileName);
    return true;
}

bool TTextm::Ulozjako()
{
    for (;;) {
        const auto path = fileDialog(true);
        if (!path)
            return false;
        if (QFileInfo::exists(*path)) {
            const auto answer = m_services.message(platform::MessageKind::Confirmation,
                                                   "Replace an existing file \" " + nameOnly(*path) + " \" ?",
                                                   platform::Buttons::YesNoCancel);
            if (answer == platform::Answer::Cancel)
                return false;
            if (answer == platform::Answer::No)
                continue;
        }
        // A save that fails leaves the sheet under its old name, as it was.
        const QString previous = FileName;
        const bool wasModified = modified();
        FileName = *path;
        kalkul->document()->setModified(true);
        if (asaveExecute())
            return true;
        FileName = previous;
        kalkul->document()->setModified(wasModified);
        inform();
        return false;
    }
}

// The document is titled with the sheet's name. Without a printer a PDF is the only choice: it
// is proposed beside the sheet, named after it.
void TTextm::APrintExecute()
{
    QPrinter printer(QPrinter::HighResolution);
    const QFileInfo sheet(FileName);
    printer.setDocName(sheet.fileName());
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        const QString folder = FileName == UntitledName ? m_dialogFolder : sheet.absolutePath();
        printer.setOutputFileName(QDir(folder).filePath(sheet.completeBaseName() + ".pdf"));
    }
    if (printDialog(printer))
        printTo(printer);
}

void TTextm::printTo(QPrinter& printer)
{
    kalkul->document()->print(&printer);
}

} // namespace textcalc
