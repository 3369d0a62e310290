#pragma once
// The groups of statements behind executeStatement().
namespace textcalc {
class Calculator;
struct Instruction;
}

namespace textcalc::statements {

// Assign, Reset, Rewrite, Append, Close, WriteLn.
void executeFileStatement(Calculator& calc, const Instruction& in);
// SetColor … Beep's neighbours: every drawing statement, on calc.picture (nothing without one).
void executeDrawingStatement(Calculator& calc, const Instruction& in);

} // namespace textcalc::statements
