// zoltcalc-cli run as a user runs it: output lines, exit status, the picture and what the
// process loads.
#include "run_cli.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

struct RunCase {
    const char* name;
    const char* arguments;
    const char* output;
    int status;
};

const RunCase kRunCases[] = {
    {"ExactValues", "run -e \"x:=1/3; x+1\"", "4/3\n", 0},
    {"ErrorLineExitsOne", "run -e \"y+1\"", "Error. Unknown variable identifier \" y \".\n", 1},
    {"BreakLineExitsOne", "run -e \"while 1 do break\"", "Execution terminated by \" Break \" statement.\n", 1},
    {"ErrorCaughtByTryIsNotLast", "run -e \"try y:=1/0; 2\"", "Error. General computation error\n2\n", 0},
    {"LinesRunOneByOne", "run --lines -", "3\n6\n", 0},
    {"DigitsOption", "run --digits 5 -e \"pi\"", "3.1416\n", 0},
    {"DrawingFailureIsAnErrorLineNotACrash", "run -e \"SetSize(100000,100000); 1\"",
     "Error. Not enough memory.\n", 1},
    {"PictureReadBack", "run -e \"SetColor(1,1,255); pixel(1,1); MoveTo(5,7); penposx+penposy\"", "255\n12\n", 0},
    {"UsageError", "run", nullptr, 2},
    // check runs nothing: each line in error gets its first error, nothing else is printed.
    {"CheckFindsNoError", "check -", "", 0},
    {"CheckNamesLineAndColumn", "check -e \"x:=(1+2; y:=3*/4\"",
     "1:4: Recorded \" ( \" with no corresponding \" ) \".\n", 1},
    {"CheckSeesTheStatementsForm", "check -e \"x:=1; y:=3*/4; if y then\"",
     "1:16: Statement expected after THEN.\n", 1},
    {"CheckUsageError", "check -e", nullptr, 2},
};

TEST(RunCommand, Table)
{
    const std::string lines = "x:=3; x\nx*2\n";
    for (const RunCase& c : kRunCases) {
        SCOPED_TRACE(c.name);
        const test_support::CliResult r = test_support::runCli(c.arguments, "2>/dev/null", &lines);
        if (c.output) {
            EXPECT_EQ(r.out, c.output);
        }
        EXPECT_EQ(r.status, c.status);
    }
}

// A run that draws nothing never loads Qt; one that draws loads it through the module.
TEST(RunCommand, QtIsLoadedOnlyForDrawing)
{
    const auto loaded = [](const std::string& program) {
        return test_support::runCli("run -e \"" + program + "\"", "2>&1 >/dev/null", nullptr, "LD_DEBUG=libs").out;
    };
    EXPECT_EQ(loaded("x:=2; x^10").find("libQt6"), std::string::npos);
    // The memory limit counts a picture never drawn at its size without loading it.
    EXPECT_EQ(loaded("a[1]:=1; a[1]; picwidth*picheight").find("libQt6"), std::string::npos);
    EXPECT_NE(loaded("LineTo(10,10)").find("libQt6Gui"), std::string::npos);
}

TEST(RunCommand, PictureIsSavedByItsExtension)
{
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("zoltcalc-cli-run-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    for (const auto& [name, magic] : {std::pair{"p.png", std::string("\x89PNG", 4)}, {"p.bmp", std::string("BM")},
                                      {"p.jpg", std::string("\xFF\xD8", 2)}}) {
        const std::filesystem::path file = dir / name;
        const test_support::CliResult r =
            test_support::runCli("run --picture '" + file.string() + "' -e \"TextLabel('hi')\"", "2>&1");
        EXPECT_EQ(r.status, 0) << r.out;
        std::ifstream in(file, std::ios::binary);
        std::string head(magic.size(), '\0');
        in.read(head.data(), static_cast<std::streamsize>(head.size()));
        EXPECT_EQ(head, magic) << name;
    }
    std::filesystem::remove_all(dir);
}

} // namespace
