#pragma once
// The built-in function library and the numerical operators, reached from the evaluator.
//
// Contract of call(): the evaluator calls it for an identifier followed by "(" that names no
// user-defined function. `name` is the lower-case identifier; `pos` indexes the character just
// after "(" in `text` (prepared text: see prepare.cpp for its character codes). call()
// consumes the argument list up to and including its closing ")" (pos ends just after it)
// and returns the value. Tools on the Calculator:
//   - a one-argument function evaluates calc.evalLevel(text, pos), which reads the nested
//     level and consumes the ")";
//   - other functions take each argument as raw text with calc.scanArgument(text, pos, arg),
//     check the stop character with calc.jetam(found, expected), and evaluate the text with
//     calc.eval(arg) as often as they need (the view stays valid during the call);
//   - running variables: calc.regvar(name, value) and cutting calc.BoundVariables back;
//   - calc.TextFiles, calc.Literals, calc.services, calc.picture, calc.random(),
//     calc.randomGenerator, calc.Precision, calc.cistostr();
//   - errors: calc.chyb(message) (never returns).
// A name that is no built-in ends the run with "Unknown function identifier \" {n} \".".
#include "textcalc/value.h"

#include <cstddef>
#include <string_view>

namespace textcalc {
class Calculator;
}

namespace textcalc::library {

Number call(Calculator& calc, std::string_view name, std::string_view text, size_t& pos);

// True when `name` is a built-in function or numerical operator.
bool isBuiltin(std::string_view name);

} // namespace textcalc::library
