// zoltcalc-cli given what a careless or hostile user gives it: endless and huge inputs,
// folders, unwritable pictures, a small stack and bytes that are not UTF-8. Each ends with a
// clear status, never a crash.
#include "run_cli.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

bool validUtf8(const std::string& s)
{
    for (size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        const size_t n = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
        if (n == 0 || i + n > s.size())
            return false;
        for (size_t k = 1; k < n; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80)
                return false;
        i += n;
    }
    return true;
}

struct Case {
    const char* name;
    std::string arguments;
    int status;
    std::string message; // a part of what is printed (stdout and stderr together)
};

TEST(HostileInput, EndsWithAClearStatus)
{
    const std::string folder = std::filesystem::temp_directory_path().string();
    const std::string nested = std::string(250, '(') + "1" + std::string(250, ')');
    const std::string lines = folder + "/zoltcalc-cli-lines-" + std::to_string(::getpid()) + ".txt";
    std::ofstream(lines) << std::string(300000, '\n');
    const Case cases[] = {
        {"EndlessProgram", "run /dev/zero", 1, "cannot read /dev/zero: larger than 16 MiB"},
        {"EndlessProgramOnStdin", "run - </dev/zero", 1, "cannot read -: larger than 16 MiB"},
        {"EndlessStatistics", "stat /dev/zero", 1, "cannot read /dev/zero: larger than 16 MiB"},
        {"EndlessSheetOnStdin", "sheet - </dev/zero", 1, "cannot read -: larger than 16 MiB"},
        {"ProgramIsAFolder", "run '" + folder + "'", 1, "cannot read " + folder + ": it is a folder"},
        {"LinearSystemIsAFolder", "linsys '" + folder + "'", 1, "it is a folder"},
        {"SheetTooLarge", "sheet '" + lines + "'", 1, "is too large to open as a sheet."},
        {"PictureOnAFullDisk", "run --picture /dev/full -e \"LineTo(5,5); 1\"", 1, "--picture: cannot write /dev/full"},
        {"PictureOnAFullDiskAsPng", "run --picture /dev/full/x.png -e \"LineTo(5,5); 1\"", 1, "cannot write"},
        {"MacroNestedOnASmallStack", "macro '" + nested + "'", 1, "Macro error."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // A stack of 64 KiB: the nesting guards must hold with far less than the usual 8 MiB.
        const test_support::CliResult r = test_support::runCli(c.arguments, "2>&1", nullptr, "ulimit -s 64;");
        EXPECT_EQ(r.status, c.status) << r.out;
        EXPECT_NE(r.out.find(c.message), std::string::npos) << r.out;
        EXPECT_EQ(r.out.find("usage:"), std::string::npos) << r.out; // what went wrong is no misuse
    }
    std::filesystem::remove(lines);
}

// A sheet written to what is no regular file: the null device, the pipe behind standard output.
TEST(HostileInput, SheetToASpecialFile)
{
    const std::string input = "1+1\n";
    const test_support::CliResult null = test_support::runCli("sheet -o /dev/null -", "2>&1", &input);
    EXPECT_EQ(null.status, 0);
    const std::string printed = "1+1\n \n> 2\n\n", written = "1+1\n \n2\n";
    EXPECT_EQ(null.out, printed);
    // The sheet printed and the sheet written share the pipe, in either order.
    const test_support::CliResult piped = test_support::runCli("sheet -o /dev/stdout -", "2>&1", &input);
    EXPECT_EQ(piped.status, 0);
    EXPECT_TRUE(piped.out == printed + written || piped.out == written + printed) << piped.out;
}

// A program nested deeper than a small stack holds ends with an error line, not a crash.
TEST(HostileInput, DeepProgramOnASmallStack)
{
    const std::string nested = std::string(3000, '(') + "1" + std::string(3000, ')');
    const test_support::CliResult r = test_support::runCli("run -e '" + nested + "'", "2>&1", nullptr, "ulimit -s 64;");
    EXPECT_EQ(r.out, "Error. Recursion too deep.\n");
    EXPECT_EQ(r.status, 1);
}

// Below 64 KiB of stack the nesting guards have no sure room to report (with 32 KiB a deep
// program crashed or not by the size of the environment): the CLI refuses to start, saying why.
// From 64 KiB on deep nesting is reported (DeepProgramOnASmallStack).
TEST(HostileInput, StackTooSmallIsRefused)
{
    for (const int kib : {16, 24, 48}) {
        SCOPED_TRACE(kib);
        const test_support::CliResult r =
            test_support::runCli("macro 1+1", "2>&1", nullptr, "ulimit -s " + std::to_string(kib) + ";");
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.out, "zoltcalc-cli macro: the stack limit (ulimit -s) is " + std::to_string(kib)
                             + " KiB; the calculator needs at least 64 KiB\n");
    }
}

// Bytes read by GetNum and ReadLn are text like the program's own: Windows-1250 when they are
// not UTF-8, so every line printed is valid UTF-8.
TEST(HostileInput, ReadBytesBecomeUtf8)
{
    const std::string dir = std::filesystem::temp_directory_path() / ("zoltcalc-cli-bytes-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir + "/textfiles");
    {
        FILE* f = std::fopen((dir + "/textfiles/in.txt").c_str(), "wb");
        std::fputs("\xE9\n", f);
        std::fclose(f);
    }
    const std::string input = "\xE9\n";
    const test_support::CliResult getnum = test_support::runCli("run -e \"GetNum('x')\"", "2>/dev/null", &input);
    EXPECT_TRUE(validUtf8(getnum.out)) << getnum.out;
    EXPECT_EQ(getnum.out, "Error. Unexpected character \" \xC3\xA9 \".\n");
    const test_support::CliResult readln = test_support::runCli(
        "run --dir '" + dir + "' -e \"Assign(f, 'in'); Reset(f); readln(f)\"", "2>/dev/null");
    EXPECT_TRUE(validUtf8(readln.out)) << readln.out;
    EXPECT_EQ(readln.out.substr(0, readln.out.find('\n') + 1), "Error. Unexpected character \" \xC3\xA9 \".\n");
    std::filesystem::remove_all(dir);
}

} // namespace
