// Number entry: digits, decimal point, exponent, sign, C, AC and the commit `vstup`.
#include "keypad/engine.h"

#include "keypad/engine_batch.h"
#include "keypad/engine_text.h"
#include "keypad/keypad_math.h"
#include "platform/checked.h"

namespace keypad {

namespace {

using platform::FloatError;

// "0"-"9" are 0-9 and "A"-"Z" are 10-35, whatever the base; anything else cannot be read back.
int digitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'Z')
        return c - 'A' + 10;
    throw FloatError(FloatError::Kind::InvalidOperation);
}

} // namespace

void Engine::Cislo(int digit)
{
    Batch batch(*this);
    // SHIFT + 4 ... 9 types the hexadecimal digits A ... F.
    char c = static_cast<char>('0' + digit);
    if (shiftOn() && digit >= 4)
        c = static_cast<char>('A' + digit - 4);
    if (m_rec.resultShown) {
        m_labels.display.clear();
        m_labels.expon.clear();
        m_rec.resultShown = false;
    }
    std::string& expon = m_labels.expon;
    if (!expon.empty()) {
        // The three exponent digits shift left: 000, 1 -> 001, 2 -> 012; a "-" stays in front.
        const bool negative = expon[0] == '-';
        std::string digits = expon.substr(negative ? 1 : 0);
        digits = (digits.empty() ? "" : digits.substr(1)) + c;
        expon = (negative ? "-" : "") + digits;
        return;
    }
    std::string& display = m_labels.display;
    const char sep = decimalSeparator();
    size_t count = characterCount(display);
    if (display.find(sep) != std::string::npos)
        --count;
    if (display.find('-') != std::string::npos)
        --count;
    if (count >= static_cast<size_t>(m_settings.format.digits))
        return;
    if (display == "0")
        display = c;
    else
        display += c;
}

void Engine::pcarka()
{
    Batch batch(*this);
    if (shiftOn()) {
        smazpamet();
        return;
    }
    const char sep = decimalSeparator();
    if (m_rec.resultShown) {
        m_rec.resultShown = false;
        m_labels.display = std::string("0") + sep;
        m_labels.expon.clear();
        return;
    }
    if (!m_labels.expon.empty() || m_labels.display.find(sep) != std::string::npos)
        return;
    m_labels.display += sep;
}

void Engine::desetna()
{
    Batch batch(*this);
    if (!m_rec.resultShown && !shiftOn()) {
        m_labels.expon = "000"; // starts exponent entry, or starts it again
        return;
    }
    showValue(pi());
}

void Engine::pznamenko()
{
    Batch batch(*this);
    if (shiftOn()) {
        Rozlozeni();
        return;
    }
    if (m_rec.resultShown) {
        showValue(-m_rec.workValue);
        return;
    }
    std::string& text = m_labels.expon.empty() ? m_labels.display : m_labels.expon;
    if (!text.empty() && text[0] == '-')
        text.erase(0, 1);
    else
        text.insert(0, 1, '-');
    if (text == "-0")
        text = "0";
}

void Engine::pclear()
{
    Batch batch(*this);
    showValue(0.0L);
}

void Engine::nacni()
{
    Batch batch(*this);
    pclear();
    const auto level = static_cast<size_t>(m_rec.bracketLevel);
    m_rec.sumOp[level] = m_rec.productOp[level] = m_rec.powerOp[level] = Op::None;
}

void Engine::resetuj()
{
    Batch batch(*this);
    m_rec.bracketLevel = 0;
    nacni();
    m_labels.zavorky.clear();
    clearTrail();
}

void Engine::vstup()
{
    Batch batch(*this);
    if (!m_rec.resultShown) {
        const long double base = m_settings.format.base;
        const char sep = decimalSeparator();
        std::string text = withoutGroups(m_labels.display, m_settings.format.separator);
        const bool negative = !text.empty() && text[0] == '-';
        if (negative)
            text.erase(0, 1);
        long double value = 0.0L;
        for (char c : text)
            if (c != sep)
                value = platform::add(platform::mul(value, base), digitValue(c));
        // The exponent is a power of the keypad base, not of ten. Fraction digits and exponent
        // meet in one power, so that the typed number is rounded once: 3 EXP -2 is 3 / 100, where
        // 3 * 0,01 would round twice and be held a unit in the last place off.
        int scale = 0;
        if (!m_labels.expon.empty()) {
            const std::optional<int> exponent = exponentValue(m_labels.expon);
            if (!exponent)
                throw FloatError(FloatError::Kind::InvalidOperation);
            scale = *exponent;
        }
        if (const size_t at = text.find(sep); at != std::string::npos)
            scale -= static_cast<int>(text.size() - at - 1);
        value = scale >= 0 ? platform::mul(value, power(base, scale)) : platform::divide(value, power(base, -scale));
        m_rec.workValue = negative ? -value : value;
    }
    if (!m_rec.resultShown || m_rec.echoPending)
        VypisToPaper();
}

} // namespace keypad
