#include "settings/settings_file.h"

#include "keypad/number_format.h"
#include "platform/floattext.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace settings {

namespace {

using platform::IniFile;

struct Range {
    long long min = 0;
    long long max = 0;
};

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

namespace {

using W = Owner;

// Positions may be negative (a window on a monitor left of the primary one).
constexpr Range position{-32768, 32767};
constexpr Range size{0, 32767};

// The settings.ini schema: every key once, with its section, type, range and owner, a function
// per window. The default of a key is the value of the field in a fresh Settings record. `Io`
// is the reader or the writer below; each call is one row. A new key is a field in the record
// and a row here; a new kind of value is a method in both Reader and Writer.
template <typename Io>
void keypadAndTrail(Io& io, Settings& s)
{
    io.integer("main_window_position", "left", s.mainLeft, position, W::ShutDown);
    io.integer("main_window_position", "top", s.mainTop, position, W::ShutDown);

    io.integer("recorder", "left", s.trailLeft, position, W::ShutDown);
    io.integer("recorder", "top", s.trailTop, position, W::ShutDown);
    io.integer("recorder", "width", s.trailWidth, size, W::ShutDown);
    io.boolean("recorder", "active", s.trailActive, W::ShutDown);
    io.font("recorder", "font_", s.trailFont, W::User);
    io.color("recorder", "background_color", s.trailBackground, W::User);
}

template <typename Io>
void textCalculator(Io& io, Settings& s)
{
    const char* tc = "text_calculator";
    io.integer(tc, "left", s.textLeft, position, W::ShutDown);
    io.integer(tc, "top", s.textTop, position, W::ShutDown);
    io.integer(tc, "width", s.textWidth, size, W::ShutDown);
    io.integer(tc, "height", s.textHeight, size, W::ShutDown);
    // The text calculator writes its view whenever it closes, so that it opens again as it was.
    io.boolean(tc, "main_toolbar", s.mainToolbar, W::TextCalculator);
    io.boolean(tc, "format_toolbar", s.formatToolbar, W::TextCalculator);
    io.boolean(tc, "status_bar", s.statusBar, W::TextCalculator);
    io.boolean(tc, "maximized", s.textMaximized, W::TextCalculator);
    io.integer(tc, "zoom", s.textZoom, {25, 400}, W::TextCalculator); // the sheet's MinZoom, MaxZoom
    io.boolean(tc, "active_page", s.activePage, W::ShutDown);
    io.boolean(tc, "outputs", s.outputs, W::ShutDown);
    io.boolean(tc, "nextline", s.nextline, W::ShutDown);
    io.integer(tc, "number_of_digits", s.textDigits, {0, 255}, W::User);
    io.text(tc, "label_font", s.labelFont, W::User);
    io.integer(tc, "picture_width", s.pictureWidth, {1, 32767}, W::ShutDown);
    io.integer(tc, "picture_height", s.pictureHeight, {1, 32767}, W::ShutDown);
    io.color(tc, "background_color", s.textBackground, W::User);
}

template <typename Io>
void settingsWindow(Io& io, Settings& s)
{
    const char* sw = "settings_window";
    // A radio index outside the group selects nothing, which reads back as normal output.
    io.choice(sw, "format", s.format, W::ShutDown);
    io.integer(sw, "number_of_digits", s.numberOfDigits, {keypad::digitsLimit.min, keypad::digitsLimit.max}, W::ShutDown);
    io.integer(sw, "decimals", s.decimals, {keypad::decimalsLimit.min, keypad::decimalsLimit.max}, W::ShutDown);
    io.integer(sw, "leading_zeros", s.leadingZeros, {keypad::leadingZerosLimit.min, keypad::leadingZerosLimit.max},
               W::ShutDown);
    io.boolean(sw, "rounding", s.rounding, W::ShutDown);
    // A base outside the combo's items would leave the keypad without a base: the default.
    io.integerOrDefault(sw, "number_base", s.numberBase, {keypad::baseLimit.min, keypad::baseLimit.max}, W::ShutDown);
    io.separator(sw, "order_separator", s.separator, W::ShutDown);
    // Only the three units exist; anything else would make every angle function guess.
    io.word("angle_units", "angle_units", s.angleUnits, {"DEG", "RAD", "GRA"}, W::ShutDown);
    io.boolean(sw, "hints", s.hints, W::ShutDown);
    io.boolean(sw, "always_on_top", s.alwaysOnTop, W::ShutDown);
    io.boolean(sw, "operation_priority", s.operationPriority, W::ShutDown);
    io.integer(sw, "skin", s.skin, {-1, 1 << 20}, W::ShutDown);
    io.optionalInteger(sw, "language", s.language, {-1, 1 << 20}, W::ShutDown);
}

template <typename Io>
void schema(Io& io, Settings& s)
{
    keypadAndTrail(io, s);
    textCalculator(io, s);
    settingsWindow(io, s);

    for (size_t i = 0; i < s.memories.size(); ++i)
        io.memory("memories", std::to_string(i + 1), s.memories[i], W::ShutDown);

    io.integer("hints", "appear_pause", s.hintAppearPause, {0, 600000}, W::User);
    io.integer("hints", "hide_pause", s.hintHidePause, {0, 600000}, W::User);

    io.list("recent_sheets", s.recentSheets, Settings::maxRecentSheets, W::TextCalculator);

    io.font("text_calculator_input_font", "", s.inputFont, W::User);
    io.font("text_calculator_output_font", "", s.outputFont, W::ShutDown);

    io.shortcuts("main_window_shortcuts", mainShortcutKeys, s.mainShortcuts);
    io.shortcuts("text_calc_shortcuts", textShortcutKeys, s.textShortcuts);
}

// Reads every key; a missing or unconvertible value keeps the field's default, a number that
// a control would refuse is clamped to the range.
class Reader {
public:
    Reader(const IniFile& file, char decimalSeparator) : f(file), m_decimalSeparator(decimalSeparator) {}

    void integer(const char* s, const std::string& k, int& v, Range r, Owner)
    {
        v = static_cast<int>(std::clamp<long long>(f.readInteger(s, k, v), r.min, r.max));
    }
    void integerOrDefault(const char* s, const std::string& k, int& v, Range r, Owner)
    {
        const long long n = f.readInteger(s, k, v);
        if (n >= r.min && n <= r.max)
            v = static_cast<int>(n);
    }
    void optionalInteger(const char* s, const std::string& k, std::optional<int>& v, Range r, Owner w)
    {
        if (!f.valueExists(s, k))
            return;
        int n = v.value_or(0);
        integer(s, k, n, r, w);
        v = n;
    }
    void choice(const char* s, const std::string& k, OutputForm& v, Owner)
    {
        v = f.readInteger(s, k, static_cast<int>(v)) == static_cast<int>(OutputForm::Scientific)
                ? OutputForm::Scientific
                : OutputForm::Normal;
    }
    void boolean(const char* s, const std::string& k, bool& v, Owner) { v = f.readBool(s, k, v); }
    void color(const char* s, const std::string& k, unsigned& v, Owner)
    {
        v = static_cast<unsigned>(f.readInteger(s, k, v)) & 0xFFFFFFu;
    }
    void text(const char* s, const std::string& k, std::string& v, Owner) { v = f.readString(s, k, v); }
    void word(const char* s, const std::string& k, std::string& v, std::initializer_list<const char*> allowed, Owner)
    {
        const std::string w = f.readString(s, k, v);
        if (std::any_of(allowed.begin(), allowed.end(), [&](const char* a) { return w == a; }))
            v = w;
    }
    void separator(const char* s, const std::string& k, std::string& v, Owner)
    {
        v = decodeSeparator(f.readString(s, k, " "), m_decimalSeparator);
    }
    void memory(const char* s, const std::string& k, long double& v, Owner)
    {
        const long double m = f.readFloat(s, k, 0.0L, m_decimalSeparator);
        v = std::isfinite(m) ? m : 0.0L;
    }
    void font(const char* s, const std::string& prefix, FontSetting& v, Owner w)
    {
        color(s, prefix + "color", v.color, w);
        integer(s, prefix + "size", v.size, {1, 500}, w);
        text(s, prefix + "name", v.name, w);
        boolean(s, prefix + "bold", v.bold, w);
        boolean(s, prefix + "italic", v.italic, w);
    }
    // Keys "1", "2", …; empty ones are skipped.
    void list(const char* s, std::vector<std::string>& v, size_t max, Owner)
    {
        v.clear();
        for (size_t i = 1; i <= max; ++i)
            if (std::string item = f.readString(s, std::to_string(i), ""); !item.empty())
                v.push_back(std::move(item));
    }
    template <size_t N>
    void shortcuts(const char* s, const std::array<ShortcutKey, N>& keys, std::vector<std::string>& v)
    {
        v.clear();
        for (const auto& k : keys)
            v.push_back(f.readString(s, k.key, k.text));
    }

private:
    const IniFile& f;
    char m_decimalSeparator;
};

// Writes the keys of one owner.
class Writer {
public:
    Writer(IniFile& file, char decimalSeparator, Owner owner)
        : f(file), m_decimalSeparator(decimalSeparator), m_owner(owner)
    {
    }

    void integer(const char* s, const std::string& k, int v, Range, Owner w)
    {
        if (w == m_owner)
            f.writeInteger(s, k, v);
    }
    void integerOrDefault(const char* s, const std::string& k, int v, Range r, Owner w) { integer(s, k, v, r, w); }
    void optionalInteger(const char* s, const std::string& k, const std::optional<int>& v, Range r, Owner w)
    {
        if (v)
            integer(s, k, *v, r, w);
    }
    void choice(const char* s, const std::string& k, OutputForm v, Owner w)
    {
        integer(s, k, static_cast<int>(v), {}, w);
    }
    void boolean(const char* s, const std::string& k, bool v, Owner w)
    {
        if (w == m_owner)
            f.writeBool(s, k, v);
    }
    void color(const char* s, const std::string& k, unsigned v, Owner w)
    {
        if (w == m_owner)
            f.writeInteger(s, k, v);
    }
    void text(const char* s, const std::string& k, const std::string& v, Owner w)
    {
        if (w == m_owner)
            f.writeString(s, k, v);
    }
    void word(const char* s, const std::string& k, const std::string& v, std::initializer_list<const char*>, Owner w)
    {
        text(s, k, v, w);
    }
    void separator(const char* s, const std::string& k, const std::string& v, Owner w)
    {
        text(s, k, encodeSeparator(v), w);
    }
    // Memories go out at double precision: a memory comes back with at most 15 digits. One
    // beyond a double's range (the keypad computes in long double) keeps its own, as a double
    // it would come back as 0.
    void memory(const char* s, const std::string& k, long double v, Owner w)
    {
        const long double atDouble = static_cast<double>(v);
        const bool fitsDouble = std::isfinite(atDouble) && (atDouble != 0 || v == 0);
        text(s, k, platform::formatGeneral(fitsDouble ? atDouble : v, 15, m_decimalSeparator), w);
    }
    void font(const char* s, const std::string& prefix, const FontSetting& v, Owner w)
    {
        color(s, prefix + "color", v.color, w);
        integer(s, prefix + "size", v.size, {}, w);
        text(s, prefix + "name", v.name, w);
        boolean(s, prefix + "bold", v.bold, w);
        boolean(s, prefix + "italic", v.italic, w);
    }
    // Every key is written, empty beyond the list's end, so no older item outlives it.
    void list(const char* s, const std::vector<std::string>& v, size_t max, Owner w)
    {
        for (size_t i = 1; i <= max; ++i)
            text(s, std::to_string(i), i <= v.size() ? v[i - 1] : std::string(), w);
    }
    template <size_t N>
    void shortcuts(const char*, const std::array<ShortcutKey, N>&, const std::vector<std::string>&)
    {
    }

private:
    IniFile& f;
    char m_decimalSeparator;
    Owner m_owner;
};

} // namespace

Settings readSettings(const IniFile& f, char decimalSeparator)
{
    Settings s;
    Reader reader(f, decimalSeparator);
    schema(reader, s);
    return s;
}

bool writeSettings(IniFile& f, const Settings& s, char decimalSeparator, Owner owner)
{
    f.beginBatch();
    Writer writer(f, decimalSeparator, owner);
    Settings copy = s; // the schema hands out fields; the writer only reads them
    schema(writer, copy);
    return f.endBatch();
}

} // namespace settings
