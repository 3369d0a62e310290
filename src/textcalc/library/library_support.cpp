#include "textcalc/library/library_support.h"

#include "textcalc/language/run_context.h"
#include "textcalc/eval/eval_support.h"

#include "platform/checked.h"
#include "platform/floattext.h"

#include <charconv>
#include <limits>

namespace textcalc::library {

std::string_view scanExpecting(RunContext& calc, std::string_view text, size_t& pos, char expected)
{
    std::string_view arg;
    calc.jetam(evaluation::scanArgument(text, pos, arg), expected);
    return arg;
}

char scanEither(RunContext& calc, std::string_view text, size_t& pos, std::string_view& arg,
                char first, char second)
{
    const char stop = evaluation::scanArgument(text, pos, arg);
    if (stop != second)
        calc.jetam(stop, first);
    return stop;
}

Number argumentExpecting(RunContext& calc, std::string_view text, size_t& pos, char expected)
{
    return calc.eval(scanExpecting(calc, text, pos, expected));
}

int64_t integerBorder(RunContext& calc, std::string_view text)
{
    int64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, error] = std::from_chars(text.data(), end, value);
    if (error == std::errc() && ptr == end && !text.empty())
        return value;
    return roundToInt64(calc.eval(text).re());
}

long double realBorder(RunContext& calc, std::string_view text)
{
    long double value = 0.0L;
    if (!text.empty() && platform::parseFloat(std::string(text), '.', value))
        return value;
    return calc.eval(text).re();
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
