// Running lines and groups of the sheet, and stopping a run. A run stays on the GUI thread: the
// engine polls the window, which processes events (repaint, boxes, the picture) and answers
// whether the user asked to stop. While a run is going on, the sheet is read-only and nothing
// that edits or starts another run is enabled.
#include "textcalc/windows/utextm.h"

#include "textcalc/number/qt/qt_colour.h"
#include "textcalc/sheet/calcul.h"
#include "textcalc/sheet/qt/qt_content.h"
#include "textcalc/sheet/qt/qt_document.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QEventLoop>
#include <QColorDialog>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFontComboBox>
#include <QLabel>
#include <QMenu>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>

namespace textcalc {

namespace {

// Actions that neither edit the sheet nor start a run stay usable during a run.
bool staysEnabledDuringRun(const QAction* a, const TTextm& w)
{
    return a == w.AStop || a == w.ACopy || a == w.ASelall || a == w.hlavtul || a == w.formtul
           || a == w.infoshow || a == w.nextline || a == w.AClose || a->menu() != nullptr;
}

} // namespace

void TTextm::setRunning(bool on)
{
    m_running = on;
    if (on) {
        m_enabledBeforeRun.clear();
        for (QAction* a : findChildren<QAction*>()) {
            if (staysEnabledDuringRun(a, *this))
                continue;
            m_enabledBeforeRun[a] = a->isEnabled();
            a->setEnabled(false);
        }
    } else {
        for (const auto& [a, enabled] : m_enabledBeforeRun)
            a->setEnabled(enabled);
        m_enabledBeforeRun.clear();
    }
    AStop->setEnabled(on);
    for (QWidget* w : std::initializer_list<QWidget*>{FontName, velikost, IncButton, DecButton, ColButton})
        w->setEnabled(!on);
    kalkul->setReadOnly(on);
    picturePage->setRunning(on);
    if (on)
        pictureTimer->start();
    else
        pictureTimer->stop();
    if (on) {
        panels[3]->setText(" " + m_runningText);
        QApplication::setOverrideCursor(Qt::BusyCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

void TTextm::stopRun()
{
    if (m_running)
        m_stopRequested = true;
}

void TTextm::Calcul(bool group)
{
    if (m_running || kalkul->isReadOnly())
        return;
    sheet::QtDocument doc(
        *kalkul->document(), [this] { return kalkul->textCursor(); },
        [this](const QTextCursor& c) { kalkul->setTextCursor(c); });
    m_stopRequested = false;
    setRunning(true);
    // The engine asks every 20 ms or so: the window repaints, shows the picture growing and
    // takes the Stop button or Esc meanwhile (nothing that edits or runs is enabled).
    m_engine.callbacks.stopRequested = [this] {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        return m_stopRequested;
    };
    m_engine.settings.EchoOutputs = output->isChecked();
    m_engine.settings.Precision = m_settings.textDigits;
    sheet::CharFormat outputFormat = sheet::fromQt(QTextCharFormat());
    outputFormat.fontName = m_outputFont.family().toStdString();
    outputFormat.size = m_outputFont.pointSizeF();
    outputFormat.bold = m_outputFont.bold();
    outputFormat.italic = m_outputFont.italic();
    outputFormat.colour = fromQColor(m_outputColour);
    const sheet::CalculResult result = sheet::Calcul(doc, m_engine, group ? sheet::RunMode::Group : sheet::RunMode::Line,
                                                     outputFormat, nextline->isChecked());
    setRunning(false);

    if (result.ran) {
        output->setChecked(result.echoOutputs);
        panels[3]->setText(QString::fromStdString(result.elapsedText));
    } else {
        panels[3]->setText(" 0 s");
    }
    kalkul->setFocus();
    posun();
    picturePage->pictureChanged();
    if (pages->currentWidget() == Obrazek)
        picturePage->obrinfo();
    emit runFinished();
    if (m_closeAfterRun) {
        m_closeAfterRun = false;
        QTimer::singleShot(0, this, &QWidget::close);
    }
    if (m_quitAfterRun) {
        m_quitAfterRun = false;
        QTimer::singleShot(0, this, &TTextm::quitAfterRun);
    }
}

// The caret's output line is printed again in floating form; a line that cannot be read
// stays as it is (the engine beeps).
void TTextm::ADecimExecute()
{
    QTextCursor c = kalkul->textCursor();
    const QTextBlock block = c.block();
    std::string line = block.text().toStdString();
    if (!m_engine.convertToDecimal(line))
        return;
    c.movePosition(QTextCursor::StartOfBlock);
    c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    c.insertText(QString::fromStdString(line));
}

void TTextm::AClearExecute()
{
    const auto answer = m_services.message(platform::MessageKind::Confirmation,
                                           "Delete all variables, functions, arrays and textfiles?",
                                           platform::Buttons::YesNo);
    if (answer == platform::Answer::Yes)
        m_engine.clearTables();
}

// The colour goes in as the number a program would write for it.
void TTextm::AInscolExecute()
{
    const auto colour = colourDialog(Qt::black);
    if (!colour)
        return;
    insertAtCaret(QString::number(fromQColor(*colour).language()));
}

} // namespace textcalc
