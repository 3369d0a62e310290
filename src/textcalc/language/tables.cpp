// The name rule, bound variables of the numerical operators and user-function definitions.
#include "textcalc/language/interpreter.h"

#include <stdexcept>

namespace textcalc {

void Interpreter::jetonazev(std::string_view name)
{
    bool valid = !name.empty() && name.size() <= MaxNameLength && name[0] >= 'a' && name[0] <= 'z';
    for (char c : name)
        valid = valid && ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'));
    if (!valid)
        chyb("\" " + std::string(name) + " \" is not a valid identifier.");
}

size_t Interpreter::regvar(std::string_view name, const Number& value)
{
    jetonazev(name);
    if (BoundVariables.size() >= MaxBoundVariables)
        throw std::length_error("too many bound variables"); // the general error line
    BoundVariables.push_back({std::string(name), value});
    return BoundVariables.size() - 1;
}

// "f(x,y)#x+y": name before the first "(", body after the first ")#", parameters between.
void Interpreter::funcdef(const std::string& statement)
{
    ++m_functionGeneration; // call sites look their names up again
    const size_t open = statement.find('(');
    const size_t close = statement.find(")#");
    const std::string name = statement.substr(0, open);
    jetonazev(name);
    const std::string body = statement.substr(close + 2);
    std::string params = statement.substr(open + 1, close + 1 - (open + 1));
    params[params.find(')')] = ',';

    int index = findByName(Functions, name);
    if (index < 0) {
        Functions.push_back({name, {}, {}});
        index = static_cast<int>(Functions.size()) - 1;
    }
    Function& f = Functions[static_cast<size_t>(index)];
    f.Body = body;

    size_t taken = 0;
    for (size_t from = 0;;) {
        const size_t comma = params.find(',', from);
        const std::string param = params.substr(from, comma - from);
        if (param.empty())
            break;
        jetonazev(param);
        f.Params.resize(taken + 1);
        f.Params[taken++] = param;
        from = comma + 1;
    }
    if (taken == 0)
        chyb("User-defined function must have at least one parameter.");

    if (reporting()) {
        std::string line;
        bool assigned = false;
        for (char c : statement) {
            if (c == '#' && !assigned) {
                line += " = ";
                assigned = true;
            } else if (c == ',') {
                line += ", ";
            } else {
                line += c;
            }
        }
        vyp(line);
    }
}

} // namespace textcalc
