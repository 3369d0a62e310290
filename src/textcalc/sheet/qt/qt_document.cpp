#include "textcalc/sheet/qt/qt_document.h"

#include "textcalc/sheet/qt/qt_content.h"

#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>

namespace textcalc::sheet {

namespace {

// Columns count code points; QString positions count UTF-16 units.
int unitsOfColumn(const QString& text, int column)
{
    int units = 0;
    while (units < text.size() && column > 0) {
        units += text.at(units).isHighSurrogate() && units + 1 < text.size() ? 2 : 1;
        --column;
    }
    return units;
}

int columnOfUnits(const QString& text, int units)
{
    int column = 0;
    for (int k = 0; k < units && k < text.size(); ++k)
        if (!text.at(k).isLowSurrogate())
            ++column;
    return column;
}

QString fromUtf8(const std::string& text) { return QString::fromStdString(text); }

} // namespace

QtDocument::QtDocument(QTextDocument& document, std::function<QTextCursor()> getCursor,
                       std::function<void(const QTextCursor&)> setCursor)
    : m_document(document), m_getCursor(std::move(getCursor)), m_setCursor(std::move(setCursor)),
      m_ownCursor(&document)
{
}

QTextCursor QtDocument::cursor() const { return m_getCursor ? m_getCursor() : m_ownCursor; }

void QtDocument::setCursor(const QTextCursor& c)
{
    if (m_setCursor)
        m_setCursor(c);
    else
        m_ownCursor = c;
}

QTextBlock QtDocument::block(int line) const
{
    const QTextBlock b = m_document.findBlockByNumber(line);
    if (!b.isValid())
        throw LineOutOfRange(line);
    return b;
}

int QtDocument::lineCount() const { return m_document.blockCount(); }

// A soft line break (Shift+Enter) only wraps the line on screen: it reads as a blank.
std::string QtDocument::lineText(int line) const
{
    return block(line).text().replace(QChar::LineSeparator, u' ').toStdString();
}

Alignment QtDocument::alignment(int line) const { return fromQt(block(line).blockFormat().alignment()); }

void QtDocument::insertLine(int line, const std::string& text)
{
    if (line < 0 || line > lineCount())
        throw LineOutOfRange(line);
    QTextCursor c(&m_document);
    QTextBlockFormat left;
    if (line < lineCount()) {
        // "text" + break at the start of the line: the new paragraph takes the line's format.
        const QTextBlock b = block(line);
        left = b.blockFormat();
        c.setPosition(b.position());
        c.insertText(fromUtf8(text));
        c.insertBlock(b.blockFormat(), c.charFormat());
    } else {
        c.movePosition(QTextCursor::End);
        const int end = c.position();
        left = c.blockFormat();
        // A caret at the end stays in the line it was in, as before any other inserted line.
        QTextCursor caret = cursor();
        const int anchor = caret.anchor();
        const int position = caret.position();
        c.insertBlock(left, c.blockCharFormat());
        c.insertText(fromUtf8(text));
        if (anchor == end || position == end) {
            caret.setPosition(anchor);
            caret.setPosition(position, QTextCursor::KeepAnchor);
            setCursor(caret);
        }
    }
    left.setAlignment(Qt::AlignLeft);
    QTextCursor(block(line)).setBlockFormat(left);
}

void QtDocument::replaceLineText(int line, const std::string& text)
{
    const QTextBlock b = block(line);
    QTextCursor c(b);
    QTextCharFormat format = b.charFormat();
    if (b.length() > 1) {
        c.setPosition(b.position() + 1);
        format = c.charFormat(); // the line's first character
    }
    c.setPosition(b.position());
    c.setPosition(b.position() + b.length() - 1, QTextCursor::KeepAnchor);
    c.insertText(fromUtf8(text), format);
}

void QtDocument::deleteLine(int line)
{
    const QTextBlock b = block(line);
    if (lineCount() == 1) {
        replaceLineText(0, "");
        return;
    }
    QTextCursor c(&m_document);
    if (b.next().isValid()) {
        c.setPosition(b.position());
        c.setPosition(b.next().position(), QTextCursor::KeepAnchor);
    } else {
        // The last line: delete the break before it instead.
        c.setPosition(b.position() - 1);
        c.setPosition(b.position() + b.length() - 1, QTextCursor::KeepAnchor);
    }
    c.removeSelectedText();
}

void QtDocument::formatLine(int line, Alignment alignment, const CharFormat& format)
{
    const QTextBlock b = block(line);
    QTextCursor c(b);
    QTextBlockFormat blockFormat = b.blockFormat();
    blockFormat.setAlignment(toQt(alignment));
    c.setBlockFormat(blockFormat);
    const QTextCharFormat charFormat = toQt(format);
    c.setBlockCharFormat(charFormat);
    c.setPosition(b.position() + b.length() - 1, QTextCursor::KeepAnchor);
    c.setCharFormat(charFormat);
}

Position QtDocument::positionOf(int documentPosition) const
{
    const QTextBlock b = m_document.findBlock(documentPosition);
    if (!b.isValid())
        return {lineCount() - 1, columnOfUnits(m_document.lastBlock().text(), m_document.lastBlock().length())};
    return {b.blockNumber(), columnOfUnits(b.text(), documentPosition - b.position())};
}

int QtDocument::documentPosition(Position p) const
{
    const QTextBlock b = block(std::clamp(p.line, 0, lineCount() - 1));
    return b.position() + unitsOfColumn(b.text(), std::max(p.column, 0));
}

Position QtDocument::caret() const { return positionOf(cursor().position()); }

void QtDocument::setCaret(Position p)
{
    QTextCursor c = cursor();
    c.setPosition(documentPosition(p));
    setCursor(c);
}

Position QtDocument::selectionStart() const { return positionOf(cursor().selectionStart()); }

Position QtDocument::selectionEnd() const { return positionOf(cursor().selectionEnd()); }

void QtDocument::select(Position start, Position end)
{
    QTextCursor c = cursor();
    c.setPosition(documentPosition(start));
    c.setPosition(documentPosition(end), QTextCursor::KeepAnchor);
    setCursor(c);
}

void QtDocument::replaceSelection(const std::string& text)
{
    QTextCursor c = cursor();
    const int start = c.selectionStart();
    QString inserted = fromUtf8(text);
    inserted.remove(QLatin1Char('\r'));
    c.insertText(inserted); // line breaks become paragraph breaks
    const int end = c.position();
    c.setPosition(start);
    c.setPosition(end, QTextCursor::KeepAnchor);
    setCursor(c);
}

void QtDocument::beginUpdate()
{
    if (m_updateDepth++ == 0) {
        m_editBlock = QTextCursor(&m_document);
        m_editBlock.beginEditBlock();
    }
}

void QtDocument::endUpdate()
{
    if (m_updateDepth > 0 && --m_updateDepth == 0)
        m_editBlock.endEditBlock();
}

void QtDocument::clearUndo() { m_document.clearUndoRedoStacks(); }

} // namespace textcalc::sheet
