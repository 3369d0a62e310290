#include "textcalc/statements.h"

#include "textcalc/calculator.h"

namespace textcalc::statements {

void executeStatement(Calculator& calc, const Instruction&)
{
    calc.chyb("Statement not available.");
}

} // namespace textcalc::statements
