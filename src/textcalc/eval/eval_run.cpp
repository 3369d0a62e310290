// Runs the compiled form of an expression: the steps drive the same Level record, in the same
// order, as Interpreter::evalLevel does while it reads the text, and every step that reaches
// a table looks the name up as the text's reading would.
#include "textcalc/language/interpreter.h"
#include "textcalc/eval/eval_code.h"
#include "textcalc/eval/eval_level.h"
#include "textcalc/library/library_support.h"

namespace textcalc::code {

using namespace evaluation;

Number Runner::run(Code& code)
{
    if (!code.plain)
        return level(code, 0);
    const Step& step = code.levels[0][0];
    if (step.kind == StepKind::Literal)
        return code.literals[step.index];
    Number value;
    variableOrConstant(code.names[step.index], value);
    return value;
}

Number Runner::argument(Argument& a)
{
    if (!a.looked) {
        a.code = m_calc.compiledEvaluation ? m_calc.codes().find(a.text, m_calc.services.decimalSeparator()) : nullptr;
        a.looked = true;
    }
    return a.code ? run(*a.code) : m_calc.eval(a.text);
}

Number Runner::level(Code& code, uint32_t k)
{
    DepthGuard guard(m_calc);
    Level level;
    for (const Step& step : code.levels[k]) {
        switch (step.kind) {
        case StepKind::Bracket:
            level.beforeOperand();
            level.operand = this->level(code, step.child);
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
            level.operand = element(code, step);
            level.operandRead();
            break;
        case StepKind::Call:
            level.beforeOperand();
            call(code, step, level);
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
        case StepKind::Close:
            if (!level.closes())
                unexpected(m_calc, step.c);
            return level.result();
        case StepKind::Unexpected:
            unexpectedAt(m_calc, code.text, step.index);
        }
    }
    return level.result(); // not reached: every level that is run ends with Close or a failure
}

// The lookup order of Interpreter::lookupVariable: parameters of active calls and running
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

void Runner::variableOrConstant(NameRef& ref, Number& out)
{
    if (!variable(ref, out))
        out = constantValue(m_calc, ref.constant, ref.name);
}

Number Runner::element(Code& code, const Step& step)
{
    NameRef& ref = code.names[step.index];
    const std::vector<Array>& arrays = m_calc.arrays();
    if (ref.array == NotFound) {
        for (size_t k = ref.arraysSearched; k < arrays.size(); ++k)
            if (arrays[k].Name == ref.name) {
                ref.array = k;
                break;
            }
        ref.arraysSearched = arrays.size();
        if (ref.array == NotFound)
            unknownArray(m_calc, ref.name);
    }
    const Number index = level(code, step.child);
    return arrayElement(m_calc, ref.name, m_calc.arrays()[ref.array].Elements, index);
}

// As Interpreter::resolveIdentifier for a name followed by "(": a user function, else a
// built-in, else a variable times the bracket, else an unknown function.
void Runner::call(Code& code, const Step& step, Level& level)
{
    CallSite& site = code.calls[step.index];
    NameRef& ref = code.names[site.name];
    if (site.generation != m_calc.functionGeneration()) {
        site.function = findByName(m_calc.functions(), ref.name);
        site.generation = m_calc.functionGeneration();
    }
    if (site.function >= 0) {
        level.operand = m_calc.callUserFunction(m_calc.functions()[static_cast<size_t>(site.function)], site.arguments);
    } else if (site.builtin.oneArgument) {
        const Number x = this->level(code, site.child);
        RandomSource random = library::randomSource(m_calc);
        level.operand = site.builtin.oneArgument(x, random);
    } else if (site.builtin.scanned) {
        Arguments arguments(m_calc, site.arguments, code.text, site.argumentsAt);
        level.operand = site.builtin.scanned(m_calc, arguments);
    } else if (variable(ref, level.operand)) {
        level.operandRead();
        level.beforeOperand();
        level.operand = this->level(code, site.child);
    } else {
        size_t pos = site.argumentsAt;
        library::call(m_calc, ref.name, code.text, pos); // ends the run: no such function
    }
    level.operandRead();
}

} // namespace textcalc::code
