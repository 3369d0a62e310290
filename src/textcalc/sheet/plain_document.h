#pragma once
// The sheet in memory: a SheetContent with a caret and a selection. Tests run the run cycle on
// it, and the command line runs sheet files with it. Edits behave as the window's editor does:
// an inserted paragraph takes the format of the text it is inserted before, replaced text the
// format of the line's first character, and the caret follows the text it stands in.
#include "textcalc/sheet/document.h"

namespace textcalc::sheet {

class PlainDocument : public Document {
public:
    PlainDocument();
    explicit PlainDocument(SheetContent content);

    const SheetContent& content() const { return m_content; }

    int lineCount() const override;
    std::string lineText(int line) const override;
    Alignment alignment(int line) const override;
    void insertLine(int line, const std::string& text) override;
    void replaceLineText(int line, const std::string& text) override;
    void deleteLine(int line) override;
    void formatLine(int line, Alignment alignment, const CharFormat& format) override;
    Position caret() const override { return m_caret; }
    void setCaret(Position p) override;
    Position selectionStart() const override { return std::min(m_anchor, m_caret); }
    Position selectionEnd() const override { return std::max(m_anchor, m_caret); }
    void select(Position start, Position end) override;
    void replaceSelection(const std::string& text) override;
    void replaceInLine(int line, const std::vector<int>& columns, int length, const std::string& text) override;

private:
    Position clamp(Position p) const;
    Paragraph& paragraph(int line);
    const Paragraph& paragraph(int line) const;

    SheetContent m_content;
    Position m_anchor;
    Position m_caret;
};

} // namespace textcalc::sheet
