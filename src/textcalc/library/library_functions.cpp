// Functions of several scanned arguments: extremes, gcd and lcm, powers, samples of
// distributions, colours, logarithms, combinatorics, integer division and rounding; and prime,
// which polls for a stop.
#include "textcalc/library/library_functions.h"

#include "textcalc/language/run_context.h"
#include "textcalc/number/colour.h"
#include "textcalc/number/distributions.h"
#include "textcalc/library/library_support.h"

#include "platform/checked.h"

#include <cmath>
#include <limits>

namespace textcalc::library {

using platform::checked;
using platform::FloatError;

namespace {

// Reads "x1, …, xk)" (k ≥ 1), handing each value to `take` as soon as it is evaluated.
template <typename Take>
void eachArgument(Arguments& args, Take take)
{
    for (bool first = true;; first = false) {
        Argument& argument = scanEither(args, ',', ')');
        take(args.value(argument), first);
        if (argument.stop == ')')
            return;
    }
}

// On ties the earlier argument stays; the imaginary part of the result is cleared.
template <bool largest>
Number extreme(RunContext&, Arguments& args)
{
    Number best;
    eachArgument(args, [&best](const Number& v, bool first) {
        if (first || (largest ? v.re() > best.re() : v.re() < best.re()))
            best = v;
    });
    return initcislo(best.exact(), best.re(), 0.0L, best.reNum(), best.reDen(), 0, best.imDen());
}

int64_t checkedDiv(int64_t a, int64_t b)
{
    if (b == 0)
        throw FloatError(FloatError::Kind::DivisionByZero);
    if (b == -1 && a == std::numeric_limits<int64_t>::min())
        throw IntegerOverflow();
    return a / b;
}

Number gcd(RunContext&, Arguments& args)
{
    int64_t acc = 0;
    eachArgument(args, [&acc](const Number& v, bool first) {
        acc = first ? absRound(v.re()) : nsd(absRound(v.re()), acc);
    });
    return exactInteger(acc);
}

// acc := (v div gcd(v, acc))·acc; lcm(0, 0) divides by zero.
Number lcm(RunContext&, Arguments& args)
{
    int64_t acc = 0;
    eachArgument(args, [&acc](const Number& v, bool first) {
        const int64_t b = absRound(v.re());
        if (first)
            acc = b;
        else if (__builtin_mul_overflow(checkedDiv(b, nsd(b, acc)), acc, &acc))
            throw IntegerOverflow();
    });
    return exactInteger(acc);
}

Number power(RunContext&, Arguments& args)
{
    const Number base = argumentExpecting(args, ',');
    const Number exponent = argumentExpecting(args, ')');
    return mocn(base, exponent);
}

Number binom(RunContext& calc, Arguments& args)
{
    const int64_t n = absRound(argumentExpecting(args, ',').re());
    const long double p = std::fabs(fracPart(argumentExpecting(args, ')').re()));
    RandomSource random = randomSource(calc);
    return exactInteger(distributions::binom(random, n, p));
}

Number gauss(RunContext& calc, Arguments& args)
{
    Argument& meanArgument = scanEither(args, ',', ')');
    const long double mean = args.value(meanArgument).re();
    const long double variance = meanArgument.stop == ',' ? argumentExpecting(args, ')').re() : 1.0L;
    RandomSource random = randomSource(calc);
    return floating(distributions::gauss(random, mean, variance));
}

Number fisher(RunContext& calc, Arguments& args)
{
    const int64_t m = absRound(argumentExpecting(args, ',').re());
    const int64_t n = absRound(argumentExpecting(args, ')').re());
    RandomSource random = randomSource(calc);
    return floating(distributions::fisher(random, m, n));
}

// A pixel outside the picture reads as -1, which is no colour.
Number pixel(RunContext& calc, Arguments& args)
{
    const int32_t x = roundToInt32(argumentExpecting(args, ',').re());
    const int32_t y = roundToInt32(argumentExpecting(args, ')').re());
    const std::optional<Colour> c = calc.picture().pixel(x, y);
    return exactInteger(c ? c->language() : -1);
}

Number rgbtocolor(RunContext&, Arguments& args)
{
    const int64_t r = roundToInt64(argumentExpecting(args, ',').re());
    const int64_t g = roundToInt64(argumentExpecting(args, ',').re());
    const int64_t b = roundToInt64(argumentExpecting(args, ')').re());
    int64_t red, green, colour;
    if (__builtin_mul_overflow(r, 65536, &red) || __builtin_mul_overflow(g, 256, &green) ||
        __builtin_add_overflow(red, green, &colour) || __builtin_add_overflow(colour, b, &colour))
        throw IntegerOverflow();
    return exactInteger(colour);
}

Number logarithm(const Number& x)
{
    return floating(checked(std::log(absval(x))), argum(x));
}

Number logn(RunContext&, Arguments& args)
{
    const Number x = argumentExpecting(args, ',');
    const Number base = argumentExpecting(args, ')');
    return podilcisel(logarithm(x), logarithm(base));
}

// n·(n−1)·…·(n−k+1), for comb divided by k!; the loop ends early once the product is 0,
// which stays 0 (variat(1, 10^15) would otherwise count for days).
template <bool combinations>
Number selections(RunContext&, Arguments& args)
{
    const int64_t n = roundToInt64(argumentExpecting(args, ',').re());
    int64_t k = roundToInt64(argumentExpecting(args, ')').re());
    if (combinations && 2.0L * k > static_cast<long double>(n) && __builtin_sub_overflow(n, k, &k))
        throw IntegerOverflow();
    long double r = 1.0L;
    for (int64_t j = 0; j < k && r != 0.0L; ++j) {
        r = checked(r * (static_cast<long double>(n) - static_cast<long double>(j)));
        if (combinations)
            r = checked(r / static_cast<long double>(j + 1));
    }
    return integerOrFloating(r);
}

template <bool remainder>
Number integerDivision(RunContext&, Arguments& args)
{
    const int64_t m = roundToInt64(argumentExpecting(args, ',').re());
    const int64_t n = roundToInt64(argumentExpecting(args, ')').re());
    const int64_t q = checkedDiv(m, n);
    return exactInteger(remainder ? m - q * n : q);
}

Number round(RunContext&, Arguments& args)
{
    Argument& xArgument = scanEither(args, ',', ')');
    const Number x = args.value(xArgument);
    const int64_t places = xArgument.stop == ',' ? absRound(argumentExpecting(args, ')').re()) : 0;
    if (places > 65535)
        throw RangeError();
    if (places == 0)
        return exactGaussian(roundToInt64(x.re()), roundToInt64(x.im()));
    const long double scale = checked(std::pow(10.0L, static_cast<long double>(places)));
    const auto part = [scale](long double v) {
        return static_cast<long double>(roundToInt64(checked(v * scale))) / scale;
    };
    return floating(part(x.re()), part(x.im()));
}

// One bracketed argument as the one-argument functions take it; trial division of the largest
// 64-bit numbers takes seconds, so the search asks for a stop as it goes.
Number isPrime(RunContext& calc, Arguments& args)
{
    const Number x = args.bracket();
    return exactInteger(prime(roundToInt64(std::fabs(x.re())), [&calc] { calc.pollStop(); }) ? 1 : 0);
}

const ScannedEntry functions[] = {
    {"max", extreme<true>},
    {"min", extreme<false>},
    {"gcd", gcd},
    {"lcm", lcm},
    {"power", power},
    {"binom", binom},
    {"gauss", gauss},
    {"fisher", fisher},
    {"pixel", pixel},
    {"rgbtocolor", rgbtocolor},
    {"logn", logn},
    {"comb", selections<true>},
    {"variat", selections<false>},
    {"div", integerDivision<false>},
    {"mod", integerDivision<true>},
    {"round", round},
    {"prime", isPrime},
};

} // namespace

std::span<const ScannedEntry> severalArgumentFunctions()
{
    return functions;
}

} // namespace textcalc::library
