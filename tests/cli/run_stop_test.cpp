// Runs that never end, stopped from outside: by --timeout, SIGINT or SIGTERM. The run ends
// with the stopped-run error line, every output line so far is printed, and the status is 1.
#include "run_cli.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const std::string Stopped = "Error. Program stopped by the user.\n";

struct StopCase {
    const char* name;
    std::string arguments;
    std::string output;
    int status;
};

// The programs get "1", an endless line and "3" on standard input.
TEST(RunStop, TimeoutStopsTheRun)
{
    const std::string lines = "1\nwhile 1=1 do x:=x+1\n3\n";
    const StopCase cases[] = {
        {"EndlessLoop", "run --timeout 0.3 -e \"1; 2; while 1=1 do x:=x+1\"", "1\n2\n" + Stopped, 1},
        {"LinesAfterTheStoppedOneDoNotRun", "run --lines --timeout 0.3 -", "1\n" + Stopped, 1},
        {"TheTimeCountsForAllLines", "run --lines --timeout=0.3 -e \"Pause(0.2)\n4\nPause(0.2)\n5\"",
         "Statements executed (no output).\n4\n" + Stopped, 1},
        {"LongPause", "run --timeout 0.3 -e \"3; Pause(1000); 4\"", "3\n" + Stopped, 1},
        {"RunWithinItsTime", "run --timeout 60 -e \"1+1\"", "2\n", 0},
        {"ErrorWithinItsTime", "run --timeout 60 -e \"y\"", "Error. Unknown variable identifier \" y \".\n", 1},
        {"NotANumber", "run --timeout x -e 1", "", 2},
        {"NotPositive", "run --timeout 0 -e 1", "", 2},
        {"BeyondAYear", "run --timeout 1e9 -e 1", "", 2},
        {"GivenTwice", "run --timeout 1 --timeout 2 -e 1", "", 2},
        {"Sheet", "sheet --line --timeout 0.3 -", "1\n> 1\nwhile 1=1 do x:=x+1\n> " + Stopped + "3\n\n", 1},
        {"SheetTimeoutNotANumber", "sheet --timeout 1s -", "", 2},
    };
    for (const StopCase& c : cases) {
        SCOPED_TRACE(c.name);
        const test_support::CliResult r = test_support::runCli(c.arguments, "2>/dev/null", &lines);
        EXPECT_EQ(r.out, c.output);
        EXPECT_EQ(r.status, c.status);
    }
}

class RunStopFiles : public ::testing::Test {
protected:
    void SetUp() override { std::filesystem::create_directories(dir); }
    void TearDown() override { std::filesystem::remove_all(dir); }
    std::string file(const std::string& name, const std::string& content)
    {
        std::ofstream(dir / name, std::ios::binary) << content;
        return (dir / name).string();
    }
    std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("zoltcalc-cli-stop-" + std::to_string(::getpid()));
};

// Each program makes the file "started" before its endless line, and the signal comes then.
TEST_F(RunStopFiles, SignalsStopTheRunLikeTheTimeout)
{
    const std::string start = "Assign(f, 'started'); Rewrite(f); Close(f); ";
    const std::string sheet = file("endless.txt", start + "1+1\nwhile 1=1 do x:=x+1\n3");
    const std::string lines = file("lines.txt", start + "1\nwhile 1=1 do x:=x+1\n3\n");
    const std::string options = "--dir '" + dir.string() + "' ";
    const std::string started = (dir / "textfiles" / "started.txt").string();
    for (const char* signal : {"INT", "TERM"}) {
        SCOPED_TRACE(signal);
        const StopCase cases[] = {
            {"EndlessLoop", "run " + options + "-e \"" + start + "1; 2; while 1=1 do x:=x+1\"", "1\n2\n" + Stopped, 1},
            {"Lines", "run --lines " + options + "-", "1\n" + Stopped, 1},
            {"Sheet", "sheet --line " + options + "'" + sheet + "'",
             start + "1+1\n> 2\nwhile 1=1 do x:=x+1\n> " + Stopped + "3\n", 1},
        };
        for (const StopCase& c : cases) {
            SCOPED_TRACE(c.name);
            std::filesystem::remove(started);
            const test_support::CliResult r =
                test_support::runCliSignalled(c.arguments, "2>/dev/null", lines, signal, started);
            EXPECT_EQ(r.out, c.output);
            EXPECT_EQ(r.status, c.status);
        }
    }
}

// A wait for standard input that never comes (GetNum, Question) ends at the timeout too:
// standard input is a named pipe that stays open and empty.
TEST_F(RunStopFiles, TimeoutEndsAWaitForInput)
{
    const std::string fifo = (dir / "input").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const char* program : {"5; GetNum('x?'); 6", "5; Question('go on?'); 6"}) {
        SCOPED_TRACE(program);
        const test_support::CliResult r =
            test_support::runCli("run --timeout 0.3 -e \"" + std::string(program) + "\"", "<>'" + fifo + "' 2>/dev/null");
        EXPECT_EQ(r.out, "5\n" + Stopped);
        EXPECT_EQ(r.status, 1);
    }
}

// Loops whose every step takes long stop at the timeout all the same: a step alone took 2.3 s
// (prime) or, in the drawing module, 0.4 s (a fill of the largest picture; 10 s in the
// sanitizer build), and a stop used to wait for the step's end or for tens of steps. The
// timeout falls inside a fill in either build. The bound leaves room for a busy machine; the
// shell's timeout only ends a hung run.
TEST(RunStop, TimeoutStopsLongSteps)
{
    for (const char* program : {"x:=0; while x<1 do y:=prime(9223372036854775783)",
                                "SetSize(8192, 8192); while 1 do begin SetBrush(x); FloodFill(0, 0); x:=x+1 end"}) {
        SCOPED_TRACE(program);
        const auto start = std::chrono::steady_clock::now();
        const test_support::CliResult r =
            test_support::runCli("run --timeout 1 -e \"" + std::string(program) + "\"", "2>/dev/null", nullptr, "timeout 60");
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        EXPECT_EQ(r.out, Stopped);
        EXPECT_EQ(r.status, 1);
        EXPECT_LT(took.count(), 8.0) << "the run took " << took.count() << " s to stop";
    }
}

// The time counts from the start, reading the file included: a named pipe that nobody opens
// for writing would block the open for ever. The shell's own timeout only ends a hung test.
TEST_F(RunStopFiles, TimeoutCoversReadingTheFile)
{
    const std::string fifo = (dir / "never.txt").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const char* command : {"sheet", "run"}) {
        SCOPED_TRACE(command);
        const test_support::CliResult r = test_support::runCli(std::string(command) + " --timeout 0.3 '" + fifo + "'",
                                                               "2>/dev/null", nullptr, "timeout 20");
        EXPECT_EQ(r.out, Stopped);
        EXPECT_EQ(r.status, 1);
    }
}

} // namespace
