#include "textcalc/sheet/paragraph.h"

#include "textcalc/sheet/text_columns.h"

#include <limits>

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

namespace {

// Reads a paragraph's runs from the front, a number of columns at a time.
class RunReader {
public:
    explicit RunReader(const Paragraph& p) : m_p(p) {}

    // Moves on to `target`, handing each piece passed over to `piece`.
    template <typename Piece>
    void moveTo(int target, Piece piece)
    {
        while (m_column < target && m_run < m_p.runs.size()) {
            const std::string& text = m_p.runs[m_run].text;
            size_t end = m_byte;
            while (end < text.size() && m_column < target) {
                ++end;
                while (end < text.size() && isContinuationByte(text[end]))
                    ++end;
                ++m_column;
            }
            piece(Run{text.substr(m_byte, end - m_byte), m_p.runs[m_run].format});
            m_last = m_p.runs[m_run].format;
            m_byte = end;
            if (m_byte == text.size()) {
                ++m_run;
                m_byte = 0;
            }
        }
    }

    // formatAt at the current column.
    CharFormat format() const
    {
        if (m_column > 0)
            return m_last;
        return m_p.runs.empty() ? m_p.endFormat : m_p.runs.front().format;
    }

private:
    const Paragraph& m_p;
    size_t m_run = 0;
    size_t m_byte = 0;
    int m_column = 0;
    CharFormat m_last;
};

} // namespace

std::vector<Paragraph> replaceColumns(const Paragraph& p, const std::vector<int>& columns, int length,
                                      std::string_view text)
{
    std::vector<Paragraph> out(1);
    out.front().alignment = p.alignment;
    out.front().endFormat = p.endFormat;
    RunReader reader(p);
    const auto keep = [&](Run piece) { out.back().runs.push_back(std::move(piece)); };
    for (const int column : columns) {
        reader.moveTo(column, keep);
        const CharFormat format = reader.format();
        reader.moveTo(column + length, [](const Run&) {});
        if (out.back().runs.empty())
            out.back().endFormat = format; // an emptied paragraph keeps the replaced text's format
        for (size_t from = 0;;) {
            const size_t brk = text.find('\n', from);
            out.back().runs.push_back({std::string(text.substr(from, brk - from)), format});
            if (brk == std::string_view::npos)
                break;
            out.push_back({p.alignment, {}, format});
            from = brk + 1;
        }
    }
    reader.moveTo(std::numeric_limits<int>::max(), keep);
    for (Paragraph& part : out)
        normalise(part);
    return out;
}

} // namespace textcalc::sheet
