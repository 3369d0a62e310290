#include "formula_math.h"

#include "evaluator.h"
#include "platform/checked.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <unordered_map>

namespace macros {

using platform::checked;
using platform::mul;

long double raise(long double base, long double exponent)
{
    if (exponent == 0.0L)
        return 1.0L;
    if (base == 0.0L && exponent > 0.0L)
        return 0.0L;
    if (exponent == std::trunc(exponent) && std::fabs(exponent) <= 2147483647.0L) {
        const auto n = static_cast<std::uint32_t>(std::fabs(exponent));
        long double result = 1.0L;
        if (std::fabs(base) == 1.0L) {
            result = base < 0.0L && n % 2 == 1 ? -1.0L : 1.0L;
        } else {
            // One factor at a time, each product rounded, as the result is defined. A product
            // whose size no longer changes (0, infinity, or the smallest subnormal times a base
            // between 0.5 and 1) stays fixed but for the sign of a negative base, so the loop
            // ends there. A product that passes through the subnormal range ends as 0 and an
            // overflow as infinity, which the check below turns into 0 or a failure as a check
            // after each step would.
            for (std::uint32_t i = 0; i < n; ++i) {
                const long double next = result * base;
                if (std::fabs(next) == std::fabs(result)) {
                    if (base < 0.0L && (n - i) % 2 == 1)
                        result = -result;
                    break;
                }
                result = next;
            }
            result = checked(result);
        }
        return exponent < 0.0L ? platform::divide(1.0L, result) : result;
    }
    return checked(std::exp(mul(exponent, checked(std::log(base)))));
}

namespace {

// x·(x − 1)·(x − 2)·… while the factor is above 1. It ends within about 1755 factors: either
// the factor reaches 1 or the product overflows (a factor that no longer decreases, as for
// 1e30, overflows after a few steps).
long double fact(long double x)
{
    long double product = 1.0L;
    for (long double factor = x; factor > 1.0L; factor -= 1.0L)
        product = mul(product, factor);
    return product;
}

// Whole results that must fit a fixed-width integer; beyond that range the function fails.
long double inRange(long double r, long double low, long double high)
{
    if (!(r >= low && r <= high))
        throw EvalError();
    return r;
}

constexpr long double int32Low = std::numeric_limits<std::int32_t>::min();
constexpr long double int32High = std::numeric_limits<std::int32_t>::max();
// Exact in the 64-bit significand of long double.
constexpr long double int64Low = std::numeric_limits<std::int64_t>::min();
constexpr long double int64High = std::numeric_limits<std::int64_t>::max();

long double sgn(long double x) { return x > 0.0L ? 1.0L : x < 0.0L ? -1.0L : 0.0L; }

using Function = long double (*)(long double);

const std::unordered_map<std::string, Function>& functions()
{
    static const std::unordered_map<std::string, Function> table = {
        {"sin", [](long double x) { return std::sin(x); }},
        {"cos", [](long double x) { return std::cos(x); }},
        {"tan", [](long double x) { return std::tan(x); }},
        {"arcsin", [](long double x) { return std::asin(x); }},
        {"arccos", [](long double x) { return std::acos(x); }},
        {"arctan", [](long double x) { return std::atan(x); }},
        {"sinh", [](long double x) { return std::sinh(x); }},
        {"cosh", [](long double x) { return std::cosh(x); }},
        {"tanh", [](long double x) { return std::tanh(x); }},
        {"arcsinh", [](long double x) { return std::asinh(x); }},
        {"arccosh", [](long double x) { return std::acosh(x); }},
        {"arctanh", [](long double x) { return std::atanh(x); }},
        {"exp", [](long double x) { return std::exp(x); }},
        // log(0) is a pole (-inf), which checked() rejects like the NaN of a negative argument.
        {"ln", [](long double x) { return std::log(x); }},
        {"log", [](long double x) { return std::log10(x); }},
        {"sqr", [](long double x) { return mul(x, x); }},
        {"sqrt", [](long double x) { return std::sqrt(x); }},
        {"abs", [](long double x) { return std::fabs(x); }},
        {"sgn", sgn},
        {"fact", fact},
        {"pos", [](long double x) { return x > 0.0L ? 1.0L : 0.0L; }},
        {"nonneg", [](long double x) { return x >= 0.0L ? 1.0L : 0.0L; }},
        {"int", [](long double x) { return std::trunc(x); }},
        {"floor", [](long double x) { return inRange(std::floor(x), int32Low, int32High); }},
        {"ceil", [](long double x) { return inRange(std::ceil(x), int32Low, int32High); }},
        // The default rounding mode rounds halves to the even neighbour: round(2.5) = 2.
        {"round", [](long double x) { return inRange(std::nearbyint(x), int64Low, int64High); }},
        {"frac", [](long double x) { return x - std::trunc(x); }},
    };
    return table;
}

} // namespace

long double applyFunction(const std::string& name, long double argument)
{
    auto it = functions().find(name);
    if (it == functions().end())
        throw EvalError();
    return checked(it->second(argument));
}

} // namespace macros
