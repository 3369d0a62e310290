// The macro evaluator: any text with the registers the macro windows give it. A formula
// either has a value or fails with EvalError; nothing else may happen, and a value is finite.
#include "macros/evaluator.h"

#include "fuzz_support.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Small registers: a whole power runs one multiplication per unit of its exponent, so a
    // register of 2^31 as an exponent would take seconds by definition.
    static const macros::Registers registers{3.0L, -0.5L, 1e300L, 0.999L, 0.0L, 7.0L};
    try {
        const long double value = macros::eval(std::string(fuzz::asText(data, size)), registers);
        fuzz::require(std::isfinite(value), "a macro value is finite");
    } catch (const macros::EvalError&) {
    }
    return 0;
}
