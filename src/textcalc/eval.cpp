// The expression evaluator: one left-to-right pass over prepared text with one pending
// operator per precedence class and recursion for brackets. No tokens are built: identifiers
// and literals are views into the text.
#include "textcalc/calculator.h"
#include "textcalc/library.h"

#include "platform/floattext.h"

#include <cmath>

namespace textcalc {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isLetter(char c) { return c >= 'a' && c <= 'z'; }

// The language's colour constants (red in the high byte).
struct NamedColour {
    std::string_view name;
    int64_t value;
};
constexpr NamedColour colours[] = {
    {"clred", 0xFF0000}, {"clgreen", 0x00FF00}, {"clblue", 0x0000FF},    {"clwhite", 0xFFFFFF},
    {"clblack", 0},      {"clyellow", 0xFFFF00}, {"clfuchsia", 0xFF00FF}, {"claqua", 0x00FFFF}};

} // namespace

Number Calculator::eval(std::string_view text)
{
    // A lone name or integer (loop bounds, condition sides) gives what a level would give for
    // it, without setting one up.
    if (!text.empty() && text.size() <= MaxNameLength && (isLetter(text[0]) || isDigit(text[0]))) {
        size_t k = 1;
        while (k < text.size() && (isLetter(text[k]) || isDigit(text[k])))
            ++k;
        if (k == text.size())
            return evalOperand(text);
    }
    size_t pos = 0;
    return evalLevel(text, pos);
}

// A name, or a digit string that is an integer literal or a malformed one.
Number Calculator::evalOperand(std::string_view text)
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

// One level: operands joined by "^", "*", "/", implicit multiplication, "+" and "-", ended by
// ")", "]", ";" or the end of the text. A sign directly after an operator belongs to the next
// term, factor or exponent (2--3 is 5, 2*-3 is -6, 2^-1 is 1/2); powers chain from the left
// (2^3^2 is 64).
Number Calculator::evalLevel(std::string_view text, size_t& pos)
{
    DepthGuard guard(*this);
    Number operand; // the start value, exact 0
    Number factor, term, total;
    char pendingAdd = 0, pendingMul = 0;
    bool pendingPow = false;
    bool afterOperand = false; // an operand was just read: a bracket, number or name multiplies
    bool negateFactor = false, negateExponent = false;

    auto applyPow = [&] {
        afterOperand = false;
        if (pendingPow)
            factor = mocn(factor, operand);
        else
            factor = operand;
        if (negateFactor) {
            factor = negated(factor);
            negateFactor = false;
        }
    };
    auto applyMul = [&] {
        pendingPow = false;
        if (pendingMul == '*')
            term = soucincisel(term, factor);
        else if (pendingMul == '/')
            term = podilcisel(term, factor);
        else
            term = factor;
    };
    auto applyAdd = [&] {
        pendingMul = 0;
        if (pendingAdd == 0)
            total = term;
        else if (pendingAdd == '-')
            total = soucetcisel(total, negated(term));
        else
            total = soucetcisel(total, term);
    };
    auto implicitMultiplication = [&] {
        if (afterOperand) {
            applyPow();
            applyMul();
            pendingMul = '*';
        }
    };
    // Signs directly after an operator; returns whether they negate.
    auto readSigns = [&] {
        bool negative = false;
        while (pos < text.size() && (text[pos] == '-' || text[pos] == '+'))
            negative ^= text[pos++] == '-';
        return negative;
    };
    // An operand just read into `operand` takes a pending exponent sign.
    auto operandRead = [&] {
        afterOperand = true;
        if (negateExponent) {
            operand = negated(operand);
            negateExponent = false;
        }
    };

    auto unexpected = [&](char c) {
        const char shown = c == '%' ? '=' : (c == '#' ? ':' : c);
        chyb(std::string("Unexpected character \" ") + shown + " \".");
    };

    for (;;) {
        const char c = pos < text.size() ? text[pos] : ';';
        if (c == '(' || c == '[') {
            implicitMultiplication();
            ++pos;
            operand = evalLevel(text, pos);
            operandRead();
        } else if (c == ')' || c == ']' || c == ';') {
            // An operator without its right side; an empty level is the start value 0.
            if (!afterOperand && (pendingAdd || pendingMul || pendingPow))
                unexpected(c);
            break;
        } else if (c == '*' || c == '/') {
            if (!afterOperand)
                unexpected(c);
            applyPow();
            applyMul();
            pendingMul = c;
            ++pos;
            negateFactor = readSigns();
        } else if (c == '+' || c == '-') {
            applyPow();
            applyMul();
            applyAdd();
            ++pos;
            // Signs that follow belong to the next term: 2--3 is 2-(-3).
            pendingAdd = (c == '-') != readSigns() ? '-' : '+';
        } else if (isDigit(c) || c == '.') {
            implicitMultiplication();
            operand = readNumberLiteral(text, pos);
            operandRead();
        } else if (c == '^') {
            if (!afterOperand)
                unexpected(c);
            afterOperand = false;
            if (pendingPow)
                operand = mocn(factor, operand);
            factor = operand;
            pendingPow = true;
            ++pos;
            negateExponent = readSigns();
        } else if (isLetter(c)) {
            implicitMultiplication();
            const size_t start = pos;
            while (pos < text.size() && (isLetter(text[pos]) || isDigit(text[pos])))
                ++pos;
            resolveIdentifier(text.substr(start, pos - start), text, pos, operand);
            operandRead();
        } else {
            unexpected(c);
        }
    }
    applyPow();
    applyMul();
    applyAdd();
    if (pos < text.size())
        ++pos;
    return total;
}

// ".", digits and "e" (with a "-" right after an "e"): a 64-bit integer is exact, anything
// else is converted as a floating number.
Number Calculator::readNumberLiteral(std::string_view text, size_t& pos)
{
    const size_t start = pos;
    while (pos < text.size()) {
        const char c = text[pos];
        if (isDigit(c) || c == '.' || c == 'e' || (c == '-' && pos > start && text[pos - 1] == 'e'))
            ++pos;
        else
            break;
    }
    const std::string_view literal = text.substr(start, pos - start);

    int64_t n = 0;
    bool integer = true;
    for (char c : literal)
        integer = integer && isDigit(c) && !__builtin_mul_overflow(n, 10, &n) && !__builtin_add_overflow(n, c - '0', &n);
    if (integer)
        return exactInteger(n);

    const char separator = services.decimalSeparator();
    std::string converted(literal);
    for (char& c : converted)
        if (c == '.')
            c = separator;
    long double value;
    if (!platform::parseFloat(converted, separator, value))
        chyb("\" " + std::string(literal) + " \" is not a valid real number.");
    return floating(value);
}

namespace {
// Names are at most 20 letters: a plain loop beats a call of memcmp.
inline bool sameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t k = 0; k < a.size(); ++k)
        if (a[k] != b[k])
            return false;
    return true;
}
} // namespace

bool Calculator::lookupVariable(std::string_view name, Number& out)
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
    for (const Variable& v : Variables)
        if (sameName(v.Name, name)) {
            out = v.Value;
            return true;
        }
    return false;
}

// An array element, a call, a variable or a constant, told apart by the character after
// the name; pos is just after the name.
void Calculator::resolveIdentifier(std::string_view name, std::string_view text, size_t& pos, Number& out)
{
    const char next = pos < text.size() ? text[pos] : ';';
    if (next == '[') {
        // Searched from the last entry, as the interpreter appends arrays.
        const Array* array = nullptr;
        for (size_t k = Arrays.size(); k-- > 0 && !array;)
            if (Arrays[k].Name == name)
                array = &Arrays[k];
        if (!array)
            chyb("Unknown array identifier \" " + std::string(name) + " \".");
        ++pos;
        const int64_t k = roundToInt64(evalLevel(text, pos).Re);
        const std::vector<Number>& elements = array->Elements;
        if (k < 0 || k > static_cast<int64_t>(elements.size()))
            chyb("Index " + std::to_string(k) + " is out of range of array \" " + std::string(name) + " \".");
        out = k == 0 ? exactInteger(static_cast<int64_t>(elements.size())) : elements[static_cast<size_t>(k - 1)];
        return;
    }
    if (next == '(') {
        const int f = findByName(Functions, name);
        // "x(2)" with x a variable and no function of that name multiplies: the bracket is
        // left for the caller's implicit multiplication.
        if (f < 0 && !library::isBuiltin(name) && lookupVariable(name, out))
            return;
        ++pos;
        out = f >= 0 ? callUserFunction(Functions[static_cast<size_t>(f)], text, pos)
                     : library::call(*this, name, text, pos);
        return;
    }
    if (lookupVariable(name, out))
        return;
    out = constant(name);
}

// The constants, after every kind of variable.
Number Calculator::constant(std::string_view name)
{
    if (name == "pi")
        return floating(3.14159265358979323846264338327950288L);
    if (name == "i")
        return imaginaryUnit();
    if (name == "random")
        return floating(random());
    if (name == "time") {
        const std::chrono::duration<long double> elapsed = services.now() - StartTime;
        return floating(std::nearbyint(elapsed.count() * 100.0L) / 100.0L);
    }
    if (name == "penposx")
        return exactInteger(picture ? picture->penPosX() : 0);
    if (name == "penposy")
        return exactInteger(picture ? picture->penPosY() : 0);
    if (name == "picwidth")
        return exactInteger(picture ? picture->width() : 0);
    if (name == "picheight")
        return exactInteger(picture ? picture->height() : 0);
    for (const NamedColour& colour : colours)
        if (colour.name == name)
            return exactInteger(colour.value);
    chyb("Unknown variable identifier \" " + std::string(name) + " \".");
}

// f(a1, …, aP): every argument is evaluated before any is bound, so arguments see the
// caller's bindings; the body then sees all bindings of the active calls (dynamic scope).
Number Calculator::callUserFunction(const Function& f, std::string_view text, size_t& pos)
{
    const size_t argumentsBase = m_arguments.size();
    const size_t bindingsBase = ParamBindings.size();
    struct Restore {
        Calculator& c;
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
    std::string_view argument;
    if (count == 0 && (scanArgument(text, pos, argument) != ')' || !argument.empty()))
        wrongCount();
    for (size_t k = 0; k < count; ++k) {
        if (scanArgument(text, pos, argument) != (k + 1 < count ? ',' : ')'))
            wrongCount();
        m_arguments.push_back(eval(argument));
    }
    for (size_t k = 0; k < count; ++k)
        ParamBindings.push_back({f.Params[k], m_arguments[argumentsBase + k]});
    m_arguments.resize(argumentsBase);
    return eval(f.Body);
}

char Calculator::scanArgument(std::string_view text, size_t& pos, std::string_view& arg)
{
    const size_t start = pos;
    int depth = 0;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (depth == 0 && (c == ')' || c == ',' || c == '=' || c == ']' || c == '_')) {
            arg = text.substr(start, pos - start);
            ++pos;
            return c;
        }
        if (c == '(' || c == '[')
            ++depth;
        else if (c == ')' || c == ']')
            --depth;
    }
    arg = text.substr(start);
    return ';';
}

} // namespace textcalc
