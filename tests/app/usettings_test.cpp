// The settings dialog: keeping digits, decimals and leading zeros consistent, the lists of
// skins and languages, and what takes effect when.
#include "app/program.h"
#include "app/usettings.h"
#include "keypad/windows/keyimage.h"
#include "keypad/windows/utrail.h"
#include "platform/headless/headless_services.h"
#include "test_support.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct Dialog {
    testsupport::ProgramDir dir;
    settings::Settings settings;
    std::unique_ptr<app::Tsettings> d;
    explicit Dialog(int skin = 0)
    {
        for (const char* name : {"zeta", "alpha", "Beta"})
            dir.writeFile(std::string("skins/") + name + ".ini", "");
        dir.writeFile("langs/english.ini", "");
        settings.skin = skin;
        d = std::make_unique<app::Tsettings>(settings, dir.path());
    }
};

TEST(SettingsDialog, DigitsKeepDecimalsAndLeadingZerosBelowThem)
{
    const struct {
        int digits;
        int decimals; // after the change
        int zeros;
    } steps[] = {{5, 4, 4}, {3, 2, 2}, {18, 2, 2}};
    Dialog t;
    t.d->show();
    t.d->desmista->setValue(12);
    t.d->leadzeros->setValue(4);
    for (const auto& s : steps) {
        t.d->poccis->setValue(s.digits);
        EXPECT_EQ(t.d->desmista->value(), s.decimals) << s.digits;
        EXPECT_EQ(t.d->leadzeros->value(), s.zeros) << s.digits;
        EXPECT_EQ(t.settings.decimals, s.decimals) << s.digits;
    }
    t.d->leadzeros->setValue(10);
    EXPECT_EQ(t.d->leadzeros->value(), 2);
    t.d->hide();
}

TEST(SettingsDialog, SpinEditsChangeByTheirArrowsOnly)
{
    Dialog t;
    t.d->show();
    for (QSpinBox* s : {t.d->poccis, t.d->desmista, t.d->leadzeros}) {
        const int before = s->value();
        s->setFocus();
        QTest::keyClick(s, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(s, "3");
        EXPECT_EQ(s->value(), before) << s->objectName().toStdString();
        QTest::keyClick(s, Qt::Key_Down);
        EXPECT_EQ(s->value(), before - 1) << s->objectName().toStdString();
    }
    t.d->hide();
}

TEST(SettingsDialog, ScientificFormatGreysOutDecimalsAndZeros)
{
    Dialog t;
    t.d->show();
    t.d->formatGroup->button(1)->click();
    EXPECT_FALSE(t.d->desmista->isEnabled());
    EXPECT_FALSE(t.d->leadzerosLabel->isEnabled());
    EXPECT_EQ(t.settings.format, settings::OutputForm::Scientific);
    t.d->formatGroup->button(0)->click();
    EXPECT_TRUE(t.d->desmista->isEnabled());
    t.d->hide();
}

TEST(SettingsDialog, ListsSortedSkinsAndSelectsTheSavedOne)
{
    const struct {
        int saved;
        const char* selected;
    } rows[] = {{0, "alpha"}, {2, "zeta"}, {3, "alpha"}, {-1, "alpha"}};
    for (const auto& r : rows) {
        Dialog t(r.saved);
        EXPECT_EQ(t.d->SkinCombo->count(), 3);
        EXPECT_EQ(t.d->skinName(), r.selected) << r.saved;
        EXPECT_EQ(t.d->languageFile(), "english");
    }
}

TEST(SettingsDialog, ReselectingTheSkinInUseDoesNotApplyItAgain)
{
    Dialog t(1);
    QSignalSpy applied(t.d.get(), &app::Tsettings::skinChanged);
    t.d->SkinCombo->setCurrentIndex(1);
    EXPECT_EQ(applied.count(), 0);
    t.d->SkinCombo->setCurrentIndex(2);
    t.d->SkinCombo->setCurrentIndex(2);
    EXPECT_EQ(applied.count(), 1);
    EXPECT_EQ(t.settings.skin, 2);
}

TEST(SettingsDialog, NumberFormatActsAtOnceSwitchesOnClose)
{
    Dialog t;
    QSignalSpy format(t.d.get(), &app::Tsettings::numberFormatChanged);
    t.d->show();
    t.d->BaseCombo->setCurrentIndex(14);
    EXPECT_EQ(t.settings.numberBase, 16);
    EXPECT_GE(format.count(), 1);
    t.d->aot->setChecked(false);
    t.d->separ->setText("-x");
    EXPECT_TRUE(t.settings.alwaysOnTop);
    EXPECT_EQ(t.settings.separator, "");
    t.d->ZavBut->click();
    EXPECT_FALSE(t.settings.alwaysOnTop);
    EXPECT_EQ(t.settings.separator, "-"); // refused only when settings.ini is read again
    EXPECT_FALSE(t.d->isVisible());
}

TEST(SettingsDialog, SeparatorIsTheFirstCharacterOfTheEdit)
{
    const struct {
        const char* name;
        const char* typed;
        std::string separator;
    } rows[] = {
        {"Empty", "", ""},
        {"Space", " ", " "},
        {"FirstOfTwo", "-x", "-"},
        {"NonAscii", "\u2019x", "\u2019"},
        {"OutsideTheBasicPlane", "\U0001F600x", "\U0001F600"},
    };
    for (const auto& r : rows) {
        Dialog t;
        t.d->show();
        t.d->separ->setText(QString::fromUtf8(r.typed));
        t.d->okej();
        EXPECT_EQ(t.settings.separator, r.separator) << r.name;
    }
}

TEST(SettingsDialog, InProgramTheChangesReachTheKeypad)
{
    testsupport::ProgramDir dir;
    dir.writeSkin("one");
    dir.writeSkin("two", "[main]\nwidth=222\nheight=250\n");
    dir.writeBitmaps("two", 222, 250);
    dir.makeDir("langs");
    dir.writeFile("langs/english.ini", "[lang]\nsettings=Settings\nsin=Sine\n");
    dir.writeFile("settings.ini", "");
    platform::HeadlessServices services('.');
    app::Program program(dir.path(), services);
    app::Tsettings* d = program.settingsDialog();
    keypad::Tmain& m = program.main();

    m.engine().click(keypad::Control::c1);
    m.engine().click(keypad::Control::c2);
    m.engine().click(keypad::Control::c3);
    m.engine().click(keypad::Control::c4);
    m.engine().click(keypad::Control::rovnase);
    d->separ->setText(" ");
    d->okej();
    EXPECT_EQ(m.display->text().toStdString(), "1 234");

    d->SkinCombo->setCurrentIndex(1);
    EXPECT_EQ(m.width(), 222);
    d->LangCombo->setCurrentIndex(0);
    EXPECT_EQ(d->windowTitle().toStdString(), " Settings");
    EXPECT_EQ(m.key("sinus")->toolTip().toStdString(), "Sine (S)");
    d->SetBut->click();
    ASSERT_EQ(services.openedDocuments.size(), 1u);
    EXPECT_EQ(services.openedDocuments[0], dir.path() / "settings.ini");
}

} // namespace

namespace {

// Every way of closing the dialog applies what it shows at once, and shut-down saves it.
TEST(SettingsDialog, ClosedInAnyWayAppliesWhatItShows)
{
    const struct {
        const char* name;
        void (*close)(app::Tsettings*);
    } ways[] = {{"CloseButton", [](app::Tsettings* d) { d->ZavBut->click(); }},
                {"Escape", [](app::Tsettings* d) { QTest::keyClick(d, Qt::Key_Escape); }},
                {"CloseBox", [](app::Tsettings* d) { d->close(); }}};
    for (const auto& way : ways) {
        testsupport::ProgramDir dir;
        dir.writeSkin("one");
        dir.makeDir("langs");
        dir.writeFile("settings.ini", "[settings_window]\nalways_on_top=1\nhints=1\n");
        platform::HeadlessServices services('.');
        app::Program program(dir.path(), services);
        keypad::Tmain& m = program.main();
        m.engine().click(keypad::Control::c1);
        m.engine().click(keypad::Control::c2);
        m.engine().click(keypad::Control::c3);
        m.engine().click(keypad::Control::c4);
        m.engine().click(keypad::Control::rovnase);
        app::Tsettings* d = program.settingsDialog();
        d->show();
        d->hints->setChecked(false);
        d->aot->setChecked(false);
        d->separ->setText("x-");
        way.close(d);
        EXPECT_FALSE(d->isVisible()) << way.name;
        EXPECT_FALSE(m.windowFlags() & Qt::WindowStaysOnTopHint) << way.name;
        EXPECT_EQ(m.engine().settings().format.separator, "x") << way.name;
        EXPECT_EQ(m.display->text().toStdString(), "1x234") << way.name;
        program.vypni();
        const std::string ini = dir.readFile("settings.ini");
        for (const char* line : {"hints=0", "always_on_top=0", "order_separator=.x."})
            EXPECT_NE(ini.find(line), std::string::npos) << way.name << ": " << line;
    }
}

TEST(SettingsDialog, AlwaysOnTopFollowsTheSwitchWhenClosed)
{
    testsupport::ProgramDir dir;
    dir.writeSkin("one");
    dir.makeDir("langs");
    dir.writeFile("settings.ini", "[settings_window]\nalways_on_top=1\n");
    platform::HeadlessServices services('.');
    app::Program program(dir.path(), services);
    keypad::Tmain& m = program.main();
    EXPECT_TRUE(m.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(m.trailWindow()->windowFlags() & Qt::WindowStaysOnTopHint);
    program.settingsDialog()->aot->setChecked(false);
    EXPECT_TRUE(m.windowFlags() & Qt::WindowStaysOnTopHint); // not before the dialog closes
    program.settingsDialog()->okej();
    EXPECT_FALSE(m.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(m.trailWindow()->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(m.windowFlags() & Qt::FramelessWindowHint);
}

} // namespace
