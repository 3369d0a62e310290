#pragma once
// Sheets written as lines of text, output (centred) lines marked by a leading "> ", the way
// `zoltcalc-cli sheet` prints them, and right-aligned lines by ">> ".
#include "textcalc/sheet/plain_document.h"

#include <string>
#include <vector>

namespace textcalc::sheet::testing_support {

using Lines = std::vector<std::string>;

inline SheetContent contentOf(const Lines& lines, const CharFormat& format = {})
{
    SheetContent content;
    for (const std::string& line : lines) {
        Paragraph p;
        const bool right = line.rfind(">> ", 0) == 0;
        const bool centred = !right && line.rfind("> ", 0) == 0;
        p.alignment = right ? Alignment::Right : centred ? Alignment::Center : Alignment::Left;
        const std::string text = line.substr(right ? 3 : centred ? 2 : 0);
        if (!text.empty())
            p.runs.push_back({text, format});
        p.endFormat = format;
        content.paragraphs.push_back(p);
    }
    return content;
}

inline Lines linesOf(const Document& doc)
{
    Lines lines;
    for (int k = 0; k < doc.lineCount(); ++k) {
        const Alignment a = doc.alignment(k);
        lines.push_back((a == Alignment::Right ? ">> " : a == Alignment::Center ? "> " : "") + doc.lineText(k));
    }
    return lines;
}

} // namespace textcalc::sheet::testing_support
