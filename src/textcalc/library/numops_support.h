#pragma once
// Running variables of the numerical operators. A BoundScope remembers the length of
// BoundVariables and cuts the list back when the operator ends, also when it ends with an
// error: a TRY around the operator must not leave its running variables hiding the program's
// variables for the rest of the run.
#include "textcalc/language/run_context.h"

#include <string_view>

namespace textcalc::library {

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

} // namespace textcalc::library
