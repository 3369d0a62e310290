#pragma once
// The errors an expression text holds whatever the tables say: found by reading the prepared
// text once, without evaluating anything, the way evaluating it would meet them.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace textcalc {

struct SyntaxError {
    size_t at; // offset in the text of what the error is about (the text's size: its end)
    std::string message;
};

// The first of: a character out of place, a number literal that is none, an operator without
// an operand before it or after it. Argument lists are read as lists (each argument an
// expression), whatever the name before them turns out to be when the text runs.
std::optional<SyntaxError> expressionError(std::string_view text);

} // namespace textcalc
