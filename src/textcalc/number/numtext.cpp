// Number text: values as the sheet prints them, exact fractions or floating numbers.
#include "textcalc/language/interpreter.h"

#include "platform/floattext.h"

#include <cmath>

namespace textcalc {

namespace {

std::string decimal(__int128 n)
{
    if (n < 0)
        return "-" + decimal(-n);
    std::string digits;
    do {
        digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(n % 10)));
        n /= 10;
    } while (n != 0);
    return digits;
}

// The fraction agrees with the floating part to 1 part in 10000 (a stale fraction left by a
// failed exact step does not).
bool agrees(int64_t num, int64_t den, long double part)
{
    return std::fabs(static_cast<long double>(num) / static_cast<long double>(den) - part) <= 0.0001L * std::fabs(part);
}

std::string exactText(const Number& x)
{
    __int128 reNum = x.ReNum, reDen = x.ReDen;
    if (reDen < 0) {
        reNum = -reNum;
        reDen = -reDen;
    }
    std::string s;
    if (reNum != 0) {
        s = decimal(reNum);
        if (reDen != 1)
            s += "/" + decimal(reDen);
    }
    if (x.ImNum != 0) {
        if (x.ImNum > 0 && !s.empty())
            s += " + ";
        if ((x.ImNum == 1 || x.ImNum == -1) && x.ImDen == 1) {
            if (x.ImNum == -1)
                s += " - ";
            s += "i";
        } else {
            s += decimal(x.ImNum);
            if (x.ImDen != 1)
                s += "/" + decimal(x.ImDen);
            s += " * i";
        }
    }
    return s.empty() ? "0" : s;
}

} // namespace

std::string Interpreter::cistostr(const Number& x)
{
    if (x.Exact && agrees(x.ReNum, x.ReDen, x.Re) && agrees(x.ImNum, x.ImDen, x.Im))
        return exactText(x);

    const char separator = services.decimalSeparator();
    auto format = [&](long double v) { return platform::formatGeneral(v, Precision, separator); };
    std::string s;
    if (x.Re != 0.0L)
        s = format(x.Re);
    if (x.Im != 0.0L) {
        if (!s.empty() && x.Im > 0.0L)
            s += " + ";
        if (x.Im == 1.0L)
            s += "i";
        else if (x.Im == -1.0L)
            s += " - i";
        else
            s += format(x.Im) + " * i";
    }
    if (s.empty())
        s = "0";
    for (char& c : s) {
        if (c == separator)
            c = '.';
        else if (c == 'E')
            c = 'e';
    }
    return s;
}

// The sheet's convert-to-decimal step on one result line. The line is read as a number alone:
// "i" is the exact imaginary unit even where the program has a variable i (a loop counter,
// say), so the variables are set aside meanwhile. Taking i as sqrt(-1) instead would carry the
// rounding of the polar root into the digits (3-2 * i would become 2.99999999999999988-2 * i).
bool Interpreter::convertToDecimal(std::string& line)
{
    std::string text;
    for (char c : line)
        if (c != ' ')
            text += c;
    struct SetAside {
        Interpreter& c;
        std::vector<Variable> variables;
        std::vector<BoundVariable> bound;
        std::vector<ParamBinding> bindings;
        size_t outputs;
        explicit SetAside(Interpreter& calc) : c(calc), outputs(calc.Outputs.size())
        {
            variables.swap(c.Variables);
            bound.swap(c.BoundVariables);
            bindings.swap(c.ParamBindings);
            // The line may hold any expression (a user function summing for hours): it is
            // evaluated as a run is, asking the caller whether to stop.
            c.m_running = true;
            c.m_nextPoll = coarseMilliseconds() + StopPollInterval.count();
        }
        ~SetAside()
        {
            c.m_running = false;
            variables.swap(c.Variables);
            bound.swap(c.BoundVariables);
            bindings.swap(c.ParamBindings);
            c.Outputs.resize(outputs);
        }
    } aside(*this);
    try {
        return onRunFailure(
            [&] {
                Number value = eval(text);
                value.Exact = false;
                line = cistostr(value);
                return true;
            },
            [&] {
                services.beep();
                return false;
            });
    } catch (const RunStopped&) {
        return false; // the line stays as it was
    }
}

} // namespace textcalc
