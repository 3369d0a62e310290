#include "textcalc/sheet/qt/qt_content.h"

#include "textcalc/number/qt/qt_colour.h"
#include "textcalc/sheet/paragraph.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <deque>
#include <unordered_map>

namespace textcalc::sheet {

QTextCharFormat toQt(const CharFormat& f)
{
    QTextCharFormat q;
    q.setFontFamilies(QStringList{QString::fromStdString(f.fontName)});
    q.setFontPointSize(f.size > 0 ? f.size : 12);
    q.setForeground(toQColor(f.colour));
    q.setFontWeight(f.bold ? QFont::Bold : QFont::Normal);
    q.setFontItalic(f.italic);
    q.setFontUnderline(f.underline);
    return q;
}

CharFormat fromQt(const QTextCharFormat& q, const CharFormat& unset)
{
    CharFormat f = unset;
    const QStringList families = q.fontFamilies().toStringList();
    if (!families.isEmpty() && !families.front().isEmpty())
        f.fontName = families.front().toStdString();
    if (q.hasProperty(QTextFormat::FontPointSize) && q.fontPointSize() > 0)
        f.size = q.fontPointSize();
    if (q.foreground().style() != Qt::NoBrush)
        f.colour = fromQColor(q.foreground().color());
    f.bold = q.fontWeight() >= QFont::DemiBold;
    f.italic = q.fontItalic();
    f.underline = q.fontUnderline();
    return f;
}

Qt::Alignment toQt(Alignment a)
{
    switch (a) {
    case Alignment::Center: return Qt::AlignHCenter;
    case Alignment::Right: return Qt::AlignRight;
    case Alignment::Left: break;
    }
    return Qt::AlignLeft;
}

Alignment fromQt(Qt::Alignment a)
{
    if (a & Qt::AlignHCenter)
        return Alignment::Center;
    if (a & Qt::AlignRight)
        return Alignment::Right;
    return Alignment::Left;
}

namespace {

// A sheet uses a handful of formats; converting each once keeps loading and saving linear in
// the text rather than in the conversions.
class ToQtFormats {
public:
    const QTextCharFormat& operator()(const CharFormat& f)
    {
        for (const auto& [ours, theirs] : m_formats)
            if (ours == f)
                return theirs;
        m_formats.emplace_back(f, toQt(f));
        return m_formats.back().second;
    }

private:
    std::deque<std::pair<CharFormat, QTextCharFormat>> m_formats;
};

} // namespace

void loadContent(QTextDocument& document, const SheetContent& content)
{
    ToQtFormats formats;
    const bool undo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    document.clear();
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    bool first = true;
    for (const Paragraph& p : content.paragraphs) {
        QTextBlockFormat block;
        block.setAlignment(toQt(p.alignment));
        if (first)
            cursor.setBlockFormat(block);
        else
            cursor.insertBlock(block);
        first = false;
        cursor.setBlockCharFormat(formats(p.endFormat));
        for (const Run& r : p.runs)
            cursor.insertText(QString::fromStdString(r.text), formats(r.format));
    }
    cursor.endEditBlock();
    document.setUndoRedoEnabled(undo);
}

SheetContent contentOf(const QTextDocument& document)
{
    SheetContent content;
    // What a format leaves unset shows in the document's default font, and is saved so.
    CharFormat unset;
    unset.fontName = document.defaultFont().family().toStdString();
    if (document.defaultFont().pointSizeF() > 0)
        unset.size = document.defaultFont().pointSizeF();
    std::unordered_map<int, CharFormat> formats; // by the document's format index
    const auto format = [&](int index, const QTextCharFormat& q) -> const CharFormat& {
        auto it = formats.find(index);
        if (it == formats.end())
            it = formats.emplace(index, fromQt(q, unset)).first;
        return it->second;
    };
    for (QTextBlock b = document.begin(); b.isValid(); b = b.next()) {
        Paragraph p;
        p.alignment = fromQt(b.blockFormat().alignment());
        p.endFormat = format(b.charFormatIndex(), b.charFormat());
        for (QTextBlock::iterator it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.isValid())
                p.runs.push_back({fragment.text().replace(QChar::LineSeparator, u' ').toStdString(), format(fragment.charFormatIndex(), fragment.charFormat())});
        }
        normalise(p);
        content.paragraphs.push_back(std::move(p));
    }
    if (content.paragraphs.empty())
        content.paragraphs.emplace_back();
    return content;
}

} // namespace textcalc::sheet
