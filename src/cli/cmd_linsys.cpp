// zoltcalc-cli linsys (FILE | -): n lines of n + 1 numbers (a row of A, then its right-hand
// side), solved as the linear systems window does.
#include "cli/command.h"
#include "cli/lines.h"
#include "cli/subcommands.h"

#include "platform/headless/headless_services.h"
#include "tools/linearsystem.h"

#include <iostream>
#include <sstream>

namespace {

std::vector<std::string> fields(const std::string& line)
{
    std::istringstream in(line);
    std::vector<std::string> out;
    for (std::string f; in >> f;)
        out.push_back(f);
    return out;
}

} // namespace

namespace cli {

int runLinsys(Args& args)
{
    const std::vector<std::string> pos = args.positionals();
    if (pos.size() != 1)
        throw UsageError("expected one FILE or -");
    std::vector<std::string> lines = readLines(pos[0]);
    while (!lines.empty() && fields(lines.back()).empty())
        lines.pop_back();
    const int n = static_cast<int>(lines.size());
    if (n < tools::kMinEquations || n > tools::kMaxEquations)
        throw UsageError("the system has 2 to 8 equations, one a line");

    platform::HeadlessServices services(args.decimalSeparator());
    tools::LinearSystem system(services);
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
    return 0;
}

} // namespace cli
