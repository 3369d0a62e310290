// zoltcalc-cli linsys (FILE | -): n lines of n + 1 numbers (a row of A, then its right-hand
// side), solved as the linear systems window does.
#include "cli/command.h"
#include "cli/lines.h"
#include "cli/subcommands.h"
#include "cli/tool_input.h"

#include "platform/headless/headless_services.h"

#include <iostream>

namespace cli {

int runLinsys(Args& args)
{
    const std::vector<std::string> pos = args.positionals();
    if (pos.size() != 1)
        throw UsageError("expected one FILE or -");
    std::vector<std::string> lines = readLines(pos[0]);
    dropBlankTail(lines);
    platform::HeadlessServices services(args.decimalSeparator());
    tools::LinearSystem system(services);
    if (!fillLinearSystem(system, lines))
        throw UsageError("the system has 2 to 8 equations, one a line");
    if (!system.VyrButClick()) {
        std::cout << services.messages.front().text << "\n";
        return 1;
    }
    std::cout << "determinant: " << system.determ << "\n";
    std::cout << "rank: " << system.hodnost << "\n";
    // The solution cells are all filled exactly when the rank is full.
    std::string solution;
    for (const std::string& x : system.xxx)
        solution += (solution.empty() ? "" : " ") + x;
    std::cout << "solution: " << solution << "\n";
    if (system.untrusted)
        std::cout << "warning: " << tools::kUntrustedSolution << "\n";
    return 0;
}

} // namespace cli
