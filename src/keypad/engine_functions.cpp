// One-operand function keys, the angle unit, degree-minute-second and prime factorisation.
#include "keypad/engine.h"

#include "keypad/engine_batch.h"
#include "keypad/keypad_math.h"
#include "platform/checked.h"
#include "platform/floattext.h"

#include <cmath>

namespace keypad {

namespace {

using platform::checked;
using platform::FloatError;

// Only the first letter of the unit label counts: D, R, anything else is grads.
char unitLetter(const std::string& deg) { return deg.empty() ? 'G' : deg[0]; }

long double arcsine(long double x) { return std::atan2(x, checked(std::sqrt(checked(1.0L - x * x)))); }
long double arccosine(long double x) { return std::atan2(checked(std::sqrt(checked(1.0L - x * x))), x); }

} // namespace

long double Engine::AngleToRad(long double v) const
{
    switch (unitLetter(m_labels.deg)) {
    case 'D': return platform::mul(v, pi() / 180.0L);
    case 'R': return v;
    default: return platform::mul(v, pi() / 200.0L);
    }
}

long double Engine::RadToAngle(long double v) const
{
    switch (unitLetter(m_labels.deg)) {
    case 'D': return v * (180.0L / pi());
    case 'R': return v;
    default: return v * (200.0L / pi());
    }
}

long double Engine::functionValue(Control key, bool shifted, std::string& trailText) const
{
    const long double x = m_rec.workValue;
    // Each row: plain function, then its SHIFT variant.
    switch (key) {
    case Control::nadruhou:
        trailText = shifted ? " rec" : " sqr";
        return shifted ? platform::divide(1.0L, x) : platform::mul(x, x);
    case Control::odmocnina:
        trailText = shifted ? " curt" : " sqrt";
        if (!shifted)
            return checked(std::sqrt(x));
        return x >= 0.0L ? power(x, 1.0L / 3.0L) : -power(-x, 1.0L / 3.0L);
    case Control::lnlog:
        trailText = shifted ? " exp" : " ln";
        return checked(shifted ? std::exp(x) : std::log(x));
    case Control::dekadicky:
        trailText = shifted ? " exp10" : " log10";
        return shifted ? power(10.0L, x) : checked(std::log10(x));
    case Control::fakt:
        trailText = shifted ? " !!" : " !";
        return faktorial(shifted, x);
    case Control::integ:
        trailText = shifted ? " hInt" : " lInt";
        return shifted ? std::ceil(x) : std::floor(x);
    case Control::sinus:
        trailText = shifted ? " arcsin" : " sin";
        return shifted ? RadToAngle(arcsine(x)) : zi(std::sin(AngleToRad(x)));
    case Control::cosinus:
        trailText = shifted ? " arccos" : " cos";
        return shifted ? RadToAngle(arccosine(x)) : zi(std::cos(AngleToRad(x)));
    case Control::tangens:
        trailText = shifted ? " arctan" : " tan";
        return shifted ? RadToAngle(std::atan2(x, 1.0L)) : zi(checked(std::tan(AngleToRad(x))));
    case Control::zin:
        trailText = shifted ? " arcsinh" : " sinh";
        return shifted ? hypArcsinh(x) : hypSinh(x);
    case Control::koz:
        trailText = shifted ? " arccosh" : " cosh";
        return shifted ? hypArccosh(x) : hypCosh(x);
    case Control::tanz:
        trailText = shifted ? " arctanh" : " tanh";
        return shifted ? hypArctanh(x) : hypTanh(x);
    default:
        throw FloatError(FloatError::Kind::InvalidOperation);
    }
}

void Engine::funkce(Control key)
{
    Batch batch(*this);
    // The committed operand stays in workValue; pending operations stay too.
    guarded('f', [&] {
        vstup();
        std::string trailText;
        const long double result = checked(functionValue(key, shiftOn(), trailText));
        showValue(result);
        appendTrail(trailText);
        m_rec.echoPending = false; // the trail already names the function
        setShift(false);
    });
}

void Engine::pdrg()
{
    Batch batch(*this);
    guarded('f', [&] {
        const bool shifted = shiftOn();
        if (shifted)
            vstup();
        long double value = m_rec.workValue;
        std::string unit;
        switch (unitLetter(m_labels.deg)) {
        case 'D':
            unit = "RAD";
            value = platform::mul(value, pi() / 180.0L);
            break;
        case 'R':
            unit = "GRA";
            value = platform::mul(value, 200.0L / pi());
            break;
        default:
            unit = "DEG";
            value = value / 10.0L * 9.0L;
            break;
        }
        if (shifted)
            showValue(value);
        m_labels.deg = unit;
    });
}

void Engine::DegMinSec()
{
    Batch batch(*this);
    if (!shiftOn()) {
        if (m_listener != nullptr)
            m_listener->dmsDialogRequested();
        return;
    }
    guarded('f', [&] {
        vstup();
        // Decimal degrees whatever the angle unit; nothing else changes.
        m_services.message(platform::MessageKind::Plain, dmsText(m_rec.workValue, decimalSeparator()));
    });
}

void Engine::dmsEntry(const std::string& degrees, const std::string& minutes, const std::string& seconds)
{
    Batch batch(*this);
    const char sep = decimalSeparator();
    long double fields[3] = {};
    const std::string* texts[3] = {&degrees, &minutes, &seconds};
    for (int i = 0; i < 3; ++i) {
        if (!platform::parseFloat(*texts[i], sep, fields[i])) {
            // The conversion's own message, as for any failure outside the keypad's handlers.
            m_services.message(platform::MessageKind::Error,
                               "'" + *texts[i] + "' is not a valid floating point value.");
            return;
        }
    }
    guarded('f', [&] {
        showValue(platform::add(platform::add(fields[0], fields[1] / 60.0L), fields[2] / 3600.0L));
    });
}

void Engine::Rozlozeni()
{
    Batch batch(*this);
    guarded('f', [&] {
        vstup();
        const long double n = std::nearbyint(m_rec.workValue); // halves to even: 2.5 gives 2
        if (!(n >= 2.0L) || n >= 1e14L)
            throw FloatError(FloatError::Kind::InvalidOperation);
        m_services.message(platform::MessageKind::Plain, factorText(static_cast<std::int64_t>(n)));
    });
}

} // namespace keypad
