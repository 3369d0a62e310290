// The expression evaluator that reads the text: one left-to-right pass over prepared text with
// one pending operator per precedence class (the Level record) and recursion for brackets. No
// tokens are built: identifiers and literals are views into the text. eval() runs a text's
// compiled form instead when there is one (eval_code.h); this reading is its definition.
#include "textcalc/language/interpreter.h"
#include "textcalc/eval/eval_code.h"
#include "textcalc/eval/eval_level.h"
#include "textcalc/eval/eval_support.h"
#include "textcalc/library/library.h"

namespace textcalc {

using namespace evaluation;

Number Interpreter::eval(std::string_view text)
{
    if (compiledEvaluation)
        if (code::Code* compiled = m_codes->find(text, services.decimalSeparator()))
            return code::Runner(*this).run(*compiled);
    return evalText(text);
}

Number Interpreter::evalArgument(code::Argument& argument)
{
    return code::Runner(*this).argument(argument);
}

Number Interpreter::evalText(std::string_view text)
{
    // A lone name or integer (loop bounds, condition sides) gives what a level would give for
    // it, without setting one up.
    if (!text.empty() && text.size() <= MaxNameLength && (isLetter(text[0]) || isDigit(text[0]))) {
        if (nameEnd(text, 0) == text.size())
            return evalOperand(text);
    }
    size_t pos = 0;
    return evalLevel(text, pos);
}

// A name, or a digit string that is an integer literal or a malformed one.
Number Interpreter::evalOperand(std::string_view text)
{
    if (isLetter(text[0])) {
        Number value;
        size_t pos = text.size();
        resolveIdentifier(text, text, pos, value);
        return value;
    }
    int64_t n = 0;
    for (size_t k = 0; k < text.size(); ++k) {
        if (!isDigit(text[k]) || k >= 18) { // "2x" multiplies, 19 digits may overflow
            size_t pos = 0;
            return evalLevel(text, pos);
        }
        n = n * 10 + (text[k] - '0');
    }
    return exactInteger(n);
}

// One level, ended by ")", "]", ";" or the end of the text. A sign directly after an operator
// belongs to the next term, factor or exponent (2--3 is 5, 2*-3 is -6, 2^-1 is 1/2).
Number Interpreter::evalLevel(std::string_view text, size_t& pos)
{
    DepthGuard guard(*this);
    Level level;
    for (;;) {
        const char c = pos < text.size() ? text[pos] : ';';
        if (c == '(' || c == '[') {
            level.beforeOperand();
            ++pos;
            level.operand = evalLevel(text, pos);
            level.operandRead();
        } else if (c == ')' || c == ']' || c == ';') {
            if (!level.closes())
                unexpected(*this, c);
            break;
        } else if (c == '*' || c == '/') {
            ++pos;
            const bool negate = readSigns(text, pos);
            if (!level.multiplicative(c, negate))
                unexpected(*this, c);
        } else if (c == '+' || c == '-') {
            ++pos;
            level.additive(c, readSigns(text, pos));
        } else if (isDigit(c) || c == '.') {
            level.beforeOperand();
            const size_t start = pos;
            pos = literalEnd(text, pos);
            const std::string_view literal = text.substr(start, pos - start);
            if (!literalValue(literal, services.decimalSeparator(), level.operand))
                chyb(invalidLiteral(literal));
            level.operandRead();
        } else if (c == '^') {
            ++pos;
            if (!level.exponent(readSigns(text, pos)))
                unexpected(*this, c);
        } else if (isLetter(c)) {
            level.beforeOperand();
            const size_t start = pos;
            pos = nameEnd(text, pos);
            resolveIdentifier(text.substr(start, pos - start), text, pos, level.operand);
            level.operandRead();
        } else {
            unexpectedAt(*this, text, pos);
        }
    }
    const Number& result = level.result();
    if (pos < text.size())
        ++pos;
    return result;
}

bool Interpreter::lookupVariable(std::string_view name, Number& out)
{
    for (size_t k = ParamBindings.size(); k-- > 0;)
        if (sameName(ParamBindings[k].Name, name)) {
            out = ParamBindings[k].Value;
            return true;
        }
    for (size_t k = BoundVariables.size(); k-- > 0;)
        if (sameName(BoundVariables[k].Name, name)) {
            out = BoundVariables[k].Value;
            return true;
        }
    for (const Variable& v : variables())
        if (sameName(v.Name, name)) {
            out = v.Value;
            return true;
        }
    return false;
}

// An array element, a call, a variable or a constant, told apart by the character after
// the name; pos is just after the name.
void Interpreter::resolveIdentifier(std::string_view name, std::string_view text, size_t& pos, Number& out)
{
    const char next = pos < text.size() ? text[pos] : ';';
    if (next == '[') {
        // Searched from the last entry, as the interpreter appends arrays.
        const std::vector<Array>& tables = arrays();
        const Array* array = nullptr;
        for (size_t k = tables.size(); k-- > 0 && !array;)
            if (tables[k].Name == name)
                array = &tables[k];
        if (!array)
            unknownArray(*this, name);
        ++pos;
        out = arrayElement(*this, name, array->Elements, evalLevel(text, pos));
        return;
    }
    if (next == '(') {
        const int f = findByName(functions(), name);
        // "x(2)" with x a variable and no function of that name multiplies: the bracket is
        // left for the caller's implicit multiplication.
        if (f < 0 && !library::find(name) && lookupVariable(name, out))
            return;
        ++pos;
        if (f < 0) {
            out = library::call(*this, name, text, pos);
            return;
        }
        std::vector<code::Argument> arguments;
        code::scanArguments(text, pos, arguments);
        out = callUserFunction(functions()[static_cast<size_t>(f)], arguments);
        return;
    }
    if (lookupVariable(name, out))
        return;
    out = constantValue(*this, findConstant(name), name);
}

// Every argument is evaluated before any is bound, so arguments see the caller's bindings;
// the body then sees all bindings of the active calls (dynamic scope).
Number Interpreter::callUserFunction(const Function& f, std::vector<code::Argument>& arguments)
{
    const size_t argumentsBase = m_arguments.size();
    const size_t bindingsBase = ParamBindings.size();
    struct Restore {
        Interpreter& c;
        size_t arguments, bindings;
        ~Restore()
        {
            c.m_arguments.resize(arguments);
            c.ParamBindings.resize(bindings);
        }
    } restore{*this, argumentsBase, bindingsBase};

    const size_t count = f.Params.size();
    auto wrongCount = [&] {
        chyb("Function \" " + f.Name + " \" requires " + std::to_string(count) + " parameters.");
    };
    if (count == 0 && (arguments[0].stop != ')' || !arguments[0].text.empty()))
        wrongCount();
    code::Runner runner(*this);
    for (size_t k = 0; k < count; ++k) {
        if (k >= arguments.size() || arguments[k].stop != (k + 1 < count ? ',' : ')'))
            wrongCount();
        m_arguments.push_back(runner.argument(arguments[k]));
    }
    for (size_t k = 0; k < count; ++k)
        ParamBindings.push_back({f.Params[k], m_arguments[argumentsBase + k]});
    m_arguments.resize(argumentsBase);
    return eval(f.Body);
}

} // namespace textcalc
