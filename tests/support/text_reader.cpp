#include "text_reader.h"

#include "text_reader_level.h"
#include "text_reader_numops.h"
#include "text_reader_support.h"

#include "textcalc/eval/arguments.h"
#include "textcalc/library/library.h"

namespace textcalc::testing_support {

using namespace reading;

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

Number TextReader::evalArgument(code::Argument& argument)
{
    return eval(argument.text);
}

Number TextReader::evalStatement(code::Code*, const std::string& text)
{
    return eval(text);
}

bool TextReader::lookupVariable(std::string_view name, Number& out)
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
void TextReader::resolveIdentifier(std::string_view name, std::string_view text, size_t& pos, Number& out)
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
            out = callBuiltin(name, text, pos);
            return;
        }
        out = callUserFunction(functions()[static_cast<size_t>(f)], text, pos);
        return;
    }
    if (lookupVariable(name, out))
        return;
    out = constantValue(*this, findConstant(name), name);
}

// A built-in: the numerical operators are the reader's own, the rest the library's.
Number TextReader::callBuiltin(std::string_view name, std::string_view text, size_t& pos)
{
    for (const auto group : {integerRangeOperators(), realAxisOperators()})
        for (const library::ScannedEntry& e : group)
            if (e.name == name) {
                std::vector<code::Argument> list;
                const size_t start = pos;
                for (;;) {
                    code::Argument a{{}, ';'};
                    a.stop = scanArgument(text, pos, a.text);
                    list.push_back(a);
                    if (a.stop == ')' || a.stop == ']' || a.stop == ';')
                        break;
                }
                code::Arguments arguments(*this, list, text, start);
                const Number value = e.function(*this, arguments);
                pos = arguments.end();
                return value;
            }
    return library::call(*this, name, text, pos);
}

// f(a1, …, aP), the list from `pos` (just after "(") up to its ")". Every argument is
// evaluated before any is bound, so arguments see the caller's bindings; the body then sees
// all bindings of the active calls (dynamic scope). The bindings go on every way out.
Number TextReader::callUserFunction(const Function& f, std::string_view text, size_t& pos)
{
    struct Scanned {
        std::string_view text;
        char stop;
    };
    std::vector<Scanned> list;
    for (;;) {
        Scanned a{};
        a.stop = scanArgument(text, pos, a.text);
        list.push_back(a);
        if (a.stop == ')' || a.stop == ']' || a.stop == ';')
            break;
    }
    const size_t count = f.Params.size();
    auto wrongCount = [&] {
        chyb("Function \" " + f.Name + " \" requires " + std::to_string(count) + " parameters.");
    };
    if (count == 0 && (list[0].stop != ')' || !list[0].text.empty()))
        wrongCount();
    std::vector<Number> values;
    for (size_t k = 0; k < count; ++k) {
        if (k >= list.size() || list[k].stop != (k + 1 < count ? ',' : ')'))
            wrongCount();
        values.push_back(eval(list[k].text));
    }
    struct Unbind {
        std::vector<ParamBinding>& bindings;
        size_t base;
        ~Unbind() { bindings.resize(base); }
    } unbind{ParamBindings, ParamBindings.size()};
    for (size_t k = 0; k < count; ++k)
        ParamBindings.push_back({f.Params[k], values[k]});
    return eval(f.Body);
}

} // namespace textcalc::testing_support
