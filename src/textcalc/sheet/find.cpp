#include "textcalc/sheet/find.h"

#include "platform/utf8.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <vector>

namespace textcalc::sheet {

namespace {

// Lower case of the letters a sheet is written in: ASCII, Latin-1, Latin Extended-A (all of
// Czech and the other Central European letters), Greek and Cyrillic. One code point always
// maps to one, so columns of the folded text are columns of the sheet.
char32_t foldCase(char32_t c)
{
    if (c < 0x80)
        return c >= 'A' && c <= 'Z' ? c + 32 : c;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7)
        return c + 32;
    if (c == 0x130)
        return U'i';
    if ((c >= 0x100 && c <= 0x137) || (c >= 0x14A && c <= 0x177)) // pairs: capital even
        return c | 1;
    if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) // pairs: capital odd
        return c & 1 ? c + 1 : c;
    if (c == 0x178)
        return 0xFF;
    if (c >= 0x391 && c <= 0x3AB && c != 0x3A2)
        return c + 32;
    if (c >= 0x410 && c <= 0x42F)
        return c + 32;
    if (c >= 0x400 && c <= 0x40F)
        return c + 80;
    return c;
}

std::u32string folded(const std::string& text)
{
    std::u32string out;
    for (size_t i = 0; i < text.size();)
        out.push_back(foldCase(platform::decodeUtf8(text, i)));
    return out;
}

int lineLength(const Document& doc, int line)
{
    return int(folded(doc.lineText(line)).size());
}

Position documentEnd(const Document& doc)
{
    const int last = doc.lineCount() - 1;
    return {last, lineLength(doc, last)};
}

// The first occurrence of `needle` (folded) that starts at or after `from` and ends at or
// before `to`.
std::optional<Position> search(const Document& doc, const std::u32string& needle, Position from, Position to)
{
    if (needle.empty())
        return std::nullopt;
    for (int line = from.line; line <= to.line && line < doc.lineCount(); ++line) {
        const std::u32string text = folded(doc.lineText(line));
        const size_t start = line == from.line ? size_t(from.column) : 0;
        const size_t limit = line == to.line ? std::min(size_t(to.column), text.size()) : text.size();
        const size_t at = start <= text.size() ? text.find(needle, start) : std::u32string::npos;
        if (at != std::u32string::npos && at + needle.size() <= limit)
            return Position{line, int(at)};
    }
    return std::nullopt;
}

// The columns of the occurrences of `needle` in `line` that start at or after `from` and end at
// or before `to`, each search going on after the one found.
std::vector<int> occurrences(const std::u32string& line, const std::u32string& needle, int from, int to)
{
    std::vector<int> columns;
    const size_t limit = std::min(size_t(std::max(to, 0)), line.size());
    for (size_t at = size_t(std::max(from, 0)); at <= line.size();) {
        at = line.find(needle, at);
        if (at == std::u32string::npos || at + needle.size() > limit)
            break;
        columns.push_back(int(at));
        at += needle.size();
    }
    return columns;
}

// Offsets over the whole text count a line break as two characters.
int offsetOf(const Document& doc, Position p)
{
    int offset = 0;
    for (int line = 0; line < p.line; ++line)
        offset += lineLength(doc, line) + 2;
    return offset + p.column;
}

Position positionAt(const Document& doc, int offset)
{
    for (int line = 0;; ++line) {
        const int length = lineLength(doc, line);
        if (offset <= length || line == doc.lineCount() - 1)
            return {line, std::min(offset, length)};
        offset = std::max(offset - length - 2, 0); // inside a line break: the next line's start
    }
}

} // namespace

bool findNext(Document& doc, const std::string& text)
{
    const bool selected = doc.selectionStart() != doc.selectionEnd();
    const Position from = selected ? doc.selectionEnd() : doc.caret();
    const std::u32string needle = folded(text);
    const std::optional<Position> found = search(doc, needle, from, documentEnd(doc));
    if (!found)
        return false;
    doc.select(*found, {found->line, found->column + int(needle.size())});
    return true;
}

bool replaceNext(Document& doc, const std::string& text, const std::string& replacement)
{
    if (!findNext(doc, text))
        return false;
    doc.replaceSelection(replacement);
    return true;
}

bool selectionIsOccurrence(const Document& doc, const std::string& text)
{
    const Position start = doc.selectionStart(), end = doc.selectionEnd();
    const std::u32string needle = folded(text);
    if (needle.empty() || start.line != end.line || end.column - start.column != int(needle.size()))
        return false;
    return folded(doc.lineText(start.line)).compare(size_t(start.column), needle.size(), needle) == 0;
}

int replaceAll(Document& doc, const std::string& text, const std::string& replacement)
{
    const std::u32string needle = folded(text);
    const Position selStart = doc.selectionStart(), selEnd = doc.selectionEnd();
    const int oldStart = offsetOf(doc, selStart), oldLength = offsetOf(doc, selEnd) - oldStart;
    const bool whole = selStart == selEnd;
    const Position from = whole ? Position{} : selStart;
    const Position to = whole ? documentEnd(doc) : selEnd;

    // Each line is read once: its occurrences are found in the text before any replacement,
    // and lines are done from the last up, so that no replacement moves one still to come.
    int count = 0;
    if (!needle.empty()) {
        UpdateScope batch(doc);
        for (int line = std::min(to.line, doc.lineCount() - 1); line >= from.line; --line) {
            const std::vector<int> columns = occurrences(folded(doc.lineText(line)), needle,
                                                         line == from.line ? from.column : 0,
                                                         line == to.line ? to.column : std::numeric_limits<int>::max());
            if (!columns.empty())
                doc.replaceInLine(line, columns, int(needle.size()), replacement);
            count += int(columns.size());
        }
    }
    doc.select(positionAt(doc, oldStart), positionAt(doc, oldStart + oldLength));
    return count;
}

} // namespace textcalc::sheet
