// The sheet's convert-to-decimal step (ADecim) on one result line.
#include "textcalc/language/interpreter.h"
#include "textcalc/eval/eval_code.h"

namespace textcalc {

// The sheet's convert-to-decimal step on one result line. The line is read as a number alone:
// "i" is the exact imaginary unit even where the program has a variable i (a loop counter,
// say), so the variables are set aside meanwhile. Taking i as sqrt(-1) instead would carry the
// rounding of the polar root into the digits (3-2 * i would become 2.99999999999999988-2 * i).
bool Interpreter::convertToDecimal(std::string& line)
{
    std::string text;
    for (char c : line)
        if (c != ' ')
            text += c;
    struct SetAside {
        Interpreter& c;
        std::vector<Variable> variables;
        std::vector<BoundVariable> bound;
        std::vector<ParamBinding> bindings;
        size_t outputs;
        explicit SetAside(Interpreter& calc) : c(calc), outputs(calc.outputs().size())
        {
            // The last run's compiled forms point at entries of the tables set aside.
            c.codes().clear();
            variables.swap(c.variables());
            bound.swap(c.BoundVariables);
            bindings.swap(c.ParamBindings);
            // The line may hold any expression (a user function summing for hours): it is
            // evaluated as a run is, asking the caller whether to stop.
            c.startStopPoll();
        }
        ~SetAside()
        {
            c.endRun();
            variables.swap(c.variables());
            bound.swap(c.BoundVariables);
            bindings.swap(c.ParamBindings);
            c.outputs().resize(outputs);
        }
    } aside(*this);
    try {
        return onRunFailure(
            [&] {
                const Number value = eval(text);
                line = cistostr(floating(value.re(), value.im()));
                return true;
            },
            [&](const RunError&) {
                services.beep();
                return false;
            });
    } catch (const RunStopped&) {
        return false; // the line stays as it was
    }
}

} // namespace textcalc
