#include "textcalc/sheet/qt/layout_height.h"

#include <QFontMetricsF>
#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>
#include <cmath>
#include <memory>
#include <unordered_map>

namespace textcalc::sheet {

namespace {

// A format's line spacing and the advance of each character met, measured once: a sheet uses a
// handful of formats and characters.
class FontSize {
public:
    FontSize(const QFont& font, const QPaintDevice* device)
        : m_metrics(font, const_cast<QPaintDevice*>(device)), lineSpacing(m_metrics.lineSpacing())
    {
    }
    double width(const QString& text)
    {
        double sum = 0;
        for (const QChar c : text) {
            auto it = m_advances.find(c.unicode());
            if (it == m_advances.end())
                it = m_advances.emplace(c.unicode(), m_metrics.horizontalAdvance(c)).first;
            sum += it->second;
        }
        return sum;
    }

private:
    QFontMetricsF m_metrics;
    std::unordered_map<char16_t, double> m_advances;

public:
    const double lineSpacing;
};

} // namespace

double estimatedLayoutHeight(const QTextDocument& document, const QPaintDevice* device, double lineWidth)
{
    lineWidth = std::max(lineWidth, 1.0);
    std::unordered_map<int, std::unique_ptr<FontSize>> sizes; // by the document's format index
    const auto sizeOf = [&](int index, const QTextCharFormat& format) -> FontSize& {
        std::unique_ptr<FontSize>& size = sizes[index];
        if (!size)
            size = std::make_unique<FontSize>(format.font().resolve(document.defaultFont()), device);
        return *size;
    };
    double height = 2 * document.documentMargin();
    for (QTextBlock b = document.begin(); b.isValid(); b = b.next()) {
        double spacing = sizeOf(b.charFormatIndex(), b.charFormat()).lineSpacing;
        double width = 0;
        bool blanks = false;
        for (QTextBlock::iterator it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            FontSize& size = sizeOf(fragment.charFormatIndex(), fragment.charFormat());
            const QString text = fragment.text();
            spacing = std::max(spacing, size.lineSpacing);
            width += size.width(text);
            blanks = blanks || text.contains(u' ') || text.contains(u'\t');
        }
        // Lines wrapped at blanks leave the ends of lines empty: one line more for them.
        const double lines = width <= lineWidth ? 1 : std::ceil(width / lineWidth) + (blanks ? 1 : 0);
        height += lines * spacing;
    }
    return height;
}

} // namespace textcalc::sheet
