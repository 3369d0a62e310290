// zoltcalc-cli check: a program's errors found without running it, one line per line in error.
#include "cli/command.h"
#include "cli/lines.h"
#include "cli/run_services.h"
#include "cli/subcommands.h"

#include "platform/utf8.h"
#include "textcalc/language/calculator.h"

#include <iostream>

namespace cli {

int runCheck(Args& args)
{
    const std::vector<std::string> positionals = args.positionals();
    const bool fromOption = positionals.size() == 2 && positionals[0] == "-e";
    if (!fromOption && (positionals.size() != 1 || positionals[0] == "-e"))
        throw UsageError("give one of FILE, - or -e TEXT");
    const std::string source =
        fromOption ? positionals.back() : platform::toUtf8FromLegacy(readInput(positionals[0]));
    RunServices services(args.decimalSeparator());
    const textcalc::Calculator calc(services);
    const textcalc::ProgramCheck found = calc.check(source);
    for (const textcalc::ProgramError& error : found.errors)
        std::cout << error.line << ':' << error.column << ": " << error.message << '\n';
    return found.errors.empty() ? 0 : 1;
}

} // namespace cli
