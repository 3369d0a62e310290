#pragma once
// The settings record every window reads. Start-up fills it from settings.ini, the settings
// dialog edits it, shut-down writes it back (settings_file.h). Defaults are the values a
// missing settings.ini gives. Standard library only: the engines, the CLI and the windows
// alike can hold one.
#include "keypad/engine.h" // kMemories

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace settings {

struct FontSetting {
    unsigned color = 0; // platform colour: red in the low byte
    int size = 12;
    std::string name = "Times New Roman";
    bool bold = false;
    bool italic = false;
};

struct ShortcutKey {
    const char* key;     // key in the settings section
    const char* text;    // default shortcut text
    const char* action;  // action of the window
};

// ORDER MAIN SHORTCUTS: Tmain's action table follows this order.
inline constexpr std::array<ShortcutKey, 39> mainShortcutKeys{{
    {"copy", "Ctrl+C", "ACopy"},       {"paste", "Ctrl+V", "APaste"},    {"undo", "Ctrl+Z", "AUndo"},
    {"close", "ESC", "AClose"},        {"minimize", "SPACE", "AMinimize"}, {"about", "Ctrl+A", "AAbout"},
    {"upize", "Alt+SPACE", "AUpize"},  {"refresh", "Alt+SPACE", "ARefresh"}, {"base", "Ctrl+B", "ABase"},
    {"stat", "Ctrl+S", "AStat"},       {"text", "Ctrl+T", "AText"},      {"trail", "Ctrl+R", "ATrail"},
    {"linear", "Ctrl+L", "ALinear"},   {"clear", "BkSp", "AClear"},      {"cancel", "Del", "ACancel"},
    {"eval", "Enter", "AEval"},        {"sign", "Ins", "Asign"},         {"left", "Home", "ALeft"},
    {"right", "End", "ARight"},        {"mode", "F2", "AMode"},          {"decexp", "PgUp", "ADecExp"},
    {"drg", "Alt", "AAngUnit"},        {"deg", "d", "AAngConv"},         {"mp", "F4", "AMplus"},
    {"mr", "F3", "AMrecall"},          {"sqr", "q", "ASqr"},             {"sqrt", "r", "ASqrt"},
    {"sin", "s", "ASin"},              {"cos", "c", "ACos"},             {"tan", "t", "ATan"},
    {"ln", "l", "ALn"},                {"log", "g", "ALog"},             {"logn", "n", "ALogN"},
    {"power", "p", "APower"},          {"fact", "f", "AFact"},           {"comb", "k", "AComb"},
    {"moddiv", "m", "AModDiv"},        {"int", "i", "AInt"},             {"help", "F1", "AHelp"},
}};

inline constexpr std::array<ShortcutKey, 23> textShortcutKeys{{
    {"execl", "F9", "AExecl"},     {"execg", "F10", "AExecg"},   {"decim", "", "ADecim"},
    {"clear", "", "AClear"},       {"undo", "Ctrl+Z", "AUndo"},  {"copy", "Ctrl+C", "ACopy"},
    {"cut", "Ctrl+X", "ACut"},     {"paste", "Ctrl+V", "APaste"}, {"selall", "Ctrl+A", "ASelall"},
    {"find", "F3", "AFind"},       {"open", "Ctrl+O", "AOpen"},  {"save", "Ctrl+S", "ASave"},
    {"new", "Ctrl+N", "ANew"},     {"print", "Ctrl+P", "APrint"}, {"savebmp", "", "ASavepic"},
    {"loadbmp", "", "ALoadpic"},   {"close", "Alt+F4", "AClose"}, {"bold", "Ctrl+B", "ABold"},
    {"italic", "Ctrl+I", "AItalic"}, {"under", "Ctrl+U", "AUnder"}, {"inscol", "", "AInscol"},
    {"copypic", "", "ACopypic"},   {"pastepic", "", "APastepic"},
}};

// The keypad's output form. ORDER: the ids of the settings dialog's radio buttons and the
// values of "format" in settings.ini.
enum class OutputForm { Normal = 0, Scientific = 1 };

struct Settings {
    // main_window_position
    int mainLeft = 120;
    int mainTop = 50;

    // recorder: the trail window
    int trailLeft = 150;
    int trailTop = 250;
    int trailWidth = 200;
    bool trailActive = true;
    FontSetting trailFont{0, 12, "Times New Roman"};
    unsigned trailBackground = 16777215;

    // text_calculator
    int textLeft = 120;
    int textTop = 50;
    int textWidth = 350;
    int textHeight = 250;
    bool mainToolbar = true;
    bool formatToolbar = true;
    bool statusBar = true;
    bool textMaximized = false;
    int textZoom = 100; // percent, a view setting of the sheet
    bool activePage = false;
    bool outputs = true;
    bool nextline = true;
    int textDigits = 18; // 0-255, held in one byte
    std::string labelFont = "Arial";
    int pictureWidth = 200;
    int pictureHeight = 200;
    unsigned textBackground = 16777215;

    // settings_window: number format of the keypad and switches
    OutputForm format = OutputForm::Normal;
    // The ranges are keypad::digitsLimit, decimalsLimit, leadingZerosLimit and baseLimit.
    int numberOfDigits = 14;
    int decimals = 12;
    int leadingZeros = 4;
    bool rounding = true;
    int numberBase = 10;
    std::string separator;    // digit-group separator: empty or one character
    bool alwaysOnTop = true;
    bool operationPriority = true;
    bool hints = true;
    int skin = 0;             // index in the sorted skin list
    // Index in the sorted language list; none in a settings file without the key: the
    // language of the user's locale.
    std::optional<int> language;

    std::string angleUnits = "DEG";
    std::array<long double, keypad::kMemories> memories{};

    int hintAppearPause = 600;
    int hintHidePause = 3000;

    // recent_sheets: the sheets last opened or saved, the latest first
    std::vector<std::string> recentSheets;
    static constexpr size_t maxRecentSheets = 8;

    FontSetting inputFont{0, 30, "Times New Roman"};
    FontSetting outputFont{16711680, 10, "Times New Roman"};

    // Shortcut texts as read, in the order of the key tables above.
    std::vector<std::string> mainShortcuts = defaults(mainShortcutKeys);
    std::vector<std::string> textShortcuts = defaults(textShortcutKeys);

    template <size_t N>
    static std::vector<std::string> defaults(const std::array<ShortcutKey, N>& keys)
    {
        std::vector<std::string> texts;
        for (const auto& k : keys)
            texts.push_back(k.text);
        return texts;
    }
};

} // namespace settings
