#pragma once
// The macro side of the main window: the two macro files (open for the life of the program),
// the input registers x1 … x6, and the state of the macro window `Tmacros`.
//
// How the main window uses it:
//   - menu() once at start-up, turned into menu entries (macros_windows: addMacroMenu);
//   - a click on a leaf calls macroclick(name, engine); when it returns true the macro window
//     shows window() (a type 3 macro);
//   - the window's `VypBut` calls Macrize(input texts, engine) and shows window() again.
// Failures are reported through the keypad's chyba('m') ("Macro error.").
#include "macros/evaluator.h"
#include "macros/menu_model.h"
#include "platform/inifile.h"
#include "platform/services.h"

#include <filesystem>
#include <string>
#include <vector>

namespace keypad {
class Engine;
}

namespace macros {

// The `type` of a leaf in macro_engine.ini. ORDER: the numbers of the file, 0 to 3.
enum class MacroType {
    Constant,    // 0: puts `value` on the display
    Formula,     // 1: applies `expresion` to the displayed value
    FormulaPair, // 2: `expresion1`, or with SHIFT `expresion2`
    Window,      // 3: opens the macro window
    Other,       // any other number: the entry does nothing
};

// What the macro window shows for the macro it was opened for.
struct MacroWindowState {
    struct Row {
        std::string caption; // " " + the caption from macro_engine.ini
        std::string value;
    };
    std::string name;    // the macro's identifier, selecting its "expresion" + j formulas
    std::string caption; // the window caption: " " + the menu entry's caption
    std::vector<Row> inputs;
    std::vector<Row> results;
};

class MacroHost {
public:
    // Opens macro_tree.ini and macro_engine.ini in `programDir`; pictures come from its
    // macropics/ folder. Missing files are empty (no entries; every leaf a constant 1).
    MacroHost(const std::filesystem::path& programDir, platform::Services& services);

    std::vector<MenuEntry> menu(const std::vector<std::string>& reservedNames = {}) const;

    Registers& registers() { return m_registers; }
    const Registers& registers() const { return m_registers; }
    const MacroWindowState& window() const { return m_window; }

    // Runs the leaf `name` by its `type`: 0 puts `value` on the display, 1 applies `expresion`
    // to the displayed value, 2 `expresion1` or with SHIFT `expresion2`, 3 prepares the macro
    // window and returns true (the caller shows it). Other types do nothing. Failures are
    // reported through chyba('m') and leave `workValue` as it was before the failing step.
    bool macroclick(const std::string& name, keypad::Engine& keypad);

    // The window's `VypBut`: stores the input texts in x1 … x`numin` and computes every result.
    // More than six inputs or one that is not a number is "Macro error." before any result is
    // computed (returns false; the inputs before it are already stored); a result whose formula
    // fails reads " -".
    bool Macrize(const std::vector<std::string>& inputTexts, keypad::Engine& keypad);

private:
    void formula(const std::string& name, const std::string& key, keypad::Engine& keypad,
                 const std::string& trailName);
    void openWindow(const std::string& name);
    // macroclick inside the keypad's boundary: true when the macro window is to be shown.
    bool runMacro(const std::string& name, keypad::Engine& keypad);

    platform::IniFile m_tree;
    platform::IniFile m_engine;
    std::filesystem::path m_pictures;
    platform::Services& m_services;
    Registers m_registers{};
    MacroWindowState m_window;
};

} // namespace macros
