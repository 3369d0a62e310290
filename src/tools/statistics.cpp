#include "statistics.h"

#include "platform/checked.h"
#include "platform/errors.h"
#include "platform/floattext.h"
#include "platform/services.h"

#include <algorithm>
#include <charconv>
#include <functional>
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

namespace {

// The mean, refined by the mean of the deviations from it, so that the deviations below are
// centred to the last bit.
long double mean(const std::vector<double>& v)
{
    const long double n = static_cast<long double>(v.size());
    long double sum = 0;
    for (double d : v)
        sum = add(sum, d);
    const long double m = divide(sum, n);
    long double residue = 0;
    for (double d : v)
        residue += d - m;
    return m + residue / n;
}

// Whether all values are equal, decided exactly: a variance computed from them can be a
// rounding residue instead of 0 (0.7 three times gave 2.7e-20).
bool noSpread(const std::vector<double>& v)
{
    return std::adjacent_find(v.begin(), v.end(), std::not_equal_to<>()) == v.end();
}

// Nothing to describe or relate: the variance would be divided by.
[[noreturn]] void failNoSpread() { throw platform::FloatError(platform::FloatError::Kind::DivisionByZero); }

} // namespace

void describe(const std::vector<double>& x, char sep, std::vector<std::string>& out)
{
    if (noSpread(x))
        failNoSpread();
    const long double n = static_cast<long double>(x.size());
    const long double m = mean(x);
    // Central moments: the raw ones (s3 - 3·m·s2 + 2·m³ …) cancel on data with a large mean
    // and a small spread (1e9, 1e9+1, … gave a skew of 96038388).
    long double c2 = 0, c3 = 0, c4 = 0;
    long double maximum = x[0], minimum = maximum;
    for (double d : x) {
        const long double v = d, dev = v - m, dev2 = mul(dev, dev);
        c2 = add(c2, dev2);
        c3 = add(c3, mul(dev2, dev));
        c4 = add(c4, mul(dev2, dev2));
        maximum = std::max(maximum, v);
        minimum = std::min(minimum, v);
    }
    const long double M2 = divide(c2, n), M3 = divide(c3, n), M4 = divide(c4, n);
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
    const long double mx = mean(x), my = mean(y);
    // Sums of the deviations from the means: the same numbers as Sxx - Sx²/n and the like on
    // well-conditioned data, without their cancellation.
    long double Sxx = 0, Syy = 0, Sxy = 0;
    for (size_t i = 0; i < x.size(); ++i) {
        const long double dx = x[i] - mx, dy = y[i] - my;
        Sxx = add(Sxx, mul(dx, dx));
        Syy = add(Syy, mul(dy, dy));
        Sxy = add(Sxy, mul(dx, dy));
    }
    out.push_back(line("mean of X = ", mx, sep));
    out.push_back(line("variance of X = ", divide(Sxx, n), sep));
    out.push_back(line("mean of Y = ", my, sep));
    out.push_back(line("variance of Y = ", divide(Syy, n), sep));
    out.push_back("");
    out.push_back("Relation between X and Y:");
    out.push_back(line("covariance = ", divide(Sxy, n), sep));
    if (noSpread(x) || noSpread(y))
        failNoSpread();
    const long double r = divide(divide(Sxy, checked(std::sqrt(Sxx))), checked(std::sqrt(Syy)));
    out.push_back(line("correlation = ", r, sep));

    const long double b1raw = divide(Sxy, Sxx);
    const long double b0raw = sub(my, mul(b1raw, mx));
    const long double b0 = flushed(b0raw), b1 = flushed(b1raw);
    out.push_back("");
    out.push_back("Regression Y ~ b0 + b1*X :");
    out.push_back(line("b0 = ", b0, sep));
    out.push_back(line("b1 = ", b1, sep));

    // 1 - (residual sum of squares)/Syy, the residual being Syy - b1·Sxy.
    const long double D = mul(divide(mul(b1raw, Sxy), Syy), 100);
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
