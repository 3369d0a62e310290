#pragma once
// The compiled form of an expression text: the text read once, left to right, into steps, one
// per character or token that the evaluator acts on, with literals converted, names and
// built-ins looked up, and the places where they were last found in the tables. The steps
// stand in the text's order and each knows where it starts, so a run can go on from wherever
// reading the text would: a ";" ends every level it meets, one-argument calls end where their
// bracket's level ends, other calls where their argument list ends. Running the steps
// (eval_run.cpp) gives exactly what reading the text gives, in the same order.
//
// Nothing here depends on the tables: a name is looked up again whenever the entry it was
// found at may have changed, so a cached form is never stale.
#include "textcalc/eval/arguments.h"
#include "textcalc/eval/eval_support.h"
#include "textcalc/library/library.h"
#include "textcalc/number/value.h"

#include <array>
#include <cstdint>
#include <limits>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace textcalc {
class Interpreter;
struct Level;
} // namespace textcalc

namespace textcalc::code {

struct Code;

// ORDER: one kind per case of the runner's loop.
enum class StepKind : uint8_t {
    Open,       // "(" or "[": a nested level follows
    Literal,    // a number literal: literals[index]
    BadLiteral, // a literal that is no number: messages[index]
    Name,       // a variable or constant: names[index]
    Element,    // names[index] and "[": the index's level follows
    Call,       // a name and "(": calls[index]; the bracket's level follows
    Multiply,   // "*" or "/" (c) and the signs after it
    Add,        // "+" or "-" (c) and the signs after it
    Power,      // "^" and the signs after it
    Close,      // ")", "]" or ";" (c)
    End,        // the end of the text, which closes every level still open
    Unexpected, // any other character, at `pos`
};

struct Step {
    StepKind kind;
    char c = 0;
    bool negate = false;
    uint32_t index = 0;
    uint32_t pos = 0;   // where the step starts in the text
    uint32_t after = 0; // Open, Element, Call: the step after the bracket's closing character
};

constexpr size_t NotFound = std::numeric_limits<size_t>::max();

// A name and where it was found. The tables only grow during a run and are emptied only by
// Interpreter::clearTables(), which drops every compiled form: an entry once found stays
// valid, and a name not found needs looking at the entries added since.
struct NameRef {
    std::string_view name; // into Code::text
    evaluation::Constant constant;
    size_t variable = NotFound;
    size_t variablesSearched = 0;
    size_t array = NotFound;
    size_t arraysSearched = 0;
};

struct CallSite {
    uint32_t name;            // names[name]
    library::Builtin builtin; // the built-in of that name, if any
    uint32_t afterList;       // the step where the text goes on after the argument list
    size_t argumentsAt;       // just after "(" in Code::text
    std::vector<Argument> arguments;
    // The user function the name was found as (-1: none) while the functions stay as they
    // were (Interpreter::functionGeneration).
    uint64_t generation = 0;
    int function = -1;
    Code* body = nullptr; // the function's body, compiled (null: not at hand)
};

struct Code {
    std::string text;
    bool plain = false;      // a lone name or integer: one operand, no level (as eval reads it)
    std::vector<Step> steps; // in the text's order, ending with End
    // Per step: 1 where a level of operands joined by "+", "-", "*" and "/" starts (the
    // common case, run without the Level record). Operands are literals, names, brackets,
    // elements and calls; a text with ";" has none, as its brackets may end early.
    std::vector<uint8_t> plainSums;
    std::vector<Number> literals;
    std::vector<std::string> messages;
    std::vector<NameRef> names;
    std::vector<CallSite> calls;

    // The step that starts at `pos`, which must be where reading the text can stand.
    uint32_t stepAt(size_t pos) const;
};

// Reads `text` into its compiled form; literals are converted with `separator`.
std::unique_ptr<Code> compile(std::string_view text, char separator);

// The compiled forms of the texts evaluated so far, by text.
class CodeCache {
public:
    // The compiled form of `text`, compiled on first use (literals converted with
    // `separator`); null when the cache is full. Forms stay in place until clear().
    Code* find(std::string_view text, char separator)
    {
        // Loops evaluate the same text from the same place again and again: a form found
        // for that place is checked against the text itself, which is cheaper than hashing it.
        const Recent& recent = m_recent[(reinterpret_cast<uintptr_t>(text.data()) >> 4) % m_recent.size()];
        if (recent.data == text.data() && recent.code && recent.code->text == text)
            return recent.code;
        return lookUp(text, separator);
    }
    void clear()
    {
        m_recent = {};
        m_codes.clear();
    }

private:
    struct Recent {
        const char* data = nullptr;
        Code* code = nullptr;
    };
    Code* lookUp(std::string_view text, char separator);

    std::array<Recent, 64> m_recent{};
    // Texts made during a run (lines read from files, typed answers) could be many; beyond
    // this many forms a text is compiled for each evaluation and dropped after it.
    static constexpr size_t capacity = 4096;
    std::unordered_map<std::string_view, std::unique_ptr<Code>> m_codes; // keys view Code::text
};

// Runs compiled forms on a calculator.
class Runner {
public:
    explicit Runner(Interpreter& calc) : m_calc(calc) {}
    // What evaluating code.text gives.
    Number run(Code& code);
    // The level that starts at step `k` (just after its opening bracket); `k` ends at the
    // step after the level's closing character.
    Number level(Code& code, uint32_t& k);
    // An argument of a call: its compiled form.
    Number argument(Argument& argument);

private:
    Number plainSum(Code& code, uint32_t& k);
    void plainFactor(Code& code, uint32_t& k, const Step* op, Number& term);
    bool plainOperand(Code& code, uint32_t& k, Number& out);
    bool bracketOperand(Code& code, const Step& step, uint32_t& k, Number& out);
    void variableOrConstant(NameRef& name, Number& out);
    bool variable(NameRef& name, Number& out);
    Number element(Code& code, const Step& step, uint32_t& k);
    // A call's value into `out`; false when the name is a variable that multiplies the
    // bracket, which starts at `k` and is left to the caller.
    bool call(Code& code, const Step& step, uint32_t& k, Number& out);

    Interpreter& m_calc;
};

} // namespace textcalc::code
