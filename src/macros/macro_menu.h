#pragma once
// Turns the macro menu model into entries of the main window's context menu `hlavni`.
class QMenu;
class QObject;
class Tmacros;

namespace ui {
class Language;
}

namespace keypad {
class Engine;
}
namespace macros {
class MacroHost;

// Appends the macro entries of `host` to `hlavni`. Each entry's object name is its identifier;
// names already used by `owner` or its children (the main window's controls) are not
// available to macros. A click on a leaf runs host.macroclick on `engine` and shows `window`
// for a macro window. Pictures that are not loadable bitmaps are left out.
void addMacroMenu(QMenu* hlavni, MacroHost& host, keypad::Engine& engine, Tmacros& window, QObject* owner);

// Gives the macro entries below `menu` their captions in `language`.
void captionMacroMenu(QMenu* menu, const ui::Language& language);

} // namespace macros
