#include "textcalc/sheet/files/plain_text.h"

#include "textcalc/sheet/files/line_characters.h"
#include "textcalc/sheet/files/rtf_reader.h"

#include "platform/utf8.h"


namespace textcalc::sheet {

std::string writePlainText(const SheetContent& content)
{
    std::string out;
    for (size_t k = 0; k < content.paragraphs.size(); ++k) {
        if (k > 0)
            out += '\n';
        out += content.paragraphs[k].text();
    }
    return out;
}

SheetContent readPlainText(std::string_view bytes, const CharFormat& format)
{
    if (bytes.starts_with("\xEF\xBB\xBF"))
        bytes.remove_prefix(3);
    const std::string text = platform::toUtf8FromLegacy(std::string(bytes));
    SheetContent content;
    std::string line;
    const auto endLine = [&] {
        if (content.paragraphs.size() >= static_cast<size_t>(MaxSheetLines))
            throw TooManyLines();
        Paragraph p;
        p.endFormat = format;
        if (!line.empty())
            p.runs.push_back({std::move(line), format});
        content.paragraphs.push_back(std::move(p));
        line.clear();
    };
    for (size_t i = 0; i < text.size();) {
        const char32_t c = platform::decodeUtf8(text, i);
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i < text.size() && text[i] == '\n')
                ++i;
            endLine();
        } else if (const char32_t kept = lineCharacter(c)) {
            platform::appendUtf8(line, kept);
        }
    }
    endLine();
    return content;
}

bool looksLikeText(std::string_view bytes)
{
    size_t controls = 0;
    for (const char ch : bytes) {
        const unsigned char c = static_cast<unsigned char>(ch);
        if (c == 0)
            return false;
        // Line breaks, tabs, form feeds and the old end-of-file mark stand in text files.
        if ((c < 0x20 && c != '\t' && c != '\n' && c != '\r' && c != '\f' && c != 0x1A) || c == 0x7F)
            ++controls;
    }
    return controls * 20 <= bytes.size();
}

} // namespace textcalc::sheet
