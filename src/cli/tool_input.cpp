#include "cli/tool_input.h"

#include <algorithm>
#include <sstream>

namespace cli {

std::vector<std::string> fields(const std::string& line)
{
    std::istringstream in(line);
    std::vector<std::string> out;
    for (std::string f; in >> f;)
        out.push_back(f);
    return out;
}

void dropBlankTail(std::vector<std::string>& lines)
{
    while (!lines.empty() && lines.back().find_first_not_of(" \t") == std::string::npos)
        lines.pop_back();
}

void fillStatistics(tools::Statistics& stat, const std::vector<std::string>& lines, char sep)
{
    stat.datar.resize(1);
    for (size_t i = 0; i < lines.size(); ++i) {
        std::string text = lines[i];
        std::replace(text.begin(), text.end(), '.', sep);
        const size_t xb = text.find_first_not_of(" \t");
        const size_t xe = xb == std::string::npos ? text.size() : text.find_first_of(" \t", xb);
        const size_t yb = xe == std::string::npos ? std::string::npos : text.find_first_not_of(" \t", xe);
        tools::Statistics::Row row{std::to_string(i + 1), "", ""};
        if (xb != std::string::npos)
            row[1] = text.substr(xb, xe - xb);
        if (yb != std::string::npos)
            row[2] = text.substr(yb);
        stat.datar.push_back(row);
    }
}

bool fillLinearSystem(tools::LinearSystem& system, const std::vector<std::string>& lines)
{
    const int n = static_cast<int>(lines.size());
    if (n < tools::kMinEquations || n > tools::kMaxEquations)
        return false;
    system.pocetChange(n);
    for (int i = 0; i < n; ++i) {
        // A short row leaves empty cells and a long one a cell the window could not hold;
        // both are bad coefficients.
        std::vector<std::string> f = fields(lines[static_cast<size_t>(i)]);
        if (f.size() > static_cast<size_t>(n) + 1)
            f.resize(0);
        f.resize(static_cast<size_t>(n) + 1);
        for (int j = 0; j < n; ++j)
            system.aaa[i][j] = f[static_cast<size_t>(j)];
        system.bbb[i] = f[static_cast<size_t>(n)];
    }
    return true;
}

} // namespace cli
