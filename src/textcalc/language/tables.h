#pragma once
// The tables a program names: variables, arrays, user functions and text files outlive runs;
// bound variables (running variables of the numerical operators) and parameter bindings
// (active user-function calls) exist only while an expression is evaluated.
#include "textcalc/number/value.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

namespace textcalc {

// Names are at most 20 characters: a lower-case letter, then lower-case letters and digits.
constexpr size_t MaxNameLength = 20;
// An array holds at most this many elements.
constexpr size_t MaxArrayLength = 5000;
// At most this many bound variables at once.
constexpr size_t MaxBoundVariables = 128;

struct Variable {
    std::string Name;
    Number Value;
};

struct Array {
    std::string Name;
    std::vector<Number> Elements; // element k of the language is Elements[k - 1]
};

struct Function {
    std::string Name;
    std::string Body;                // prepared expression text
    std::vector<std::string> Params; // at least one after a successful definition
};

struct TextFile {
    enum class State { NotAssigned, Assigned, Reading, Writing };
    std::string Name;
    std::filesystem::path Path; // set by Assign: program directory/textfiles/<name>.txt
    State state = State::NotAssigned;
    std::fstream stream;        // open while state is Reading or Writing
};

struct BoundVariable {
    std::string Name;
    Number Value;
};

// The name points into the called function's parameter list, which does not change while
// an expression is evaluated (definitions are statements).
struct ParamBinding {
    std::string_view Name;
    Number Value;
};

// Index of the entry named `name`, or -1. Variables, arrays and functions are searched from
// the first entry (names are unique within a table).
template <typename Table>
int findByName(const Table& table, std::string_view name)
{
    for (size_t k = 0; k < table.size(); ++k)
        if (table[k].Name == name)
            return static_cast<int>(k);
    return -1;
}

} // namespace textcalc
