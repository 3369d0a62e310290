#include "tools/ubase.h"

#include "platform/headless/headless_services.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include <gtest/gtest.h>

namespace {

TEST(TbaseWindow, ShowsTheDefaultsOfItsControls)
{
    platform::HeadlessServices services;
    tools::Tbase w(services);
    EXPECT_EQ(w.puvod->currentText(), "10");
    EXPECT_EQ(w.nova->currentText(), "16");
    EXPECT_EQ(w.mista->value(), 5);
    EXPECT_EQ(w.vstup->maxLength(), 18);
    EXPECT_TRUE(w.vystup->isReadOnly());
    EXPECT_EQ(w.windowTitle(), QString::fromUtf8(" Převody mezi číselnými soustavami"));
}

TEST(TbaseWindow, ConvertsFromTheButtonAndReconvertsWhenPlacesChange)
{
    platform::HeadlessServices services;
    tools::Tbase w(services);
    w.vstup->setText("10,1");
    w.nova->setCurrentText("2");
    w.PrevBut->click();
    EXPECT_EQ(w.vystup->text(), "1010,00011");
    w.mista->stepDown();
    EXPECT_EQ(w.vystup->text(), "1010,0001");
    EXPECT_TRUE(services.messages.empty());
}

TEST(TbaseWindow, BadDigitReportsOnceAndKeepsTheResult)
{
    platform::HeadlessServices services;
    tools::Tbase w(services);
    w.vstup->setText("255");
    w.PrevBut->click();
    ASSERT_EQ(w.vystup->text(), "FF");
    w.vstup->setText("2,5,5");
    w.PrevBut->click();
    EXPECT_EQ(w.vystup->text(), "FF");
    EXPECT_EQ(services.beeps, 1);
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].text, "Invalid combination of number and base.");
}

TEST(TbaseWindow, SwapKeepsAResultLongerThanCanBeTyped)
{
    platform::HeadlessServices services;
    tools::Tbase w(services);
    w.vstup->setText("FFFFFFFF");
    w.puvod->setCurrentText("16");
    w.nova->setCurrentText("2");
    w.PrevBut->click();
    ASSERT_EQ(w.vystup->text(), QString(32, '1'));
    w.ZamnBut->click();
    EXPECT_EQ(w.vstup->text(), QString(32, '1'));
    EXPECT_EQ(w.puvod->currentText(), "2");
    EXPECT_EQ(w.nova->currentText(), "16");
    w.PrevBut->click();
    EXPECT_EQ(w.vystup->text(), "FFFFFFFF");
}

} // namespace
