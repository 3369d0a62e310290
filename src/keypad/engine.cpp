// Construction, settings, control dispatch, showing values and the trail.
#include "keypad/engine.h"

#include "keypad/engine_batch.h"
#include "keypad/engine_text.h"
#include "platform/checked.h"
#include "platform/floattext.h"

#include <cstdlib>

namespace keypad {

Engine::Engine(platform::Services& services)
    : m_services(services),
      m_random(static_cast<std::uint64_t>(services.now().time_since_epoch().count()))
{
}

namespace {

// Nothing shows the base otherwise: 255 in base 16 and FF look alike to a glance.
std::string baseIndicator(int base)
{
    switch (base) {
    case 10: return "";
    case 16: return "HEX";
    case 8: return "OCT";
    case 2: return "BIN";
    default: return "BASE " + std::to_string(base);
    }
}

} // namespace

void Engine::applySettings(const Settings& settings)
{
    Batch batch(*this);
    m_settings = settings;
    m_labels.soustava = baseIndicator(settings.format.base);
    if (!m_rec.resultShown)
        return;
    try {
        vypis(m_rec.workValue);
    } catch (const platform::FloatError&) {
        // A value the new base cannot show keeps its old text until the next key.
    }
}

void Engine::start(const Settings& settings, const std::string& angleUnit,
                   const std::array<long double, kMemories>& memories)
{
    Batch batch(*this);
    applySettings(settings);
    setAngleUnit(angleUnit);
    for (int i = 1; i <= kMemories; ++i)
        setMemory(i, memories[static_cast<size_t>(i - 1)]);
    resetuj();
    setShift(false);
}

void Engine::setAngleUnit(const std::string& unit)
{
    Batch batch(*this);
    m_labels.deg = unit;
}

void Engine::setMemory(int index, long double value)
{
    if (index < 1 || index > kMemories)
        return;
    Batch batch(*this);
    m_rec.memory[static_cast<size_t>(index - 1)] = value;
}

std::string Engine::memoryCaption(int index) const
{
    std::string caption = "M" + std::to_string(index);
    if (index >= 1 && index <= kMemories && memory(index) != 0.0L)
        caption += " = " + platform::formatGeneral(memory(index), 15, decimalSeparator());
    return caption;
}

void Engine::click(Control control)
{
    Batch batch(*this);
    switch (control) {
    case Control::c0: case Control::c1: case Control::c2: case Control::c3: case Control::c4:
    case Control::c5: case Control::c6: case Control::c7: case Control::c8: case Control::c9:
        Cislo(static_cast<int>(control) - static_cast<int>(Control::c0));
        break;
    case Control::carka: pcarka(); break;
    case Control::exponent: desetna(); break;
    case Control::znamenko: pznamenko(); break;
    case Control::clear: pclear(); break;
    case Control::resetitko: resetuj(); break;
    case Control::plus: case Control::minus: case Control::krat: case Control::deleno:
    case Control::rovnase: case Control::atamocnina: case Control::logaritmus: case Control::comb:
    case Control::imod:
        Operuj(control);
        break;
    case Control::leva: case Control::prava: zavory(control); break;
    case Control::nadruhou: case Control::odmocnina: case Control::lnlog: case Control::dekadicky:
    case Control::fakt: case Control::integ: case Control::sinus: case Control::cosinus:
    case Control::tangens: case Control::zin: case Control::koz: case Control::tanz:
        funkce(control);
        break;
    case Control::prepdrg: pdrg(); break;
    case Control::stmivt: DegMinSec(); break;
    case Control::pmem: case Control::rmem: MemClick(control); break;
    case Control::shift: pshift(); break;
    case Control::mp1: case Control::mp2: case Control::mp3: case Control::mp4: case Control::mp5:
        MPClick(static_cast<int>(control) - static_cast<int>(Control::mp1) + 1);
        break;
    case Control::mr1: case Control::mr2: case Control::mr3: case Control::mr4: case Control::mr5:
        MRClick(static_cast<int>(control) - static_cast<int>(Control::mr1) + 1);
        break;
    case Control::ACopy: Kopirovat(); break;
    case Control::APaste: Vlozit(); break;
    case Control::AUndo: zpet(); break;
    }
}

void Engine::release(Control control)
{
    if (control != Control::shift)
        setShift(false);
}

void Engine::press(Control control)
{
    Batch batch(*this);
    click(control);
    if (isFaceKey(control))
        release(control);
}

void Engine::rightClick(Control control)
{
    if (!isFaceKey(control) || hasPopupMenu(control))
        return; // the window opens the key's menu instead
    Batch batch(*this);
    setShift(true);
    click(control);
    release(control);
}

void Engine::setShift(bool on)
{
    Batch batch(*this);
    m_labels.sif = on ? "SHIFT" : "";
}

void Engine::pshift() { setShift(!shiftOn()); }

void Engine::vypis(long double value)
{
    // Both texts are made before either label changes, so a value that cannot be shown leaves
    // the display as it was.
    DisplayText text = displayText(value, m_settings.format, decimalSeparator());
    Batch batch(*this);
    m_labels.display = std::move(text.display);
    m_labels.expon = std::move(text.expon);
    m_rec.resultShown = true;
    m_rec.echoPending = true;
}

void Engine::showValue(long double value)
{
    Batch batch(*this);
    vypis(value);
    m_rec.workValue = value;
}

void Engine::appendTrail(const std::string& text)
{
    Batch batch(*this);
    m_trail += text;
    ++m_trailVersion;
}

void Engine::clearTrail()
{
    m_trail.clear();
    ++m_trailVersion;
}

void Engine::VypisToPaper()
{
    std::string entry = " " + m_labels.display;
    const std::string& expon = m_labels.expon;
    if (!expon.empty() && expon != "000" && expon != "-000") {
        const std::optional<int> exponent = exponentValue(expon);
        entry += "e" + (exponent ? std::to_string(*exponent) : expon);
    }
    appendTrail(entry);
}

} // namespace keypad
