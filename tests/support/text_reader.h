#pragma once
// The evaluator that reads the text: one left-to-right pass over prepared text with one pending
// operator per precedence class (the Level record) and recursion for brackets, no tokens built.
// It is the definition the compiled forms are held to: the differential test runs programs
// with it and with the compiled forms and compares every line.
#include "textcalc/language/interpreter.h"

namespace textcalc::testing_support {

class TextReader final : public Interpreter::TextEvaluator {
public:
    explicit TextReader(Interpreter& calc) : m_calc(calc) { calc.textEvaluator = this; }
    ~TextReader() override { m_calc.textEvaluator = nullptr; }
    TextReader(const TextReader&) = delete;
    TextReader& operator=(const TextReader&) = delete;

    Number eval(std::string_view text) override;
    Number evalLevel(std::string_view text, size_t& pos) override;

private:
    Number evalOperand(std::string_view text);
    void resolveIdentifier(std::string_view name, std::string_view text, size_t& pos, Number& out);
    bool lookupVariable(std::string_view name, Number& out);

    Interpreter& m_calc;
};

} // namespace textcalc::testing_support
