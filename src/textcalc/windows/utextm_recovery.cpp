// Never losing the sheet: the recovery copy written while the sheet is modified (every minute
// and before each run), removed when it is saved, new or opened, and offered at start-up when a
// program that died left one.
#include "textcalc/windows/utextm.h"

#include "textcalc/sheet/qt/qt_content.h"
#include "textcalc/windows/sheet_recovery.h"

#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>

namespace textcalc {

void TTextm::createRecovery()
{
    m_recovery = std::make_unique<SheetRecovery>(m_folders.data / "recovery");
    auto* timer = new QTimer(this);
    timer->setInterval(60 * 1000);
    connect(timer, &QTimer::timeout, this, &TTextm::writeRecovery);
    timer->start();
    restoreQuestion = [this](const QString& text) {
        QMessageBox box(QMessageBox::Question, "ZOLT CALC", text, QMessageBox::NoButton, this);
        QPushButton* restore = box.addButton(m_restoreText, QMessageBox::AcceptRole);
        box.addButton(m_discardText, QMessageBox::DestructiveRole);
        box.setDefaultButton(restore);
        box.exec();
        return box.clickedButton() == restore;
    };
}

// Only what changed since the last copy is written again.
void TTextm::writeRecovery()
{
    if (!modified() || !m_recoveryStale)
        return;
    const std::string name = FileName == UntitledName ? std::string() : FileName.toStdString();
    m_recoveryStale = !m_recovery->write(sheet::contentOf(*kalkul->document()), name);
}

void TTextm::removeRecovery()
{
    m_recovery->remove();
    m_recoveryStale = true;
}

void TTextm::offerRecovery()
{
    const auto orphan = m_recovery->findOrphan();
    if (!orphan)
        return;
    const QString file = QString::fromStdString(orphan->fileName);
    const QString name = file.isEmpty() ? UntitledName : QFileInfo(file).fileName();
    if (!restoreQuestion(m_restoreQuestionText.arg(name))) {
        m_recovery->release(*orphan, true);
        return;
    }
    const bool restored = loadSheet(QString::fromStdString(orphan->sheet.string()));
    // A copy that cannot be read now stays for a later start.
    m_recovery->release(*orphan, restored);
    if (!restored)
        return;
    FileName = file.isEmpty() ? UntitledName : file;
    kalkul->document()->setModified(true);
    inform();
    posun();
    writeRecovery();
    showNormal();
    raise();
    activateWindow();
}

} // namespace textcalc
