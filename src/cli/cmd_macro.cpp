// zoltcalc-cli macro: evaluates one macro formula over up to six input registers.
#include "cli/command.h"
#include "cli/subcommands.h"

#include "macros/evaluator.h"
#include "platform/floattext.h"

#include <iostream>

namespace cli {

// The inputs take the decimal separator like the macro window's input cells; like the window,
// more than six inputs or one that is not a number is a macro error, not a usage error.
int runMacro(Args& args)
{
    const std::vector<std::string> words = args.positionals();
    if (words.empty())
        throw UsageError("a formula is needed");
    const char sep = args.decimalSeparator();
    try {
        if (words.size() > 7)
            throw macros::EvalError();
        macros::Registers x{};
        for (size_t i = 1; i < words.size(); ++i)
            if (!platform::parseFloat(words[i], sep, x[i - 1]))
                throw macros::EvalError();
        std::cout << platform::formatGeneral(macros::eval(words[0], x), 15, sep) << '\n';
        return 0;
    } catch (const macros::EvalError&) {
        std::cout << "Macro error.\n";
        return 1;
    }
}

} // namespace cli
