// Numerical operators over an integer range: sum, product, iter, argmax, argmin, imax, imin.
// The body is evaluated from its text once per integer of low..up (inclusive, 64-bit).
#include "textcalc/library/library_functions.h"
#include "textcalc/library/library_support.h"
#include "textcalc/library/numops_support.h"


namespace textcalc::library {

namespace {

// The tail "n=low_up)" shared by all of them: binds n (exact 0 until the first step).
struct Range {
    size_t variable;
    int64_t low;
    int64_t up;
};

Range readRange(RunContext& calc, BoundScope& scope, std::string_view text, size_t& pos)
{
    const size_t variable = scope.bind(scanExpecting(calc, text, pos, '='), exactInteger(0));
    const std::string_view lowText = scanExpecting(calc, text, pos, '_');
    const std::string_view upText = scanExpecting(calc, text, pos, ')');
    return {variable, integerBorder(calc, lowText), integerBorder(calc, upText)};
}

// Calls step(n) for n = low..up; no call when low > up. Ends without overflowing at the
// largest 64-bit integer. A range of 10^12 steps must stay stoppable.
template <typename Step>
void forEach(RunContext& calc, const Range& range, Step step)
{
    if (range.low > range.up)
        return;
    for (int64_t n = range.low;; ++n) {
        calc.pollStop(); // a range of 10^12 steps must stay stoppable
        step(n);
        if (n == range.up)
            return;
    }
}

template <bool product>
Number accumulate(RunContext& calc, std::string_view text, size_t& pos)
{
    BoundScope scope(calc);
    const std::string_view body = scanExpecting(calc, text, pos, ',');
    const Range range = readRange(calc, scope, text, pos);
    Number acc = exactInteger(product ? 1 : 0);
    forEach(calc, range, [&](int64_t n) {
        setInteger(calc, range.variable, n);
        const Number v = calc.eval(body);
        acc = product ? soucincisel(acc, v) : soucetcisel(acc, v);
    });
    return acc;
}

// iter(x=x0, body, n=low_up): x := body for each n; the final x (x0 when the range is empty).
Number iter(RunContext& calc, std::string_view text, size_t& pos)
{
    BoundScope scope(calc);
    const size_t x = scope.bind(scanExpecting(calc, text, pos, '='), exactInteger(0));
    calc.BoundVariables[x].Value = argumentExpecting(calc, text, pos, ',');
    const std::string_view body = scanExpecting(calc, text, pos, ',');
    const Range range = readRange(calc, scope, text, pos);
    forEach(calc, range, [&](int64_t n) {
        setInteger(calc, range.variable, n);
        const Number v = calc.eval(body);
        calc.BoundVariables[x].Value = v;
    });
    return calc.BoundVariables[x].Value;
}

Range readNonEmptyRange(RunContext& calc, BoundScope& scope, std::string_view text, size_t& pos,
                        std::string_view& body)
{
    body = scanExpecting(calc, text, pos, ',');
    const Range range = readRange(calc, scope, text, pos);
    if (range.up < range.low)
        calc.chyb("Empty index set.");
    return range;
}

// The index whose body has the largest (smallest) real part; ties keep the earlier index.
template <bool largest>
Number argExtreme(RunContext& calc, std::string_view text, size_t& pos)
{
    BoundScope scope(calc);
    std::string_view body;
    const Range range = readNonEmptyRange(calc, scope, text, pos, body);
    long double best = 0.0L;
    int64_t result = range.low;
    forEach(calc, range, [&](int64_t n) {
        setInteger(calc, range.variable, n);
        const long double v = calc.eval(body).re();
        if (n == range.low || (largest ? v > best : v < best)) {
            best = v;
            result = n;
        }
    });
    return exactInteger(result);
}

// The whole value with the largest (smallest) real part; the body is evaluated at low twice,
// first for the start value and then as the first step.
template <bool largest>
Number valueExtreme(RunContext& calc, std::string_view text, size_t& pos)
{
    BoundScope scope(calc);
    std::string_view body;
    const Range range = readNonEmptyRange(calc, scope, text, pos, body);
    setInteger(calc, range.variable, range.low);
    Number best = calc.eval(body);
    forEach(calc, range, [&](int64_t n) {
        setInteger(calc, range.variable, n);
        const Number v = calc.eval(body);
        if (largest ? v.re() > best.re() : v.re() < best.re())
            best = v;
    });
    return best;
}

} // namespace

std::span<const ScannedEntry> integerRangeOperators()
{
    static const ScannedEntry operators[] = {
        {"sum", accumulate<false>},
        {"product", accumulate<true>},
        {"argmax", argExtreme<true>},
        {"argmin", argExtreme<false>},
        {"imax", valueExtreme<true>},
        {"imin", valueExtreme<false>},
        {"iter", iter},
    };
    return operators;
}

} // namespace textcalc::library
