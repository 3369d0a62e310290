// The text reader's own copy of the numerical operators over an integer range: sum, product,
// iter, argmax, argmin, imax, imin. The body is evaluated once per integer of low..up
// (inclusive, 64-bit).
#include "text_reader_numops.h"
#include "text_reader_numops_support.h"

namespace textcalc::testing_support::reading {

namespace {

// The tail "n=low_up)" shared by all of them: binds n (exact 0 until the first step).
struct Range {
    size_t variable;
    int64_t low;
    int64_t up;
};

Range readRange(BoundScope& scope, Arguments& args)
{
    const size_t variable = scope.bind(scanExpecting(args, '=').text, exactInteger(0));
    Argument& low = scanExpecting(args, '_');
    Argument& up = scanExpecting(args, ')');
    return {variable, integerBorder(args, low), integerBorder(args, up)};
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
Number accumulate(RunContext& calc, Arguments& args)
{
    BoundScope scope(calc);
    Argument& body = scanExpecting(args, ',');
    const Range range = readRange(scope, args);
    Number acc = exactInteger(product ? 1 : 0);
    forEach(calc, range, [&](int64_t n) {
        setInteger(calc, range.variable, n);
        const Number v = args.value(body);
        acc = product ? soucincisel(acc, v) : soucetcisel(acc, v);
    });
    return acc;
}

// iter(x=x0, body, n=low_up): x := body for each n; the final x (x0 when the range is empty).
Number iter(RunContext& calc, Arguments& args)
{
    BoundScope scope(calc);
    const size_t x = scope.bind(scanExpecting(args, '=').text, exactInteger(0));
    calc.BoundVariables[x].Value = argumentExpecting(args, ',');
    Argument& body = scanExpecting(args, ',');
    const Range range = readRange(scope, args);
    forEach(calc, range, [&](int64_t n) {
        setInteger(calc, range.variable, n);
        const Number v = args.value(body);
        calc.BoundVariables[x].Value = v;
    });
    return calc.BoundVariables[x].Value;
}

Range readNonEmptyRange(RunContext& calc, BoundScope& scope, Arguments& args)
{
    const Range range = readRange(scope, args);
    if (range.up < range.low)
        calc.chyb("Empty index set.");
    return range;
}

// The index whose body has the largest (smallest) real part; ties keep the earlier index.
template <bool largest>
Number argExtreme(RunContext& calc, Arguments& args)
{
    BoundScope scope(calc);
    Argument& body = scanExpecting(args, ',');
    const Range range = readNonEmptyRange(calc, scope, args);
    long double best = 0.0L;
    int64_t result = range.low;
    forEach(calc, range, [&](int64_t n) {
        setInteger(calc, range.variable, n);
        const long double v = args.value(body).re();
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
Number valueExtreme(RunContext& calc, Arguments& args)
{
    BoundScope scope(calc);
    Argument& body = scanExpecting(args, ',');
    const Range range = readNonEmptyRange(calc, scope, args);
    setInteger(calc, range.variable, range.low);
    Number best = args.value(body);
    forEach(calc, range, [&](int64_t n) {
        setInteger(calc, range.variable, n);
        const Number v = args.value(body);
        if (largest ? v.re() > best.re() : v.re() < best.re())
            best = v;
    });
    return best;
}

} // namespace

std::span<const library::ScannedEntry> integerRangeOperators()
{
    static const library::ScannedEntry operators[] = {
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

} // namespace textcalc::testing_support::reading
