#include "app/settings_file.h"

#include "platform/floattext.h"

#include <algorithm>
#include <cmath>

namespace app {

namespace {

using platform::IniFile;

int readInt(const IniFile& f, const char* s, const char* k, int def, int lo, int hi)
{
    return static_cast<int>(std::clamp<long long>(f.readInteger(s, k, def), lo, hi));
}

// Positions may be negative (a window on a monitor left of the primary one).
int readPos(const IniFile& f, const char* s, const char* k, int def)
{
    return readInt(f, s, k, def, -32768, 32767);
}

unsigned readColor(const IniFile& f, const char* s, const char* k, unsigned def)
{
    return static_cast<unsigned>(f.readInteger(s, k, def)) & 0xFFFFFFu;
}

ui::FontSetting readFont(const IniFile& f, const char* s, const char* prefix, ui::FontSetting def)
{
    const std::string p = prefix;
    ui::FontSetting font;
    font.color = readColor(f, s, (p + "color").c_str(), def.color);
    font.size = readInt(f, s, (p + "size").c_str(), def.size, 1, 500);
    font.name = f.readString(s, p + "name", def.name);
    font.bold = f.readBool(s, p + "bold", def.bold);
    font.italic = f.readBool(s, p + "italic", def.italic);
    return font;
}

template <size_t N>
std::vector<std::string> readShortcuts(const IniFile& f, const char* section,
                                       const std::array<ui::ShortcutKey, N>& keys)
{
    std::vector<std::string> texts;
    for (const auto& k : keys)
        texts.push_back(f.readString(section, k.key, k.text));
    return texts;
}

// Length in bytes of the UTF-8 character that starts `text` at `at`, or 0 when the bytes there
// are not one whole character. A separator is one character, whatever its width in bytes.
size_t characterLength(const std::string& text, size_t at)
{
    if (at >= text.size())
        return 0;
    const auto lead = static_cast<unsigned char>(text[at]);
    const size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
    if (length == 0 || at + length > text.size())
        return 0;
    for (size_t i = 1; i < length; ++i)
        if ((static_cast<unsigned char>(text[at + i]) & 0xC0) != 0x80)
            return 0;
    return length;
}

} // namespace

std::string decodeSeparator(const std::string& stored, char decimalSeparator)
{
    // Exactly three characters, the separator in the middle.
    const size_t first = characterLength(stored, 0);
    const size_t middle = first ? characterLength(stored, first) : 0;
    const size_t last = middle ? characterLength(stored, first + middle) : 0;
    if (last == 0 || first + middle + last != stored.size())
        return {};
    const char c = stored[first];
    if (c == '-' || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || c == decimalSeparator)
        return {};
    return stored.substr(first, middle);
}

std::string encodeSeparator(const std::string& separator)
{
    return "." + separator.substr(0, characterLength(separator, 0)) + ".";
}

ui::Settings readSettings(const IniFile& f, char decimalSeparator)
{
    ui::Settings s;
    s.mainLeft = readPos(f, "main_window_position", "left", s.mainLeft);
    s.mainTop = readPos(f, "main_window_position", "top", s.mainTop);

    s.trailLeft = readPos(f, "recorder", "left", s.trailLeft);
    s.trailTop = readPos(f, "recorder", "top", s.trailTop);
    s.trailWidth = readInt(f, "recorder", "width", s.trailWidth, 0, 32767);
    s.trailActive = f.readBool("recorder", "active", s.trailActive);
    s.trailFont = readFont(f, "recorder", "font_", s.trailFont);
    s.trailBackground = readColor(f, "recorder", "background_color", s.trailBackground);

    const char* tc = "text_calculator";
    s.textLeft = readPos(f, tc, "left", s.textLeft);
    s.textTop = readPos(f, tc, "top", s.textTop);
    s.textWidth = readInt(f, tc, "width", s.textWidth, 0, 32767);
    s.textHeight = readInt(f, tc, "height", s.textHeight, 0, 32767);
    s.mainToolbar = f.readBool(tc, "main_toolbar", s.mainToolbar);
    s.formatToolbar = f.readBool(tc, "format_toolbar", s.formatToolbar);
    s.statusBar = f.readBool(tc, "status_bar", s.statusBar);
    s.textMaximized = f.readBool(tc, "maximized", s.textMaximized);
    s.activePage = f.readBool(tc, "active_page", s.activePage);
    s.outputs = f.readBool(tc, "outputs", s.outputs);
    s.nextline = f.readBool(tc, "nextline", s.nextline);
    s.textDigits = readInt(f, tc, "number_of_digits", s.textDigits, 0, 255);
    s.labelFont = f.readString(tc, "label_font", s.labelFont);
    s.pictureWidth = readInt(f, tc, "picture_width", s.pictureWidth, 1, 32767);
    s.pictureHeight = readInt(f, tc, "picture_height", s.pictureHeight, 1, 32767);
    s.textBackground = readColor(f, tc, "background_color", s.textBackground);

    const char* sw = "settings_window";
    // A radio index outside the group selects nothing, which reads back as normal output.
    s.format = f.readInteger(sw, "format", s.format) == 1 ? 1 : 0;
    s.numberOfDigits = readInt(f, sw, "number_of_digits", s.numberOfDigits, 3, 18);
    s.decimals = readInt(f, sw, "decimals", s.decimals, 0, 18);
    s.leadingZeros = readInt(f, sw, "leading_zeros", s.leadingZeros, 0, 17);
    s.rounding = f.readBool(sw, "rounding", s.rounding);
    // A base outside the combo's items would leave the keypad without a base: keep 10.
    const long long base = f.readInteger(sw, "number_base", s.numberBase);
    s.numberBase = base >= 2 && base <= 16 ? static_cast<int>(base) : 10;
    s.separator = decodeSeparator(f.readString(sw, "order_separator", " "), decimalSeparator);
    s.alwaysOnTop = f.readBool(sw, "always_on_top", s.alwaysOnTop);
    s.operationPriority = f.readBool(sw, "operation_priority", s.operationPriority);
    s.hints = f.readBool(sw, "hints", s.hints);
    s.skin = readInt(f, sw, "skin", s.skin, -1, 1 << 20);
    s.language = readInt(f, sw, "language", s.language, -1, 1 << 20);

    // Only the three units exist; anything else would make every angle function guess.
    const std::string unit = f.readString("angle_units", "angle_units", s.angleUnits);
    if (unit == "DEG" || unit == "RAD" || unit == "GRA")
        s.angleUnits = unit;

    for (int i = 0; i < 5; ++i) {
        const long double m = f.readFloat("memories", std::to_string(i + 1), 0.0L, decimalSeparator);
        s.memories[i] = std::isfinite(m) ? m : 0.0L;
    }

    s.hintAppearPause = readInt(f, "hints", "appear_pause", s.hintAppearPause, 0, 600000);
    s.hintHidePause = readInt(f, "hints", "hide_pause", s.hintHidePause, 0, 600000);

    s.inputFont = readFont(f, "text_calculator_input_font", "", s.inputFont);
    s.outputFont = readFont(f, "text_calculator_output_font", "", s.outputFont);

    s.mainShortcuts = readShortcuts(f, "main_window_shortcuts", ui::mainShortcutKeys);
    s.textShortcuts = readShortcuts(f, "text_calc_shortcuts", ui::textShortcutKeys);
    return s;
}

bool writeSettings(IniFile& f, const ui::Settings& s, char decimalSeparator)
{
    f.beginBatch();
    f.writeInteger("main_window_position", "left", s.mainLeft);
    f.writeInteger("main_window_position", "top", s.mainTop);
    f.writeInteger("recorder", "left", s.trailLeft);
    f.writeInteger("recorder", "top", s.trailTop);
    f.writeInteger("recorder", "width", s.trailWidth);
    f.writeInteger("text_calculator", "left", s.textLeft);
    f.writeInteger("text_calculator", "top", s.textTop);
    f.writeInteger("text_calculator", "width", s.textWidth);
    f.writeInteger("text_calculator", "height", s.textHeight);
    f.writeBool("recorder", "active", s.trailActive);

    const char* sw = "settings_window";
    f.writeInteger(sw, "format", s.format);
    f.writeInteger(sw, "number_of_digits", s.numberOfDigits);
    f.writeInteger(sw, "decimals", s.decimals);
    f.writeInteger(sw, "leading_zeros", s.leadingZeros);
    f.writeBool(sw, "rounding", s.rounding);
    f.writeString(sw, "number_base", std::to_string(s.numberBase));
    f.writeString(sw, "order_separator", encodeSeparator(s.separator));
    f.writeString("angle_units", "angle_units", s.angleUnits);
    f.writeBool(sw, "hints", s.hints);
    f.writeBool(sw, "always_on_top", s.alwaysOnTop);
    f.writeBool(sw, "operation_priority", s.operationPriority);
    f.writeInteger(sw, "skin", s.skin);
    f.writeInteger(sw, "language", s.language);

    // Memories go out at double precision: a memory comes back with at most 15 digits. One
    // beyond a double's range (the keypad computes in long double) keeps its own, as a double
    // it would come back as 0.
    for (int i = 0; i < 5; ++i) {
        const long double m = s.memories[i];
        const long double atDouble = static_cast<double>(m);
        const bool fitsDouble = std::isfinite(atDouble) && (atDouble != 0 || m == 0);
        f.writeString("memories", std::to_string(i + 1),
                      platform::formatGeneral(fitsDouble ? atDouble : m, 15, decimalSeparator));
    }

    const char* tc = "text_calculator";
    f.writeBool(tc, "active_page", s.activePage);
    f.writeBool(tc, "outputs", s.outputs);
    f.writeBool(tc, "nextline", s.nextline);
    f.writeInteger(tc, "picture_width", s.pictureWidth);
    f.writeInteger(tc, "picture_height", s.pictureHeight);

    const char* of = "text_calculator_output_font";
    f.writeInteger(of, "color", s.outputFont.color);
    f.writeInteger(of, "size", s.outputFont.size);
    f.writeString(of, "name", s.outputFont.name);
    f.writeBool(of, "bold", s.outputFont.bold);
    f.writeBool(of, "italic", s.outputFont.italic);
    return f.endBatch();
}

} // namespace app
