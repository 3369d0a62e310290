#include "textcalc/sheet/files/rtf_writer.h"

#include "platform/utf8.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace textcalc::sheet {

namespace {

void appendEscaped(std::string& out, const std::string& text)
{
    for (size_t i = 0; i < text.size();) {
        const char32_t c = platform::decodeUtf8(text, i);
        if (c == '\\' || c == '{' || c == '}') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c == '\t') {
            out += "\\tab ";
        } else if (c < 0x20 || c == 0x7F) {
            // control characters have no place in a sheet line
        } else if (c < 0x80) {
            out += static_cast<char>(c);
        } else {
            const int fallback = platform::toWindows1250(c);
            char hex[16];
            std::snprintf(hex, sizeof hex, "\\'%02x", fallback < 0 ? '?' : fallback);
            // \u takes a signed 16-bit number; characters beyond take two (a surrogate pair).
            const auto unit = [&](unsigned u) { out += "\\u" + std::to_string(static_cast<int16_t>(u)) + hex; };
            if (c >= 0x10000) {
                unit(0xD800 + ((c - 0x10000) >> 10));
                unit(0xDC00 + ((c - 0x10000) & 0x3FF));
            } else {
                unit(c);
            }
        }
    }
}

template <class T>
int indexOf(std::vector<T>& table, const T& value)
{
    const auto it = std::find(table.begin(), table.end(), value);
    if (it != table.end())
        return static_cast<int>(it - table.begin());
    table.push_back(value);
    return static_cast<int>(table.size()) - 1;
}

class Writer {
public:
    explicit Writer(const SheetContent& content)
    {
        for (const Paragraph& p : content.paragraphs) {
            std::string& out = m_body;
            out += "\\pard";
            out += p.alignment == Alignment::Center ? "\\qc" : p.alignment == Alignment::Right ? "\\qr" : "\\ql";
            for (const Run& r : p.runs) {
                format(r.format);
                appendEscaped(out, r.text);
            }
            if (p.runs.empty())
                format(p.endFormat);
            out += "\\par\r\n";
        }
    }

    std::string document() const
    {
        std::string out = "{\\rtf1\\ansi\\ansicpg1250\\deff0\\uc1\r\n{\\fonttbl";
        for (size_t k = 0; k < m_fonts.size(); ++k) {
            out += "{\\f" + std::to_string(k) + "\\fnil\\fcharset238 ";
            std::string name = m_fonts[k];
            std::replace(name.begin(), name.end(), ';', ' '); // ";" ends a font table entry
            appendEscaped(out, name);
            out += ";}";
        }
        out += "}\r\n{\\colortbl ;";
        for (Colour c : m_colours)
            out += "\\red" + std::to_string(c.red()) + "\\green" + std::to_string(c.green()) + "\\blue"
                + std::to_string(c.blue()) + ";";
        out += "}\r\n" + m_body + "}\r\n";
        return out;
    }

private:
    // Character properties in full before every run, so no run depends on the one before.
    void format(const CharFormat& f)
    {
        const int font = indexOf(m_fonts, f.fontName.empty() ? std::string("Times New Roman") : f.fontName);
        const int colour = indexOf(m_colours, f.colour) + 1;
        const long halfPoints = std::lround(std::clamp(f.size, 1.0, 1638.0) * 2);
        m_body += "\\plain\\f" + std::to_string(font) + "\\fs" + std::to_string(halfPoints) + "\\cf" + std::to_string(colour);
        if (f.bold)
            m_body += "\\b";
        if (f.italic)
            m_body += "\\i";
        if (f.underline)
            m_body += "\\ul";
        m_body += ' ';
    }

    std::vector<std::string> m_fonts;
    std::vector<Colour> m_colours;
    std::string m_body;
};

} // namespace

std::string writeRtf(const SheetContent& content) { return Writer(content).document(); }

} // namespace textcalc::sheet
