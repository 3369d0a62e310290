#pragma once
// Output switches, message boxes, Pause, ShowTime, Beep, text files and drawing: the statement
// kinds 13–17, 19–23 and 25–42 of program.h, read by classify() into the fields listed there
// and executed here, one function per kind, from the interpreter's one switch over the kinds.
// Errors go through calc.chyb().
#include <chrono>
#include <string>

namespace textcalc {
class RunContext;
struct Instruction;
} // namespace textcalc

namespace textcalc::statements {

// Output+ and Output-, the message boxes, Pause, ShowTime and Beep (statements.cpp).
void outputOn(RunContext& calc, const Instruction& in);
void outputOff(RunContext& calc, const Instruction& in);
void showText(RunContext& calc, const Instruction& in);
void showNum(RunContext& calc, const Instruction& in);
void pause(RunContext& calc, const Instruction& in);
void showTime(RunContext& calc, const Instruction& in);
void beep(RunContext& calc, const Instruction& in);

// Text files (statements_files.cpp).
void assign(RunContext& calc, const Instruction& in);
void reset(RunContext& calc, const Instruction& in);
void rewrite(RunContext& calc, const Instruction& in);
void append(RunContext& calc, const Instruction& in);
void close(RunContext& calc, const Instruction& in);
void writeLn(RunContext& calc, const Instruction& in);

// Drawing on calc.picture() (statements_drawing.cpp).
void setColor(RunContext& calc, const Instruction& in);
void setPen(RunContext& calc, const Instruction& in);
void setBrush(RunContext& calc, const Instruction& in);
void setFont(RunContext& calc, const Instruction& in);
void moveTo(RunContext& calc, const Instruction& in);
void lineTo(RunContext& calc, const Instruction& in);
void rectTo(RunContext& calc, const Instruction& in);
void ellipTo(RunContext& calc, const Instruction& in);
void floodFill(RunContext& calc, const Instruction& in);
void setSize(RunContext& calc, const Instruction& in);
void spot(RunContext& calc, const Instruction& in);
void textLabel(RunContext& calc, const Instruction& in);
void numLabel(RunContext& calc, const Instruction& in);
void draw(RunContext& calc, const Instruction& in);
void clear(RunContext& calc, const Instruction& in);

// When a Pause of the given seconds, begun at start, ends; never before start.
std::chrono::steady_clock::time_point pauseDeadline(std::chrono::steady_clock::time_point start,
                                                    long double seconds);

// " 1.25 s": the seconds since the run started, fixed with two decimals (ShowTime's text and
// the window's elapsed-time panel).
std::string elapsedText(RunContext& calc);

} // namespace textcalc::statements
