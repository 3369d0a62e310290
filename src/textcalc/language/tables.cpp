// User-function definitions and the clear-all of the tables.
#include "textcalc/language/interpreter.h"
#include "textcalc/eval/eval_code.h"

namespace textcalc {

// The compiled forms go with the tables: the entries their names were found at are gone.
void Interpreter::clearTables()
{
    m_codes->clear();
    ++m_functionGeneration;
    variables().clear();
    arrays().clear();
    functions().clear();
    textFiles().clear();
    BoundVariables.clear();
    ParamBindings.clear();
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

    int index = findByName(functions(), name);
    if (index < 0) {
        functions().push_back({name, {}, {}});
        index = static_cast<int>(functions().size()) - 1;
    }
    Function& f = functions()[static_cast<size_t>(index)];
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
