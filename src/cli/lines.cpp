#include "cli/lines.h"

#include "cli/command.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

namespace cli {

std::string readInput(const std::string& path)
{
    std::ifstream file;
    if (path != "-") {
        std::error_code ec;
        if (std::filesystem::is_directory(path, ec))
            throw FileError("cannot read " + path + ": it is a folder");
        file.open(path, std::ios::binary);
        if (!file)
            throw FileError("cannot read " + path);
    }
    std::istream& in = path == "-" ? std::cin : file;
    std::string text;
    std::vector<char> buffer(size_t{1} << 16); // not on the stack, which may be small
    while (in.read(buffer.data(), static_cast<std::streamsize>(buffer.size())) || in.gcount() > 0) {
        text.append(buffer.data(), static_cast<size_t>(in.gcount()));
        if (text.size() > maxInputBytes)
            throw FileError("cannot read " + path + ": larger than " + std::to_string(maxInputBytes >> 20) + " MiB");
    }
    if (in.bad())
        throw FileError("cannot read " + path);
    return text;
}

std::vector<std::string> splitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

} // namespace cli
