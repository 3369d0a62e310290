// zoltcalc-cli stat [--relation] (FILE | -): the statistics window's output box for a table
// read one observation a line (X, or X and Y separated by blanks or a tab).
#include "cli/command.h"
#include "cli/lines.h"
#include "cli/subcommands.h"
#include "cli/tool_input.h"

#include "platform/headless/headless_services.h"

#include <iostream>

namespace cli {

int runStat(Args& args)
{
    const bool relation = args.takeFlag("relation");
    const std::vector<std::string> pos = args.positionals();
    if (pos.size() != 1)
        throw UsageError("expected one FILE or -");
    std::vector<std::string> lines = readLines(pos[0]);
    dropBlankTail(lines);

    platform::HeadlessServices services(args.decimalSeparator());
    tools::Statistics stat(services);
    fillStatistics(stat, lines, args.decimalSeparator());
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
