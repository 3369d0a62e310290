#pragma once
// The language core's tests run programs without a picture.
#include "program_session.h"

#include "textcalc/language/interpreter.h"

namespace textcalc::testing_support {

using Sheet = BasicSession<NoPicture>;
using ProgramTable = BasicProgramTable<Sheet>;
using EchoTable = BasicEchoTable<Sheet>;

// For tests of preparation, classification and evaluation on their own: a run of the
// session's calculator tables through an Interpreter of the test's own, reached as the run
// context that statements and the library see. `Engine` is the Interpreter or one derived
// from it (the text reader).
template <typename Engine = Interpreter>
class BasicContextSheet : public Sheet {
public:
    using Sheet::Sheet;
    Lines run(const std::string& program)
    {
        interpreter.run(program);
        return calc.Outputs;
    }

    // The line a run writes for the failure that `work` ends in.
    template <typename Work>
    std::string errorLine(Work work)
    {
        try {
            work();
        } catch (const RunError& failure) {
            context.report(failure);
            return calc.Outputs.empty() ? "(no line)" : calc.Outputs.back();
        }
        return "(no failure)";
    }

    Engine interpreter{calc, services};
    RunContext& context = interpreter;
};
using ContextSheet = BasicContextSheet<>;

} // namespace textcalc::testing_support
