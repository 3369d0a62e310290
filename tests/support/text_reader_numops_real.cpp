// The text reader's own copy of the numerical operators along the real axis: int, length,
// surface, volume, cint (along a curve x = c(t)), solve, dif, dif2. Running variables are
// floating; the body is evaluated at every point.
#include "text_reader_numops.h"
#include "text_reader_numops_support.h"

#include "platform/checked.h"

#include <cmath>
#include <numbers>

namespace textcalc::testing_support::reading {

using platform::checked;

namespace {

constexpr long double pi = std::numbers::pi_v<long double>;
// Without a step argument the interval is cut into this many steps.
constexpr long double defaultSteps = 1000.0L;
// Bisection ends when |f(m)| falls below this, or fails after this many halvings.
constexpr long double solveTolerance = 1e-17L;
constexpr int maxHalvings = 299;
// Central differences use x0 ± this.
constexpr long double difStep = 1e-6L;

// The signed step h: |step| pointing from a to b, or (b − a)/1000 without a step.
long double stepWidth(RunContext& calc, Arguments& args, long double a, long double b, Argument* step)
{
    if (!step)
        return (b - a) / defaultSteps;
    const long double h = std::fabs(realBorder(args, *step));
    if (h == 0.0L)
        calc.chyb("Step mustn´t be zero.");
    return a <= b ? h : -h;
}

// The tail "a_b)" or "a_b,step)" of the real-axis operators, with the step width.
struct Interval {
    long double a;
    long double b;
    long double h;
};

Interval readInterval(RunContext& calc, Arguments& args)
{
    Interval interval;
    interval.a = realBorder(args, scanExpecting(args, '_'));
    Argument& up = scanEither(args, ',', ')');
    interval.b = realBorder(args, up);
    Argument* const step = up.stop == ',' ? &scanExpecting(args, ')') : nullptr;
    interval.h = stepWidth(calc, args, interval.a, interval.b, step);
    return interval;
}

// Visits the grid a + h, a + 2h, … (by repeated addition) while it stays closer to a than b
// is, then b itself: point(x, w) gets each point with the signed width of the step that
// reaches it, so the last, short step has the width from the last inner point to b.
template <typename Point>
void walkGrid(RunContext& calc, const Interval& interval, Point point)
{
    const long double span = std::fabs(interval.a - interval.b);
    for (long double x = interval.a;;) {
        calc.pollStop(); // a fine grid may have billions of points
        const long double next = x + interval.h;
        if (!(std::fabs(next - interval.a) < span)) {
            point(interval.b, interval.h - (next - interval.b));
            return;
        }
        // A step lost in the rounding of x would never reach b.
        if (next == x)
            throw platform::FloatError(platform::FloatError::Kind::InvalidOperation);
        point(next, interval.h);
        x = next;
    }
}

// Trapezoidal rule on the complex value of the body.
Number integral(RunContext& calc, Arguments& args)
{
    BoundScope scope(calc);
    Argument& body = scanExpecting(args, ',');
    const size_t x = scope.bind(scanExpecting(args, '=').text, floating(0.0L));
    const Interval interval = readInterval(calc, args);
    setReal(calc, x, interval.a);
    Number prev = args.value(body);
    long double sumRe = 0.0L, sumIm = 0.0L;
    walkGrid(calc, interval, [&](long double point, long double w) {
        setReal(calc, x, point);
        const Number cur = args.value(body);
        sumRe += (prev.re() + cur.re()) / 2 * w;
        sumIm += (prev.im() + cur.im()) / 2 * w;
        prev = cur;
    });
    return floating(checked(sumRe), checked(sumIm));
}

enum class Measure { Length, Surface, Volume };

// Length, surface and volume of revolution of the graph y = Re body, piece by piece between
// neighbouring points; sgn(b − a)·S.
template <Measure measure>
Number ofGraph(RunContext& calc, Arguments& args)
{
    BoundScope scope(calc);
    Argument& body = scanExpecting(args, ',');
    const size_t x = scope.bind(scanExpecting(args, '=').text, floating(0.0L));
    const Interval interval = readInterval(calc, args);
    setReal(calc, x, interval.a);
    long double y0 = args.value(body).re();
    long double sum = 0.0L;
    walkGrid(calc, interval, [&](long double point, long double w) {
        setReal(calc, x, point);
        const long double y1 = args.value(body).re();
        switch (measure) {
        case Measure::Length:
            sum += std::sqrt((y0 - y1) * (y0 - y1) + w * w);
            break;
        case Measure::Surface:
            sum += pi * (y0 + y1) * std::sqrt((y0 - y1) * (y0 - y1) + w * w);
            break;
        case Measure::Volume:
            sum += pi * w * (y0 * y0 + y0 * y1 + y1 * y1) / 3;
            break;
        }
        y0 = y1;
    });
    return floating(checked(sgn(interval.b - interval.a) * sum));
}

// The integral of the body along the curve x = curve(t): the sum of the mean of the body at
// neighbouring points times the complex chord between them.
Number curveIntegral(RunContext& calc, Arguments& args)
{
    BoundScope scope(calc);
    Argument& body = scanExpecting(args, ',');
    const size_t x = scope.bind(scanExpecting(args, '=').text, floating(0.0L));
    Argument& curve = scanExpecting(args, ',');
    const size_t t = scope.bind(scanExpecting(args, '=').text, floating(0.0L));
    const Interval interval = readInterval(calc, args);
    setReal(calc, t, interval.a);
    Number x0 = args.value(curve);
    calc.BoundVariables[x].Value = x0;
    Number f0 = args.value(body);
    long double sumRe = 0.0L, sumIm = 0.0L;
    walkGrid(calc, interval, [&](long double point, long double) {
        setReal(calc, t, point);
        const Number x1 = args.value(curve);
        calc.BoundVariables[x].Value = x1;
        const Number f1 = args.value(body);
        const Number mean = floating((f0.re() + f1.re()) / 2, (f0.im() + f1.im()) / 2);
        const Number chord = floating(x1.re() - x0.re(), x1.im() - x0.im());
        const Number piece = soucincisel(mean, chord);
        sumRe += piece.re();
        sumIm += piece.im();
        x0 = x1;
        f0 = f1;
    });
    return floating(checked(sumRe), checked(sumIm));
}

// Bisection on the real part of the body; the result is the last midpoint.
Number solve(RunContext& calc, Arguments& args)
{
    BoundScope scope(calc);
    Argument& body = scanExpecting(args, ',');
    const size_t x = scope.bind(scanExpecting(args, '=').text, floating(0.0L));
    long double a = realBorder(args, scanExpecting(args, '_'));
    long double b = realBorder(args, scanExpecting(args, ')'));
    const auto f = [&](long double at) {
        setReal(calc, x, at);
        return args.value(body).re();
    };
    long double fa = f(a);
    const long double fb = f(b);
    if (fa * fb > 0.0L)
        calc.chyb("The function has the same sign at the interval border points.");
    for (int k = 0; k < maxHalvings; ++k) {
        const long double m = (a + b) / 2;
        const long double fm = f(m);
        if (std::fabs(fm) < solveTolerance)
            return floating(m);
        if (fa * fm > 0.0L) {
            a = m;
            fa = fm;
        } else {
            b = m;
        }
    }
    calc.chyb("The zero point of the function wasn´t found.");
}

// Central differences with the step 1e-6 on the complex value: the first derivative, or the
// second (second = true).
template <bool second>
Number difference(RunContext& calc, Arguments& args)
{
    BoundScope scope(calc);
    Argument& body = scanExpecting(args, ',');
    const size_t x = scope.bind(scanExpecting(args, '=').text, floating(0.0L));
    const long double x0 = realBorder(args, scanExpecting(args, ')'));
    const auto f = [&](long double at) {
        setReal(calc, x, at);
        return args.value(body);
    };
    const Number below = f(x0 - difStep);
    const Number above = f(x0 + difStep);
    if (!second)
        return floating(checked((above.re() - below.re()) * 500000), checked((above.im() - below.im()) * 500000));
    const Number at = f(x0);
    const auto part = [](long double lo, long double mid, long double hi) {
        return checked(lo * 1e12L - mid * 2e12L + hi * 1e12L);
    };
    return floating(part(below.re(), at.re(), above.re()), part(below.im(), at.im(), above.im()));
}

} // namespace

std::span<const library::ScannedEntry> realAxisOperators()
{
    static const library::ScannedEntry operators[] = {
        {"cint", curveIntegral},
        {"int", integral},
        {"length", ofGraph<Measure::Length>},
        {"surface", ofGraph<Measure::Surface>},
        {"volume", ofGraph<Measure::Volume>},
        {"solve", solve},
        {"dif", difference<false>},
        {"dif2", difference<true>},
    };
    return operators;
}

} // namespace textcalc::testing_support::reading
