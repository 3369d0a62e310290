#pragma once
// Shortcut texts as settings.ini writes them: key names with optional "Ctrl+", "Shift+" and
// "Alt+" prefixes ("Ctrl+C", "Alt+SPACE", "F9", "BkSp", "PgUp", "q"), and "Alt" alone for the
// Alt key by itself. Names match without regard to case.
#include <QKeyCombination>

#include <optional>
#include <string>

namespace ui {

// nullopt for an empty or unrecognised text (the action then has no shortcut).
std::optional<QKeyCombination> parseShortcut(const std::string& text);

// The text form shown after captions and hints ("Ctrl+C", "Alt+Space", "BkSp").
std::string shortcutText(QKeyCombination shortcut);

// Whether a key press (key code and held modifiers) triggers the shortcut. The Return and
// Enter keys are one key here, and the Alt shortcut fires on the Alt key itself.
bool shortcutMatches(QKeyCombination shortcut, int key, Qt::KeyboardModifiers modifiers);

} // namespace ui
