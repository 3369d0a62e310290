#pragma once
// The groups of statements behind executeStatement().
namespace textcalc {
class Interpreter;
struct Instruction;
}

namespace textcalc::statements {

// Assign, Reset, Rewrite, Append, Close, WriteLn.
void executeFileStatement(Interpreter& calc, const Instruction& in);
// SetColor … Beep's neighbours: every drawing statement, on calc.picture (nothing without one).
void executeDrawingStatement(Interpreter& calc, const Instruction& in);

} // namespace textcalc::statements
