// zoltcalc-cli sheet as a user runs it: groups or lines run top to bottom, old outputs
// replaced, the sheet printed and written as RTF or plain text, exit statuses.
#include "run_cli.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>
#include <unistd.h>

namespace {

class SheetCommand : public ::testing::Test {
protected:
    void SetUp() override { std::filesystem::create_directories(dir); }
    void TearDown() override { std::filesystem::remove_all(dir); }
    std::string file(const std::string& name, const std::string& content)
    {
        std::ofstream(dir / name, std::ios::binary) << content;
        return "'" + (dir / name).string() + "'";
    }
    std::string read(const std::string& name)
    {
        std::ifstream in(dir / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("zoltcalc-cli-sheet-" + std::to_string(::getpid()));
};

struct SheetCase {
    const char* name;
    const char* options;
    const char* sheetFile;
    const char* sheet;
    const char* printed;
    int status;
};

const SheetCase kSheetCases[] = {
    {"GroupBelowItsLastLine", "", "s.txt", "x:=1/3;\nx+1", "x:=1/3;\nx+1\n> 4/3\n\n", 0},
    // The caret on an empty last line gets a blank first, as in the window.
    {"EmptyLastLineBelongsToTheGroup", "", "s.txt", "x:=1/3;\nx+1\n", "x:=1/3;\nx+1\n \n> 4/3\n\n", 0},
    {"EachLineWithLine", "--line", "s.txt", "x:=2;\nx*3",
     "x:=2;\n> Statements executed (no output).\nx*3\n> 6\n\n", 0},
    {"BlankLinesAreNotRun", "--line", "s.txt", "1+1\n\n \n2+2", "1+1\n> 2\n\n \n2+2\n> 4\n\n", 0},
    {"OldOutputsReplaced", "", "s.rtf", "{\\rtf1 1+1\\par\\qc 5\\par\\qc 6\\par\\pard 2*3\\par}",
     "1+1\n> 2\n2*3\n> 6\n\n", 0},
    {"GroupsBetweenOutputsRunApart", "", "s.rtf", "{\\rtf1 a:=2;\\par a*a\\par\\qc old\\par\\pard a+1\\par}",
     "a:=2;\na*a\n> 4\na+1\n> 3\n\n", 0},
    {"ErrorLineExitsOne", "", "s.txt", "y+1", "y+1\n> Error. Unknown variable identifier \" y \".\n\n", 1},
    {"AnEarlierErrorStillCounts", "--line", "s.txt", "1/0\n2", "1/0\n> Error. General computation error\n2\n> 2\n\n", 1},
    {"DigitsOption", "--digits 5", "s.txt", "pi", "pi\n> 3.1416\n\n", 0},
    {"Windows1250PlainText", "", "s.txt", "x:=2 {\xe8\xf8};\nx", "x:=2 {čř};\nx\n> 2\n\n", 0},
};

TEST_F(SheetCommand, Table)
{
    for (const SheetCase& c : kSheetCases) {
        SCOPED_TRACE(c.name);
        const std::string path = file(c.sheetFile, c.sheet);
        const test_support::CliResult r =
            test_support::runCli(std::string("sheet ") + c.options + " " + path, "2>/dev/null");
        EXPECT_EQ(r.out, c.printed);
        EXPECT_EQ(r.status, c.status);
    }
}

TEST_F(SheetCommand, WritesRtfOrPlainTextByTheOutName)
{
    const std::string in = file("in.txt", "x:=1/3;\nčíslo:=x*6;\nčíslo");
    const std::string printed = "x:=1/3;\nčíslo:=x*6;\nčíslo\n> 2\n\n";
    for (const char* out : {"out.rtf", "out.txt", "out.RTF"}) {
        SCOPED_TRACE(out);
        const test_support::CliResult r =
            test_support::runCli("sheet -o '" + (dir / out).string() + "' " + in, "2>/dev/null");
        EXPECT_EQ(r.out, printed);
        EXPECT_EQ(r.status, 0);
    }
    EXPECT_TRUE(read("out.rtf").starts_with("{\\rtf1"));
    EXPECT_NE(read("out.rtf").find("\\qc"), std::string::npos);
    EXPECT_EQ(read("out.txt"), "x:=1/3;\nčíslo:=x*6;\nčíslo\n2\n");
    EXPECT_EQ(read("out.RTF"), read("out.txt"));

    // The written RTF keeps its outputs: run again, they are replaced by the same lines.
    const test_support::CliResult again = test_support::runCli("sheet '" + (dir / "out.rtf").string() + "'", "2>/dev/null");
    EXPECT_EQ(again.out, printed);
}

// A file that cannot be read is no misuse of the command: its error, status 1, no usage text.
TEST_F(SheetCommand, FileErrors)
{
    const test_support::CliResult r = test_support::runCli("sheet '" + (dir / "missing.txt").string() + "'", "2>&1");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "zoltcalc-cli sheet: Error. File \" missing.txt \" cannot be read.\n");
}

TEST_F(SheetCommand, UsageErrors)
{
    const std::string in = file("in.txt", "1");
    for (const std::string& arguments : std::vector<std::string>{"sheet", "sheet --frobnicate " + in, "sheet " + in + " " + in,
                                        "sheet -o", "sheet --digits 0 " + in}) {
        SCOPED_TRACE(arguments);
        const test_support::CliResult r = test_support::runCli(arguments, "2>&1");
        EXPECT_EQ(r.status, 2);
        EXPECT_NE(r.out.find("usage: zoltcalc-cli sheet [--dir DIR] [--digits N] [--line] [--timeout SECONDS]\n"
                             "       [-o OUT] FILE"),
                  std::string::npos)
            << r.out;
    }
}

TEST_F(SheetCommand, HostileFilesAreRefusedOrReadNeverCrash)
{
    std::string noise;
    for (int k = 0; k < 100000; ++k)
        noise += static_cast<char>((k * 7919 + 13) % 256);
    for (const std::string& content : std::vector<std::string>{std::string("{\\rtf1") + std::string(100000, '{') + "1+1",
                                       "{\\rtf1 2+2\\par 3*", noise}) {
        const test_support::CliResult r = test_support::runCli("sheet " + file("h.rtf", content), "2>&1");
        const bool refused = r.status == 2 && r.out.find("\" h.rtf \" is neither a sheet nor a text file.") != std::string::npos;
        EXPECT_TRUE(r.status == 0 || r.status == 1 || refused) << r.status << r.out.substr(0, 300);
    }
}

} // namespace
