#pragma once
// The built-in function library and the numerical operators, reached from the evaluator.
//
// Contract of a built-in: the evaluator calls it for an identifier followed by "(" that names
// no user-defined function. `pos` indexes the character just after "(" in `text` (prepared
// text: see prepare.cpp for its character codes).
//   - a one-argument function (Builtin::oneArgument) is handed the value of the bracket,
//     which the evaluator reads as a nested level up to and including its ")";
//   - a scanned function (Builtin::scanned) reads its argument list, split once where the call
//     was read, through the cursor code::Arguments (arguments.h): it takes each argument with
//     next(), checks its stop character with calc.jetam(found, expected) before it reads on,
//     and evaluates it with value() as often as it needs; prime reads the whole bracket as a
//     level instead, with bracket().
// What a built-in may use of the run is the RunContext (run_context.h): running variables
// (calc.regvar(name, value) and cutting calc.BoundVariables back), the text files, the
// literals, the services, the picture, the random generator, the number text; errors:
// calc.chyb(message) (never returns).
#include "textcalc/library/library_functions.h"
#include "textcalc/library/library_math.h"

#include <cstddef>
#include <string_view>

namespace textcalc::library {

// One built-in: exactly one of the two is set, or neither for a name that is no built-in.
struct Builtin {
    ScannedFunction scanned = nullptr;
    OneArgumentFunction oneArgument = nullptr;
    explicit operator bool() const { return scanned || oneArgument; }
};

// The built-in of that lower-case name, from one table sorted by name.
Builtin find(std::string_view name);

// Evaluates the call of `name` with its argument list at `pos` (reading the bracket of a
// one-argument function with calc.evalLevel, splitting the list of a scanned one); pos ends
// just after what the call read. A name that is no built-in ends the run with
// "Unknown function identifier \" {n} \".".
Number call(RunContext& calc, std::string_view name, std::string_view text, size_t& pos);

} // namespace textcalc::library
