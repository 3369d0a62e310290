#pragma once
// One exception type carrying the user-visible message; each window catches it at the boundary
// of the user's action and reports the text in its own fixed way.
#include <stdexcept>
#include <string>

namespace platform {

class UserError : public std::runtime_error {
public:
    explicit UserError(const std::string& message) : std::runtime_error(message) {}
};

} // namespace platform
