// The status bar `info` and `posun`, which brings it and the format controls up to date with
// the caret: row, column, character offset, run time, and which actions make sense here.
#include "textcalc/windows/utextm.h"

#include <QAction>
#include <QComboBox>
#include <QFontComboBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>

namespace textcalc {

void TTextm::createStatusBar()
{
    info = statusBar();
    info->setObjectName("info");
    info->setSizeGripEnabled(true);
    const int widths[4] = {100, 50, 130, 0};
    for (int i = 0; i < 4; ++i) {
        panels[i] = new QLabel;
        panels[i]->setObjectName(QString("panel%1").arg(i + 1));
        panels[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        if (widths[i])
            setPanelWidth(panels[i], widths[i]);
        info->addWidget(panels[i], i == 3 ? 1 : 0);
    }
    panels[3]->setText(" 0 s");
    connect(infoshow, &QAction::toggled, this, [this](bool on) {
        info->setVisible(on);
        vypln();
    });
}

void TTextm::posun()
{
    const QTextCursor c = kalkul->textCursor();
    const QTextDocument* doc = kalkul->document();
    const int line = c.blockNumber();
    const int lines = doc->blockCount();
    // Offsets count a line break as two characters.
    const int offset = c.position() + line;
    const int length = doc->characterCount() - 1 + (lines - 1);
    // On the picture page the first three panels are the picture's.
    if (pages->currentWidget() == List) {
        panels[0]->setText(QString(" row %1 / %2").arg(line + 1).arg(lines));
        panels[1]->setText(QString(" col %1").arg(c.positionInBlock() + 1));
        panels[2]->setText(QString(" char %1 / %2").arg(offset).arg(length));
    }

    // A run cannot start from an output line; only an output line converts to decimal.
    const bool centred = (c.blockFormat().alignment() & Qt::AlignHorizontal_Mask) == Qt::AlignHCenter;
    if (!m_running) {
        ADecim->setEnabled(centred);
        AExecl->setEnabled(!centred);
        AExecg->setEnabled(!centred);
    }

    const QTextCharFormat f = c.charFormat();
    ABold->setChecked(f.fontWeight() >= QFont::Bold);
    AItalic->setChecked(f.fontItalic());
    AUnder->setChecked(f.fontUnderline());
    (centred ? nastred : doleva)->setChecked(true);
    const QSignalBlocker blockName(FontName);
    const QSignalBlocker blockSize(velikost);
    const QStringList families = f.fontFamilies().toStringList();
    if (!families.isEmpty())
        FontName->setEditText(families.first());
    if (f.fontPointSize() > 0)
        velikost->setEditText(QString::number(f.fontPointSize()));
}

} // namespace textcalc
