#pragma once
// How the text reader reads a text (literals, signs, argument lists) and what a name means
// apart from the tables (the constants): its own copy, so that a fault in the compiled path's
// reading cannot hide in both.
#include "textcalc/number/value.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace textcalc {
class RunContext;
}

namespace textcalc::testing_support::reading {

inline bool isDigit(char c) { return c >= '0' && c <= '9'; }
inline bool isLetter(char c) { return c >= 'a' && c <= 'z'; }

// Names are at most 20 letters: a plain loop beats a call of memcmp.
inline bool sameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t k = 0; k < a.size(); ++k)
        if (a[k] != b[k])
            return false;
    return true;
}

// The end of the number literal starting at `pos`: ".", digits and "e", with a "-" right
// after an "e" (a "+" is not taken: 1e+5 is no literal).
size_t literalEnd(std::string_view text, size_t pos);
// A literal's value: a 64-bit integer is exact, anything else is converted as a floating
// number; false when it is neither.
bool literalValue(std::string_view literal, char separator, Number& value);
std::string invalidLiteral(std::string_view literal);

// The end of the name starting at `pos`: letters and digits.
size_t nameEnd(std::string_view text, size_t pos);

// Takes one raw argument from `pos`: the characters up to ")" "," "=" "]" or "_" at bracket
// depth 0. Returns that stop character (consumed, not part of `arg`), or ';' when the text
// ends first. `arg` points into `text`.
char scanArgument(std::string_view text, size_t& pos, std::string_view& arg);

// Skips the signs at `pos` (directly after an operator); returns whether they negate.
bool readSigns(std::string_view text, size_t& pos);

// "Unexpected character \" {c} \"." with the prepared codes shown as typed.
[[noreturn]] void unexpected(RunContext& calc, char c);
// The same for the character at `pos`, any character: one beyond ASCII (typed into GetNum,
// read by ReadLn) is shown whole, so that the error line stays valid UTF-8.
[[noreturn]] void unexpectedAt(RunContext& calc, std::string_view text, size_t pos);

// A constant, found by name once; Unknown stands for a name that is none.
struct Constant {
    enum Kind : uint8_t { Unknown, Pi, ImaginaryUnit, Random, Time, PenX, PenY, Width, Height, Colour };
    Kind kind = Unknown;
    int64_t colour = 0;
};
Constant findConstant(std::string_view name);
// The constant's value now; Unknown ends the run with "Unknown variable identifier \" {n} \".".
Number constantValue(RunContext& calc, const Constant& constant, std::string_view name);

// Element `index` of an array (index 0 is the count); other indices end the run.
Number arrayElement(RunContext& calc, std::string_view name, const std::vector<Number>& elements, const Number& index);
[[noreturn]] void unknownArray(RunContext& calc, std::string_view name);


} // namespace textcalc::testing_support::reading
