#pragma once
// Checked extended arithmetic. Invalid operations, division by zero and overflow are failures;
// underflow gives 0 and inexact results pass. Every engine decides float failures here.
#include <cmath>
#include <stdexcept>

namespace platform {

class FloatError : public std::runtime_error {
public:
    enum class Kind { InvalidOperation, DivisionByZero, Overflow };
    explicit FloatError(Kind kind);
    Kind kind() const { return m_kind; }

private:
    Kind m_kind;
};

// Accepts the result of an operation on finite operands: NaN is an invalid operation, an
// infinity an overflow (or a pole, such as ln 0), a subnormal result underflows to 0.
// Library functions go through it too: checked(std::log(x)).
inline long double checked(long double r)
{
    if (std::isfinite(r)) [[likely]] {
        if (std::fpclassify(r) == FP_SUBNORMAL)
            return 0.0L;
        return r;
    }
    throw FloatError(std::isnan(r) ? FloatError::Kind::InvalidOperation : FloatError::Kind::Overflow);
}

inline long double add(long double a, long double b) { return checked(a + b); }
inline long double sub(long double a, long double b) { return checked(a - b); }
inline long double mul(long double a, long double b) { return checked(a * b); }
inline long double divide(long double a, long double b)
{
    if (b == 0.0L)
        throw FloatError(a == 0.0L || std::isnan(a) ? FloatError::Kind::InvalidOperation
                                                    : FloatError::Kind::DivisionByZero);
    return checked(a / b);
}

} // namespace platform
