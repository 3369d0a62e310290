#pragma once
// Reads file arguments, "-" being standard input. Input is limited in size so that an endless
// or huge file (/dev/zero) is a clear usage error rather than exhausted memory.
#include <cstddef>
#include <string>
#include <vector>

namespace cli {

inline constexpr size_t maxInputBytes = size_t{16} << 20;

// The bytes of the file; a UsageError when it cannot be read, is a folder or is larger than
// maxInputBytes.
std::string readInput(const std::string& path);

// The lines of a text: a final line break adds no empty line and a CR before LF is dropped.
std::vector<std::string> splitLines(const std::string& text);

inline std::vector<std::string> readLines(const std::string& path) { return splitLines(readInput(path)); }

} // namespace cli
