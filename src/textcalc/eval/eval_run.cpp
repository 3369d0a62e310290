// Runs the compiled form of an expression: one pass over the steps per level, with one pending
// operator per precedence class (the Level record) and recursion for brackets; every step that
// reaches a table looks the name up there.
#include "textcalc/language/interpreter.h"
#include "textcalc/eval/eval_code.h"
#include "textcalc/eval/eval_level.h"
#include "textcalc/library/library_support.h"

namespace textcalc::code {

using namespace evaluation;

Number Runner::run(Code& code)
{
    if (!code.plain) {
        uint32_t k = 0;
        return level(code, k);
    }
    const Step& step = code.steps[0];
    if (step.kind == StepKind::Literal)
        return code.literals[step.index];
    Number value;
    variableOrConstant(code.names[step.index], value);
    return value;
}

Number Runner::argument(Argument& a)
{
    if (!a.looked) {
        a.code = m_calc.codes().find(a.text, m_calc.services.decimalSeparator());
        a.looked = true;
    }
    return a.code ? run(*a.code) : m_calc.eval(a.text);
}

// A sign directly after an operator belongs to the next term, factor or exponent (2--3 is 5,
// 2*-3 is -6, 2^-1 is 1/2).
Number Runner::level(Code& code, uint32_t& k)
{
    DepthGuard guard(m_calc);
    if (code.plainSums[k])
        return plainSum(code, k);
    Level level;
    for (;;) {
        const Step& step = code.steps[k++];
        switch (step.kind) {
        case StepKind::Open:
            level.beforeOperand();
            level.operand = this->level(code, k);
            level.operandRead();
            break;
        case StepKind::Literal:
            level.beforeOperand();
            level.operand = code.literals[step.index];
            level.operandRead();
            break;
        case StepKind::BadLiteral:
            level.beforeOperand();
            m_calc.chyb(code.messages[step.index]);
        case StepKind::Name:
            level.beforeOperand();
            variableOrConstant(code.names[step.index], level.operand);
            level.operandRead();
            break;
        case StepKind::Element:
            level.beforeOperand();
            level.operand = element(code, step, k);
            level.operandRead();
            break;
        case StepKind::Call:
            level.beforeOperand();
            if (!call(code, step, k, level.operand)) {
                level.operandRead();
                level.beforeOperand();
                level.operand = this->level(code, k);
            }
            level.operandRead();
            break;
        case StepKind::Multiply:
            if (!level.multiplicative(step.c, step.negate))
                unexpected(m_calc, step.c);
            break;
        case StepKind::Add:
            level.additive(step.c, step.negate);
            break;
        case StepKind::Power:
            if (!level.exponent(step.negate))
                unexpected(m_calc, step.c);
            break;
        case StepKind::End:
            --k; // the end closes the levels around this one too
            [[fallthrough]];
        case StepKind::Close:
            if (!level.closes())
                unexpected(m_calc, step.c);
            return level.result();
        case StepKind::Unexpected:
            unexpectedAt(m_calc, code.text, step.pos);
        }
    }
}

inline void Runner::variableOrConstant(NameRef& ref, Number& out)
{
    // Outside calls and numerical operators a name found once is that variable.
    if (ref.variable != NotFound && m_calc.ParamBindings.empty() && m_calc.BoundVariables.empty()) {
        out = m_calc.variables()[ref.variable].Value;
        return;
    }
    if (!variable(ref, out))
        out = constantValue(m_calc, ref.constant, ref.name);
}

// The operand at step k into `out`; false for a variable before a bracket (x(2)), which
// the bracket at k then multiplies. Names and literals, the most common operands, are read
// here; the rest have their own calls.
inline bool Runner::plainOperand(Code& code, uint32_t& k, Number& out)
{
    const Step& step = code.steps[k++];
    if (step.kind == StepKind::Name) {
        variableOrConstant(code.names[step.index], out);
        return true;
    }
    if (step.kind == StepKind::Literal) {
        out = code.literals[step.index];
        return true;
    }
    return bracketOperand(code, step, k, out);
}

bool Runner::bracketOperand(Code& code, const Step& step, uint32_t& k, Number& out)
{
    if (step.kind == StepKind::Open)
        out = level(code, k);
    else if (step.kind == StepKind::Element)
        out = element(code, step, k);
    else // a call: plainSumAt admits no other step
        return call(code, step, k, out);
    return true;
}

// The operand at step k joined to `term` by `op` (none: the term's first factor).
inline void Runner::plainFactor(Code& code, uint32_t& k, const Step* op, Number& term)
{
    if (!op) {
        if (!plainOperand(code, k, term))
            term = soucincisel(term, level(code, k));
        return;
    }
    Number value;
    const bool timesBracket = !plainOperand(code, k, value);
    if (op->negate)
        value = negated(value);
    term = op->c == '*' ? soucincisel(term, value) : podilcisel(term, value);
    if (timesBracket)
        term = soucincisel(term, level(code, k));
}

// The arithmetic of the Level record for a level of plain operands, in the same order: each
// product as soon as its right operand is read, each sum once its term is complete.
Number Runner::plainSum(Code& code, uint32_t& k)
{
    const auto sign = [](const Step& add) { return (add.c == '-') != add.negate ? '-' : '+'; };
    Number total; // a leading sign adds to the start value 0
    char pendingAdd = 0;
    if (code.steps[k].kind == StepKind::Add)
        pendingAdd = sign(code.steps[k++]);
    for (;;) {
        Number term;
        plainFactor(code, k, nullptr, term);
        while (code.steps[k].kind == StepKind::Multiply) {
            const Step& op = code.steps[k++];
            plainFactor(code, k, &op, term);
        }
        if (pendingAdd == 0)
            total = term;
        else
            total = soucetcisel(total, pendingAdd == '-' ? negated(term) : term);
        if (code.steps[k].kind != StepKind::Add)
            break;
        pendingAdd = sign(code.steps[k++]);
    }
    // At ")", "]" or ";", which the level takes, or at the end, which closes the outer ones too.
    if (code.steps[k].kind == StepKind::Close)
        ++k;
    return total;
}

// Parameters of active calls and running
// variables (both few, and searched from the last), then the program's variables.
bool Runner::variable(NameRef& ref, Number& out)
{
    for (auto k = m_calc.ParamBindings.end(); k != m_calc.ParamBindings.begin();)
        if (--k; sameName(k->Name, ref.name)) {
            out = k->Value;
            return true;
        }
    for (auto k = m_calc.BoundVariables.end(); k != m_calc.BoundVariables.begin();)
        if (--k; sameName(k->Name, ref.name)) {
            out = k->Value;
            return true;
        }
    const std::vector<Variable>& variables = m_calc.variables();
    if (ref.variable == NotFound) {
        for (size_t k = ref.variablesSearched; k < variables.size(); ++k)
            if (sameName(variables[k].Name, ref.name)) {
                ref.variable = k;
                break;
            }
        ref.variablesSearched = variables.size();
        if (ref.variable == NotFound)
            return false;
    }
    out = variables[ref.variable].Value;
    return true;
}


Number Runner::element(Code& code, const Step& step, uint32_t& k)
{
    NameRef& ref = code.names[step.index];
    const std::vector<Array>& arrays = m_calc.arrays();
    if (ref.array == NotFound) {
        for (size_t a = ref.arraysSearched; a < arrays.size(); ++a)
            if (arrays[a].Name == ref.name) {
                ref.array = a;
                break;
            }
        ref.arraysSearched = arrays.size();
        if (ref.array == NotFound)
            unknownArray(m_calc, ref.name);
    }
    const Number index = level(code, k);
    return arrayElement(m_calc, ref.name, m_calc.arrays()[ref.array].Elements, index);
}

// A name followed by "(": a user function, else a built-in, else a variable times the
// bracket, else an unknown function.
bool Runner::call(Code& code, const Step& step, uint32_t& k, Number& out)
{
    CallSite& site = code.calls[step.index];
    NameRef& ref = code.names[site.name];
    if (site.generation != m_calc.functionGeneration()) {
        site.function = findByName(m_calc.functions(), ref.name);
        site.generation = m_calc.functionGeneration();
        site.body = site.function >= 0
                        ? m_calc.codes().find(m_calc.functions()[static_cast<size_t>(site.function)].Body,
                                              m_calc.services.decimalSeparator())
                        : nullptr;
    }
    if (site.function >= 0) {
        out = m_calc.callUserFunction(m_calc.functions()[static_cast<size_t>(site.function)], site.arguments,
                                                site.body);
        k = site.afterList;
    } else if (site.builtin.oneArgument) {
        const Number x = this->level(code, k);
        RandomSource random = library::randomSource(m_calc);
        out = site.builtin.oneArgument(x, random);
    } else if (site.builtin.scanned) {
        Arguments arguments(m_calc, site.arguments, code.text, site.argumentsAt);
        out = site.builtin.scanned(m_calc, arguments);
        k = arguments.tookWholeList() ? site.afterList : code.stepAt(arguments.end());
    } else if (variable(ref, out)) {
        return false;
    } else {
        size_t pos = site.argumentsAt;
        library::call(m_calc, ref.name, code.text, pos); // ends the run: no such function
    }
    return true;
}

} // namespace textcalc::code
