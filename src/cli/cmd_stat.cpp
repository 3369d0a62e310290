// zoltcalc-cli stat [--relation] (FILE | -): the statistics window's output box for a table
// read one observation a line (X, or X and Y separated by blanks or a tab).
#include "cli/command.h"
#include "cli/lines.h"
#include "cli/subcommands.h"

#include "platform/headless/headless_services.h"
#include "tools/statistics.h"

#include <algorithm>
#include <iostream>

namespace {

// Fills the table as the clipboard import would: "." becomes the decimal separator.
void fillTable(tools::Statistics& stat, const std::vector<std::string>& lines, char sep)
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
            row[2] = text.substr(yb); // junk after Y stays in the cell and fails like a typed one
        stat.datar.push_back(row);
    }
}

} // namespace

namespace cli {

int runStat(Args& args)
{
    const bool relation = args.takeFlag("relation");
    const std::vector<std::string> pos = args.positionals();
    if (pos.size() != 1)
        throw UsageError("expected one FILE or -");
    std::vector<std::string> lines = readLines(pos[0]);
    while (!lines.empty() && lines.back().find_first_not_of(" \t") == std::string::npos)
        lines.pop_back();

    platform::HeadlessServices services(args.decimalSeparator());
    tools::Statistics stat(services);
    fillTable(stat, lines, args.decimalSeparator());
    const bool ok = relation ? stat.VztahButClick() : stat.VypButClick();
    if (!ok) {
        std::cout << services.messages.front().text << "\n";
        return 1;
    }
    for (const std::string& line : stat.vystup)
        std::cout << line << "\n";
    return 0;
}

} // namespace cli
