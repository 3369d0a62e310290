// The caller's stop: a run that would go on for hours ends with the stopped line, keeping the
// outputs so far, whether it is in a statement loop, a Pause, a numerical operator or deep in
// user-function calls; a TRY of the program does not catch it.
#include "program_table.h"

#include <chrono>

using namespace textcalc::library_tests;

namespace {

// Answers "stop" at its `stopAt`-th question and counts the questions.
struct StopAfter {
    int stopAt;
    int asked = 0;
    bool operator()() { return ++asked >= stopAt; }
};

class Stop : public ::testing::TestWithParam<ProgramCase> {};

TEST_P(Stop, EndsTheRun)
{
    Session session;
    auto stop = std::make_shared<StopAfter>(StopAfter{3});
    session.calc.callbacks.stopRequested = [stop] { return (*stop)(); };
    EXPECT_EQ(session.run(GetParam().program), GetParam().expected);
    EXPECT_EQ(stop->asked, 3);
}

INSTANTIATE_TEST_SUITE_P(Runs, Stop, ::testing::Values(
    ProgramCase{"EndlessWhile", "x:=0; while 1 do x:=x+1", {textcalc::StoppedLine}},
    ProgramCase{"EndlessRepeat", "repeat x:=1 until 0", {textcalc::StoppedLine}},
    ProgramCase{"OutputsSoFarKept", "1; 2; while 1 do x:=x+1; 3", {"1", "2", textcalc::StoppedLine}},
    ProgramCase{"LongPause", "Pause(100000); 1", {textcalc::StoppedLine}},
    ProgramCase{"LongIntegral", "int(x, x=0..1, 1e-15)", {textcalc::StoppedLine}},
    ProgramCase{"LongSumOfAName", "sum(n, n=1..1000000000000000)", {textcalc::StoppedLine}},
    ProgramCase{"LongProductInAnExpression", "1+product(1, n=1..1000000000000000)*2", {textcalc::StoppedLine}},
    ProgramCase{"NotCaughtByTry", "try while 1 do x:=x+1; 5", {textcalc::StoppedLine}},
    ProgramCase{"NotCaughtByTryInALoop", "while 1 do try Pause(1); 5", {textcalc::StoppedLine}},
    ProgramCase{"NotCaughtWhileWritingAFile",
                "Assign(f, 'stop'); Rewrite(f); WriteLn(f, sum(n, n=1..1000000000000000)); 5",
                {textcalc::StoppedLine}}),
    rowName);

// A stop asked for arrives soon whatever the loop's step: one step may take seconds (trial
// division near 2^63, a flood fill or a new size of the largest picture). The bound is loose
// for a loaded machine; the steps alone would keep a stop waiting for tens of seconds.
TEST(Stop, ArrivesSoonInLongSteps)
{
    using Clock = std::chrono::steady_clock;
    const ProgramCase rows[] = {
        {"PrimeNearTheLargestInteger", "x:=0; while x<1 do y:=prime(9223372036854775783)", {textcalc::StoppedLine}},
        {"PrimeInASum", "sum(prime(9223372036854775783), n=1..100)", {textcalc::StoppedLine}},
        {"FloodFillOfTheLargestPicture", "SetSize(8192, 8192); while 1 do begin SetBrush(x); FloodFill(0, 0); x:=x+1 end",
         {textcalc::StoppedLine}},
        {"NewSizesOfTheLargestPicture", "x:=0; while 1 do begin x:=1-x; SetSize(8192, 8191+x) end", {textcalc::StoppedLine}},
    };
    for (const ProgramCase& row : rows) {
        SCOPED_TRACE(row.name);
        Session session;
        const Clock::time_point asked = Clock::now() + std::chrono::milliseconds(300);
        session.calc.callbacks.stopRequested = [asked] { return Clock::now() >= asked; };
        EXPECT_EQ(session.run(row.program), row.expected);
        const std::chrono::duration<double> late = Clock::now() - asked;
        EXPECT_LT(late.count(), 6.0) << "the stop came " << late.count() << " s after it was asked for";
    }
}

// The decimal conversion of an output line evaluates it as a run does: a stop ends it, the line
// stays, and a run afterwards is not stopped by it.
TEST(Stop, EndsADecimalConversion)
{
    Session session;
    session.run("f(x):=sum(n, n=1..x)");
    auto stop = std::make_shared<StopAfter>(StopAfter{3});
    session.calc.callbacks.stopRequested = [stop] { return (*stop)(); };
    std::string line = "f(10^15)";
    EXPECT_FALSE(session.calc.convertToDecimal(line));
    EXPECT_EQ(line, "f(10^15)");
    EXPECT_EQ(stop->asked, 3);
    session.calc.callbacks.stopRequested = [] { return false; };
    line = "f(4)";
    EXPECT_TRUE(session.calc.convertToDecimal(line));
    EXPECT_EQ(line, "10");
}

TEST(Stop, TheNextRunStartsAfresh)
{
    Session session;
    bool stop = true;
    session.calc.callbacks.stopRequested = [&stop] { return stop; };
    EXPECT_EQ(session.run("while 1 do x:=1"), Lines{textcalc::StoppedLine});
    stop = false;
    EXPECT_EQ(session.run("x:=2; x"), Lines{"2"});
}

} // namespace
