#include "textcalc/sheet/paragraph.h"

#include "textcalc/sheet/text_columns.h"

namespace textcalc::sheet {

std::string Paragraph::text() const
{
    std::string out;
    for (const Run& r : runs)
        out += r.text;
    return out;
}

int columnCount(const Paragraph& p)
{
    int n = 0;
    for (const Run& r : p.runs)
        n += columnCount(r.text);
    return n;
}

CharFormat formatAt(const Paragraph& p, int column)
{
    if (p.runs.empty())
        return p.endFormat;
    if (column <= 0)
        return p.runs.front().format;
    for (const Run& r : p.runs) {
        column -= columnCount(r.text);
        if (column <= 0)
            return r.format;
    }
    return p.runs.back().format;
}

void normalise(Paragraph& p)
{
    std::vector<Run> merged;
    for (Run& r : p.runs) {
        if (r.text.empty())
            continue;
        if (!merged.empty() && merged.back().format == r.format)
            merged.back().text += r.text;
        else
            merged.push_back(std::move(r));
    }
    if (!merged.empty())
        p.endFormat = merged.back().format;
    p.runs = std::move(merged);
}

Paragraph splitAt(Paragraph& p, int column)
{
    Paragraph tail;
    tail.alignment = p.alignment;
    tail.endFormat = p.endFormat;
    std::vector<Run> head;
    for (Run& r : p.runs) {
        const int n = columnCount(r.text);
        if (column >= n) {
            head.push_back(std::move(r));
        } else if (column <= 0) {
            tail.runs.push_back(std::move(r));
        } else {
            const size_t cut = byteOffset(r.text, column);
            head.push_back({r.text.substr(0, cut), r.format});
            tail.runs.push_back({r.text.substr(cut), r.format});
        }
        column -= n;
    }
    p.runs = std::move(head);
    if (!p.runs.empty())
        p.endFormat = p.runs.back().format;
    if (!tail.runs.empty())
        tail.endFormat = tail.runs.back().format;
    return tail;
}

void appendRuns(Paragraph& p, const Paragraph& tail)
{
    p.runs.insert(p.runs.end(), tail.runs.begin(), tail.runs.end());
    normalise(p);
}

void insertText(Paragraph& p, int column, std::string_view text, const CharFormat& format)
{
    if (text.empty())
        return;
    Paragraph tail = splitAt(p, column);
    p.runs.push_back({std::string(text), format});
    appendRuns(p, tail);
}

void eraseColumns(Paragraph& p, int from, int to)
{
    if (to <= from)
        return;
    const CharFormat end = formatAt(p, from + 1); // an emptied paragraph keeps the erased text's format
    Paragraph rest = splitAt(p, to);
    splitAt(p, from);
    appendRuns(p, rest);
    if (p.runs.empty())
        p.endFormat = end;
}

} // namespace textcalc::sheet
