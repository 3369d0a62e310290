#include "window_fixture.h"

#include "platform/inifile.h"
#include "textcalc/sheet/qt/qt_content.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QMenu>
#include <QApplication>
#include <QKeyEvent>
#include <QTabWidget>
#include <QTextBlock>
#include <QFontComboBox>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

QAction* menuItem(textcalc::TTextm& w, const char* submenu, const QString& caption)
{
    for (QAction* a : w.findChild<QMenu*>(submenu)->actions())
        if (a->text() == caption)
            return a;
    return nullptr;
}

TEST_F(TextWindow, ActionsHaveTheirCaptionsAndDefaultShortcuts)
{
    struct Row {
        QAction* action;
        const char* caption;
        const char* shortcut;
    };
    const Row rows[] = {
        {window->ANew, "Nový", "Ctrl+N"},
        {window->AOpen, "Otevřít...", "Ctrl+O"},
        {window->ASave, "Uložit", "Ctrl+S"},
        {window->saveas, "Uložit jako...", ""},
        {window->APrint, "Tisknout...", "Ctrl+P"},
        {window->AClose, "Zavřít", "Alt+F4"},
        {window->AUndo, "Zpět", "Ctrl+Z"},
        {window->ACut, "Vyjmout", "Ctrl+X"},
        {window->ACopy, "Kopírovat", "Ctrl+C"},
        {window->APaste, "Vložit", "Ctrl+V"},
        {window->ASelall, "Vybrat vše", "Ctrl+A"},
        {window->AFind, "Najít, nahradit...", "F3"},
        {window->AInscol, "Vložit barvu...", ""},
        {window->AExecl, "Provést řádek", "F9"},
        {window->AExecg, "Provést skupinu", "F10"},
        {window->AClear, "Smazat všechny objekty", ""},
        {window->ADecim, "Převést na desetinné číslo", ""},
        {window->ABold, "Tučně", "Ctrl+B"},
        {window->AItalic, "Kurzíva", "Ctrl+I"},
        {window->AUnder, "Podtrženo", "Ctrl+U"},
        {window->AStop, "Zastavit výpočet", "Esc"},
    };
    window->popis(ui::Language());
    for (const Row& r : rows) {
        SCOPED_TRACE(r.caption);
        EXPECT_EQ(r.action->text(), QString::fromUtf8(r.caption));
        EXPECT_EQ(r.action->toolTip(), QString::fromUtf8(r.caption));
        EXPECT_EQ(r.action->shortcut().toString(), QString(r.shortcut));
    }
}

TEST_F(TextWindow, ShortcutsComeFromTheSettingsSection)
{
    settings.textShortcuts[0] = "Ctrl+R";  // execl
    settings.textShortcuts[1] = "";        // execg
    settings.textShortcuts[3] = "nonsense"; // clear
    settings.textShortcuts[20] = "F7";     // inscol
    window->applySettings();
    EXPECT_EQ(window->AExecl->shortcut().toString(), "Ctrl+R");
    EXPECT_TRUE(window->AExecg->shortcut().isEmpty());
    EXPECT_TRUE(window->AClear->shortcut().isEmpty());
    EXPECT_EQ(window->AInscol->shortcut().toString(), "F7");
}

TEST_F(TextWindow, StatusPanelsFollowTheCaret)
{
    type("ab\ncdef\n");
    struct Row {
        int line, column;
        const char *row, *col, *chr;
    };
    const Row rows[] = {
        {0, 0, " row 1 / 3", " col 1", " char 0 / 10"},
        {0, 2, " row 1 / 3", " col 3", " char 2 / 10"},
        {1, 3, " row 2 / 3", " col 4", " char 7 / 10"},
        {2, 0, " row 3 / 3", " col 1", " char 10 / 10"},
    };
    for (const Row& r : rows) {
        caretTo(r.line, r.column);
        EXPECT_EQ(window->panels[0]->text(), r.row);
        EXPECT_EQ(window->panels[1]->text(), r.col);
        EXPECT_EQ(window->panels[2]->text(), r.chr);
    }
    EXPECT_EQ(window->panels[3]->text(), " 0 s");
}

// A long sheet's counts are shown whole, not cut at the panels' nominal widths.
TEST_F(TextWindow, StatusPanelsShowLongCountsWhole)
{
    window->resize(900, 400);
    window->show();
    type(QString("line\n").repeated(12000));
    caretTo(11999, 2);
    QApplication::processEvents();
    for (int k = 0; k < 3; ++k) {
        SCOPED_TRACE(window->panels[k]->text().toStdString());
        EXPECT_GE(window->panels[k]->width(), window->panels[k]->sizeHint().width());
    }
}

TEST_F(TextWindow, OutputLinesEnableDecimalConversionAndNotRuns)
{
    type("x:=1/3\n1/3\ny");
    caretTo(1);
    window->nastred->trigger();
    EXPECT_TRUE(window->ADecim->isEnabled());
    EXPECT_FALSE(window->AExecl->isEnabled());
    EXPECT_FALSE(window->AExecg->isEnabled());
    EXPECT_TRUE(window->nastred->isChecked());
    caretTo(2);
    EXPECT_FALSE(window->ADecim->isEnabled());
    EXPECT_TRUE(window->AExecl->isEnabled());
    EXPECT_TRUE(window->AExecg->isEnabled());
    EXPECT_TRUE(window->doleva->isChecked());
}

TEST_F(TextWindow, DecimalConversionRewritesTheOutputLine)
{
    type("x:=1/3\n1/4");
    caretTo(1);
    window->nastred->trigger();
    window->ADecim->trigger();
    EXPECT_EQ(window->kalkul->document()->findBlockByNumber(1).text(), "0.25");
}

TEST_F(TextWindow, LanguageMenuItemsInsertTheirCaptionAtTheCaret)
{
    struct Row {
        const char* submenu;
        const char* caption;
    };
    const Row rows[] = {
        {"mibasic", "Sum(a(n), n=low..up)"}, {"mipower", "Sqrt(x)"},   {"migoniom", "ArcTanh(x)"},
        {"minumer", "Solve(f(x), x=a..b)"}, {"mirandom", "Gauss(u, s2)"}, {"miround", "Frac(x)"},
        {"miinteger", "Prime(n)"},          {"combin", "Variat(n, k)"}, {"mimaxmin", "ArgMin(a(n), n=low..up)"},
        {"miassign", "x:=y;"},              {"micompos", "while  do"},  {"mitextfiles", "Close(m);"},
        {"drawing", "Clear;"},              {"colors", "clAqua"},       {"miothers", "Beep;"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.caption);
        type("a SEL b");
        QTextCursor c = window->kalkul->textCursor();
        c.setPosition(2);
        c.setPosition(5, QTextCursor::KeepAnchor);
        window->kalkul->setTextCursor(c);
        QAction* item = menuItem(*window, r.submenu, QString::fromUtf8(r.caption));
        ASSERT_NE(item, nullptr);
        item->trigger();
        EXPECT_EQ(window->kalkul->toPlainText(), "a " + QString::fromUtf8(r.caption) + " b");
    }
}

TEST_F(TextWindow, LanguageMenusHoldEverySubmenu)
{
    const QStringList functions{"Základní", "Mocninné aj.", "Goniometrické aj.", "Numerické", "Náhodné",
                                "Zaokrouhlovací", "Celočíselné", "Kombinatorické", "Maxima a minima"};
    const QStringList statements{"Přiřazovací aj.", "Složené", "Textové soubory", "Kreslení", "Barvy", "Ostatní"};
    auto titles = [](QMenu* m) {
        QStringList out;
        for (QAction* a : m->actions())
            out << a->text();
        return out;
    };
    EXPECT_EQ(window->mifunc->title(), "Matematické funkce");
    EXPECT_EQ(titles(window->mifunc), functions);
    EXPECT_EQ(window->mistate->title(), "Příkazy");
    EXPECT_EQ(titles(window->mistate), statements);
    EXPECT_EQ(window->findChild<QMenu*>("drawing")->actions().size(), 20);
}

TEST_F(TextWindow, InsertedColourIsTheLanguagesColourNumber)
{
    struct Row {
        QColor colour;
        const char* text;
    };
    const Row rows[] = {{QColor(255, 0, 0), "16711680"}, {QColor(0, 0, 255), "255"}, {QColor(1, 2, 3), "66051"}};
    for (const Row& r : rows) {
        type("");
        colour = r.colour;
        window->AInscol->trigger();
        EXPECT_EQ(window->kalkul->toPlainText(), r.text);
    }
    type("x");
    colour.reset();
    window->AInscol->trigger();
    EXPECT_EQ(window->kalkul->toPlainText(), "x");
}

TEST_F(TextWindow, ClearAllAsksAndEmptiesTheTablesOnYes)
{
    window->engine().Variables.push_back({});
    services.answers = {platform::Answer::No};
    window->AClear->trigger();
    EXPECT_EQ(window->engine().Variables.size(), 1u);
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].text, "Delete all variables, functions, arrays and textfiles?");
    EXPECT_EQ(services.messages[0].buttons, platform::Buttons::YesNo);
    services.answers = {platform::Answer::Yes};
    window->AClear->trigger();
    EXPECT_TRUE(window->engine().Variables.empty());
}

TEST_F(TextWindow, FormatButtonsSetTheSelectionsFormat)
{
    type("abc");
    window->kalkul->selectAll();
    window->ABold->trigger();
    window->AItalic->trigger();
    window->AUnder->trigger();
    QTextCharFormat f = window->kalkul->textCursor().charFormat();
    EXPECT_EQ(f.fontWeight(), QFont::Bold);
    EXPECT_TRUE(f.fontItalic());
    EXPECT_TRUE(f.fontUnderline());
    window->ABold->trigger();
    EXPECT_EQ(window->kalkul->textCursor().charFormat().fontWeight(), QFont::Normal);

    window->findChild<QAction*>("cl1")->trigger(); // red
    EXPECT_EQ(window->kalkul->textCursor().charFormat().foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(window->lastColour(), QColor(255, 0, 0));

    window->velikost->setEditText("20");
    emit window->velikost->textActivated("20");
    EXPECT_EQ(window->kalkul->textCursor().charFormat().fontPointSize(), 20);
    window->IncButton->click();
    EXPECT_EQ(window->kalkul->textCursor().charFormat().fontPointSize(), 21);
    window->DecButton->click();
    window->DecButton->click();
    EXPECT_EQ(window->kalkul->textCursor().charFormat().fontPointSize(), 19);
    EXPECT_EQ(window->velikost->currentText(), "19");
}

TEST_F(TextWindow, CopyFontModeAppliesTheBufferToEachNewSelection)
{
    type("source target");
    QTextCursor c = window->kalkul->textCursor();
    c.setPosition(0);
    c.setPosition(6, QTextCursor::KeepAnchor);
    window->kalkul->setTextCursor(c);
    window->ABold->trigger();
    window->CopFontBut->setChecked(true);
    EXPECT_NE(window->kalkul->viewport()->cursor().shape(), Qt::IBeamCursor);
    c.setPosition(7);
    c.setPosition(13, QTextCursor::KeepAnchor);
    window->kalkul->setTextCursor(c);
    EXPECT_EQ(window->kalkul->textCursor().charFormat().fontWeight(), QFont::Bold);
    window->CopFontBut->setChecked(false);
    EXPECT_EQ(window->kalkul->viewport()->cursor().shape(), Qt::IBeamCursor);
}

TEST_F(TextWindow, SettingsShowTheBarsAndPageAndButtons)
{
    settings.mainToolbar = false;
    settings.statusBar = false;
    settings.outputs = false;
    settings.activePage = true;
    settings.textDigits = 7;
    window->applySettings();
    EXPECT_FALSE(window->hlavtul->isChecked());
    EXPECT_TRUE(window->formtul->isChecked());
    EXPECT_FALSE(window->infoshow->isChecked());
    EXPECT_TRUE(window->hlavniBar->isHidden());
    EXPECT_FALSE(window->formatBar->isHidden());
    EXPECT_TRUE(window->info->isHidden());
    EXPECT_EQ(window->pages->currentWidget(), window->Obrazek);
    EXPECT_FALSE(window->output->isChecked());
    EXPECT_TRUE(window->nextline->isChecked());
    EXPECT_EQ(window->engine().settings.Precision, 7);
    EXPECT_FALSE(window->ASave->isEnabled());
}

TEST_F(TextWindow, ShutDownCollectsTheWindowsValues)
{
    window->pages->setCurrentWidget(window->Obrazek);
    window->output->setChecked(false);
    window->nextline->setChecked(false);
    window->collectSettings();
    EXPECT_TRUE(settings.activePage);
    EXPECT_FALSE(settings.outputs);
    EXPECT_FALSE(settings.nextline);
    EXPECT_EQ(settings.outputFont.name, "Times New Roman");
    EXPECT_EQ(settings.outputFont.size, 10);
    EXPECT_EQ(settings.outputFont.color, 16711680u);
}

TEST_F(TextWindow, ClosingWritesTheBarsAndMaximisedState)
{
    window->show();
    window->formtul->setChecked(false);
    EXPECT_TRUE(window->close());
    platform::IniFile file(dir.path() / "settings.ini");
    EXPECT_TRUE(file.readBool("text_calculator", "main_toolbar", false));
    EXPECT_FALSE(file.readBool("text_calculator", "format_toolbar", true));
    EXPECT_TRUE(file.readBool("text_calculator", "status_bar", false));
    EXPECT_FALSE(file.readBool("text_calculator", "maximized", true));
}

TEST_F(TextWindow, LanguageFileReplacesEveryText)
{
    const auto file = dir.write("langs/english.ini",
                                "[lang]\ntext=Text calculator\nnewname=Untitled\nexecl=Run line\nopen=Open\n"
                                "mifunc=Mathematical functions\ndrawing=Drawing\nfontname=Font\nsheet=Sheet\n"
                                "othercolor=Other\n");
    window->popis(ui::Language(file));
    EXPECT_EQ(window->windowTitle(), "Untitled - Text calculator");
    EXPECT_EQ(window->FileName, "Untitled");
    EXPECT_EQ(window->AExecl->text(), "Run line");
    EXPECT_EQ(window->AOpen->text(), "Open...");
    EXPECT_EQ(window->mifunc->title(), "Mathematical functions");
    EXPECT_EQ(window->findChild<QMenu*>("drawing")->title(), "Drawing");
    EXPECT_EQ(window->FontName->toolTip(), "Font");
    EXPECT_EQ(window->pages->tabText(0), "Sheet");
    EXPECT_EQ(window->othercolor->text(), "Other...");
    EXPECT_EQ(window->AExecg->text(), "Provést skupinu"); // missing key: Czech
}

// Every key the window reads is in both shipped language files.
TEST_F(TextWindow, ShippedLanguageFilesHoldEveryKey)
{
    const char* keys[] = {"text", "newname", "saveas", "selall", "cut", "copy", "paste", "undo", "save", "open",
                          "execl", "execg", "clear", "decim", "new", "print", "bold", "italic", "underline",
                          "savepic", "loadpic", "copypic", "pastepic", "findrepl", "inscol", "copyfont",
                          "picsize", "clearpic", "misheet", "miedit", "miaction", "miview", "mifunc", "mistate",
                          "mipower", "migoniom", "mimaxmin", "miinteger", "miround", "mirandom", "minumer",
                          "mibasic", "miassign", "miothers", "micompos", "mitextfiles", "drawing", "colors",
                          "combin", "othercolor", "nextline", "alloutput", "outfont", "fontname", "fontsize",
                          "incsize", "decsize", "fontcolor", "leftalign", "centeralign", "maintool", "formtool",
                          "statusbar", "sheet", "picture", "close", "stop", "running", "stopped"};
    for (const char* language : {"cestina", "english"}) {
        const platform::IniFile file(std::filesystem::path(ZOLT_DATA_DIR) / "langs" / (std::string(language) + ".ini"));
        for (const char* key : keys) {
            SCOPED_TRACE(std::string(language) + ": " + key);
            EXPECT_NE(file.readString("lang", key, "<missing>"), "<missing>");
        }
    }
}

} // namespace

namespace {

// Ctrl+F's window searches this sheet and closes with the text calculator.
TEST_F(TextWindow, FindWindowSearchesTheSheetAndClosesWithIt)
{
    window->show();
    type("alpha\nBeta gamma");
    caretTo(0);
    window->AFind->trigger();
    ASSERT_TRUE(window->findWindow->isVisible());
    window->findWindow->findt->setText("beta");
    window->findWindow->findbut->click();
    EXPECT_EQ(window->kalkul->textCursor().selectedText(), "Beta");
    window->close();
    EXPECT_FALSE(window->findWindow->isVisible());
}

// What a user types right after opening the window lands in the sheet, in the input font and
// colour, on the first line as on the line a run leaves the caret on.
TEST_F(TextWindow, TypingAfterShowGoesToTheSheetInTheInputFont)
{
    settings.inputFont = {255, 17, "Courier New"};
    window->applySettings();
    window->show();
    auto typeKeys = [this](const QString& text) {
        QWidget* target = window->focusWidget();
        ASSERT_NE(target, nullptr);
        for (QChar ch : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
            QApplication::sendEvent(target, &press);
        }
    };
    typeKeys("x:=2");
    window->AExecl->trigger();
    typeKeys("x+1");
    // What is saved is what shows: the sheet's content as a file would store it.
    const textcalc::sheet::SheetContent content = textcalc::sheet::contentOf(*window->kalkul->document());
    for (size_t line : {size_t{0}, content.paragraphs.size() - 1}) {
        const textcalc::sheet::Paragraph& p = content.paragraphs[line];
        ASSERT_EQ(p.runs.size(), 1u);
        SCOPED_TRACE(p.runs[0].text);
        EXPECT_EQ(p.runs[0].text, line == 0 ? "x:=2" : "x+1");
        EXPECT_EQ(p.runs[0].format.size, 17);
        EXPECT_EQ(p.runs[0].format.fontName, "Courier New");
        EXPECT_EQ(p.runs[0].format.colour, (textcalc::Colour{255, 0, 0}));
    }
}

} // namespace
