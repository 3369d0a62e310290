// The in-memory sheet: editing by lines and by selection, formats kept as the editor keeps
// them, columns counted in characters, and the caret following the text.
#include "sheet_lines.h"

#include <gtest/gtest.h>

namespace textcalc::sheet {
namespace {

using testing_support::contentOf;
using testing_support::Lines;
using testing_support::linesOf;

const CharFormat Input{"Courier New", 10, 0, false, false, false};
const CharFormat Red{"Arial", 14, 255, true, false, true};

struct SelectionCase {
    const char* name;
    Lines before;
    Position start, end;
    const char* text;
    Lines after;
    Position selStart, selEnd;
};

const SelectionCase kSelectionCases[] = {
    {"InsertAtCaret", {"ab"}, {0, 1}, {0, 1}, "X", {"aXb"}, {0, 1}, {0, 2}},
    {"ReplaceWithinLine", {"abcd"}, {0, 1}, {0, 3}, "Z", {"aZd"}, {0, 1}, {0, 2}},
    {"LineBreakSplits", {"abcd"}, {0, 2}, {0, 2}, "\n", {"ab", "cd"}, {0, 2}, {1, 0}},
    {"CrLfIsOneBreak", {"ab"}, {0, 1}, {0, 1}, "1\r\n2", {"a1", "2b"}, {0, 1}, {1, 1}},
    {"AcrossLinesJoins", {"abc", "def", "ghi"}, {0, 1}, {2, 2}, "-", {"a-i"}, {0, 1}, {0, 2}},
    {"DeleteLineBreak", {"ab", "cd"}, {0, 2}, {1, 0}, "", {"abcd"}, {0, 2}, {0, 2}},
    {"ManyLines", {"ab"}, {0, 1}, {0, 1}, "1\n2\n3", {"a1", "2", "3b"}, {0, 1}, {2, 1}},
    {"CzechColumnsAreCharacters", {"žluťoučký"}, {0, 2}, {0, 5}, "é", {"žléučký"}, {0, 2}, {0, 3}},
    {"SelectionBeyondLineIsClamped", {"ab", "c"}, {0, 9}, {7, 9}, "!", {"ab!"}, {0, 2}, {0, 3}},
    {"FirstLineKeepsItsAlignment", {"> ab", "cd"}, {0, 1}, {1, 1}, "", {"> ad"}, {0, 1}, {0, 1}},
};

TEST(PlainDocument, ReplaceSelection)
{
    for (const SelectionCase& c : kSelectionCases) {
        SCOPED_TRACE(c.name);
        PlainDocument doc(contentOf(c.before));
        doc.select(c.start, c.end);
        doc.replaceSelection(c.text);
        EXPECT_EQ(linesOf(doc), c.after);
        EXPECT_EQ(doc.selectionStart(), c.selStart);
        EXPECT_EQ(doc.selectionEnd(), c.selEnd);
        EXPECT_EQ(doc.caret(), c.selEnd);
    }
}

TEST(PlainDocument, SelectionIsOrderedWhateverTheDirection)
{
    PlainDocument doc(contentOf({"abc", "def"}));
    doc.select({1, 2}, {0, 1});
    EXPECT_EQ(doc.selectionStart(), (Position{0, 1}));
    EXPECT_EQ(doc.selectionEnd(), (Position{1, 2}));
    EXPECT_EQ(doc.caret(), (Position{0, 1}));
    doc.setCaret({1, 1});
    EXPECT_EQ(doc.selectionStart(), doc.selectionEnd());
}

TEST(PlainDocument, InsertedTextTakesTheFormatBeforeIt)
{
    SheetContent content;
    content.paragraphs.push_back({Alignment::Left, {{"ab", Input}, {"cd", Red}}, Red});
    PlainDocument doc(content);
    doc.setCaret({0, 2});
    doc.replaceSelection("X");
    doc.setCaret({0, 0});
    doc.replaceSelection("Y");
    const std::vector<sheet::Run> expected{{"YabX", Input}, {"cd", Red}};
    EXPECT_EQ(doc.content().paragraphs[0].runs, expected);
}

TEST(PlainDocument, LineEditsKeepFormats)
{
    SheetContent content;
    content.paragraphs.push_back({Alignment::Center, {{"ab", Red}, {"cd", Input}}, Input});
    content.paragraphs.push_back({Alignment::Left, {}, Input});
    PlainDocument doc(content);

    doc.replaceLineText(0, "new");
    EXPECT_EQ(doc.content().paragraphs[0].runs, (std::vector<sheet::Run>{{"new", Red}}));
    EXPECT_EQ(doc.alignment(0), Alignment::Center);

    doc.insertLine(0, "first");
    EXPECT_EQ(doc.alignment(0), Alignment::Left);
    EXPECT_EQ(doc.content().paragraphs[0].runs, (std::vector<sheet::Run>{{"first", Red}}));

    doc.insertLine(doc.lineCount(), "end");
    EXPECT_EQ(doc.content().paragraphs.back().runs, (std::vector<sheet::Run>{{"end", Input}}));

    doc.formatLine(1, Alignment::Right, Input);
    EXPECT_EQ(doc.content().paragraphs[1], (Paragraph{Alignment::Right, {{"new", Input}}, Input}));
}

TEST(PlainDocument, DeleteLine)
{
    PlainDocument doc(contentOf({"a", "b", "c"}));
    doc.setCaret({2, 1});
    doc.deleteLine(1);
    EXPECT_EQ(linesOf(doc), (Lines{"a", "c"}));
    EXPECT_EQ(doc.caret(), (Position{1, 1}));
    doc.deleteLine(1);
    EXPECT_EQ(doc.caret(), (Position{0, 0}));
    doc.deleteLine(0);
    EXPECT_EQ(linesOf(doc), (Lines{""}));
    EXPECT_EQ(doc.lineCount(), 1);
}

TEST(PlainDocument, CaretFollowsInsertedLines)
{
    PlainDocument doc(contentOf({"a", "b"}));
    doc.setCaret({1, 1});
    doc.insertLine(0, "x");
    EXPECT_EQ(doc.caret(), (Position{2, 1}));
    doc.insertLine(3, "y");
    EXPECT_EQ(doc.caret(), (Position{2, 1}));
    doc.replaceLineText(2, "");
    EXPECT_EQ(doc.caret(), (Position{2, 0}));
}

TEST(PlainDocument, EmptyContentIsOneEmptyLine)
{
    PlainDocument doc(SheetContent{});
    EXPECT_EQ(doc.lineCount(), 1);
    EXPECT_EQ(doc.lineText(0), "");
    EXPECT_THROW(doc.lineText(1), std::out_of_range);
    EXPECT_THROW(doc.insertLine(3, "x"), std::out_of_range);
}

TEST(Paragraph, TextJoinsRuns)
{
    const Paragraph p{Alignment::Left, {{"příliš ", Input}, {"žluťoučký", Red}}, Red};
    EXPECT_EQ(p.text(), "příliš žluťoučký");
    EXPECT_EQ(Paragraph{}.text(), "");
}

} // namespace
} // namespace textcalc::sheet
