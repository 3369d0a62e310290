#include "macro_host.h"

#include "keypad/engine.h"
#include "platform/floattext.h"

#include <algorithm>

namespace macros {

namespace {

constexpr size_t registerCount = std::tuple_size_v<Registers>;

// `numin` and `numout` are one byte each; anything else is a macro error.
size_t readCount(const platform::IniFile& engine, const std::string& name, const std::string& key)
{
    const long long n = engine.readInteger(name, key, 1);
    if (n < 0 || n > 255)
        throw EvalError();
    return static_cast<size_t>(n);
}

MacroType macroType(long long type)
{
    return type >= 0 && type <= static_cast<long long>(MacroType::Window) ? static_cast<MacroType>(type)
                                                                            : MacroType::Other;
}

} // namespace

MacroHost::MacroHost(const std::filesystem::path& programDir, platform::Services& services)
    : m_tree(programDir / "macro_tree.ini"),
      m_engine(programDir / "macro_engine.ini"),
      m_pictures(programDir / "macropics"),
      m_services(services)
{
}

std::vector<MenuEntry> MacroHost::menu(const std::vector<std::string>& reservedNames) const
{
    return buildMenu(m_tree, m_engine, m_pictures, reservedNames);
}

// Formula failures, unconvertible constants, bad counts and the keypad's own failures end in
// "Macro error." through the keypad's handler boundary.
bool MacroHost::macroclick(const std::string& name, keypad::Engine& keypad)
{
    bool opensWindow = false;
    keypad.guarded('m', [&] { opensWindow = runMacro(name, keypad); });
    return opensWindow;
}

bool MacroHost::runMacro(const std::string& name, keypad::Engine& keypad)
{
    switch (macroType(m_engine.readInteger(name, "type", 0))) {
    case MacroType::Constant: {
        // The constant replaces a number being typed without committing it.
        const char sep = m_services.decimalSeparator();
        std::string text = m_engine.readString(name, "value", "1");
        if (const size_t dot = text.find('.'); dot != std::string::npos)
            text[dot] = sep;
        long double value = 0.0L;
        if (!platform::parseFloat(text, sep, value))
            throw EvalError();
        keypad.showValue(value);
        keypad.setShift(false);
        return false;
    }
    case MacroType::Formula:
        formula(name, "expresion", keypad, name);
        return false;
    case MacroType::FormulaPair:
        if (keypad.shiftOn())
            formula(name, "expresion2", keypad, m_engine.readString(name, "name2", "xxx"));
        else
            formula(name, "expresion1", keypad, name);
        return false;
    case MacroType::Window:
        openWindow(name);
        return true;
    case MacroType::Other:
        break;
    }
    return false;
}

// Applies formula `key` of macro `name` to the displayed value, which becomes x1. The trail
// names the step, so the result is not echoed again when it is used as an operand.
void MacroHost::formula(const std::string& name, const std::string& key, keypad::Engine& keypad,
                        const std::string& trailName)
{
    keypad.vstup();
    m_registers[0] = keypad.record().workValue;
    keypad.showValue(eval(m_engine.readString(name, key, "1"), m_registers));
    keypad.appendTrail(" " + trailName);
    keypad.setEchoPending(false);
    keypad.setShift(false);
}

void MacroHost::openWindow(const std::string& name)
{
    const size_t numin = readCount(m_engine, name, "numin");
    const size_t numout = readCount(m_engine, name, "numout");
    MacroWindowState w;
    w.name = name;
    w.caption = " " + m_engine.readString(name, "caption", "napis");
    for (size_t i = 1; i <= numin; ++i) {
        const std::string n = std::to_string(i);
        w.inputs.push_back({" " + m_engine.readString(name, "incap" + n, "vstup " + n), "0"});
    }
    for (size_t j = 1; j <= numout; ++j) {
        const std::string n = std::to_string(j);
        w.results.push_back({" " + m_engine.readString(name, "outcap" + n, "výstup " + n), ""});
    }
    m_window = std::move(w);
}

bool MacroHost::Macrize(const std::vector<std::string>& inputTexts, keypad::Engine& keypad)
{
    const char sep = m_services.decimalSeparator();
    for (size_t i = 0; i < std::min(inputTexts.size(), m_window.inputs.size()); ++i)
        m_window.inputs[i].value = inputTexts[i];

    // Inputs go to x1, x2, … in turn; the first that is not a number, or a seventh input with
    // no register for it, stops before any result (the registers filled so far keep their values).
    for (size_t i = 0; i < m_window.inputs.size(); ++i) {
        long double value = 0.0L;
        if (i >= registerCount || !platform::parseFloat(m_window.inputs[i].value, sep, value)) {
            keypad.chyba('m');
            return false;
        }
        m_registers[i] = value;
    }

    for (size_t j = 0; j < m_window.results.size(); ++j) {
        const std::string key = "expresion" + std::to_string(j + 1);
        try {
            const long double v = eval(m_engine.readString(m_window.name, key, "1"), m_registers);
            m_window.results[j].value = platform::formatGeneral(v, 15, sep);
        } catch (const EvalError&) {
            m_window.results[j].value = " -";
        }
    }
    return true;
}

} // namespace macros
