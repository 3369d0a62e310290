// Runs from the window: outputs written into the sheet below the lines, the caret, the
// output button and the status bar; stopping a run with the Stop action, by closing the
// window or by quitting the program.
#include "window_fixture.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

QStringList lines(textcalc::TTextm& w)
{
    return w.kalkul->toPlainText().split(QChar::ParagraphSeparator).join("\n").split("\n");
}

bool centred(textcalc::TTextm& w, int line)
{
    return w.kalkul->document()->findBlockByNumber(line).blockFormat().alignment() & Qt::AlignHCenter;
}

TEST_F(TextWindow, RunsWriteCentredOutputsBelowTheLines)
{
    type("x:=1/3\nx+1");
    caretTo(0);
    window->AExecl->trigger();
    EXPECT_EQ(lines(*window), (QStringList{"x:=1/3", "x = 1/3", "x+1"}));
    EXPECT_TRUE(centred(*window, 1));
    EXPECT_FALSE(centred(*window, 2));
    // nextline is down: the caret moved to the next program line.
    EXPECT_EQ(window->kalkul->textCursor().blockNumber(), 2);
    window->AExecl->trigger();
    EXPECT_EQ(lines(*window), (QStringList{"x:=1/3", "x = 1/3", "x+1", "4/3", ""}));
    EXPECT_TRUE(window->panels[3]->text().endsWith(" s"));
    EXPECT_FALSE(window->kalkul->document()->isUndoAvailable());
}

// The output font button sets the font and the colour of the lines the next run writes; a
// cancelled dialog keeps both, and shut-down stores what was chosen.
TEST_F(TextWindow, OutputFontButtonSetsFontAndColourOfOutputs)
{
    std::optional<textcalc::TTextm::OutputFont> answer;
    window->fontDialog = [&](const textcalc::TTextm::OutputFont&) { return answer; };
    QFont font("Courier New");
    font.setPointSize(15);
    font.setItalic(true);
    answer = textcalc::TTextm::OutputFont{font, QColor(0, 128, 0)};
    window->FontBut->trigger();
    answer.reset();
    window->FontBut->trigger(); // cancelled
    type("1+1");
    caretTo(0);
    window->AExecl->trigger();
    QTextCursor c(window->kalkul->document()->findBlockByNumber(1));
    c.movePosition(QTextCursor::Right);
    const QTextCharFormat f = c.charFormat();
    EXPECT_EQ(f.fontFamilies().toStringList().value(0), "Courier New");
    EXPECT_EQ(f.fontPointSize(), 15);
    EXPECT_TRUE(f.fontItalic());
    EXPECT_EQ(f.foreground().color(), QColor(0, 128, 0));
    window->collectSettings();
    EXPECT_EQ(settings.outputFont.color, 0x008000u);
    EXPECT_EQ(settings.outputFont.size, 15);
    EXPECT_TRUE(settings.outputFont.italic);
}

// A run on a sheet just opened or saved changes it: Save is on afterwards.
TEST_F(TextWindow, RunOnAnUnmodifiedSheetEnablesSave)
{
    files = {QString::fromStdString(dir.write("sheets/s.txt", "1+1").string())};
    window->AOpen->trigger();
    ASSERT_FALSE(window->ASave->isEnabled());
    window->AExecl->trigger();
    EXPECT_TRUE(window->modified());
    EXPECT_TRUE(window->ASave->isEnabled());
}

TEST_F(TextWindow, GroupRunJoinsTheLinesUpToTheOutputs)
{
    type("s:=0;\nfor k:=1 to 4 do\ns:=s+k;\ns");
    window->output->setChecked(false);
    caretTo(1);
    window->AExecg->trigger();
    EXPECT_EQ(lines(*window), (QStringList{"s:=0;", "for k:=1 to 4 do", "s:=s+k;", "s", "10", ""}));
}

TEST_F(TextWindow, EchoButtonFollowsTheRunsOutputSwitch)
{
    type("Output-; x:=2");
    window->output->setChecked(true);
    caretTo(0);
    window->AExecl->trigger();
    EXPECT_FALSE(window->output->isChecked());
}

// The endless loop is stopped by the Stop action while the window keeps working: the sheet is
// read-only (find/replace too), nothing can start another run, and the status bar says a run
// is going on.
TEST_F(TextWindow, StopEndsAnEndlessRunAndKeepsTheSheet)
{
    type("x:=0\nwhile 1 do x:=x+1\nafter");
    window->popis(ui::Language());
    caretTo(0);
    window->AExecl->trigger();
    caretTo(2);
    window->output->setChecked(false); // no report line for every step of the loop
    bool readOnly = false, execEnabled = true, stopEnabled = false, newEnabled = true, replaced = true;
    QString status;
    window->findWindow->findt->setText("after");
    window->findWindow->replt->setText("x\ny");
    QTimer::singleShot(150, window.get(), [&] {
        readOnly = window->kalkul->isReadOnly();
        replaced = window->findWindow->repbut->isEnabled() || window->findWindow->repallbut->isEnabled();
        window->findWindow->repallbutClick();
        window->findWindow->findrep(true);
        execEnabled = window->AExecl->isEnabled() || window->AExecg->isEnabled();
        newEnabled = window->ANew->isEnabled() || window->APaste->isEnabled();
        stopEnabled = window->AStop->isEnabled();
        status = window->panels[3]->text();
        window->Calcul(false); // a second run does not start
        window->AStop->trigger();
    });
    window->AExecl->trigger();
    EXPECT_TRUE(readOnly);
    EXPECT_FALSE(replaced);
    EXPECT_FALSE(execEnabled);
    EXPECT_FALSE(newEnabled);
    EXPECT_TRUE(stopEnabled);
    EXPECT_EQ(status, QString::fromUtf8(" Probíhá výpočet... (Esc zastaví)"));
    EXPECT_EQ(lines(*window), (QStringList{"x:=0", "x = 0", "while 1 do x:=x+1",
                                           "Error. Program stopped by the user.", "after"}));
    EXPECT_FALSE(window->kalkul->isReadOnly());
    EXPECT_FALSE(window->AStop->isEnabled());
    EXPECT_TRUE(window->findWindow->repallbut->isEnabled());
    EXPECT_TRUE(window->AExecl->isEnabled());
    EXPECT_TRUE(window->ANew->isEnabled());
    EXPECT_TRUE(window->panels[3]->text().endsWith(" s"));
}

// Converting an output line that holds a long computation runs as a run does: the window
// stays live and read-only, says so, and Esc (the Stop action) ends it with the line kept.
TEST_F(TextWindow, DecimalConversionOfALongLineIsStopped)
{
    type("f(x):=sum(n, n=1..x)\nf(10^15)");
    window->popis(ui::Language());
    caretTo(0);
    window->AExecl->trigger();
    caretTo(2);
    window->nastred->trigger();
    bool readOnly = false, running = false;
    QString status;
    QTimer::singleShot(150, window.get(), [&] {
        readOnly = window->kalkul->isReadOnly();
        running = window->running();
        status = window->panels[3]->text();
        window->AStop->trigger();
    });
    const QString before = window->panels[3]->text();
    window->ADecim->trigger();
    EXPECT_TRUE(readOnly);
    EXPECT_TRUE(running);
    EXPECT_EQ(status, QString::fromUtf8(" Probíhá výpočet... (Esc zastaví)"));
    EXPECT_EQ(lines(*window).value(2), "f(10^15)");
    EXPECT_FALSE(window->kalkul->isReadOnly());
    EXPECT_EQ(window->panels[3]->text(), before);
}

// A run keeps the view where it is and scrolls only as far as its outputs and the caret need:
// a 40-line sheet in a window that shows about a dozen lines, the run line in the middle.
TEST_F(TextWindow, RunKeepsTheViewAndShowsOutputsAndCaret)
{
    struct Row {
        const char* name;
        int line;
        const char* program;
        bool nextline;
        bool stop;       // stopped by the Stop action
        bool viewStays;  // the outputs and the caret were in view already
    };
    const Row rows[] = {
        {"a line in the middle", 20, "x:=1", true, false, true},
        {"the caret stays on the line", 20, "x:=1", false, false, true},
        {"a ShowText box", 20, "ShowText('hi'); 2", true, false, true},
        {"stopped", 20, "while 1 do x:=x+1", true, true, true},
        {"the last line", 39, "x:=39", true, false, false},
        {"more outputs than the view holds", 20, "for i:=1 to 30 do i", true, false, false},
        {"more outputs, the caret stays", 20, "for i:=1 to 30 do i", false, false, false},
    };
    window->resize(500, 400);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    QTextEdit* sheet = window->kalkul;
    QScrollBar* bar = sheet->verticalScrollBar();
    const auto rectOf = [&](int line) {
        QRectF r = sheet->document()->documentLayout()->blockBoundingRect(sheet->document()->findBlockByNumber(line));
        return r.translated(0, -bar->value());
    };
    const auto inView = [&](const QRectF& r) { return r.top() >= 0 && r.bottom() <= sheet->viewport()->height() + 1; };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        QStringList sheetLines;
        for (int k = 0; k < 40; ++k)
            sheetLines << QString("x:=%1").arg(k);
        sheetLines[r.line] = r.program;
        type(sheetLines.join("\n"));
        window->nextline->setChecked(r.nextline);
        window->output->setChecked(false);
        caretTo(r.line);
        QCoreApplication::processEvents();
        bar->setValue(bar->value() + int(rectOf(r.line).top()) - sheet->viewport()->height() / 2);
        const int before = bar->value();
        ASSERT_GT(before, 0);
        if (r.stop)
            QTimer::singleShot(100, window.get(), [&] { window->AStop->trigger(); });
        window->AExecl->trigger();
        QCoreApplication::processEvents();
        const int outputs = int(lines(*window).size()) - 40 - (r.line == 39 ? 1 : 0);
        EXPECT_TRUE(inView(sheet->cursorRect()));
        if (r.viewStays)
            EXPECT_EQ(bar->value(), before);
        else
            EXPECT_GT(bar->value(), before);
        if (r.nextline || outputs < 5)
            EXPECT_TRUE(inView(rectOf(r.line + outputs)));
        else
            EXPECT_EQ(sheet->textCursor().blockNumber(), r.line);
    }
}

TEST_F(TextWindow, ClosingDuringARunStopsItThenCloses)
{
    window->show();
    type("while 1 do Pause(1)");
    caretTo(0);
    QTimer::singleShot(100, window.get(), [&] { window->close(); });
    window->AExecl->trigger();
    EXPECT_EQ(lines(*window).value(1), "Error. Program stopped by the user.");
    QCoreApplication::processEvents();
    EXPECT_FALSE(window->isVisible());
}

TEST_F(TextWindow, QuittingDuringARunStopsItAndAsksAgainAfterwards)
{
    type("repeat until 0");
    caretTo(0);
    int again = 0;
    QObject::connect(window.get(), &textcalc::TTextm::quitAfterRun, [&] { ++again; });
    bool mayQuit = true;
    QTimer::singleShot(100, window.get(), [&] { mayQuit = window->mayQuit(); });
    window->AExecl->trigger();
    EXPECT_FALSE(mayQuit);
    EXPECT_EQ(lines(*window).value(1), "Error. Program stopped by the user.");
    QCoreApplication::processEvents();
    EXPECT_EQ(again, 1);
}

} // namespace
