#pragma once
// Output switches, message boxes, Pause, ShowTime, Beep, text files and drawing: the
// statement kinds 13–17, 19–23 and 25–42 of program.h, compiled by Interpreter::classify()
// with the fields listed there, executed here. executeStatement() is called by the
// interpreter's execute() for every one of those kinds; errors go through calc.chyb().
#include <chrono>
#include <string>

namespace textcalc {
class RunContext;
struct Instruction;
}

namespace textcalc::statements {

void executeStatement(RunContext& calc, const Instruction& instruction);

// When a Pause of the given seconds, begun at start, ends; never before start.
std::chrono::steady_clock::time_point pauseDeadline(std::chrono::steady_clock::time_point start,
                                                    long double seconds);

// " 1.25 s": the seconds since the run started, fixed with two decimals (ShowTime's text and
// the window's elapsed-time panel).
std::string elapsedText(RunContext& calc);

} // namespace textcalc::statements
