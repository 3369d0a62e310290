#include "textcalc/library/library_support.h"

#include "textcalc/language/run_context.h"

#include "platform/checked.h"
#include "platform/floattext.h"

#include <charconv>
#include <limits>

namespace textcalc::library {

Argument& scanExpecting(Arguments& args, char expected)
{
    Argument& argument = args.next();
    if (argument.stop != expected) // jetam is out of line: a call per argument costs more than the check
        RunContext::jetam(argument.stop, expected);
    return argument;
}

Argument& scanEither(Arguments& args, char first, char second)
{
    Argument& argument = args.next();
    if (argument.stop != second && argument.stop != first)
        RunContext::jetam(argument.stop, first);
    return argument;
}

Number argumentExpecting(Arguments& args, char expected)
{
    return args.value(scanExpecting(args, expected));
}

int64_t integerBorder(Arguments& args, Argument& border)
{
    const std::string_view text = border.text;
    int64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, error] = std::from_chars(text.data(), end, value);
    if (error == std::errc() && ptr == end && !text.empty())
        return value;
    return roundToInt64(args.value(border).re());
}

long double realBorder(Arguments& args, Argument& border)
{
    long double value = 0.0L;
    if (!border.text.empty() && platform::parseFloat(std::string(border.text), '.', value))
        return value;
    return args.value(border).re();
}

RandomSource randomSource(RunContext& calc)
{
    return RandomSource([&calc] { return calc.random(); });
}

int64_t absRound(long double v)
{
    const int64_t n = roundToInt64(v);
    if (n == std::numeric_limits<int64_t>::min())
        throw platform::FloatError(platform::FloatError::Kind::InvalidOperation);
    return n < 0 ? -n : n;
}

Number integerOrFloating(long double r)
{
    if (r >= -0x1p63L && r < 0x1p63L)
        return exactInteger(roundToInt64(r));
    return floating(platform::checked(r));
}

Number exactGaussian(int64_t re, int64_t im)
{
    return initcislo(true, static_cast<long double>(re), static_cast<long double>(im), re, 1, im, 1);
}

} // namespace textcalc::library
