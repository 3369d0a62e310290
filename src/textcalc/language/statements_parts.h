#pragma once
// The groups of statements behind executeStatement().
namespace textcalc {
class RunContext;
struct Instruction;
}

namespace textcalc::statements {

// Assign, Reset, Rewrite, Append, Close, WriteLn.
void executeFileStatement(RunContext& calc, const Instruction& in);
// SetColor … Beep's neighbours: every drawing statement, on calc.picture (nothing without one).
void executeDrawingStatement(RunContext& calc, const Instruction& in);

} // namespace textcalc::statements
