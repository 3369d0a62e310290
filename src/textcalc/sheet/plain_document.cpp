#include "textcalc/sheet/plain_document.h"

#include "textcalc/sheet/paragraph.h"
#include "textcalc/sheet/text_columns.h"

#include <algorithm>

namespace textcalc::sheet {

PlainDocument::PlainDocument() : PlainDocument(SheetContent{}) {}

PlainDocument::PlainDocument(SheetContent content) : m_content(std::move(content))
{
    if (m_content.paragraphs.empty())
        m_content.paragraphs.emplace_back();
    for (Paragraph& p : m_content.paragraphs)
        normalise(p);
}

Paragraph& PlainDocument::paragraph(int line)
{
    if (line < 0 || line >= lineCount())
        throw LineOutOfRange(line);
    return m_content.paragraphs[static_cast<size_t>(line)];
}

const Paragraph& PlainDocument::paragraph(int line) const
{
    return const_cast<PlainDocument*>(this)->paragraph(line);
}

int PlainDocument::lineCount() const { return static_cast<int>(m_content.paragraphs.size()); }

std::string PlainDocument::lineText(int line) const { return paragraph(line).text(); }

Alignment PlainDocument::alignment(int line) const { return paragraph(line).alignment; }

Position PlainDocument::clamp(Position p) const
{
    p.line = std::clamp(p.line, 0, lineCount() - 1);
    p.column = std::clamp(p.column, 0, columnCount(paragraph(p.line)));
    return p;
}

void PlainDocument::insertLine(int line, const std::string& text)
{
    if (line < 0 || line > lineCount())
        throw LineOutOfRange(line);
    Paragraph p;
    p.endFormat = line < lineCount() ? formatAt(paragraph(line), 0) : m_content.paragraphs.back().endFormat;
    insertText(p, 0, text, p.endFormat);
    m_content.paragraphs.insert(m_content.paragraphs.begin() + line, std::move(p));
    for (Position* q : {&m_anchor, &m_caret})
        if (q->line >= line)
            ++q->line;
}

void PlainDocument::replaceLineText(int line, const std::string& text)
{
    Paragraph& p = paragraph(line);
    const CharFormat format = formatAt(p, 0);
    p.runs.clear();
    p.endFormat = format;
    insertText(p, 0, text, format);
    m_anchor = clamp(m_anchor);
    m_caret = clamp(m_caret);
}

void PlainDocument::deleteLine(int line)
{
    paragraph(line);
    if (lineCount() == 1) {
        replaceLineText(0, "");
        return;
    }
    const bool last = line == lineCount() - 1;
    m_content.paragraphs.erase(m_content.paragraphs.begin() + line);
    // A caret in the deleted line goes where the deleted text began: the start of the next
    // line, or the end of the one before when the last line goes with the break before it.
    for (Position* q : {&m_anchor, &m_caret}) {
        if (q->line > line)
            --q->line;
        else if (q->line == line)
            *q = last ? Position{line - 1, columnCount(paragraph(line - 1))} : Position{line, 0};
        *q = clamp(*q);
    }
}

void PlainDocument::formatLine(int line, Alignment alignment, const CharFormat& format)
{
    Paragraph& p = paragraph(line);
    p.alignment = alignment;
    for (Run& r : p.runs)
        r.format = format;
    p.endFormat = format;
    normalise(p);
}

void PlainDocument::setCaret(Position p)
{
    m_caret = m_anchor = clamp(p);
}

void PlainDocument::select(Position start, Position end)
{
    m_anchor = clamp(start);
    m_caret = clamp(end);
}

void PlainDocument::replaceSelection(const std::string& typed)
{
    std::string text = typed;
    std::erase(text, '\r');
    const Position start = selectionStart();
    const Position end = selectionEnd();
    Paragraph& first = paragraph(start.line);
    const CharFormat format = formatAt(first, start.column);

    // Remove the selected text, joining its first and last lines.
    if (start.line == end.line) {
        eraseColumns(first, start.column, end.column);
    } else {
        const Paragraph tail = splitAt(paragraph(end.line), end.column);
        splitAt(first, start.column);
        appendRuns(first, tail);
        m_content.paragraphs.erase(m_content.paragraphs.begin() + start.line + 1,
                                   m_content.paragraphs.begin() + end.line + 1);
    }

    // Insert the new text; each line break splits the current paragraph.
    Position at = start;
    size_t from = 0;
    for (;;) {
        const size_t brk = text.find('\n', from);
        const std::string_view piece = std::string_view(text).substr(from, brk == std::string::npos ? brk : brk - from);
        insertText(paragraph(at.line), at.column, piece, format);
        at.column += columnCount(piece);
        if (brk == std::string::npos)
            break;
        Paragraph rest = splitAt(paragraph(at.line), at.column);
        rest.endFormat = format;
        normalise(rest);
        m_content.paragraphs.insert(m_content.paragraphs.begin() + at.line + 1, std::move(rest));
        at = {at.line + 1, 0};
        from = brk + 1;
    }
    m_anchor = start;
    m_caret = at;
}

} // namespace textcalc::sheet
