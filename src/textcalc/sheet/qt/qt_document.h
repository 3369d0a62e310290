#pragma once
// The sheet's Document over the window's rich-text document: paragraphs are the blocks of a
// QTextDocument, the caret is a QTextCursor. The caret lives in the editor, so the window
// passes how to read and set its cursor; without them the adapter keeps a cursor of its own.
// A batch of changes between beginUpdate() and endUpdate() is one edit block: one layout, and
// one step of undo until clearUndo() drops the history.
#include "textcalc/sheet/document.h"

#include <QTextCursor>

#include <functional>
#include <optional>

class QTextDocument;

namespace textcalc::sheet {

class QtDocument : public Document {
public:
    explicit QtDocument(QTextDocument& document, std::function<QTextCursor()> getCursor = {},
                        std::function<void(const QTextCursor&)> setCursor = {});

    int lineCount() const override;
    std::string lineText(int line) const override;
    Alignment alignment(int line) const override;
    void insertLine(int line, const std::string& text) override;
    void replaceLineText(int line, const std::string& text) override;
    void deleteLine(int line) override;
    void formatLine(int line, Alignment alignment, const CharFormat& format) override;
    Position caret() const override;
    void setCaret(Position p) override;
    Position selectionStart() const override;
    Position selectionEnd() const override;
    void select(Position start, Position end) override;
    void replaceSelection(const std::string& text) override;
    void replaceInLine(int line, const std::vector<int>& columns, int length, const std::string& text) override;
    void beginUpdate() override;
    void endUpdate() override;
    void clearUndo() override;

private:
    QTextBlock block(int line) const;
    Position positionOf(int documentPosition) const;
    int documentPosition(Position p) const;
    QTextCursor cursor() const;
    void setCursor(const QTextCursor& c);

    QTextDocument& m_document;
    std::function<QTextCursor()> m_getCursor;
    std::function<void(const QTextCursor&)> m_setCursor;
    QTextCursor m_ownCursor;
    QTextCursor m_editBlock; // the cursor holding the open edit block
    std::optional<QTextCursor> m_pendingCursor; // the editor's caret when the batch ends
    int m_updateDepth = 0;
};

} // namespace textcalc::sheet
