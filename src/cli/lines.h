#pragma once
// Reads the lines of a file argument, "-" being standard input; a final line break adds no
// empty line and a CR before LF is dropped.
#include "command.h"

#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace cli {

inline std::vector<std::string> readLines(const std::string& path)
{
    std::ifstream file;
    if (path != "-") {
        file.open(path, std::ios::binary);
        if (!file)
            throw UsageError("cannot read " + path);
    }
    std::istream& in = path == "-" ? std::cin : file;
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

} // namespace cli
