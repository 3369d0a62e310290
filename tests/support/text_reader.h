#pragma once
// The interpreter that reads expression texts: one left-to-right pass over prepared text with
// one pending operator per precedence class (its own Level record) and recursion for brackets,
// no tokens built, names looked up in the tables at every reading, user functions bound by
// its own call. It is the definition the compiled forms are held to: the differential test
// runs programs on it and on a plain Interpreter and compares every line. It shares the
// statements, the tables and the library's functions with the compiled path; the evaluation
// and the numerical operators are its own.
#include "textcalc/language/interpreter.h"

namespace textcalc::testing_support {

class TextReader final : public Interpreter {
public:
    using Interpreter::Interpreter;

    Number eval(std::string_view text) override;
    Number evalLevel(std::string_view text, size_t& pos) override;
    Number evalArgument(code::Argument& argument) override;

protected:
    Number evalStatement(code::Code* compiled, const std::string& text) override;

private:
    Number evalOperand(std::string_view text);
    void resolveIdentifier(std::string_view name, std::string_view text, size_t& pos, Number& out);
    bool lookupVariable(std::string_view name, Number& out);
    Number callBuiltin(std::string_view name, std::string_view text, size_t& pos);
    Number callUserFunction(const Function& f, std::string_view text, size_t& pos);
};

} // namespace textcalc::testing_support
