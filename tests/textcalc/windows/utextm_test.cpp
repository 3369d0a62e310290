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
#include <QAbstractTextDocumentLayout>
#include <QWheelEvent>

#include <cmath>
#include <functional>
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

// Tool tips name the command and its keys; Ctrl+F finds beside the configurable key.
TEST_F(TextWindow, ActionsHaveTheirCaptionsAndDefaultShortcuts)
{
    struct Row {
        QAction* action;
        const char* caption;
        const char* shortcuts;
        const char* toolTip;
    };
    const Row rows[] = {
        {window->ANew, "Nový", "Ctrl+N", "Nový (Ctrl+N)"},
        {window->AOpen, "Otevřít...", "Ctrl+O", "Otevřít (Ctrl+O)"},
        {window->ASave, "Uložit", "Ctrl+S", "Uložit (Ctrl+S)"},
        {window->saveas, "Uložit jako...", "", "Uložit jako"},
        {window->APrint, "Tisknout...", "Ctrl+P", "Tisknout (Ctrl+P)"},
        {window->AClose, "Zavřít", "Alt+F4", "Zavřít (Alt+F4)"},
        {window->AUndo, "Zpět", "Ctrl+Z", "Zpět (Ctrl+Z)"},
        {window->ARedo, "Znovu", "Ctrl+Y; Ctrl+Shift+Z", "Znovu (Ctrl+Y, Ctrl+Shift+Z)"},
        {window->ACut, "Vyjmout", "Ctrl+X", "Vyjmout (Ctrl+X)"},
        {window->ACopy, "Kopírovat", "Ctrl+C", "Kopírovat (Ctrl+C)"},
        {window->APaste, "Vložit", "Ctrl+V", "Vložit (Ctrl+V)"},
        {window->ASelall, "Vybrat vše", "Ctrl+A", "Vybrat vše (Ctrl+A)"},
        {window->AFind, "Najít, nahradit...", "F3; Ctrl+F", "Najít, nahradit (F3, Ctrl+F)"},
        {window->AInscol, "Vložit barvu...", "", "Vložit barvu"},
        {window->AExecl, "Provést řádek", "F9", "Provést řádek (F9)"},
        {window->AExecg, "Provést skupinu", "F10", "Provést skupinu (F10)"},
        {window->AClear, "Smazat všechny objekty", "", "Smazat všechny objekty"},
        {window->ADecim, "Převést na desetinné číslo", "", "Převést na desetinné číslo"},
        {window->ABold, "Tučně", "Ctrl+B", "Tučně (Ctrl+B)"},
        {window->AItalic, "Kurzíva", "Ctrl+I", "Kurzíva (Ctrl+I)"},
        {window->AUnder, "Podtrženo", "Ctrl+U", "Podtrženo (Ctrl+U)"},
        {window->AStop, "Zastavit výpočet", "Esc", "Zastavit výpočet (Esc)"},
        {window->AZoomIn, "Zvětšit", "Ctrl++; Ctrl+=", "Zvětšit (Ctrl++, Ctrl+=)"},
        {window->AZoomOut, "Zmenšit", "Ctrl+-", "Zmenšit (Ctrl+-)"},
        {window->AZoomReset, "Původní velikost", "Ctrl+0", "Původní velikost (Ctrl+0)"},
    };
    window->popis(ui::Language());
    for (const Row& r : rows) {
        SCOPED_TRACE(r.caption);
        EXPECT_EQ(r.action->text(), QString::fromUtf8(r.caption));
        EXPECT_EQ(r.action->toolTip(), QString::fromUtf8(r.toolTip));
        EXPECT_EQ(QKeySequence::listToString(r.action->shortcuts()), QString(r.shortcuts));
    }
}

TEST_F(TextWindow, ShortcutsComeFromTheSettingsSection)
{
    settings.textShortcuts[0] = "Ctrl+R";  // execl
    settings.textShortcuts[1] = "";        // execg
    settings.textShortcuts[3] = "nonsense"; // clear
    settings.textShortcuts[20] = "F7";     // inscol
    settings.textShortcuts[10] = "Ctrl+F"; // open: find keeps only its own key
    window->applySettings();
    EXPECT_EQ(window->AExecl->shortcut().toString(), "Ctrl+R");
    EXPECT_EQ(window->AExecl->toolTip(), QString::fromUtf8("Provést řádek (Ctrl+R)"));
    EXPECT_TRUE(window->AExecg->shortcut().isEmpty());
    EXPECT_TRUE(window->AClear->shortcut().isEmpty());
    EXPECT_EQ(window->AInscol->shortcut().toString(), "F7");
    EXPECT_EQ(QKeySequence::listToString(window->AFind->shortcuts()), "F3");
}

// Zoom is a view setting: the sheet's lines grow and shrink, no format of the document changes,
// a sheet opened later shows at the same zoom, and start-up applies the stored one.
TEST_F(TextWindow, ZoomChangesTheViewNotTheDocument)
{
    const auto wheel = [this](int delta, Qt::KeyboardModifiers modifiers) {
        return [this, delta, modifiers] {
            QWheelEvent turn(QPointF(20, 20), QPointF(20, 20), {}, QPoint(0, delta), Qt::NoButton, modifiers,
                             Qt::NoScrollPhase, false);
            QApplication::sendEvent(window->kalkul->viewport(), &turn);
        };
    };
    const auto trigger = [](QAction* a, int times = 1) {
        return [a, times] {
            for (int k = 0; k < times; ++k)
                a->trigger();
        };
    };
    struct Row {
        const char* name;
        std::function<void()> act;
        int zoom;
    };
    const Row rows[] = {
        {"Ctrl++", trigger(window->AZoomIn), 110},
        {"Ctrl++ again", trigger(window->AZoomIn), 125},
        {"Ctrl+-", trigger(window->AZoomOut), 110},
        {"Ctrl+0", trigger(window->AZoomReset), 100},
        {"the wheel with Ctrl", wheel(120, Qt::ControlModifier), 110},
        {"half a wheel step", wheel(60, Qt::ControlModifier), 110},
        {"the other half", wheel(60, Qt::ControlModifier), 125},
        {"the wheel alone scrolls", wheel(-120, Qt::NoModifier), 125},
        {"out to the smallest", trigger(window->AZoomOut, 20), 50},
        {"in to the largest", trigger(window->AZoomIn, 20), 300},
    };
    window->resize(500, 400);
    window->show();
    type("x:=1\nx+1");
    const textcalc::sheet::SheetContent content = textcalc::sheet::contentOf(*window->kalkul->document());
    const auto height = [this] { return window->kalkul->document()->documentLayout()->documentSize().height(); };
    const double atHundred = height();
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        r.act();
        EXPECT_EQ(window->zoom(), r.zoom);
        EXPECT_NEAR(height() / atHundred, r.zoom / 100.0, 0.15 * r.zoom / 100.0);
        EXPECT_EQ(textcalc::sheet::contentOf(*window->kalkul->document()), content);
        EXPECT_EQ(window->AZoomReset->isEnabled(), r.zoom != 100);
    }
    files = {QString::fromStdString(dir.write("sheets/a.txt", "x:=1\nx+1").string())};
    window->AOpen->trigger();
    EXPECT_NEAR(height() / atHundred, 3.0, 0.45) << "an opened sheet keeps the zoom";
    settings.textZoom = 150;
    window->applySettings();
    EXPECT_EQ(window->zoom(), 150);
}

// Redo takes back what Undo took back.
TEST_F(TextWindow, RedoAfterUndo)
{
    type("x:=1");
    window->AUndo->trigger();
    EXPECT_EQ(window->kalkul->toPlainText(), "");
    window->ARedo->trigger();
    EXPECT_EQ(window->kalkul->toPlainText(), "x:=1");
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
    window->show(); // the items are made for a shown window
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
    window->show();
    EXPECT_EQ(window->mifunc->title(), "Matematické funkce");
    EXPECT_EQ(titles(window->mifunc), functions);
    EXPECT_EQ(window->mistate->title(), "Příkazy");
    EXPECT_EQ(titles(window->mistate), statements);
    EXPECT_EQ(window->findChild<QMenu*>("drawing")->actions().size(), 20);
}

// The window is made hidden at start-up: what only a shown window needs (the tool bar's pictures,
// the language menus' items) costs memory and start-up time until it is first shown.
TEST_F(TextWindow, HiddenWindowMakesItsPicturesAndMenuItemsWhenFirstShown)
{
    auto drawing = [this] { return window->findChild<QMenu*>("drawing")->actions().size(); };
    for (QAction* a : {window->ANew, window->AExecl, window->ABold})
        EXPECT_TRUE(a->icon().isNull()) << a->objectName().toStdString();
    EXPECT_EQ(drawing(), 0);
    window->show();
    window->hide();
    window->show();
    for (QAction* a : {window->ANew, window->AExecl, window->ABold})
        EXPECT_FALSE(a->icon().isNull()) << a->objectName().toStdString();
    EXPECT_EQ(drawing(), 20);
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
    window->AZoomIn->trigger();
    EXPECT_TRUE(window->close());
    EXPECT_EQ(platform::IniFile(dir.path() / "settings.ini").readInteger("text_calculator", "zoom", 0), 110);
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
                          "statusbar", "sheet", "picture", "close", "stop", "running", "stopped", "redo",
                          "opening", "cancel", "findwrap", "recovered", "restore", "discard", "recentgone",
                          "zoomin", "zoomout", "zoomreset"};
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
    EXPECT_TRUE(window->info->currentMessage().isEmpty());
    // Past the last hit the search goes on from the top, and the status bar says so.
    window->popis(ui::Language());
    window->findWindow->findbut->click();
    EXPECT_EQ(window->kalkul->textCursor().selectionStart(), 6);
    EXPECT_EQ(window->info->currentMessage(), QString::fromUtf8("Hledání pokračuje od začátku listu."));
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

namespace {

double luminance(QColor c)
{
    auto channel = [](double v) { v /= 255; return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}

// The strongest contrast of the picture's drawn pixels against the background, as a ratio
// (1: invisible, 21: black on white).
double contrast(const QIcon& icon, QColor background)
{
    const QImage image = icon.pixmap(20, 20).toImage().convertToFormat(QImage::Format_ARGB32);
    const double b = luminance(background);
    double best = 1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.alpha() < 200)
                continue;
            const double l = luminance(c);
            best = std::max(best, (std::max(l, b) + 0.05) / (std::min(l, b) + 0.05));
        }
    return best;
}

QPalette palette(QColor window, QColor text)
{
    QPalette p;
    for (auto role : {QPalette::Window, QPalette::Button, QPalette::Base})
        p.setColor(role, window);
    for (auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        p.setColor(role, text);
    return p;
}

} // namespace

// The letters of bold, italic, underline and the output font stand out on a light and on a dark
// palette, also when the theme changes while the window is open.
TEST_F(TextWindow, FormatSignsShowOnLightAndDarkPalettes)
{
    const struct {
        const char* name;
        QPalette palette;
    } rows[] = {
        {"Light", palette(QColor(239, 239, 239), Qt::black)},
        {"Dark", palette(QColor(42, 42, 46), QColor(230, 230, 230))},
        {"LightAgain", palette(QColor(255, 255, 255), QColor(20, 20, 20))},
    };
    window->show();
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        window->setPalette(r.palette);
        for (QAction* a : {window->ABold, window->AItalic, window->AUnder, window->FontBut, window->AExecl, window->doleva})
            EXPECT_GE(contrast(a->icon(), r.palette.color(QPalette::Button)), 3.0) << a->objectName().toStdString();
    }
    window->hide();
}
