#include "checked.h"

namespace platform {

static const char* describe(FloatError::Kind kind)
{
    switch (kind) {
    case FloatError::Kind::InvalidOperation: return "Invalid floating point operation";
    case FloatError::Kind::DivisionByZero: return "Floating point division by zero";
    case FloatError::Kind::Overflow: return "Floating point overflow";
    }
    return "Floating point error";
}

FloatError::FloatError(Kind kind) : std::runtime_error(describe(kind)), m_kind(kind) {}

} // namespace platform
