#pragma once
// The sheet as the text calculator's run cycle, its files and find/replace see it: a list of
// paragraphs ("lines", independent of word wrap), each with an alignment and runs of formatted
// text, plus a caret and a selection. The window implements Document on its rich-text editor;
// PlainDocument (plain_document.h) implements it in memory for tests and the command line.
//
// Positions are (line, column) with the column counted in Unicode code points of the line's
// UTF-8 text. Offsets over the whole text count a line break as two characters.
#include "textcalc/number/colour.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace textcalc::sheet {

enum class Alignment { Left, Center, Right };

struct CharFormat {
    std::string fontName = "Times New Roman";
    double size = 12; // points
    Colour colour;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool operator==(const CharFormat&) const = default;
};

struct Run {
    std::string text; // UTF-8, no line breaks
    CharFormat format;
    bool operator==(const Run&) const = default;
};

struct Paragraph {
    Alignment alignment = Alignment::Left;
    std::vector<Run> runs;           // may be empty (an empty line)
    CharFormat endFormat;            // the format typed text gets in an empty paragraph
    std::string text() const;
    bool operator==(const Paragraph&) const = default;
};

// A whole sheet as a value: what the RTF and plain-text readers produce and the writers take.
struct SheetContent {
    std::vector<Paragraph> paragraphs; // never empty: an empty sheet is one empty paragraph
    bool operator==(const SheetContent&) const = default;
};

struct Position {
    int line = 0;
    int column = 0;
    bool operator==(const Position&) const = default;
    auto operator<=>(const Position&) const = default;
};

// Output lines are the ones whose alignment is not left.
inline bool isOutputAlignment(Alignment a) { return a != Alignment::Left; }

// A line number outside the sheet: a fault of the caller, which reaches the outer boundary.
class LineOutOfRange : public std::logic_error {
public:
    explicit LineOutOfRange(int line) : std::logic_error("sheet line " + std::to_string(line)) {}
};

// Every call with a line number throws LineOutOfRange for a line the sheet does not have.
class Document {
public:
    virtual ~Document() = default;

    virtual int lineCount() const = 0; // at least 1
    virtual std::string lineText(int line) const = 0;
    virtual Alignment alignment(int line) const = 0;

    // Inserts a new paragraph with `text` before `line` (line == lineCount() appends one).
    virtual void insertLine(int line, const std::string& text) = 0;
    // Replaces the whole text of a paragraph, keeping its alignment.
    virtual void replaceLineText(int line, const std::string& text) = 0;
    // Deletes a paragraph with its line break; the last remaining paragraph is only emptied.
    virtual void deleteLine(int line) = 0;
    // Sets a paragraph's alignment and the character format of all its text.
    virtual void formatLine(int line, Alignment alignment, const CharFormat& format) = 0;

    virtual Position caret() const = 0;
    // Moves the caret and collapses the selection onto it.
    virtual void setCaret(Position p) = 0;
    // The selection as anchor-independent start <= end; empty when start == end (the caret).
    virtual Position selectionStart() const = 0;
    virtual Position selectionEnd() const = 0;
    // Selects [start, end); the caret ends at `end`.
    virtual void select(Position start, Position end) = 0;
    // Replaces the selection by `text` (which may hold "\n" for line breaks) and selects the
    // inserted text.
    virtual void replaceSelection(const std::string& text) = 0;

    // Brackets a batch of changes that the window shows only when it is complete.
    virtual void beginUpdate() {}
    virtual void endUpdate() {}
    // After a run: the run's changes cannot be undone.
    virtual void clearUndo() {}
};

// One batch of changes for the length of a scope, ended also when a change throws.
class UpdateScope {
public:
    explicit UpdateScope(Document& doc) : m_doc(doc) { m_doc.beginUpdate(); }
    ~UpdateScope() { m_doc.endUpdate(); }
    UpdateScope(const UpdateScope&) = delete;
    UpdateScope& operator=(const UpdateScope&) = delete;

private:
    Document& m_doc;
};

} // namespace textcalc::sheet
