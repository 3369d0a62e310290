#include "textcalc/sheet/files/rtf_reader.h"

#include "textcalc/sheet/paragraph.h"

#include "platform/utf8.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <map>
#include <unordered_set>

namespace textcalc::sheet {

namespace {

enum class Destination { Text, FontTable, ColourTable, Skip };

// Destinations whose content is not text of the document. Groups marked \* are skipped too.
bool isSkippedDestination(std::string_view word)
{
    static const std::unordered_set<std::string_view> words{
    "aftncn", "aftnsep", "aftnsepc", "annotation", "atnauthor", "atnid", "author", "background",
    "bkmkend", "bkmkstart", "buptim", "category", "comment", "company", "creatim", "datastore", "defchp", "defpap",
    "do", "doccomm", "docvar", "falt", "fldinst", "filetbl", "footer", "footerf", "footerl", "footerr", "footnote",
    "ftncn", "ftnsep", "ftnsepc", "generator", "header", "headerf", "headerl", "headerr", "hlinkbase", "info",
    "keywords", "latentstyles", "listoverridetable", "listtable", "listtext", "manager", "nonshppict", "object",
    "operator", "panose", "pgdsctbl", "pict", "pn", "pntext", "pntxta", "pntxtb", "printim", "private", "revtbl",
    "revtim", "rsidtbl", "shp", "shpinst", "stylesheet", "subject", "tc", "template", "themedata", "title", "txe",
    "upr", "userprops", "xe", "xmlnstbl", "colorschememapping", "mmathPr", "wgrffmtfilter", "xmlopen", "xmlattrname",
    "xmlattrvalue", "blipuid", "sp", "sn", "sv", "objdata", "result", "fchars", "lchars", "pgptbl", "oldcprops",
    "oldpprops", "oldtprops", "oldsprops", "passwordhash", "protusertbl", "shpgrp", "shptxt",
    };
    return words.count(word) > 0;
}

struct State {
    Destination destination = Destination::Text;
    int font = -1; // -1: the default font
    int halfPoints = 24;
    int colour = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    Alignment alignment = Alignment::Left;
    int unicodeSkip = 1;

    bool sameFormat(const State& o) const
    {
        return font == o.font && halfPoints == o.halfPoints && colour == o.colour && bold == o.bold
            && italic == o.italic && underline == o.underline;
    }
};

struct Font {
    std::string name;
    int codePage = 1252;
};

// Fonts and colours beyond these counts are ignored (a hostile table cannot fill memory).
constexpr size_t MaxTableEntries = 4096;
constexpr size_t MaxFontNameBytes = 256;

int codePageOfCharset(int charset, int ansiCodePage)
{
    switch (charset) {
    case 238: return 1250; // Eastern European
    case 1: return ansiCodePage; // "default"
    default: return 1252;
    }
}

class Reader {
public:
    explicit Reader(std::string_view data) : m_data(data) {}

    SheetContent read()
    {
        while (m_pos < m_data.size()) {
            const char c = m_data[m_pos++];
            if (c == '{') {
                if (m_stack.size() >= MaxRtfDepth)
                    break;
                m_stack.push_back(m_state);
                m_skipChars = 0;
            } else if (c == '}') {
                if (m_stack.empty())
                    break;
                if (m_state.destination == Destination::FontTable)
                    commitFont();
                m_state = m_stack.back();
                m_stack.pop_back();
                m_skipChars = 0;
                if (m_stack.empty())
                    break; // the document's group is closed
            } else if (c == '\\') {
                control();
            } else if (c == '\r' || c == '\n') {
                // line breaks of the file are not text
            } else if (m_skipChars > 0) {
                --m_skipChars;
            } else {
                byte(static_cast<unsigned char>(c));
            }
        }
        // A truncated file: keep the paragraph in progress.
        flushText();
        if (!m_paragraph.runs.empty() || m_content.paragraphs.empty())
            endParagraph();
        return std::move(m_content);
    }

private:
    void control()
    {
        if (m_pos >= m_data.size())
            return;
        const char c = m_data[m_pos];
        if (std::isalpha(static_cast<unsigned char>(c))) {
            const size_t start = m_pos;
            while (m_pos < m_data.size() && std::isalpha(static_cast<unsigned char>(m_data[m_pos])))
                ++m_pos;
            const std::string_view word = m_data.substr(start, std::min<size_t>(m_pos - start, 32));
            bool negative = false;
            if (m_pos + 1 < m_data.size() && m_data[m_pos] == '-' && std::isdigit(static_cast<unsigned char>(m_data[m_pos + 1]))) {
                negative = true;
                ++m_pos;
            }
            bool hasParam = false;
            long long value = 0;
            while (m_pos < m_data.size() && std::isdigit(static_cast<unsigned char>(m_data[m_pos]))) {
                hasParam = true;
                value = std::min<long long>(value * 10 + (m_data[m_pos] - '0'), 1LL << 40);
                ++m_pos;
            }
            if (m_pos < m_data.size() && m_data[m_pos] == ' ')
                ++m_pos;
            value = std::clamp<long long>(negative ? -value : value, -(1LL << 31), (1LL << 31) - 1);
            controlWord(word, hasParam, static_cast<int>(value));
            return;
        }
        ++m_pos;
        if (c == '\'') {
            int value = 0;
            for (int k = 0; k < 2; ++k) {
                const int digit = m_pos < m_data.size() ? hexDigit(m_data[m_pos]) : -1;
                if (digit < 0)
                    return;
                value = value * 16 + digit;
                ++m_pos;
            }
            if (m_skipChars > 0)
                --m_skipChars;
            else
                byte(static_cast<unsigned char>(value));
            return;
        }
        if (c == '*') {
            m_state.destination = Destination::Skip;
            return;
        }
        if (m_skipChars > 0) {
            --m_skipChars;
            return;
        }
        switch (c) {
        case '\\':
        case '{':
        case '}': character(static_cast<unsigned char>(c)); break;
        case '~': character(0x00A0); break;
        case '_': character('-'); break;
        case '\r':
        case '\n': paragraphMark(); break;
        default: break; // \- optional hyphen, \| formula character, \: index subentry
        }
    }

    static int hexDigit(char c)
    {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        return -1;
    }

    void controlWord(std::string_view w, bool hasParam, int n)
    {
        // Binary data is skipped whatever the destination.
        if (w == "bin") {
            if (hasParam && n > 0)
                m_pos += std::min<size_t>(static_cast<size_t>(n), m_data.size() - m_pos);
            return;
        }
        if (m_skipChars > 0) {
            --m_skipChars;
            return;
        }
        if (m_state.destination == Destination::Skip)
            return;
        // Document-wide settings.
        if (w == "ansicpg") {
            m_codePage = n;
            return;
        }
        if (w == "deff") {
            m_defaultFont = n;
            return;
        }
        // Destinations.
        if (w == "fonttbl") {
            m_state.destination = Destination::FontTable;
            return;
        }
        if (w == "colortbl") {
            m_state.destination = Destination::ColourTable;
            m_colourSet = false;
            return;
        }
        if (isSkippedDestination(w)) {
            m_state.destination = Destination::Skip;
            return;
        }
        // Unicode characters and their fallbacks, in font names as in text.
        if (w == "uc") {
            m_state.unicodeSkip = std::clamp(n, 0, 16);
            return;
        }
        if (w == "u") {
            unicode(static_cast<char32_t>(n < 0 ? n + 65536 : n) & 0xFFFF);
            m_skipChars = m_state.unicodeSkip;
            return;
        }
        if (m_state.destination == Destination::FontTable) {
            fontTableWord(w, n);
            return;
        }
        if (m_state.destination == Destination::ColourTable) {
            const int v = std::clamp(n, 0, 255);
            if (w == "red")
                m_rgb[0] = v;
            else if (w == "green")
                m_rgb[1] = v;
            else if (w == "blue")
                m_rgb[2] = v;
            else
                return;
            m_colourSet = true;
            return;
        }
        textWord(w, hasParam, n);
    }

    void fontTableWord(std::string_view w, int n)
    {
        if (w == "f") {
            commitFont();
            m_fontEntry = n;
            m_fontCodePage = m_codePage;
        } else if (w == "fcharset") {
            m_fontCodePage = codePageOfCharset(n, m_codePage);
        } else if (w == "cpg") {
            m_fontCodePage = n;
        }
    }

    void textWord(std::string_view w, bool hasParam, int n)
    {
        const bool on = !hasParam || n != 0;
        if (w == "par" || w == "line" || w == "row") {
            paragraphMark();
        } else if (w == "pard") {
            m_state.alignment = Alignment::Left;
        } else if (w == "plain") {
            const State reset;
            m_state.font = -1;
            m_state.halfPoints = reset.halfPoints;
            m_state.colour = reset.colour;
            m_state.bold = m_state.italic = m_state.underline = false;
        } else if (w == "ql" || w == "qj" || w == "qd" || w == "qt") {
            m_state.alignment = Alignment::Left;
        } else if (w == "qc") {
            m_state.alignment = Alignment::Center;
        } else if (w == "qr") {
            m_state.alignment = Alignment::Right;
        } else if (w == "b") {
            m_state.bold = on;
        } else if (w == "i") {
            m_state.italic = on;
        } else if (w == "ulnone") {
            m_state.underline = false;
        } else if (w.starts_with("ul") && w != "ulc") {
            m_state.underline = on;
        } else if (w == "f") {
            m_state.font = n;
        } else if (w == "fs") {
            // 1 to 1638 points, as the writer keeps them.
            m_state.halfPoints = n > 0 ? std::clamp(n, 2, 3276) : 24;
        } else if (w == "cf") {
            m_state.colour = n;
        } else if (w == "tab" || w == "cell") {
            character('\t');
        } else if (w == "emdash") {
            character(0x2014);
        } else if (w == "endash") {
            character(0x2013);
        } else if (w == "bullet") {
            character(0x2022);
        } else if (w == "lquote") {
            character(0x2018);
        } else if (w == "rquote") {
            character(0x2019);
        } else if (w == "ldblquote") {
            character(0x201C);
        } else if (w == "rdblquote") {
            character(0x201D);
        } else if (w == "emspace" || w == "enspace" || w == "qmspace") {
            character(' ');
        }
    }

    // One UTF-16 unit of \uN: surrogate pairs make one character, a lone surrogate U+FFFD.
    void unicode(char32_t unit)
    {
        if (unit >= 0xD800 && unit < 0xDC00) {
            m_highSurrogate = unit;
            return;
        }
        if (unit >= 0xDC00 && unit < 0xE000) {
            const char32_t high = m_highSurrogate;
            m_highSurrogate = 0;
            character(high ? 0x10000 + ((high - 0xD800) << 10) + (unit - 0xDC00) : 0xFFFD);
            return;
        }
        character(unit);
    }

    void byte(unsigned char b)
    {
        int codePage = m_codePage;
        if (m_state.destination == Destination::Text) {
            const auto font = m_fonts.find(m_state.font < 0 ? m_defaultFont : m_state.font);
            if (font != m_fonts.end())
                codePage = font->second.codePage;
        } else if (m_state.destination == Destination::FontTable) {
            codePage = m_fontCodePage;
        }
        character(platform::fromWindowsCodePage(codePage, b));
    }

    void character(char32_t c)
    {
        if (m_highSurrogate) {
            m_highSurrogate = 0;
            character(0xFFFD);
        }
        switch (m_state.destination) {
        case Destination::Text:
            // Control characters (DEL too) have no place in a sheet line; the writer drops them.
            if ((c < 0x20 && c != '\t') || c == 0x7F)
                return;
            if (!m_text.empty() && !m_state.sameFormat(m_textState))
                flushText();
            if (m_text.empty())
                m_textState = m_state;
            platform::appendUtf8(m_text, c);
            break;
        case Destination::FontTable:
            if (c == ';')
                commitFont();
            else if (m_fontName.size() < MaxFontNameBytes && c >= 0x20 && c != 0x7F)
                platform::appendUtf8(m_fontName, c);
            break;
        case Destination::ColourTable:
            if (c == ';') {
                if (m_colours.size() < MaxTableEntries)
                    m_colours.push_back(m_colourSet ? Colour(m_rgb[0], m_rgb[1], m_rgb[2]) : Colour());
                m_rgb = {0, 0, 0};
                m_colourSet = false;
            }
            break;
        case Destination::Skip: break;
        }
    }

    void commitFont()
    {
        const size_t first = m_fontName.find_first_not_of(' ');
        const size_t last = m_fontName.find_last_not_of(' ');
        if (first != std::string::npos && (m_fonts.size() < MaxTableEntries || m_fonts.count(m_fontEntry)))
            m_fonts[m_fontEntry] = {m_fontName.substr(first, last - first + 1), m_fontCodePage};
        m_fontName.clear();
    }

    CharFormat formatOf(const State& s) const
    {
        CharFormat f;
        const auto font = m_fonts.find(s.font < 0 ? m_defaultFont : s.font);
        if (font != m_fonts.end())
            f.fontName = font->second.name;
        f.size = s.halfPoints / 2.0;
        f.colour = s.colour >= 0 && static_cast<size_t>(s.colour) < m_colours.size() ? m_colours[s.colour] : Colour();
        f.bold = s.bold;
        f.italic = s.italic;
        f.underline = s.underline;
        return f;
    }

    void flushText()
    {
        if (m_text.empty())
            return;
        m_paragraph.runs.push_back({std::move(m_text), formatOf(m_textState)});
        m_text.clear();
    }

    void paragraphMark()
    {
        if (m_state.destination == Destination::Text)
            endParagraph();
    }

    void endParagraph()
    {
        flushText();
        if (m_content.paragraphs.size() >= static_cast<size_t>(MaxSheetLines))
            throw TooManyLines();
        m_paragraph.alignment = m_state.alignment;
        m_paragraph.endFormat = formatOf(m_state);
        normalise(m_paragraph);
        m_content.paragraphs.push_back(std::move(m_paragraph));
        m_paragraph = Paragraph{};
    }

    std::string_view m_data;
    size_t m_pos = 0;
    State m_state;
    std::vector<State> m_stack;
    int m_skipChars = 0; // fallback characters of the last \u still to skip
    char32_t m_highSurrogate = 0;

    int m_codePage = 1252;
    int m_defaultFont = 0;
    std::map<int, Font> m_fonts;
    int m_fontEntry = 0;
    int m_fontCodePage = 1252;
    std::string m_fontName;
    std::vector<Colour> m_colours;
    std::array<std::uint8_t, 3> m_rgb{}; // each clamped to 0-255 as it is read
    bool m_colourSet = false;

    SheetContent m_content;
    Paragraph m_paragraph;
    std::string m_text;
    State m_textState;
};

} // namespace

bool looksLikeRtf(std::string_view data)
{
    if (data.starts_with("\xEF\xBB\xBF"))
        data.remove_prefix(3);
    const size_t first = data.find_first_not_of(" \t\r\n");
    return first != std::string_view::npos && data.substr(first).starts_with("{\\rtf");
}

SheetContent readRtf(std::string_view data) { return Reader(data).read(); }

} // namespace textcalc::sheet
