#include "tools/ulinsys.h"

#include "platform/headless/headless_services.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>

#include <gtest/gtest.h>

namespace {

QString text(QTableWidget* g, int row, int column)
{
    QTableWidgetItem* item = g->item(row, column);
    return item ? item->text() : QString();
}

void type(QTableWidget* g, int row, int column, const char* s)
{
    if (!g->item(row, column))
        g->setItem(row, column, new QTableWidgetItem);
    g->item(row, column)->setText(s);
}

TEST(TlinsysWindow, GrowsUpAndLeftKeepingTheBottomRightCorner)
{
    struct Row {
        const char* name;
        int from, to;
        QSize outer;
    } rows[] = {
        {"three to five", 3, 5, {525, 269}},
        {"five to two", 5, 2, {282, 206}},
        {"two to eight", 2, 8, {768, 332}},
    };
    for (const auto& r : rows) {
        platform::HeadlessServices services;
        tools::Tlinsys w(services);
        w.pocet->setValue(r.from);
        w.move(900, 700);
        w.show();
        const QPoint before = w.frameGeometry().topLeft();
        w.pocet->setValue(r.to);
        const int dn = r.to - r.from;
        EXPECT_EQ(w.frameGeometry().topLeft(), before - QPoint(dn * 81, dn * 21)) << r.name;
        EXPECT_EQ(w.frameGeometry().size(), r.outer) << r.name;
        EXPECT_EQ(w.aaa->rowCount(), r.to) << r.name;
        EXPECT_EQ(w.aaa->columnCount(), r.to) << r.name;
        EXPECT_EQ(w.bbb->rowCount(), r.to) << r.name;
        EXPECT_EQ(w.xxx->columnCount(), r.to) << r.name;
        w.hide();
    }
}

TEST(TlinsysWindow, SolvesWhatWasTypedIntoTheGrids)
{
    platform::HeadlessServices services('.');
    tools::Tlinsys w(services);
    w.pocet->setValue(2);
    type(w.aaa, 0, 0, "0");
    type(w.aaa, 0, 1, "1");
    type(w.aaa, 1, 0, "1");
    type(w.aaa, 1, 1, "0");
    type(w.bbb, 0, 0, "2");
    type(w.bbb, 1, 0, "3");
    w.VyrBut->click();
    EXPECT_EQ(w.determ->text(), "-1");
    EXPECT_EQ(w.hodnost->text(), "2");
    EXPECT_EQ(text(w.xxx, 0, 0), "3");
    EXPECT_EQ(text(w.xxx, 0, 1), "2");
}

TEST(TlinsysWindow, ResizingKeepsTypedCells)
{
    platform::HeadlessServices services;
    tools::Tlinsys w(services);
    type(w.aaa, 1, 2, "7");
    w.pocet->setValue(4);
    EXPECT_EQ(text(w.aaa, 1, 2), "7");
    EXPECT_EQ(text(w.aaa, 3, 3), "");
    w.pocet->setValue(3);
    EXPECT_EQ(text(w.aaa, 1, 2), "7");
}

TEST(TlinsysWindow, EmptyCellReportsInvalidCoefficients)
{
    platform::HeadlessServices services;
    tools::Tlinsys w(services);
    w.VyrBut->click();
    ASSERT_EQ(w.determ->text(), "1");
    type(w.bbb, 2, 0, "");
    w.VyrBut->click();
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].text, "Invalid coefficients.");
    EXPECT_EQ(w.determ->text(), "1");
    EXPECT_EQ(text(w.xxx, 0, 0), "");
}

} // namespace
