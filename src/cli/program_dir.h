#pragma once
// The program directory of zoltcalc-cli: where it lies, with the drawing module, the data that
// ships beside it and the manual.
#include <filesystem>

namespace cli {

// The folder of the running executable, read through /proc/self/exe so that a link on the PATH
// leads to it; the current folder when that cannot be read.
std::filesystem::path programDirectory();

} // namespace cli
