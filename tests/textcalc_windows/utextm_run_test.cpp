// Runs from the window: outputs written into the sheet below the lines, the caret, the
// output button and the status bar.
#include "window_fixture.h"

#include <QAction>
#include <QLabel>

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

} // namespace
