#include "text_reader_support.h"

#include "textcalc/language/run_context.h"

#include "platform/floattext.h"
#include "platform/utf8.h"

#include <chrono>
#include <cmath>

namespace textcalc::testing_support::reading {

size_t literalEnd(std::string_view text, size_t pos)
{
    const size_t start = pos;
    while (pos < text.size()) {
        const char c = text[pos];
        if (isDigit(c) || c == '.' || c == 'e' || (c == '-' && pos > start && text[pos - 1] == 'e'))
            ++pos;
        else
            break;
    }
    return pos;
}

bool literalValue(std::string_view literal, char separator, Number& value)
{
    int64_t n = 0;
    bool integer = true;
    for (char c : literal)
        integer = integer && isDigit(c) && !__builtin_mul_overflow(n, 10, &n) && !__builtin_add_overflow(n, c - '0', &n);
    if (integer) {
        value = exactInteger(n);
        return true;
    }
    std::string converted(literal);
    for (char& c : converted)
        if (c == '.')
            c = separator;
    long double v;
    if (!platform::parseFloat(converted, separator, v))
        return false;
    value = floating(v);
    return true;
}

std::string invalidLiteral(std::string_view literal)
{
    return "\" " + std::string(literal) + " \" is not a valid real number.";
}

size_t nameEnd(std::string_view text, size_t pos)
{
    while (pos < text.size() && (isLetter(text[pos]) || isDigit(text[pos])))
        ++pos;
    return pos;
}

char scanArgument(std::string_view text, size_t& pos, std::string_view& arg)
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

bool readSigns(std::string_view text, size_t& pos)
{
    bool negative = false;
    while (pos < text.size() && (text[pos] == '-' || text[pos] == '+'))
        negative ^= text[pos++] == '-';
    return negative;
}

void unexpected(RunContext& calc, char c)
{
    const char shown = c == '%' ? '=' : (c == '#' ? ':' : c);
    calc.chyb(std::string("Unexpected character \" ") + shown + " \".");
}

void unexpectedAt(RunContext& calc, std::string_view text, size_t pos)
{
    const char c = pos < text.size() ? text[pos] : ';';
    if (static_cast<unsigned char>(c) < 0x80)
        unexpected(calc, c);
    size_t at = 0;
    std::string shown;
    platform::appendUtf8(shown, platform::decodeUtf8(std::string(text.substr(pos, 4)), at));
    calc.chyb("Unexpected character \" " + shown + " \".");
}

namespace {

// The language's colour constants (red in the high byte).
struct NamedColour {
    std::string_view name;
    int64_t value;
};
constexpr NamedColour colours[] = {
    {"clred", 0xFF0000}, {"clgreen", 0x00FF00}, {"clblue", 0x0000FF},    {"clwhite", 0xFFFFFF},
    {"clblack", 0},      {"clyellow", 0xFFFF00}, {"clfuchsia", 0xFF00FF}, {"claqua", 0x00FFFF}};

} // namespace

Constant findConstant(std::string_view name)
{
    struct Named {
        std::string_view name;
        Constant::Kind kind;
    };
    static constexpr Named named[] = {
        {"pi", Constant::Pi},          {"i", Constant::ImaginaryUnit}, {"random", Constant::Random},
        {"time", Constant::Time},      {"penposx", Constant::PenX},    {"penposy", Constant::PenY},
        {"picwidth", Constant::Width}, {"picheight", Constant::Height}};
    for (const Named& n : named)
        if (n.name == name)
            return {n.kind, 0};
    for (const NamedColour& colour : colours)
        if (colour.name == name)
            return {Constant::Colour, colour.value};
    return {};
}

Number constantValue(RunContext& calc, const Constant& constant, std::string_view name)
{
    switch (constant.kind) {
    case Constant::Pi:
        return floating(3.14159265358979323846264338327950288L);
    case Constant::ImaginaryUnit:
        return imaginaryUnit();
    case Constant::Random:
        return floating(calc.random());
    case Constant::Time: {
        const std::chrono::duration<long double> elapsed = calc.services.now() - calc.StartTime;
        return floating(std::nearbyint(elapsed.count() * 100.0L) / 100.0L);
    }
    case Constant::PenX:
        return exactInteger(calc.picture().penPosX());
    case Constant::PenY:
        return exactInteger(calc.picture().penPosY());
    case Constant::Width:
        return exactInteger(calc.picture().width());
    case Constant::Height:
        return exactInteger(calc.picture().height());
    case Constant::Colour:
        return exactInteger(constant.colour);
    case Constant::Unknown:
        break;
    }
    calc.chyb("Unknown variable identifier \" " + std::string(name) + " \".");
}

Number arrayElement(RunContext& calc, std::string_view name, const std::vector<Number>& elements, const Number& index)
{
    const int64_t k = roundToInt64(index.re());
    if (k < 0 || k > static_cast<int64_t>(elements.size()))
        calc.chyb("Index " + std::to_string(k) + " is out of range of array \" " + std::string(name) + " \".");
    return k == 0 ? exactInteger(static_cast<int64_t>(elements.size())) : elements[static_cast<size_t>(k - 1)];
}

void unknownArray(RunContext& calc, std::string_view name)
{
    calc.chyb("Unknown array identifier \" " + std::string(name) + " \".");
}

} // namespace textcalc::testing_support::reading
