#pragma once
// zoltcalc's arguments, read before Qt starts: a refused argument needs no display, and the
// options Qt takes (with their values) are told apart from the program's own and from sheets.
#include <string>
#include <vector>

namespace app {

struct StartRequest {
    enum class Kind { Start, Help, Version };
    Kind kind = Kind::Start;
    bool textCalculator = false;
    // Absolute paths, so that saving does not depend on the working folder; the text
    // calculator opens the first, and says why not the others.
    std::vector<std::string> sheets;
};

// Throws platform::UserError with the reason for an argument neither Qt nor the program takes.
StartRequest readCommandLine(int argc, const char* const* argv);

extern const char* const usage;

} // namespace app
