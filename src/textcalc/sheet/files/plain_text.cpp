#include "textcalc/sheet/files/plain_text.h"

#include "textcalc/sheet/files/rtf_reader.h"

#include "platform/utf8.h"

#include <algorithm>

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
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            endLine();
        } else if (static_cast<unsigned char>(c) >= 0x20 || c == '\t') {
            line += c;
        }
    }
    endLine();
    return content;
}

} // namespace textcalc::sheet
