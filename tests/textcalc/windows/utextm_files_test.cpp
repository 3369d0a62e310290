// Sheet files, the save question and its paths, the caption, printing and the shut-down
// question, with scripted boxes and file dialogs.
#include "file_dialog_answer.h"
#include "window_fixture.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPrinter>
#include <QPrinterInfo>

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

TEST_F(TextWindow, StartsWithAnEmptyUntitledSheet)
{
    EXPECT_EQ(window->windowTitle(), "Nový soubor - Textová kalkulačka");
    EXPECT_EQ(window->FileName, window->UntitledName);
    EXPECT_FALSE(window->modified());
    EXPECT_FALSE(window->ASave->isEnabled());
    type("x");
    EXPECT_TRUE(window->modified());
    EXPECT_TRUE(window->ASave->isEnabled());
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
        if (*r.sheet)
            EXPECT_EQ(proposed.value(0), path(dir.path() / "sheets" / r.sheet));
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

TEST_F(TextWindow, FileThatCannotBeOpenedLeavesTheSheet)
{
    std::string noise(200000, '\0');
    for (size_t k = 0; k < noise.size(); ++k)
        noise[k] = char((k * 7919 + k / 13) % 251);
    dir.write("sheets/photo.jpg", std::string("\xFF\xD8\xFF\xE0\0\x10JFIF\0\x01\x01", 13) + noise);
    dir.write("sheets/noise.rtf", noise);
    struct Case {
        const char* name;
        const char* message;
    };
    for (const Case c : {Case{"nothere.rtf", "Error. File \" nothere.rtf \" does not exist."},
                         Case{"photo.jpg", "Error. File \" photo.jpg \" is neither a sheet nor a text file."},
                         Case{"noise.rtf", "Error. File \" noise.rtf \" is neither a sheet nor a text file."}}) {
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
    if (QPrinterInfo::availablePrinterNames().isEmpty())
        EXPECT_EQ(proposed, path(dir.path() / "sheets" / "sheet-title.pdf"));
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
