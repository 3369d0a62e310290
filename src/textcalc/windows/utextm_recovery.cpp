// Never losing the sheet: the recovery copy written while the sheet is modified (a few seconds
// after typing pauses, every minute while it goes on, and before each run), removed when it is saved, new or opened, and offered at start-up when a
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

#include <set>

namespace textcalc {

void TTextm::createRecovery()
{
    m_recovery = std::make_unique<SheetRecovery>(m_folders.data / "recovery");
    auto* timer = new QTimer(this);
    timer->setInterval(60 * 1000);
    connect(timer, &QTimer::timeout, this, &TTextm::writeRecovery);
    timer->start();
    m_recoveryPauseTimer = new QTimer(this);
    m_recoveryPauseTimer->setSingleShot(true);
    connect(m_recoveryPauseTimer, &QTimer::timeout, this, &TTextm::writeRecovery);
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

// Every copy found is offered in turn. A copy that cannot be read (its message shown) is
// discarded or kept for a later start as the user says; restoring a second copy asks about the
// first as opening a sheet would.
void TTextm::offerRecovery()
{
    bool restoredOne = false;
    std::set<std::filesystem::path> offered;
    while (const auto orphan = m_recovery->findOrphan(offered)) {
        offered.insert(orphan->sheet);
        const QString file = QString::fromStdString(orphan->fileName);
        const QString name = file.isEmpty() ? UntitledName : QFileInfo(file).fileName();
        if (!restoreQuestion(m_restoreQuestionText.arg(name))) {
            m_recovery->release(*orphan, true);
            continue;
        }
        if (restoredOne && !saveQuestion()) {
            m_recovery->release(*orphan, false);
            return;
        }
        if (!loadSheet(QString::fromStdString(orphan->sheet.string()))) {
            const auto discard = m_services.message(platform::MessageKind::Confirmation,
                                                    "Discard the copy of \" " + name.toStdString() + " \" ?",
                                                    platform::Buttons::YesNo);
            m_recovery->release(*orphan, discard == platform::Answer::Yes);
            continue;
        }
        m_recovery->release(*orphan, true);
        restoredOne = true;
        FileName = file.isEmpty() ? UntitledName : file;
        kalkul->document()->setModified(true);
        inform();
        posun();
        m_recoveryStale = true;
        writeRecovery();
    }
    if (!restoredOne)
        return;
    showNormal();
    raise();
    activateWindow();
}

} // namespace textcalc
