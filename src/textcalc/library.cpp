#include "textcalc/library.h"

#include "textcalc/calculator.h"

#include <string>

namespace textcalc::library {

Number call(Calculator& calc, std::string_view name, std::string_view, size_t&)
{
    calc.chyb("Unknown function identifier \" " + std::string(name) + " \".");
}

} // namespace textcalc::library
