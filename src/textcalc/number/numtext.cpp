// Number text: values as the sheet prints them, exact fractions or floating numbers.
#include "textcalc/number/numtext.h"

#include "platform/floattext.h"


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

std::string exactText(const Number& x)
{
    __int128 reNum = x.reNum(), reDen = x.reDen();
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
    if (x.imNum() != 0) {
        if (x.imNum() > 0 && !s.empty())
            s += " + ";
        if ((x.imNum() == 1 || x.imNum() == -1) && x.imDen() == 1) {
            if (x.imNum() == -1)
                s += " - ";
            s += "i";
        } else {
            s += decimal(x.imNum());
            if (x.imDen() != 1)
                s += "/" + decimal(x.imDen());
            s += " * i";
        }
    }
    return s.empty() ? "0" : s;
}

} // namespace

std::string cistostr(const Number& x, int precision, char separator)
{
    if (x.exact())
        return exactText(x);

    auto format = [&](long double v) { return platform::formatGeneral(v, precision, separator); };
    const long double re = x.re(), im = x.im();
    std::string s;
    if (re != 0.0L)
        s = format(re);
    if (im != 0.0L) {
        if (!s.empty() && im > 0.0L)
            s += " + ";
        if (im == 1.0L)
            s += "i";
        else if (im == -1.0L)
            s += " - i";
        else
            s += format(im) + " * i";
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
