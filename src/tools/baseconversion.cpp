#include "baseconversion.h"

#include "platform/errors.h"
#include "platform/services.h"

#include <cmath>
#include <cstdint>
#include <utility>

namespace tools {

namespace {

[[noreturn]] void fail() { throw platform::UserError(kInvalidBase); }

// The integer value of a combo box text (blanks around it allowed), which must lie in 2 … 36.
int baseOf(const std::string& text)
{
    size_t b = text.find_first_not_of(" \t");
    size_t e = text.find_last_not_of(" \t");
    if (b == std::string::npos)
        fail();
    bool negative = false;
    if (text[b] == '+' || text[b] == '-')
        negative = text[b++] == '-';
    if (b > e)
        fail();
    long value = 0;
    for (size_t i = b; i <= e; ++i) {
        if (text[i] < '0' || text[i] > '9')
            fail();
        value = value * 10 + (text[i] - '0');
        if (value > 1000) // far beyond any base; stops long digit strings overflowing
            fail();
    }
    if (negative)
        value = -value;
    if (value < 2 || value > 36)
        fail();
    return static_cast<int>(value);
}

} // namespace

int hodnota(char c, int base)
{
    int v;
    if (c >= '0' && c <= '9')
        v = c - '0';
    else if (c >= 'A' && c <= 'Z')
        v = c - 'A' + 10;
    else if (c >= 'a' && c <= 'z')
        v = c - 'a' + 10;
    else
        fail();
    if (v >= base)
        fail();
    return v;
}

char znak(int value) { return static_cast<char>(value < 10 ? '0' + value : 'A' + value - 10); }

std::string convertBase(const std::string& number, const std::string& from, const std::string& to,
                        int places)
{
    const int b = baseOf(from);
    const size_t comma = number.find(',');
    const size_t intEnd = comma == std::string::npos ? number.size() : comma;

    std::int64_t integer = 0;
    for (size_t i = 0; i < intEnd; ++i) {
        if (__builtin_mul_overflow(integer, b, &integer)
            || __builtin_add_overflow(integer, hodnota(number[i], b), &integer))
            fail();
    }

    // The divisor is b^(k+1) after the k-th fractional digit, so it overflows one digit before
    // the digits themselves stop mattering (the 12th fractional digit in base 36).
    double fraction = 0.0;
    if (comma != std::string::npos) {
        std::int64_t divisor = b;
        for (size_t i = comma + 1; i < number.size(); ++i) {
            // The divisor grows to 63 bits, more than a double holds: the digit's share is
            // taken in extended and the sum rounded to a double once.
            fraction = static_cast<double>(fraction + static_cast<long double>(hodnota(number[i], b))
                                                          / static_cast<long double>(divisor));
            if (__builtin_mul_overflow(divisor, b, &divisor))
                fail();
        }
    }

    const int nb = baseOf(to);
    std::string out;
    do {
        out.insert(out.begin(), znak(static_cast<int>(integer % nb)));
        integer /= nb;
    } while (integer != 0);

    if (places >= 1 && fraction > 0.0) {
        out += ',';
        for (int i = 0; i < places; ++i) {
            fraction = (fraction - std::trunc(fraction)) * nb;
            out += znak(static_cast<int>(std::trunc(fraction)));
        }
    }
    return out;
}

void BaseConversion::prevedClick()
{
    try {
        vystup = convertBase(vstup, puvod, nova, mista);
    } catch (const platform::UserError& e) {
        m_services.beep();
        m_services.message(platform::MessageKind::Error, e.what());
    }
}

void BaseConversion::ZamButClick()
{
    std::swap(vstup, vystup);
    std::swap(puvod, nova);
}

} // namespace tools
