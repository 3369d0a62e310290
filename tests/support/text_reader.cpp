#include "text_reader.h"

#include "textcalc/eval/eval_code.h"
#include "textcalc/eval/eval_level.h"
#include "textcalc/eval/eval_support.h"
#include "textcalc/library/library.h"

namespace textcalc::testing_support {

using namespace evaluation;

Number TextReader::eval(std::string_view text)
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
Number TextReader::evalOperand(std::string_view text)
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
Number TextReader::evalLevel(std::string_view text, size_t& pos)
{
    DepthGuard guard(m_calc);
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
                unexpected(m_calc, c);
            break;
        } else if (c == '*' || c == '/') {
            ++pos;
            const bool negate = readSigns(text, pos);
            if (!level.multiplicative(c, negate))
                unexpected(m_calc, c);
        } else if (c == '+' || c == '-') {
            ++pos;
            level.additive(c, readSigns(text, pos));
        } else if (isDigit(c) || c == '.') {
            level.beforeOperand();
            const size_t start = pos;
            pos = literalEnd(text, pos);
            const std::string_view literal = text.substr(start, pos - start);
            if (!literalValue(literal, m_calc.services.decimalSeparator(), level.operand))
                m_calc.chyb(invalidLiteral(literal));
            level.operandRead();
        } else if (c == '^') {
            ++pos;
            if (!level.exponent(readSigns(text, pos)))
                unexpected(m_calc, c);
        } else if (isLetter(c)) {
            level.beforeOperand();
            const size_t start = pos;
            pos = nameEnd(text, pos);
            resolveIdentifier(text.substr(start, pos - start), text, pos, level.operand);
            level.operandRead();
        } else {
            unexpectedAt(m_calc, text, pos);
        }
    }
    const Number& result = level.result();
    if (pos < text.size())
        ++pos;
    return result;
}

bool TextReader::lookupVariable(std::string_view name, Number& out)
{
    for (size_t k = m_calc.ParamBindings.size(); k-- > 0;)
        if (sameName(m_calc.ParamBindings[k].Name, name)) {
            out = m_calc.ParamBindings[k].Value;
            return true;
        }
    for (size_t k = m_calc.BoundVariables.size(); k-- > 0;)
        if (sameName(m_calc.BoundVariables[k].Name, name)) {
            out = m_calc.BoundVariables[k].Value;
            return true;
        }
    for (const Variable& v : m_calc.variables())
        if (sameName(v.Name, name)) {
            out = v.Value;
            return true;
        }
    return false;
}

// An array element, a call, a variable or a constant, told apart by the character after
// the name; pos is just after the name.
void TextReader::resolveIdentifier(std::string_view name, std::string_view text, size_t& pos, Number& out)
{
    const char next = pos < text.size() ? text[pos] : ';';
    if (next == '[') {
        // Searched from the last entry, as the interpreter appends arrays.
        const std::vector<Array>& tables = m_calc.arrays();
        const Array* array = nullptr;
        for (size_t k = tables.size(); k-- > 0 && !array;)
            if (tables[k].Name == name)
                array = &tables[k];
        if (!array)
            unknownArray(m_calc, name);
        ++pos;
        out = arrayElement(m_calc, name, array->Elements, evalLevel(text, pos));
        return;
    }
    if (next == '(') {
        const int f = findByName(m_calc.functions(), name);
        // "x(2)" with x a variable and no function of that name multiplies: the bracket is
        // left for the caller's implicit multiplication.
        if (f < 0 && !library::find(name) && lookupVariable(name, out))
            return;
        ++pos;
        if (f < 0) {
            out = library::call(m_calc, name, text, pos);
            return;
        }
        std::vector<code::Argument> arguments;
        code::scanArguments(text, pos, arguments);
        out = m_calc.callUserFunction(m_calc.functions()[static_cast<size_t>(f)], arguments);
        return;
    }
    if (lookupVariable(name, out))
        return;
    out = constantValue(m_calc, findConstant(name), name);
}

} // namespace textcalc::testing_support
