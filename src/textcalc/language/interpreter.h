#pragma once
// The run behind Calculator (calculator.h): it prepares, compiles and executes one program
// text, and it is the evaluator the run context hands to statements and the library.
//
// Errors: every failure of the program is a RunError (chyb() and the limits) or a
// platform::FloatError; run() writes its line (run_context.h). Running out of memory
// (std::bad_alloc) ends the run with the memory line. Any other exception is a fault of the
// calculator; run() ends with "Error. General computation error" for it as well. No exception
// leaves run().
//
// Only the tests derive from it: their reading of the texts (tests/support/text_reader.h)
// replaces the evaluation, the statements stay.
#include "textcalc/language/program.h"
#include "textcalc/language/run_context.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace textcalc {

namespace code {
struct Argument;
class CodeCache;
} // namespace code

class Interpreter : public RunContext {
public:
    Interpreter(Calculator& owner, platform::Services& services);
    ~Interpreter() override;

    // Prepares, compiles and executes one program text (Calculator::run).
    void run(const std::string& text);
    // Calculator::clearTables: the tables and every compiled form that found names in them.
    void clearTables();
    // Calculator::convertToDecimal.
    bool convertToDecimal(std::string& line);

    // ---- Evaluator (prepared text, see the character codes in prepare.cpp) ------------------
    Number eval(std::string_view text) override;
    Number evalLevel(std::string_view text, size_t& pos) override;
    Number evalArgument(code::Argument& argument) override;

    // ---- What the compiled form's runner (eval_run.cpp) needs -----------------------------------
    std::vector<ParamBinding> ParamBindings; // active user-function calls
    code::CodeCache& codes() { return *m_codes; }
    // Changes whenever a function is defined or the tables are emptied: a call site's
    // resolution of its name holds while it stays.
    uint64_t functionGeneration() const { return m_functionGeneration; }
    // f(a1, …, aP) with the argument list as scanned (code::scanArguments); `body` is the
    // compiled form of f.Body when the caller has it.
    Number callUserFunction(const Function& f, std::vector<code::Argument>& arguments, code::Code* body = nullptr);

protected:
    // A statement's expression: its compiled form (made for the run, or null) or its text.
    virtual Number evalStatement(code::Code* compiled, const std::string& text);

private:
    code::Code* compiledForm(std::string_view text, std::unique_ptr<code::Code>& transient);
    // Compiles the expressions of the hot statements once for the run (Instruction::Code1 …).
    void compileExpressions();
    // Runs a definition statement "f(x,y)#body".
    void funcdef(const std::string& statement);
    bool testcond(const Condition& condition);
    // Runs instruction i and the sequence that follows it, one level down.
    void execute(int i);
    // The same within the caller's level.
    void executeSequence(int i);
    void executeOne(const Instruction& in);
    void expression(const Instruction& in);
    void assignment(const Instruction& in);
    void ifStatement(const Instruction& in);
    void tryStatement(const Instruction& in);
    void whileLoop(const Instruction& in);
    void repeatLoop(const Instruction& in);
    void forLoop(const Instruction& in);
    void executeArrayStatement(const Instruction& in);
    void executeIncDec(const Instruction& in, int step);

    std::vector<Instruction> m_program;
    std::vector<Number> m_arguments; // staging area of user-function arguments
    std::unique_ptr<code::CodeCache> m_codes;
    std::vector<std::unique_ptr<code::Code>> m_statementCodes; // the program's, for this run
    uint64_t m_functionGeneration = 1;
};

} // namespace textcalc
