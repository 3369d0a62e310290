#pragma once
// Sheets written as lines of text, output (centred) lines marked by a leading "> ", the way
// `zoltcalc-cli sheet` prints them.
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
        const bool output = line.rfind("> ", 0) == 0;
        p.alignment = output ? Alignment::Center : Alignment::Left;
        const std::string text = output ? line.substr(2) : line;
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
    for (int k = 0; k < doc.lineCount(); ++k)
        lines.push_back((isOutputAlignment(doc.alignment(k)) ? "> " : "") + doc.lineText(k));
    return lines;
}

} // namespace textcalc::sheet::testing_support
