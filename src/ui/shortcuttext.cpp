#include "ui/shortcuttext.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace ui {

namespace {

struct NamedKey {
    const char* name; // first name of a key is the one written back
    Qt::Key key;
};

constexpr std::array<NamedKey, 26> namedKeys{{
    {"BkSp", Qt::Key_Backspace}, {"Backspace", Qt::Key_Backspace}, {"Tab", Qt::Key_Tab},
    {"Enter", Qt::Key_Return},   {"Return", Qt::Key_Return},       {"Esc", Qt::Key_Escape},
    {"Escape", Qt::Key_Escape},  {"Space", Qt::Key_Space},         {"PgUp", Qt::Key_PageUp},
    {"PageUp", Qt::Key_PageUp},  {"PgDn", Qt::Key_PageDown},       {"PageDown", Qt::Key_PageDown},
    {"End", Qt::Key_End},        {"Home", Qt::Key_Home},           {"Left", Qt::Key_Left},
    {"Up", Qt::Key_Up},          {"Right", Qt::Key_Right},         {"Down", Qt::Key_Down},
    {"Ins", Qt::Key_Insert},     {"Insert", Qt::Key_Insert},       {"Del", Qt::Key_Delete},
    {"Delete", Qt::Key_Delete},  {"Alt", Qt::Key_Alt},             {"Ctrl", Qt::Key_Control},
    {"Shift", Qt::Key_Shift},    {"Pause", Qt::Key_Pause},
}};

constexpr Qt::KeyboardModifiers heldMask = Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier;

std::string lower(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
}

std::string trim(const std::string& s)
{
    const auto b = s.find_first_not_of(" \t");
    if (b == std::string::npos)
        return {};
    return s.substr(b, s.find_last_not_of(" \t") - b + 1);
}

std::optional<Qt::Key> keyFromName(const std::string& name)
{
    if (name.size() == 1) {
        const unsigned char c = static_cast<unsigned char>(name[0]);
        if (std::isalpha(c))
            return static_cast<Qt::Key>(Qt::Key_A + (std::toupper(c) - 'A'));
        if (std::isgraph(c)) // digits and punctuation share their ASCII code with Qt's key code
            return static_cast<Qt::Key>(c);
        return std::nullopt;
    }
    const std::string l = lower(name);
    for (const auto& k : namedKeys)
        if (l == lower(k.name))
            return k.key;
    if (l.size() >= 2 && l[0] == 'f' && std::all_of(l.begin() + 1, l.end(), ::isdigit) && l.size() <= 3) {
        const int n = std::stoi(l.substr(1));
        if (n >= 1 && n <= 24)
            return static_cast<Qt::Key>(Qt::Key_F1 + n - 1);
    }
    return std::nullopt;
}

} // namespace

std::optional<QKeyCombination> parseShortcut(const std::string& text)
{
    std::string rest = trim(text);
    if (rest.empty())
        return std::nullopt;
    Qt::KeyboardModifiers mods;
    const struct {
        const char* prefix;
        Qt::KeyboardModifier mod;
    } prefixes[] = {{"ctrl+", Qt::ControlModifier}, {"shift+", Qt::ShiftModifier}, {"alt+", Qt::AltModifier}};
    for (bool found = true; found && rest.size() > 1;) {
        found = false;
        for (const auto& p : prefixes) {
            const std::string pre = p.prefix;
            if (rest.size() > pre.size() && lower(rest.substr(0, pre.size())) == pre) {
                mods |= p.mod;
                rest = rest.substr(pre.size());
                found = true;
            }
        }
    }
    const auto key = keyFromName(rest);
    if (!key)
        return std::nullopt;
    return QKeyCombination(mods, *key);
}

std::string shortcutText(QKeyCombination shortcut)
{
    std::string text;
    const auto mods = shortcut.keyboardModifiers();
    if (mods & Qt::ControlModifier)
        text += "Ctrl+";
    if (mods & Qt::ShiftModifier)
        text += "Shift+";
    if (mods & Qt::AltModifier)
        text += "Alt+";
    const int key = shortcut.key();
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return text + "F" + std::to_string(key - Qt::Key_F1 + 1);
    for (const auto& k : namedKeys)
        if (k.key == key)
            return text + k.name;
    if (key > ' ' && key < 127)
        return text + static_cast<char>(key);
    return text;
}

bool shortcutMatches(QKeyCombination shortcut, int key, Qt::KeyboardModifiers modifiers)
{
    int want = shortcut.key();
    Qt::KeyboardModifiers held = modifiers & heldMask;
    // A modifier key pressed alone reports itself among the held modifiers.
    if (want == Qt::Key_Alt)
        held &= ~Qt::KeyboardModifiers(Qt::AltModifier);
    else if (want == Qt::Key_Control)
        held &= ~Qt::KeyboardModifiers(Qt::ControlModifier);
    else if (want == Qt::Key_Shift)
        held &= ~Qt::KeyboardModifiers(Qt::ShiftModifier);
    if (key == Qt::Key_Enter)
        key = Qt::Key_Return;
    return key == want && held == (shortcut.keyboardModifiers() & heldMask);
}

} // namespace ui
