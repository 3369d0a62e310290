// The macro evaluator: any text with the registers the macro windows give it. A formula
// either has a value or fails with EvalError; nothing else may happen, and a value is finite.
#include "macros/evaluator.h"

#include "fuzz_support.h"

#include <cmath>

namespace {

// A whole power is one multiplication per unit of its exponent, as the result is defined:
// exponents of five digits or with a decimal exponent after a "^" would spend the fuzzing
// time in that loop, so such texts are left out.
bool hugeExponent(std::string_view text)
{
    const size_t caret = text.find('^');
    if (caret == std::string_view::npos)
        return false;
    size_t digits = 0;
    for (size_t i = caret; i < text.size(); ++i) {
        const char c = text[i];
        if ((c == 'e' || c == 'E') && digits > 0)
            return true;
        digits = c >= '0' && c <= '9' ? digits + 1 : 0;
        if (digits >= 5)
            return true;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (hugeExponent(fuzz::asText(data, size)))
        return 0;
    // Small registers, for the same reason.
    static const macros::Registers registers{3.0L, -0.5L, 1e300L, 0.999L, 0.0L, 7.0L};
    try {
        const long double value = macros::eval(std::string(fuzz::asText(data, size)), registers);
        fuzz::require(std::isfinite(value), "a macro value is finite");
    } catch (const macros::EvalError&) {
    }
    return 0;
}
