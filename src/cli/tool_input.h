#pragma once
// The tables of the statistics and linear systems windows filled from lines of text, as
// zoltcalc-cli reads its files (the tool engines' fuzz target feeds them the same way).
#include "tools/linearsystem.h"
#include "tools/statistics.h"

#include <string>
#include <vector>

namespace cli {

// The blank-separated words of a line.
std::vector<std::string> fields(const std::string& line);

// Drops the lines of blanks and tabs at the end.
void dropBlankTail(std::vector<std::string>& lines);

// One observation a line, X or X and Y, "." read as the decimal separator as the clipboard
// import reads it; junk after Y stays in the cell and fails like a typed one.
void fillStatistics(tools::Statistics& stat, const std::vector<std::string>& lines, char sep);

// n lines of n + 1 numbers (a row of A, then its right-hand side). False, the system left
// alone, when n is not a size the window offers.
bool fillLinearSystem(tools::LinearSystem& system, const std::vector<std::string>& lines);

} // namespace cli
