// Sheet files, the save question and its paths, the caption, printing and the shut-down
// question, with scripted boxes and file dialogs.
#include "file_dialog_answer.h"
#include "window_fixture.h"

#include "textcalc/sheet/files/sheet_file.h"
#include "textcalc/sheet/qt/qt_content.h"

#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QElapsedTimer>
#include <QLockFile>
#include <QMenu>
#include <QProcess>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProgressDialog>
#include <QTimer>

#include <algorithm>
#include <csignal>
#include <sys/stat.h>
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

namespace {

using platform::Answer;

QString path(const std::filesystem::path& p)
{
    return QString::fromStdString(p.string());
}

std::string contents(const std::filesystem::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The first recovery copy in the program directory; empty when there is none.
std::filesystem::path recoveryCopy(const std::filesystem::path& programDir)
{
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(programDir / "recovery", error))
        if (entry.path().extension() == ".rtf")
            return entry.path();
    return {};
}

TEST_F(TextWindow, StartsWithAnEmptyUntitledSheet)
{
    EXPECT_EQ(window->windowTitle(), "Nový soubor - Textová kalkulačka");
    EXPECT_EQ(window->FileName, window->UntitledName);
    EXPECT_FALSE(window->modified());
    EXPECT_FALSE(window->ASave->isEnabled());
    type("x");
    EXPECT_TRUE(window->modified());
    EXPECT_TRUE(window->ASave->isEnabled());
    EXPECT_EQ(window->windowTitle(), "*Nový soubor - Textová kalkulačka");
    window->kalkul->undo();
    EXPECT_EQ(window->windowTitle(), "Nový soubor - Textová kalkulačka");
}

TEST_F(TextWindow, SaveQuestionBeforeNewFollowsTheAnswer)
{
    struct Row {
        const char* name;
        std::deque<Answer> answers;
        std::optional<QString> file;
        QString sheetAfter;
        bool saved;
    };
    const auto target = dir.path() / "sheets" / "a.txt";
    const Row rows[] = {
        {"cancel keeps the sheet", {Answer::Cancel}, std::nullopt, "x:=1", false},
        {"no drops it", {Answer::No}, std::nullopt, "", false},
        {"yes saves it first", {Answer::Yes}, path(target), "", true},
        {"yes, then cancelling the dialog keeps it", {Answer::Yes}, std::nullopt, "x:=1", false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        std::filesystem::remove(target);
        window->anewExecute();
        type("x:=1");
        services.messages.clear();
        services.answers = r.answers;
        files = {r.file};
        window->ANew->trigger();
        ASSERT_FALSE(services.messages.empty());
        EXPECT_EQ(services.messages[0].text, "Save changes in file \" Nový soubor \" ?");
        EXPECT_EQ(services.messages[0].buttons, platform::Buttons::YesNoCancel);
        EXPECT_EQ(window->kalkul->toPlainText(), r.sheetAfter);
        EXPECT_EQ(std::filesystem::exists(target), r.saved);
        if (r.saved) {
            EXPECT_EQ(contents(target), "x:=1");
        }
    }
}

TEST_F(TextWindow, UnmodifiedSheetIsNotAskedAbout)
{
    type("x");
    window->kalkul->document()->setModified(false);
    window->ANew->trigger();
    EXPECT_TRUE(services.messages.empty());
    EXPECT_EQ(window->kalkul->toPlainText(), "");
}

TEST_F(TextWindow, SavingAsAnExistingFileAsksUntilANameIsTaken)
{
    const auto first = dir.write("sheets/first.txt", "old");
    const auto second = dir.write("sheets/second.txt", "old");
    type("new text");
    services.answers = {Answer::No, Answer::Yes};
    files = {path(first), path(second)};
    EXPECT_TRUE(window->Ulozjako());
    EXPECT_EQ(messageTexts(), (std::vector<std::string>{"Replace an existing file \" first.txt \" ?",
                                                        "Replace an existing file \" second.txt \" ?"}));
    EXPECT_EQ(contents(first), "old");
    EXPECT_EQ(contents(second), "new text");
    EXPECT_EQ(window->FileName, path(second));
    EXPECT_EQ(window->windowTitle(), "second - Textová kalkulačka");
    EXPECT_FALSE(window->modified());

    services.messages.clear();
    services.answers = {Answer::Cancel};
    files = {path(first)};
    EXPECT_FALSE(window->Ulozjako());
    EXPECT_EQ(contents(first), "old");
    EXPECT_EQ(window->FileName, path(second));
}

// The next dialog starts where the last file was chosen, also when its full path was typed.
TEST_F(TextWindow, OpenDialogKeepsTheFolderOfAFullPathTyped)
{
    const auto other = dir.write("elsewhere/notes.txt", "x:=1");
    window->fileDialog = realFileDialog;
    answerFileDialog([&](QFileDialog& dialog) { dialog.selectFile(path(other)); });
    window->AOpen->trigger();
    ASSERT_EQ(window->FileName, path(other));
    QString folder;
    answerFileDialog([&](QFileDialog& dialog) {
        folder = dialog.directory().absolutePath();
        dialog.selectFile(path(other));
    });
    window->AOpen->trigger();
    EXPECT_EQ(folder, path(other.parent_path()));
}

// Save As starts from the sheet's own file; a name typed without an extension gets the filter's.
TEST_F(TextWindow, SaveAsProposesTheSheetAndAddsTheFiltersExtension)
{
    const struct {
        const char* sheet; // the sheet's file, or empty for an untitled sheet
        const char* typed;
        int picked; // the filter the user picks, or -1
        const char* written;
    } rows[] = {{"", "notes", -1, "notes.rtf"}, {"first.txt", "second", 1, "second.txt"},
                {"third.rtf", "fourth", 2, "fourth.rtf"}, {"fifth.rtf", "sixth.txt", -1, "sixth.txt"}};
    window->fileDialog = realFileDialog;
    for (const auto& r : rows) {
        SCOPED_TRACE(r.typed);
        window->FileName = *r.sheet ? path(dir.path() / "sheets" / r.sheet) : window->UntitledName;
        type("text of " + QString(r.typed));
        QStringList proposed;
        answerFileDialog([&r, &proposed](QFileDialog& dialog) {
            proposed = dialog.selectedFiles();
            if (r.picked >= 0)
                pickFilter(dialog, r.picked);
            dialog.selectFile(r.typed);
        });
        EXPECT_TRUE(window->Ulozjako());
        if (*r.sheet) {
            EXPECT_EQ(proposed.value(0), path(dir.path() / "sheets" / r.sheet));
        }
        EXPECT_NE(contents(dir.path() / "sheets" / r.written).find("text of"), std::string::npos);
        EXPECT_EQ(window->FileName, path(dir.path() / "sheets" / r.written));
    }
}

TEST_F(TextWindow, ReadOnlyFileIsSavedElsewhere)
{
    const auto locked = dir.write("sheets/locked.txt", "old");
    std::filesystem::permissions(locked, std::filesystem::perms::owner_read);
    files = {path(locked)};
    window->AOpen->trigger();
    EXPECT_EQ(window->windowTitle(), "locked - Textová kalkulačka (ReadOnly)");
    type("changed");
    const auto other = dir.path() / "sheets" / "other.txt";
    files = {path(other)};
    window->ASave->trigger();
    EXPECT_EQ(messageTexts(), (std::vector<std::string>{"File \" locked.txt \" is ReadOnly. Save to another file."}));
    EXPECT_EQ(contents(other), "changed");
    EXPECT_EQ(contents(locked), "old");
}

// A Save As that fails leaves the sheet under its old name: Ctrl+S then writes the old file, and
// an untitled sheet stays untitled.
TEST_F(TextWindow, FailedSaveAsKeepsTheOldName)
{
    const auto work = dir.write("sheets/work.txt", "old");
    const QString nowhere = path(dir.path() / "no-such-folder" / "new.txt");
    files = {path(work)};
    window->AOpen->trigger();
    type("changed");
    files = {nowhere};
    EXPECT_FALSE(window->Ulozjako());
    EXPECT_EQ(messageTexts(), (std::vector<std::string>{"Error. File \" new.txt \" cannot be written."}));
    EXPECT_EQ(window->FileName, path(work));
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8("*work - Textová kalkulačka"));
    EXPECT_TRUE(window->modified());
    dialogs.clear();
    window->ASave->trigger();
    EXPECT_TRUE(dialogs.empty());
    EXPECT_EQ(contents(work), "changed");

    window->anewExecute();
    type("untitled");
    files = {nowhere};
    window->saveas->trigger();
    EXPECT_EQ(window->FileName, window->UntitledName);
    EXPECT_TRUE(window->modified());
}

TEST_F(TextWindow, FileThatCannotBeOpenedLeavesTheSheet)
{
    std::string noise(200000, '\0');
    for (size_t k = 0; k < noise.size(); ++k)
        noise[k] = char((k * 7919 + k / 13) % 251);
    dir.write("sheets/photo.jpg", std::string("\xFF\xD8\xFF\xE0\0\x10JFIF\0\x01\x01", 13) + noise);
    dir.write("sheets/noise.rtf", noise);
    std::filesystem::create_directory(dir.path() / "sheets" / "folder.rtf");
    ASSERT_EQ(::mkfifo((dir.path() / "sheets" / "fifo.rtf").c_str(), 0600), 0); // no writer: opening it would wait
    struct Case {
        const char* name;
        const char* message;
    };
    for (const Case c : {Case{"nothere.rtf", "Error. File \" nothere.rtf \" does not exist."},
                         Case{"photo.jpg", "Error. File \" photo.jpg \" is neither a sheet nor a text file."},
                         Case{"noise.rtf", "Error. File \" noise.rtf \" is neither a sheet nor a text file."},
                         Case{"folder.rtf", "Error. File \" folder.rtf \" cannot be read."},
                         Case{"fifo.rtf", "Error. File \" fifo.rtf \" cannot be read."},
                         Case{"/dev/zero", "Error. File \" zero \" cannot be read."}}) {
        SCOPED_TRACE(c.name);
        window->kalkul->clear();
        type("keep me");
        services.answers = {Answer::No};
        files = {path(dir.path() / "sheets" / c.name)};
        window->AOpen->trigger();
        EXPECT_EQ(messageTexts().back(), c.message);
        EXPECT_EQ(window->kalkul->toPlainText(), "keep me");
    }
}

TEST_F(TextWindow, OpenedFileBecomesTheSheetWithTheCaretAtTheStart)
{
    const auto file = dir.write("sheets/notes.txt", "x:=2\nx+1");
    files = {path(file)};
    window->AOpen->trigger();
    EXPECT_EQ(window->kalkul->toPlainText(), "x:=2\nx+1");
    EXPECT_EQ(window->kalkul->textCursor().position(), 0);
    EXPECT_EQ(window->windowTitle(), "notes - Textová kalkulačka");
    EXPECT_FALSE(window->modified());
    EXPECT_EQ(window->panels[0]->text(), " row 1 / 2");
    // The opened sheet is the one the window's commands work on.
    window->findWindow->findt->setText("X+1");
    window->findWindow->findbut->click();
    EXPECT_EQ(window->kalkul->textCursor().selectedText(), "x+1");
    window->kalkul->textCursor().insertText("y");
    EXPECT_TRUE(window->ASave->isEnabled());
    EXPECT_EQ(window->panels[0]->text(), " row 2 / 2");
}

// A plain-text sheet opens in the input font, as New gives it, whatever the sheet before held
// or where its caret stood.
TEST_F(TextWindow, PlainTextOpensInTheInputFont)
{
    struct Row {
        const char* name;
        const char* before; // an RTF sheet opened first, or a program run first
        bool run;
    };
    const Row rows[] = {
        {"after a monospace bold red RTF line",
         "{\\rtf1\\ansi{\\fonttbl{\\f0 Courier New;}}{\\colortbl;\\red255\\green0\\blue0;}"
         "\\pard\\f0\\fs40\\b\\cf1 x:=1\\par\\pard x+1\\par}",
         false},
        {"after a run left the caret in an output line", "1+1", true},
    };
    settings.inputFont = {0x008000, 17, "DejaVu Sans"};
    window->applySettings();
    const auto plain = dir.write("sheets/plain.txt", "a:=2\nb:=3");
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        if (r.run) {
            type(r.before);
            caretTo(0);
            window->AExecl->trigger();
            caretTo(1, 1);
            window->kalkul->document()->setModified(false);
        } else {
            files = {path(dir.write("sheets/formatted.rtf", r.before))};
            window->AOpen->trigger();
        }
        files = {path(plain)};
        window->AOpen->trigger();
        const textcalc::sheet::SheetContent content = textcalc::sheet::contentOf(*window->kalkul->document());
        ASSERT_EQ(content.paragraphs.size(), 2u);
        for (const textcalc::sheet::Paragraph& p : content.paragraphs) {
            ASSERT_EQ(p.runs.size(), 1u);
            for (const textcalc::sheet::CharFormat& f : {p.runs[0].format, p.endFormat}) {
                EXPECT_EQ(f.fontName, "DejaVu Sans");
                EXPECT_EQ(f.size, 17);
                EXPECT_EQ(f.colour, (textcalc::Colour{0, 128, 0}));
                EXPECT_FALSE(f.bold);
            }
        }
    }
}

// A sheet with a line the editor cannot lay out in time is refused and says why; a long load
// shows its progress and a cancelled one leaves the sheet as it was.
TEST_F(TextWindow, LongOpensShowProgressAndLinesBeyondTheLimitsAreRefused)
{
    struct Row {
        const char* name;
        std::string text;
        bool cancel;
        bool opens;
        const char* message;
    };
    std::string lines;
    for (int k = 0; k < 5000; ++k)
        lines += "x:=" + std::to_string(k) + "\n";
    const Row rows[] = {
        {"a line too long", "1+1\n" + std::string(20001, '9'), false, false,
         "Error. Line 2 of file \" big.txt \" has 20001 characters; the text calculator opens lines of up to 20000."},
        {"cancelled", lines, true, false, nullptr},
        {"not cancelled", lines, false, true, nullptr},
    };
    window->openProgressDelay = 0;
    window->popis(ui::Language());
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        window->anewExecute();
        type("old sheet");
        window->kalkul->document()->setModified(false);
        services.messages.clear();
        files = {path(dir.write("sheets/big.txt", r.text))};
        QString progressLabel;
        if (r.cancel)
            QTimer::singleShot(0, window.get(), [&] {
                auto* progress = window->findChild<QProgressDialog*>();
                ASSERT_NE(progress, nullptr);
                progressLabel = progress->labelText();
                progress->cancel();
            });
        window->AOpen->trigger();
        EXPECT_EQ(window->kalkul->toPlainText() != "old sheet", r.opens);
        EXPECT_EQ(window->windowTitle().startsWith("big - "), r.opens);
        EXPECT_EQ(messageTexts(), r.message ? std::vector<std::string>{r.message} : std::vector<std::string>{});
        if (r.cancel) {
            EXPECT_EQ(progressLabel, QString::fromUtf8("Otevírá se list..."));
        }
    }
}

// What the sheet holds opens again: a paste with a line longer than a sheet file may hold is
// refused, by the menu and by the key.
TEST_F(TextWindow, PasteOfALineTooLongIsRefused)
{
    struct Row {
        int length;
        bool byKey;
        bool pasted;
    };
    for (const Row r : {Row{20000, false, true}, Row{20001, false, false}, Row{20001, true, false}}) {
        SCOPED_TRACE(r.length);
        window->anewExecute();
        services.messages.clear();
        QGuiApplication::clipboard()->setText("1+1\n" + QString(r.length, u'9'));
        if (r.byKey) {
            QKeyEvent paste(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier);
            QCoreApplication::sendEvent(window->kalkul, &paste);
        } else {
            window->APaste->trigger();
        }
        EXPECT_EQ(window->kalkul->document()->blockCount() == 2, r.pasted);
        EXPECT_EQ(messageTexts(), r.pasted ? std::vector<std::string>{}
                                           : std::vector<std::string>{
                                                 "Error. The text to paste has a line of 20001 characters; the text "
                                                 "calculator holds lines of up to 20000."});
        window->kalkul->document()->setModified(false);
    }
}

// Qt lays a document out only to 2^23 pixels; below that its layout never ends and the window
// froze at the first key. A sheet that tall is refused saying why, and the zoom stops before it.
TEST_F(TextWindow, SheetTooTallToLayOutIsRefusedAndTheZoomStopsBeforeIt)
{
    const auto sheetOf = [](int lines, int halfPoints) {
        std::string rtf = "{\\rtf1\\ansi\\fs" + std::to_string(halfPoints) + " ";
        for (int k = 0; k < lines; ++k)
            rtf += "x\\par ";
        return rtf + "}";
    };
    window->resize(700, 500);
    files = {path(dir.write("sheets/tall.rtf", sheetOf(5000, 3276)))};
    window->AOpen->trigger();
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_TRUE(services.messages[0].text.starts_with("Error. File \" tall.rtf \" is too long for the text calculator: "
                                                      "laid out it is about "))
        << services.messages[0].text;
    EXPECT_EQ(window->kalkul->document()->blockCount(), 1);
    files = {path(dir.write("sheets/half.rtf", sheetOf(5000, 1000)))};
    window->AOpen->trigger();
    EXPECT_EQ(window->kalkul->document()->blockCount(), 5000);
    for (int k = 0; k < 20; ++k)
        window->AZoomIn->trigger();
    EXPECT_GT(window->zoom(), 100);
    EXPECT_LT(window->zoom(), 300);
}

// The File menu lists the sheets last opened or saved, the latest first and each once, at most
// eight, kept in settings.ini; an entry opens its sheet, and one whose file is gone is removed
// with a message.
TEST_F(TextWindow, RecentSheetsInTheFileMenu)
{
    const auto file = [&](const std::string& name) { return path(dir.write("sheets/" + name, "x:=1")); };
    const auto listed = [&] {
        std::vector<std::string> texts;
        for (QAction* a : window->recentSheetActions())
            texts.push_back(a->text().toStdString());
        return texts;
    };
    const auto stored = [&] {
        const platform::IniFile ini(dir.path() / "settings.ini");
        std::vector<std::string> names;
        for (int k = 1; k <= 8; ++k)
            if (const std::string f = ini.readString("recent_sheets", std::to_string(k), ""); !f.empty())
                names.push_back(std::filesystem::path(f).filename().string());
        return names;
    };
    window->popis(ui::Language());
    files = {file("a.txt"), file("b.rtf")};
    window->AOpen->trigger();
    window->AOpen->trigger();
    files = {file("c.txt")};
    type("saved as c");
    window->saveas->trigger();
    EXPECT_EQ(listed(), (std::vector<std::string>{"&1 c.txt", "&2 b.rtf", "&3 a.txt"}));
    EXPECT_EQ(stored(), (std::vector<std::string>{"c.txt", "b.rtf", "a.txt"}));
    EXPECT_TRUE(window->misheet->actions().contains(window->recentSheetActions().front()));

    window->recentSheetActions().back()->trigger(); // a.txt: opened and first again
    EXPECT_EQ(window->FileName, file("a.txt"));
    EXPECT_EQ(listed(), (std::vector<std::string>{"&1 a.txt", "&2 c.txt", "&3 b.rtf"}));

    for (char name = 'd'; name <= 'k'; ++name) {
        files = {file(std::string(1, name) + ".txt")};
        window->AOpen->trigger();
    }
    EXPECT_EQ(stored(), (std::vector<std::string>{"k.txt", "j.txt", "i.txt", "h.txt", "g.txt", "f.txt", "e.txt",
                                                  "d.txt"}));

    std::filesystem::remove(dir.path() / "sheets" / "g.txt");
    type("kept");
    services.messages.clear();
    window->recentSheetActions()[4]->trigger();
    EXPECT_EQ(messageTexts(), (std::vector<std::string>{"Soubor \" " + path(dir.path() / "sheets" / "g.txt").toStdString()
                                                        + " \" už neexistuje, ze seznamu posledních listů byl odebrán."}));
    EXPECT_EQ(window->kalkul->toPlainText(), "kept");
    EXPECT_EQ(stored(), (std::vector<std::string>{"k.txt", "j.txt", "i.txt", "h.txt", "f.txt", "e.txt", "d.txt"}));
    EXPECT_EQ(listed().size(), 7u);

    settings.recentSheets = {path(dir.path() / "sheets" / "b.rtf").toStdString()};
    window->kalkul->document()->setModified(false);
    window->applySettings(); // start-up shows the stored list
    EXPECT_EQ(listed(), (std::vector<std::string>{"&1 b.rtf"}));
}

// Two programs started apart share settings.ini: neither loses the other's latest sheets. A name
// with a line break stays out of the list (it would write keys of its own into the file).
TEST_F(TextWindow, RecentSheetsOfTwoProgramsAreMergedAndLineBreaksKeptOut)
{
    const auto file = [&](const std::string& name) { return path(dir.write("sheets/" + name, "x:=1")); };
    const auto stored = [&] {
        const platform::IniFile ini(dir.path() / "settings.ini");
        std::vector<std::string> names;
        for (int k = 1; k <= 8; ++k)
            if (const std::string f = ini.readString("recent_sheets", std::to_string(k), ""); !f.empty())
                names.push_back(std::filesystem::path(f).filename().string());
        return names;
    };
    settings::Settings otherSettings;
    textcalc::TTextm other(services, otherSettings, platform::DataFolders::portable(dir.path()));
    other.applySettings();
    files = {file("a.txt")};
    window->AOpen->trigger();
    other.fileDialog = [&](bool) { return std::optional(file("b.txt")); };
    other.AOpen->trigger();
    files = {file("c.txt"), file("x\n[text_calculator]\nnumber_of_digits=3\n.txt")};
    window->AOpen->trigger();
    window->AOpen->trigger();
    EXPECT_EQ(window->kalkul->toPlainText(), "x:=1");
    window->FormCloseQuery();
    other.FormCloseQuery();
    EXPECT_EQ(stored(), (std::vector<std::string>{"b.txt", "a.txt", "c.txt"}));
    EXPECT_FALSE(platform::IniFile(dir.path() / "settings.ini").valueExists("text_calculator", "number_of_digits"));
}

// The recovery copy: written while the sheet is modified (before a run too), never into the
// user's file, and gone once the sheet is saved or given up.
TEST_F(TextWindow, RecoveryCopyFollowsTheModifiedSheet)
{
    std::filesystem::path copy;
    const auto copyText = [&] {
        copy = recoveryCopy(dir.path());
        return !copy.empty() ? textcalc::sheet::loadSheet(copy, {}).paragraphs.front().text() : std::string("<none>");
    };
    const auto work = dir.write("sheets/work.txt", "a:=1");
    files = {path(work)};
    window->AOpen->trigger();
    window->writeRecovery();
    EXPECT_EQ(copyText(), "<none>") << "an unmodified sheet needs no copy";
    type("x:=2");
    window->writeRecovery();
    EXPECT_EQ(copyText(), "x:=2");
    const std::string id = copy.stem().string();
    EXPECT_TRUE(id.starts_with(std::to_string(QCoreApplication::applicationPid()) + "-")) << id;
    EXPECT_EQ(contents(dir.path() / "recovery" / (id + ".name")), path(work).toStdString());
    EXPECT_EQ(contents(work), "a:=1");
    caretTo(0);
    window->AExecl->trigger();
    EXPECT_EQ(textcalc::sheet::loadSheet(copy, {}).paragraphs.size(), 1u) << "written before the run";
    window->ASave->trigger();
    EXPECT_EQ(copyText(), "<none>");
    type("y:=3");
    window->writeRecovery();
    EXPECT_EQ(copyText(), "y:=3");
    services.answers = {Answer::No};
    window->ANew->trigger();
    EXPECT_EQ(copyText(), "<none>");
    type("z:=4");
    window->writeRecovery();
    window.reset(); // the program ends normally
    EXPECT_EQ(copyText(), "<none>");
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "recovery" / (id + ".lock")));
}

// Typing that pauses has its copy a moment later, not only at the next minute.
TEST_F(TextWindow, RecoveryCopyFollowsAPauseInTyping)
{
    window->recoveryPause = 50;
    type("x:=1");
    EXPECT_TRUE(recoveryCopy(dir.path()).empty()) << "typing goes on";
    QElapsedTimer clock;
    clock.start();
    while (recoveryCopy(dir.path()).empty() && clock.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    ASSERT_FALSE(recoveryCopy(dir.path()).empty());
    EXPECT_EQ(textcalc::sheet::loadSheet(recoveryCopy(dir.path()), {}).paragraphs.front().text(), "x:=1");
}

// A start finds what a program that died left and offers it: Restore gives the sheet back,
// modified and with its name; Discard drops it; another running program's copy is not offered.
TEST_F(TextWindow, StartOffersACopyLeftBehind)
{
    struct Row {
        const char* name;
        bool restore;
        bool lockedByARunningProgram;
        bool readable;
        QString sheetAfter;
        bool copyStays;
        std::vector<QString> questions;
        std::deque<Answer> discardUnreadable = {};
    };
    const QString question = QString::fromUtf8("Po minulém běhu programu zůstal neuložený list \" work.rtf \". Obnovit jej?");
    const Row rows[] = {
        {"restore", true, false, true, "b:=2", false, {question}},
        {"discard", false, false, true, "", false, {question}},
        {"its program runs", true, true, true, "", true, {}},
        {"a copy that cannot be read, kept", true, false, false, "", true, {question}, {Answer::Ok, Answer::No}},
        {"a copy that cannot be read, discarded", true, false, false, "", false, {question}, {Answer::Ok, Answer::Yes}},
    };
    window->popis(ui::Language());
    const auto work = dir.path() / "sheets" / "work.rtf";
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        window->anewExecute();
        const auto copy = r.readable ? dir.write("recovery/4242.rtf", "{\\rtf1\\ansi b:=2\\par}")
                                     : dir.write("recovery/4242.rtf", "{\\rtf1 " + std::string(20001, 'x') + "}");
        dir.write("recovery/4242.name", work.string());
        QLockFile running(path(dir.path() / "recovery" / "4242.lock"));
        if (r.lockedByARunningProgram) {
            ASSERT_TRUE(running.tryLock(0));
        }
        std::vector<QString> asked;
        window->restoreQuestion = [&](const QString& text) {
            asked.push_back(text);
            return r.restore;
        };
        services.messages.clear();
        services.answers = r.discardUnreadable;
        window->offerRecovery();
        running.unlock();
        EXPECT_EQ(asked, r.questions);
        EXPECT_TRUE(services.answers.empty());
        EXPECT_EQ(window->kalkul->toPlainText(), r.sheetAfter);
        EXPECT_EQ(std::filesystem::exists(copy), r.copyStays);
        if (r.sheetAfter.isEmpty())
            continue;
        EXPECT_EQ(window->FileName, path(work));
        EXPECT_TRUE(window->modified());
        EXPECT_TRUE(window->ASave->isEnabled());
        EXPECT_EQ(window->windowTitle(), QString::fromUtf8("*work - Textová kalkulačka"));
    }
}

// Process ids repeat (after a reboot, in a container): a dead program's copy in this program's
// own id is offered, like every other dead program's, and this program's normal end removes
// only its own copy. What is named like a copy but is no file (a FIFO, a folder) is no copy.
TEST_F(TextWindow, EveryDeadProgramsCopyIsOfferedAndOnlyTheOwnRemoved)
{
    const std::string pid = std::to_string(QCoreApplication::applicationPid());
    type("mine");
    window->writeRecovery();
    const auto own = recoveryCopy(dir.path());
    ASSERT_FALSE(own.empty());
    // A lock as a dead program in this process id left it.
    dir.write("recovery/" + pid + ".lock", contents(std::filesystem::path(own).replace_extension(".lock")));
    for (const std::string& id : {pid, pid + "-1"}) {
        dir.write("recovery/" + id + ".rtf", "{\\rtf1\\ansi left by " + id + "\\par}");
        dir.write("recovery/" + id + ".name", "");
    }
    ASSERT_EQ(::mkfifo((dir.path() / "recovery" / "77.rtf").c_str(), 0600), 0);
    std::filesystem::create_directory(dir.path() / "recovery" / "78.rtf");
    int asked = 0;
    window->restoreQuestion = [&](const QString&) { return ++asked == 2; };
    window->offerRecovery();
    EXPECT_EQ(asked, 2);
    EXPECT_TRUE(window->kalkul->toPlainText().startsWith("left by " + QString::fromStdString(pid)))
        << window->kalkul->toPlainText().toStdString();
    dir.write("recovery/" + pid + "-2.rtf", "{\\rtf1 later\\par}");
    window.reset();
    std::vector<std::string> left;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path() / "recovery"))
        left.push_back(entry.path().filename().string());
    std::vector<std::string> expected{pid + "-2.rtf", "77.rtf", "78.rtf"};
    std::sort(left.begin(), left.end());
    std::sort(expected.begin(), expected.end()); // a process id may sort after "78"
    EXPECT_EQ(left, expected);
}

// The test program started again with ZOLT_KILLED_SHEET_DIR (main.cpp) is a program with a
// changed sheet, killed with SIGKILL after its copy was written.
TEST_F(TextWindow, KilledProgramsSheetIsRestored)
{
    const auto work = dir.write("sheets/work.txt", "a:=1");
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("ZOLT_KILLED_SHEET_DIR", path(dir.path()));
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {});
    ASSERT_TRUE(child.waitForFinished(30000));
    ASSERT_EQ(child.exitStatus(), QProcess::CrashExit);
    window->popis(ui::Language());
    window->restoreQuestion = [](const QString&) { return true; };
    window->offerRecovery();
    EXPECT_EQ(window->kalkul->toPlainText(), "x:=42a:=1");
    EXPECT_EQ(window->FileName, path(work));
    EXPECT_TRUE(window->modified());
    EXPECT_EQ(contents(work), "a:=1");
}

// The PDF is titled with the sheet's name, not its path; without a printer the dialog proposes
// a PDF beside the sheet, named after it.
TEST_F(TextWindow, PrintingWritesTheSheetWithItsNameAsTitle)
{
    type("x:=1/3");
    window->FileName = path(dir.path() / "sheets" / "sheet-title.rtf");
    const auto pdf = dir.path() / "out.pdf";
    QString proposed;
    window->printDialog = [&](QPrinter& p) {
        proposed = p.outputFileName();
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(path(pdf));
        return true;
    };
    window->APrint->trigger();
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        EXPECT_EQ(proposed, path(dir.path() / "sheets" / "sheet-title.pdf"));
    }
    const QByteArray bytes = QByteArray::fromStdString(contents(pdf));
    ASSERT_TRUE(bytes.startsWith("%PDF-"));
    // The title is written as UTF-16 in the document information.
    auto utf16 = [](const QString& text) {
        QByteArray out;
        for (QChar c : text)
            out.append('\0').append(char(c.unicode()));
        return out.toHex();
    };
    EXPECT_NE(bytes.toHex().indexOf(utf16("sheet-title.rtf")), -1);
    EXPECT_EQ(bytes.toHex().indexOf(utf16(window->FileName)), -1);
}

TEST_F(TextWindow, CancelledPrintDialogPrintsNothing)
{
    const auto pdf = dir.path() / "none.pdf";
    window->printDialog = [&](QPrinter&) { return false; };
    window->APrint->trigger();
    EXPECT_FALSE(std::filesystem::exists(pdf));
}

// At shut-down a modified sheet is never dropped, shown or hidden, titled or untitled.
TEST_F(TextWindow, ShutDownAsksAboutEveryModifiedSheet)
{
    struct Row {
        const char* name;
        bool modify;
        std::deque<Answer> answers;
        bool mayQuit;
        size_t questions;
    };
    const Row rows[] = {
        {"unmodified quits silently", false, {}, true, 0},
        {"cancel keeps the program", true, {Answer::Cancel}, false, 1},
        {"no quits", true, {Answer::No}, true, 1},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        window->hide();
        window->kalkul->document()->setModified(false);
        if (r.modify)
            type("x:=1");
        services.messages.clear();
        services.answers = r.answers;
        EXPECT_EQ(window->mayQuit(), r.mayQuit);
        EXPECT_EQ(services.messages.size(), r.questions);
    }
}

// Closing the window only hides it: an untitled sheet stays, a titled one is asked about.
TEST_F(TextWindow, ClosingTheWindowAsksOnlyAboutATitledSheet)
{
    window->show();
    type("untitled work");
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(services.messages.empty());
    EXPECT_EQ(window->kalkul->toPlainText(), "untitled work");

    window->show();
    window->FileName = path(dir.path() / "sheets" / "named.txt");
    services.answers = {Answer::Cancel};
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(messageTexts(), (std::vector<std::string>{"Save changes in file \" named.txt \" ?"}));
}

} // namespace

int killedWithAChangedSheet(const char* folder)
{
    platform::HeadlessServices services;
    settings::Settings settings;
    textcalc::TTextm window(services, settings, platform::DataFolders::portable(folder));
    window.applySettings();
    window.fileDialog = [&](bool) { return std::optional(QString(folder) + "/sheets/work.txt"); };
    window.AOpen->trigger();
    window.kalkul->textCursor().insertText("x:=42");
    window.writeRecovery();
    std::raise(SIGKILL);
    return 0;
}
