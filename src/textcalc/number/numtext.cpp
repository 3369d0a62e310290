// Number text: values as the sheet prints them, exact fractions or floating numbers.
#include "textcalc/number/numtext.h"

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

std::string cistostr(const Number& x, int precision, char separator)
{
    if (x.Exact && agrees(x.ReNum, x.ReDen, x.Re) && agrees(x.ImNum, x.ImDen, x.Im))
        return exactText(x);

    auto format = [&](long double v) { return platform::formatGeneral(v, precision, separator); };
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

} // namespace textcalc
