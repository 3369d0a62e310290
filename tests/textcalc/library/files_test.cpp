// Text files in a temporary program directory: round trips, reports and failures.
#include "program_table.h"

#include "textcalc/language/textfile_io.h"

#include <fstream>
#include <sstream>
#include <sys/stat.h>

using namespace textcalc::library_tests;

namespace {

std::string contents(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}

void writeFile(const std::filesystem::path& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

TEST(TextFiles, WriteAndReadBack)
{
    Session session;
    EXPECT_EQ(session.run("Assign(m, 'data'); Rewrite(m); WriteLn(m, 1/3); WriteLn(m, 2**10); WriteLn(m, 1.5+i); "
                          "Close(m)"),
              Lines{"Statements executed (no output)."});
    EXPECT_EQ(contents(session.directory / "textfiles" / "data.txt"), "1/3\n1024\n1.5 + i\n");
    EXPECT_EQ(session.run("Reset(m); readln(m); eof(m); readln(m)*2; readln(m); eof(m); Close(m)"),
              (Lines{"1/3", "0", "2048", "1.5 + i", "1"}));
}

TEST(TextFiles, ReportsWithEchoOn)
{
    Session session;
    session.calc.settings.EchoOutputs = true;
    EXPECT_EQ(session.run("Assign(m, 'data'); Rewrite(m); WriteLn(m, 1/3); Close(m); Append(m); Close(m); "
                          "Reset(m)"),
              (Lines{"Text file \" m \" asociated with file \" ...\\textfiles\\data.txt \".",
                     "Text file \" m \" opened to write.", "1/3 eas written to text file \" m \".",
                     "Text file \" m \" closed.", "Text file \" m \" opened to append.", "Text file \" m \" closed.",
                     "Text file \" m \" opened to read."}));
}

TEST(TextFiles, AppendKeepsTheLinesBefore)
{
    Session session;
    writeFile(session.directory / "textfiles" / "log.txt", "1\n");
    session.run("Assign(f, 'log'); Append(f); WriteLn(f, 2); Close(f)");
    EXPECT_EQ(contents(session.directory / "textfiles" / "log.txt"), "1\n2\n");
}

// A line of a file is read as written: "**" and ".." get their codes, blanks go, nothing else.
TEST(TextFiles, ReadLinesAsExpressions)
{
    Session session;
    writeFile(session.directory / "textfiles" / "in.txt", "2 ** 3\r\nsum(n, n = 1 .. 4)\n\nPi\n");
    EXPECT_EQ(session.run("Assign(f, 'in'); Reset(f); readln(f); readln(f); readln(f); readln(f)"),
              (Lines{"8", "10", "0", "Error. Unexpected character \" P \".",
                     "Error. Unable to read from text file \" f \"."}));
}

class FileMessages : public ProgramTable {};
// A line beyond the limit (a file without line breaks) fails to read; the line before it and
// a line just within the limit are read.
TEST(TextFiles, OverlongLineFailsToRead)
{
    Session session;
    const size_t limit = textcalc::textfiles::MaxLineBytes;
    writeFile(session.directory / "textfiles" / "in.txt",
              "7\n" + std::string(limit - 1, ' ') + "8\n" + std::string(limit + 1, '9'));
    EXPECT_EQ(session.run("Assign(f, 'in'); Reset(f); readln(f); readln(f); readln(f)"),
              (Lines{"7", "8", "Error. Unable to read from text file \" f \"."}));
}

// A pipe (or a link to a device) among the text files would block the run in its open or feed
// it without end: only plain files are opened.
TEST(TextFiles, OnlyPlainFilesOpen)
{
    Session session;
    const std::filesystem::path folder = session.directory / "textfiles";
    ASSERT_EQ(::mkfifo((folder / "pipe.txt").c_str(), 0600), 0);
    std::filesystem::create_symlink("/dev/zero", folder / "zero.txt");
    const Lines failed{"Error. Unable to open text file \" f \"."};
    for (const char* program : {"Assign(f, 'pipe'); Reset(f)", "Assign(f, 'pipe'); Rewrite(f)",
                                "Assign(f, 'pipe'); Append(f)", "Assign(f, 'zero'); Reset(f)"}) {
        SCOPED_TRACE(program);
        EXPECT_EQ(session.run(program), failed);
    }
}

TEST_P(FileMessages, WriteLines) { check(); }

INSTANTIATE_TEST_SUITE_P(Failures, FileMessages, testing::Values(
    ProgramCase{"ResetOfMissingFile", "Assign(m, 'nothing'); Reset(m)", {"Error. Unable to open text file \" m \"."}},
    ProgramCase{"AppendToMissingFile", "Assign(m, 'nothing'); Append(m)", {"Error. Unable to open text file \" m \"."}},
    ProgramCase{"CloseOfClosedFile", "Assign(m, 'a'); Close(m)", {"Error. Unable to close text file \" m \"."}},
    ProgramCase{"WriteToClosedFile", "Assign(m, 'a'); WriteLn(m, 1)", {"Error. Unable to write to text file \" m \"."}},
    ProgramCase{"WriteToFileOpenForReading", "Assign(m, 'a'); Rewrite(m); Close(m); Reset(m); WriteLn(m, 1)",
                {"Error. Unable to write to text file \" m \"."}},
    ProgramCase{"ReadFromFileOpenForWriting", "Assign(m, 'a'); Rewrite(m); readln(m)",
                {"Error. Unable to read from text file \" m \"."}},
    ProgramCase{"EofOfClosedFile", "Assign(m, 'a'); eof(m)", {"Error. Unable to detect end of text file \" m \"."}},
    ProgramCase{"WriteOfFailingValue", "Assign(m, 'a'); Rewrite(m); WriteLn(m, y)",
                {"Error. Unknown variable identifier \" y \".", "Error. Unable to write to text file \" m \"."}},
    ProgramCase{"UnknownFileInWriteLn", "writeln(q, 1)", {"Error. Unknown text file identifier \" q \"."}},
    ProgramCase{"UnknownFileInReadln", "readln(q)", {"Error. Unknown text file identifier \" q \"."}},
    ProgramCase{"PathSeparator", "Assign(m, 'sub/x')", {"Error. Unable to assign text file \" m \"."}},
    ProgramCase{"BackslashSeparator", "Assign(m, 'sub\\x')", {"Error. Unable to assign text file \" m \"."}},
    ProgramCase{"ParentFolder", "Assign(m, '..')", {"Error. Unable to assign text file \" m \"."}},
    ProgramCase{"EmptyName", "Assign(m, '')", {"Error. Unable to assign text file \" m \"."}}), rowName);

// Rewrite empties the file at once and every line is in it as soon as it is written.
TEST(TextFiles, RewriteEmptiesAndWritesThrough)
{
    Session session;
    const auto file = session.directory / "textfiles" / "keep.txt";
    writeFile(file, "old\n");
    session.run("Assign(k, 'keep'); Rewrite(k)");
    EXPECT_EQ(contents(file), "");
    session.run("WriteLn(k, 1)");
    EXPECT_EQ(contents(file), "1\n");
    session.run("WriteLn(k, 2); Close(k)");
    EXPECT_EQ(contents(file), "1\n2\n");
}

// Clearing the tables discards the entries, never what was written through them.
TEST(TextFiles, ClearingTheTablesKeepsWrittenLines)
{
    Session session;
    session.run("Assign(k, 'open'); Rewrite(k); WriteLn(k, 7); Assign(a, 'more'); Rewrite(a); Close(a); Append(a); WriteLn(a, 8)");
    session.calc.clearTables();
    EXPECT_EQ(contents(session.directory / "textfiles" / "open.txt"), "7\n");
    EXPECT_EQ(contents(session.directory / "textfiles" / "more.txt"), "8\n");
}

TEST(TextFiles, SessionEndCompletesOpenFiles)
{
    Session session;
    session.run("Assign(k, 'open'); Rewrite(k); WriteLn(k, 7)");
    textcalc::textfiles::completeTextFiles(session.calc.TextFiles);
    EXPECT_EQ(contents(session.directory / "textfiles" / "open.txt"), "7\n");
}

TEST(TextFiles, SecondAssignBindsANewFile)
{
    Session session;
    session.run("Assign(k, 'one'); Rewrite(k); WriteLn(k, 1); Assign(k, 'two'); Rewrite(k); WriteLn(k, 2); Close(k)");
    EXPECT_EQ(contents(session.directory / "textfiles" / "one.txt"), "1\n");
    EXPECT_EQ(contents(session.directory / "textfiles" / "two.txt"), "2\n");
}

// A program directory without a textfiles folder (a new `zoltcalc-cli run --dir`): writing
// creates the folder, reading and appending still need the file.
struct MissingFolderCase {
    const char* name;
    const char* program;
    Lines expected;
    const char* written; // the file's contents afterwards; nullptr when it must not exist
};

const MissingFolderCase kMissingFolderCases[] = {
    {"RewriteCreatesTheFolder", "Assign(m, 'new'); Rewrite(m); WriteLn(m, 6*7); Close(m)",
     {"Statements executed (no output)."}, "42\n"},
    {"AppendCreatesTheFolderButNeedsTheFile", "Assign(m, 'new'); Append(m)",
     {"Error. Unable to open text file \" m \"."}, nullptr},
    {"AppendAfterRewriteInTheNewFolder", "Assign(m, 'new'); Rewrite(m); WriteLn(m, 1); Close(m); Append(m); WriteLn(m, 2); Close(m)",
     {"Statements executed (no output)."}, "1\n2\n"},
    {"ResetOfMissingFileStillFails", "Assign(m, 'new'); Reset(m)", {"Error. Unable to open text file \" m \"."}, nullptr},
};

TEST(TextFiles, MissingFolder)
{
    for (const MissingFolderCase& c : kMissingFolderCases) {
        SCOPED_TRACE(c.name);
        Session session;
        const std::filesystem::path folder = session.directory / "fresh" / "textfiles";
        session.calc.settings.programDirectory = session.directory / "fresh";
        EXPECT_EQ(session.run(c.program), c.expected);
        if (c.written) {
            EXPECT_EQ(contents(folder / "new.txt"), c.written);
        } else {
            EXPECT_FALSE(std::filesystem::exists(folder / "new.txt"));
        }
    }
}

// Writing never creates anything when the folder's place holds a file.
TEST(TextFiles, FolderBlockedByAFile)
{
    Session session;
    std::filesystem::remove_all(session.directory / "textfiles");
    writeFile(session.directory / "textfiles", "not a folder");
    EXPECT_EQ(session.run("Assign(m, 'x'); Rewrite(m)"), Lines{"Error. Unable to open text file \" m \"."});
    EXPECT_EQ(contents(session.directory / "textfiles"), "not a folder");
}

} // namespace
