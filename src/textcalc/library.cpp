#include "textcalc/library.h"

#include "textcalc/calculator.h"
#include "textcalc/library_functions.h"
#include "textcalc/library_math.h"
#include "textcalc/library_support.h"

#include <string>

namespace textcalc::library {

// The names of the groups are distinct, so the order of the groups only follows the order in
// which the names were documented: numerical operators, input, several arguments, one.
Number call(Calculator& calc, std::string_view name, std::string_view text, size_t& pos)
{
    for (ScannedFunction (*find)(std::string_view) :
         {findIntegerRangeOperator, findRealAxisOperator, findInputFunction, findSeveralArguments})
        if (const ScannedFunction f = find(name))
            return f(calc, text, pos);
    if (const OneArgumentFunction f = findOneArgument(name)) {
        const Number x = calc.evalLevel(text, pos);
        RandomSource random = randomSource(calc);
        return f(x, random);
    }
    calc.chyb("Unknown function identifier \" " + std::string(name) + " \".");
}

bool isBuiltin(std::string_view name)
{
    return findIntegerRangeOperator(name) || findRealAxisOperator(name) || findInputFunction(name) ||
           findSeveralArguments(name) || findOneArgument(name);
}

} // namespace textcalc::library
