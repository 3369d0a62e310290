// Memories, clipboard, undo and the one error report of the keypad, chyba.
#include "keypad/engine.h"

#include "keypad/engine_batch.h"
#include "keypad/engine_text.h"
#include "platform/checked.h"
#include "platform/errors.h"
#include "platform/floattext.h"

#include <cstdlib>

namespace keypad {

namespace {

void replaceFirst(std::string& text, char from, char to)
{
    const size_t at = text.find(from);
    if (at != std::string::npos)
        text[at] = to;
}

} // namespace

void Engine::MemClick(Control key)
{
    // The other registers are reached through the keys' pop-up menus.
    if (key == Control::pmem)
        MPClick(1);
    else if (key == Control::rmem)
        MRClick(1);
}

void Engine::MPClick(int index)
{
    if (index < 1 || index > kMemories)
        return;
    Batch batch(*this);
    guarded('f', [&] {
        vstup();
        long double& m = m_rec.memory[static_cast<size_t>(index - 1)];
        m = shiftOn() ? platform::sub(m, m_rec.workValue) : platform::add(m, m_rec.workValue);
        setShift(false);
        m_rec.resultShown = true; // the next digit starts a new number
        m_rec.echoPending = false;
    });
}

void Engine::MRClick(int index)
{
    if (index < 1 || index > kMemories)
        return;
    Batch batch(*this);
    guarded('f', [&] {
        long double& m = m_rec.memory[static_cast<size_t>(index - 1)];
        if (shiftOn()) {
            vstup();
            m = m_rec.workValue;
        } else {
            showValue(m); // a number being typed is discarded
        }
        m_rec.resultShown = true;
        m_rec.echoPending = true; // a recalled value is echoed when it becomes an operand
        setShift(false);
    });
}

void Engine::smazpamet()
{
    Batch batch(*this);
    m_rec.memory.fill(0.0L);
}

void Engine::Kopirovat()
{
    Batch batch(*this);
    std::string text = withoutGroups(m_labels.display, m_settings.format.separator);
    if (!m_labels.expon.empty()) {
        const std::optional<int> exponent = exponentValue(m_labels.expon);
        if (!exponent) {
            // A hexadecimal digit typed into the exponent: the conversion's own message, as for
            // any failure outside the keypad's handlers.
            m_services.message(platform::MessageKind::Error,
                               "'" + m_labels.expon + "' is not a valid integer value.");
            return;
        }
        if (*exponent != 0)
            text += "e" + std::to_string(*exponent); // 1,5 with exponent -005 copies as 1,5e-5
    }
    m_services.setClipboardText(text);
    setShift(false);
}

void Engine::Vlozit()
{
    Batch batch(*this);
    std::string text = m_services.clipboardText();
    if (text.empty())
        return;
    // Both "3.25" and "3,25" paste in either locale; "1.234,5" does not.
    const char sep = decimalSeparator();
    replaceFirst(text, '.', sep);
    replaceFirst(text, ',', sep);
    long double value = 0.0L;
    guarded('c', [&] {
        if (!platform::parseFloat(text, sep, value))
            throw platform::UserError("not a number");
        showValue(value);
        setShift(false);
    });
}

void Engine::zpet()
{
    if (m_rec.resultShown)
        return;
    Batch batch(*this);
    setShift(false);
    if (!m_labels.expon.empty()) {
        m_labels.expon.clear(); // the whole exponent entry goes at once
        return;
    }
    dropLastCharacter(m_labels.display);
    if (m_labels.display.empty() || m_labels.display == "-")
        pclear();
}

EditMenuState Engine::editacniPopup()
{
    return {!m_services.clipboardText().empty(), !m_rec.resultShown};
}

// The keypad's error messages, by the first letter of each:
//   c "Clipboard error."  paste of a text that is no number or cannot be shown
//   f "Function error."   function keys, angle conversion, DMS, factorisation, memories
//   m "Macro error."      macro buttons
//   o "Operation error."  operator and bracket keys; followed by a full reset (AC)
// Any other code only beeps.
void Engine::chyba(char code)
{
    Batch batch(*this);
    m_services.beep();
    const char* text = nullptr;
    switch (code) {
    case 'c': text = "Clipboard error."; break;
    case 'f': text = "Function error."; break;
    case 'm': text = "Macro error."; break;
    case 'o': text = "Operation error."; break;
    default: return;
    }
    m_services.message(platform::MessageKind::Error, text, platform::Buttons::Ok);
    if (code == 'o')
        resetuj();
}

} // namespace keypad
