#pragma once
// The text reader's own copy of what the numerical operators need: running variables and the
// reading of their argument lists. A BoundScope remembers the length of BoundVariables and
// cuts the list back when the operator ends, also when it ends with an error.
#include "textcalc/eval/arguments.h"
#include "textcalc/language/run_context.h"

#include "platform/floattext.h"

#include <charconv>
#include <string>
#include <string_view>

namespace textcalc::testing_support::reading {

using code::Argument;
using code::Arguments;

class BoundScope {
public:
    explicit BoundScope(RunContext& calc) : m_calc(calc), m_length(calc.BoundVariables.size()) {}
    ~BoundScope()
    {
        if (m_calc.BoundVariables.size() > m_length)
            m_calc.BoundVariables.resize(m_length);
    }
    BoundScope(const BoundScope&) = delete;
    BoundScope& operator=(const BoundScope&) = delete;

    // Binds `name` with its start value; the index stays valid while the scope lives.
    size_t bind(std::string_view name, const Number& value) { return m_calc.regvar(name, value); }

private:
    RunContext& m_calc;
    size_t m_length;
};

// Integer running variables keep denominator 1 and a zero imaginary part.
inline void setInteger(RunContext& calc, size_t index, int64_t n)
{
    calc.BoundVariables[index].Value = exactInteger(n);
}

// Real running variables are floating; a step keeps the imaginary part.
inline void setReal(RunContext& calc, size_t index, long double x)
{
    Number& v = calc.BoundVariables[index].Value;
    v = floating(x, v.im());
}

// The next argument; its stop character must be `expected`.
inline Argument& scanExpecting(Arguments& args, char expected)
{
    Argument& argument = args.next();
    RunContext::jetam(argument.stop, expected);
    return argument;
}

// The next argument, ended by `first` or `second`; any other stop is reported as `first`.
inline Argument& scanEither(Arguments& args, char first, char second)
{
    Argument& argument = args.next();
    if (argument.stop != second)
        RunContext::jetam(argument.stop, first);
    return argument;
}

inline Number argumentExpecting(Arguments& args, char expected)
{
    return args.value(scanExpecting(args, expected));
}

// An integer border: a 64-bit integer literal, else the argument's value rounded.
inline int64_t integerBorder(Arguments& args, Argument& border)
{
    const std::string_view text = border.text;
    int64_t value = 0;
    const auto [ptr, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc() && ptr == text.data() + text.size() && !text.empty())
        return value;
    return roundToInt64(args.value(border).re());
}

// A real border or step: a floating literal, else the real part of the argument's value.
inline long double realBorder(Arguments& args, Argument& border)
{
    long double value = 0.0L;
    if (!border.text.empty() && platform::parseFloat(std::string(border.text), '.', value))
        return value;
    return args.value(border).re();
}

} // namespace textcalc::testing_support::reading
