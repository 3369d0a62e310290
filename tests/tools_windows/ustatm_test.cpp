#include "tools/ustatm.h"

#include "platform/headless/headless_services.h"

#include <QAction>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QTableWidget>

#include <gtest/gtest.h>

namespace {

QStringList columnTexts(QTableWidget* g, int column)
{
    QStringList out;
    for (int r = 0; r < g->rowCount(); ++r)
        out << (g->item(r, column) ? g->item(r, column)->text() : QString());
    return out;
}

TEST(TstatmWindow, ImportFillsTheTargetColumnAndNumbersRows)
{
    platform::HeadlessServices services(',');
    services.clipboard = "1.5\n2\n3\n";
    tools::Tstatm w(services);
    w.ImpxBut->trigger();
    EXPECT_EQ(w.datar->rowCount(), 3);
    EXPECT_EQ(columnTexts(w.datar, 0), (QStringList{"1,5", "2", "3"}));
    EXPECT_EQ(columnTexts(w.datar, 1), (QStringList{"1", "", ""}));
    EXPECT_EQ(w.datar->verticalHeaderItem(2)->text(), "3");
}

TEST(TstatmWindow, EditedCellsAreComputed)
{
    platform::HeadlessServices services('.');
    tools::Tstatm w(services);
    w.PridBut->trigger();
    w.PridBut->trigger();
    w.PridBut->trigger();
    w.datar->item(3, 0)->setText("4");
    w.VypBut->trigger();
    EXPECT_TRUE(w.vystup->toPlainText().startsWith("Characteristics of X:\n\nmean = 2.5\n"));
    EXPECT_EQ(w.vystup->textCursor().position(), 0);
}

TEST(TstatmWindow, DraggingYInFrontOfXSwapsTheDataNotTheHeaders)
{
    platform::HeadlessServices services;
    tools::Tstatm w(services);
    w.PridBut->trigger();
    w.datar->item(0, 1)->setText("10");
    w.datar->item(1, 1)->setText("20");
    w.datar->horizontalHeader()->moveSection(1, 0);
    EXPECT_EQ(w.datar->horizontalHeaderItem(0)->text(), "  X");
    EXPECT_EQ(w.datar->horizontalHeaderItem(1)->text(), "  Y");
    EXPECT_EQ(w.datar->horizontalHeader()->logicalIndex(0), 0);
    EXPECT_EQ(columnTexts(w.datar, 0), (QStringList{"10", "20"}));
    EXPECT_EQ(columnTexts(w.datar, 1), (QStringList{"1", "2"}));
    EXPECT_EQ(w.engine().datar[1][1], "10");
}

TEST(TstatmWindow, InvalidDataKeepsThePreviousOutput)
{
    platform::HeadlessServices services('.');
    tools::Tstatm w(services);
    w.PridBut->trigger();
    w.VztahBut->trigger();
    const QString before = w.vystup->toPlainText();
    ASSERT_TRUE(before.startsWith("Single characteristics:"));
    w.datar->item(1, 1)->setText("x");
    w.VztahBut->trigger();
    EXPECT_EQ(w.vystup->toPlainText(), before);
    EXPECT_EQ(services.beeps, 1);
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].text, "Invalid data.");
}

TEST(TstatmWindow, RemovingRowsStopsAtOneObservation)
{
    platform::HeadlessServices services;
    tools::Tstatm w(services);
    w.PridBut->trigger();
    for (int i = 0; i < 3; ++i)
        w.UberBut->trigger();
    EXPECT_EQ(w.datar->rowCount(), 1);
}

} // namespace
