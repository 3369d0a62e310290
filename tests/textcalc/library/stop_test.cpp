// The caller's stop: a run that would go on for hours ends with the stopped line, keeping the
// outputs so far, whether it is in a statement loop, a Pause, a numerical operator or deep in
// user-function calls; a TRY of the program does not catch it.
#include "program_table.h"

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
