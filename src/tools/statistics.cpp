#include "statistics.h"

#include "platform/checked.h"
#include "platform/errors.h"
#include "platform/floattext.h"
#include "platform/services.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace tools {

using platform::add;
using platform::checked;
using platform::divide;
using platform::mul;
using platform::sub;

namespace {

constexpr int kDigits = 8;
// Variance, skew, kurtosis and the regression coefficients below this are shown as 0.
constexpr long double kZero = 1e-11L;

long double flushed(long double v) { return std::fabs(v) < kZero ? 0.0L : v; }

std::string line(const char* label, long double v, char sep)
{
    return label + platform::formatGeneral(v, kDigits, sep);
}

// Splits clipboard text into lines as a memo does: CR LF, LF or CR end a line, and a final
// line break adds no empty line.
std::vector<std::string> textLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::string current;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(current);
            current.clear();
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            current += c;
        }
    }
    if (!current.empty())
        lines.push_back(current);
    return lines;
}

} // namespace

std::string formatPercent(long double value, char sep)
{
    const long double magnitude = std::fabs(value);
    // Four significant digits leave fewer than two decimals from 100 on; the missing ones are
    // written as zeros (123.456 -> "123.50"), and from 10000 on the general form takes over.
    int decimals = 2;
    if (magnitude >= 999.95L)
        decimals = 0;
    else if (magnitude >= 99.995L)
        decimals = 1;
    if (magnitude >= 9999.5L || !std::isfinite(value))
        return platform::formatGeneral(value, 4, sep);

    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
    std::string text(buf, res.ptr);
    if (decimals == 0)
        text += '.';
    text.append(static_cast<size_t>(2 - decimals), '0');
    if (text.find_first_not_of("-0.") == std::string::npos && text[0] == '-')
        text.erase(0, 1); // a tiny negative value is shown as 0,00, not -0,00
    std::replace(text.begin(), text.end(), '.', sep);
    return text;
}

void describe(const std::vector<double>& x, char sep, std::vector<std::string>& out)
{
    const long double n = static_cast<long double>(x.size());
    long double s1 = 0, s2 = 0, s3 = 0, s4 = 0;
    long double maximum = x.empty() ? 0 : x[0], minimum = maximum;
    for (double d : x) {
        const long double v = d;
        const long double v2 = mul(v, v);
        s1 = add(s1, v);
        s2 = add(s2, v2);
        s3 = add(s3, mul(v2, v));
        s4 = add(s4, mul(v2, v2));
        maximum = std::max(maximum, v);
        minimum = std::min(minimum, v);
    }
    const long double m = divide(s1, n);
    s2 = divide(s2, n);
    s3 = divide(s3, n);
    s4 = divide(s4, n);
    const long double m2 = mul(m, m);
    const long double M2 = sub(s2, m2);
    const long double M3 = add(sub(s3, mul(mul(3, m), s2)), mul(mul(2, m2), m));
    const long double M4 = sub(add(sub(s4, mul(mul(4, m), s3)), mul(mul(6, m2), s2)), mul(mul(3, m2), m2));
    // M2^(-3/2): a variance of 0 (all values equal) is a division by zero, a negative rounding
    // residue an invalid root; both mean there is nothing to describe.
    const long double skew = divide(M3, mul(M2, checked(std::sqrt(M2))));
    const long double kurtosis = divide(M4, mul(M2, M2));
    const long double variance = flushed(M2);

    out.push_back("Characteristics of X:");
    out.push_back("");
    out.push_back(line("mean = ", m, sep));
    out.push_back(line("maximum = ", maximum, sep));
    out.push_back(line("minimum = ", minimum, sep));
    out.push_back(line("variance = ", variance, sep));
    out.push_back(line("std dev. = ", std::sqrt(variance), sep));
    out.push_back(line("skew = ", flushed(skew), sep));
    out.push_back(line("kurtosis = ", flushed(kurtosis), sep));
}

void relate(const std::vector<double>& x, const std::vector<double>& y, char sep,
            std::vector<std::string>& out)
{
    const long double n = static_cast<long double>(x.size());
    long double Sx = 0, Sxx = 0, Sy = 0, Syy = 0, Sxy = 0;
    for (size_t i = 0; i < x.size(); ++i) {
        const long double xi = x[i], yi = y[i];
        Sx = add(Sx, xi);
        Sxx = add(Sxx, mul(xi, xi));
        Sy = add(Sy, yi);
        Syy = add(Syy, mul(yi, yi));
        Sxy = add(Sxy, mul(xi, yi));
    }
    const long double mx = divide(Sx, n), my = divide(Sy, n);
    out.push_back(line("mean of X = ", mx, sep));
    out.push_back(line("variance of X = ", sub(divide(Sxx, n), mul(mx, mx)), sep));
    out.push_back(line("mean of Y = ", my, sep));
    out.push_back(line("variance of Y = ", sub(divide(Syy, n), mul(my, my)), sep));
    out.push_back("");
    out.push_back("Relation between X and Y:");
    out.push_back(line("covariance = ", sub(divide(Sxy, n), divide(mul(mx, Sy), n)), sep));
    const long double spreadX = sub(Sxx, divide(mul(Sx, Sx), n));
    const long double spreadY = sub(Syy, divide(mul(Sy, Sy), n));
    const long double r = divide(divide(sub(Sxy, divide(mul(Sx, Sy), n)), checked(std::sqrt(spreadX))),
                                 checked(std::sqrt(spreadY)));
    out.push_back(line("correlation = ", r, sep));

    const long double b1raw = divide(sub(mul(n, Sxy), mul(Sx, Sy)), sub(mul(n, Sxx), mul(Sx, Sx)));
    const long double b0raw = sub(my, divide(mul(b1raw, Sx), n));
    const long double b0 = flushed(b0raw), b1 = flushed(b1raw);
    out.push_back("");
    out.push_back("Regression Y ~ b0 + b1*X :");
    out.push_back(line("b0 = ", b0, sep));
    out.push_back(line("b1 = ", b1, sep));

    const long double residual = sub(sub(Syy, mul(b0, Sy)), mul(b1, Sxy));
    const long double D = mul(sub(1, divide(residual, spreadY)), 100);
    out.push_back("determ. coeff. = " + formatPercent(D, sep) + " %");
    out.insert(out.begin(), "Single characteristics:");
}

Statistics::Statistics(platform::Services& services) : m_services(services) { FormCreate(); }

void Statistics::FormCreate()
{
    datar = {Row{"", "  X", "  Y"}, Row{"1", "1", "1"}};
    vystup.clear();
}

void Statistics::PridButClick()
{
    const std::string r = std::to_string(datar.size());
    datar.push_back(Row{r, r, r});
}

void Statistics::UberButClick()
{
    if (datar.size() > 2)
        datar.pop_back();
}

void Statistics::VymButClick()
{
    datar.resize(2);
    datar[1][1] = "1";
    datar[1][2] = "1";
}

void Statistics::datarColumnMoved(int from, int to)
{
    if (from >= 1 && from <= 2 && to >= 1 && to <= 2 && from != to)
        for (Row& row : datar)
            std::swap(row[static_cast<size_t>(from)], row[static_cast<size_t>(to)]);
    datar[0][1] = "  X";
    datar[0][2] = "  Y";
}

void Statistics::datarRowMoved(int from, int to)
{
    const int last = static_cast<int>(datar.size()) - 1;
    if (from < 1 || to < 1 || from > last || to > last || from == to)
        return;
    Row moved = datar[static_cast<size_t>(from)];
    datar.erase(datar.begin() + from);
    datar.insert(datar.begin() + to, moved);
}

void Statistics::import(Column target)
{
    std::string text = m_services.clipboardText();
    std::replace(text.begin(), text.end(), '.', m_services.decimalSeparator());
    const std::vector<std::string> lines = textLines(text);
    // Without any text there is nothing to import, and the table keeps at least one row.
    if (lines.empty())
        return;
    datar.resize(lines.size() + 1);
    for (size_t i = 1; i <= lines.size(); ++i) {
        datar[i][0] = std::to_string(i);
        datar[i][static_cast<size_t>(target)] = lines[i - 1];
    }
}

std::vector<double> Statistics::readColumn(Column column) const
{
    std::vector<double> values;
    const char sep = m_services.decimalSeparator();
    for (size_t r = 1; r < datar.size(); ++r) {
        long double v;
        if (!platform::parseFloat(datar[r][static_cast<size_t>(column)], sep, v))
            throw platform::UserError(kInvalidData);
        // Observations are kept as doubles: a number beyond their range is a bad cell.
        const double d = static_cast<double>(v);
        if (std::isinf(d))
            throw platform::UserError(kInvalidData);
        values.push_back(d);
    }
    return values;
}

// The one boundary of the two buttons: data that is no number and results that overflow are
// "Invalid data." and a beep; anything else is a fault of the program and passes on.
template <typename Work>
bool Statistics::reportInvalidData(Work work)
{
    try {
        work();
        return true;
    } catch (const platform::UserError&) {
    } catch (const platform::FloatError&) {
    }
    m_services.beep();
    m_services.message(platform::MessageKind::Error, kInvalidData);
    return false;
}

bool Statistics::VypButClick()
{
    return reportInvalidData([this] {
        const std::vector<double> x = readColumn(Column::X);
        vystup.clear();
        describe(x, m_services.decimalSeparator(), vystup);
    });
}

bool Statistics::VztahButClick()
{
    return reportInvalidData([this] {
        const std::vector<double> x = readColumn(Column::X);
        const std::vector<double> y = readColumn(Column::Y);
        vystup.clear();
        relate(x, y, m_services.decimalSeparator(), vystup);
    });
}

} // namespace tools
