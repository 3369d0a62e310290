#pragma once
// Behaviour every Document shows alike, whatever holds the sheet: selections, line edits with
// the caret, and Calcul's tables. Each check takes a maker of documents with a given content.
#include "sheet_lines.h"

#include "textcalc/language/calculator.h"
#include "textcalc/sheet/calcul.h"

#include "platform/headless/headless_services.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace textcalc::sheet::testing_support {

using MakeDocument = std::function<std::unique_ptr<Document>(const SheetContent&)>;

inline const CharFormat Input{"Courier New", 10, {}, false, false, false};
inline const CharFormat OutputFont{"Arial", 12, Colour{255, 0, 0}, true, false, false};

struct SelectionCase {
    const char* name;
    Lines before;
    Position start, end;
    const char* text;
    Lines after;
    Position selStart, selEnd;
};

inline const SelectionCase kSelectionCases[] = {
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

inline void checkReplaceSelection(const MakeDocument& make)
{
    for (const SelectionCase& c : kSelectionCases) {
        SCOPED_TRACE(c.name);
        const std::unique_ptr<Document> made = make(contentOf(c.before));
        Document& doc = *made;
        doc.select(c.start, c.end);
        doc.replaceSelection(c.text);
        EXPECT_EQ(linesOf(doc), c.after);
        EXPECT_EQ(doc.selectionStart(), c.selStart);
        EXPECT_EQ(doc.selectionEnd(), c.selEnd);
        EXPECT_EQ(doc.caret(), c.selEnd);
    }
}

inline void checkSelectionOrder(const MakeDocument& make)
{
    const std::unique_ptr<Document> made = make(contentOf({"abc", "def"}));
    Document& doc = *made;
    doc.select({1, 2}, {0, 1});
    EXPECT_EQ(doc.selectionStart(), (Position{0, 1}));
    EXPECT_EQ(doc.selectionEnd(), (Position{1, 2}));
    EXPECT_EQ(doc.caret(), (Position{0, 1}));
    doc.setCaret({1, 1});
    EXPECT_EQ(doc.selectionStart(), doc.selectionEnd());
}

inline void checkDeleteLine(const MakeDocument& make)
{
    const std::unique_ptr<Document> made = make(contentOf({"a", "b", "c"}));
    Document& doc = *made;
    doc.setCaret({2, 1});
    doc.deleteLine(1);
    EXPECT_EQ(linesOf(doc), (Lines{"a", "c"}));
    EXPECT_EQ(doc.caret(), (Position{1, 1}));
    doc.deleteLine(1); // the last line, with the caret
    EXPECT_EQ(doc.caret(), (Position{0, 1}));
    doc.deleteLine(0);
    EXPECT_EQ(linesOf(doc), (Lines{""}));
    EXPECT_EQ(doc.lineCount(), 1);
}

inline void checkCaretFollowsEdits(const MakeDocument& make)
{
    const std::unique_ptr<Document> made = make(contentOf({"a", "b"}));
    Document& doc = *made;
    doc.setCaret({1, 1});
    doc.insertLine(0, "x");
    EXPECT_EQ(doc.caret(), (Position{2, 1}));
    doc.insertLine(3, "y");
    EXPECT_EQ(doc.caret(), (Position{2, 1}));
    doc.replaceLineText(2, "");
    EXPECT_EQ(doc.caret(), (Position{2, 0}));
}

struct CalculCase {
    const char* name;
    Lines before;
    Position caret;
    RunMode mode;
    bool nextline;
    Lines after;
    Position caretAfter;
};

inline const CalculCase kCalculCases[] = {
    // Where the outputs go and what they replace.
    {"LineBelowItsLine", {"1/3+1", "2+2"}, {0, 2}, RunMode::Line, false, {"1/3+1", "> 4/3", "2+2"}, {0, 2}},
    {"NoOutputLine", {"x:=2", ""}, {0, 0}, RunMode::Line, false, {"x:=2", "> Statements executed (no output).", ""}, {0, 0}},
    {"LastLineGetsAnEmptyLineAfter", {"1+1"}, {0, 3}, RunMode::Line, true, {"1+1", "> 2", ""}, {2, 0}},
    {"ReplacesOldOutput", {"1+1", "> 5", "2+2"}, {0, 0}, RunMode::Line, false, {"1+1", "> 2", "2+2"}, {0, 0}},
    {"FewerLinesDeleteTheSurplus", {"1+1", "> a", "> b", "> c", "2+2"}, {0, 0}, RunMode::Line, true,
     {"1+1", "> 2", "2+2"}, {2, 3}},
    {"MoreLinesInsertBeforeTheNextProgramLine", {"for i:=1 to 3 do i", "> old", "2+2"}, {0, 0}, RunMode::Line, true,
     {"for i:=1 to 3 do i", "> 1", "> 2", "> 3", "2+2"}, {4, 3}},
    {"ErrorIsAnOutputLine", {"y+1"}, {0, 0}, RunMode::Line, false,
     {"y+1", "> Error. Unknown variable identifier \" y \".", ""}, {0, 0}},
    {"DeletedOutputsEndedTheSheet", {"1+1", "> a", "> b"}, {0, 0}, RunMode::Line, true, {"1+1", "> 2"}, {1, 1}},
    {"CaretBackWithoutNextline", {"1+1", "", "> a", "3"}, {0, 1}, RunMode::Line, false,
     {"1+1", "> 2", "", "> a", "3"}, {0, 1}},
    {"LeftOutputTextIsAProgramLine", {"1+1", "old output saved as text"}, {0, 0}, RunMode::Line, false,
     {"1+1", "> 2", "old output saved as text"}, {0, 0}},
    // Groups: every program line between the nearest output lines, joined by blanks.
    {"GroupFromTheMiddleLine", {"x:=2;", "y:=x*3;", "y+1"}, {1, 0}, RunMode::Group, true,
     {"x:=2;", "y:=x*3;", "y+1", "> 7", ""}, {4, 0}},
    {"GroupStopsAtOutputLines", {"1+1", "> 2", "a:=5;", "a*2", "> old", "9"}, {2, 1}, RunMode::Group, false,
     {"1+1", "> 2", "a:=5;", "a*2", "> 10", "9"}, {2, 1}},
    {"GroupRunsOnToTheSheetsEnd", {"> 0", "a:=5;", "a*3"}, {1, 0}, RunMode::Group, false,
     {"> 0", "a:=5;", "a*3", "> 15", ""}, {1, 0}},
    {"LineModeRunsOneLineOfAGroup", {"a:=5;", "a*3"}, {0, 0}, RunMode::Line, false,
     {"a:=5;", "> Statements executed (no output).", "a*3"}, {0, 0}},
    {"GroupIncludingAnEmptyLine", {"a:=5;", "", "a*3"}, {2, 0}, RunMode::Group, false,
     {"a:=5;", "", "a*3", "> 15", ""}, {2, 0}},
};

inline void checkCalculTable(const MakeDocument& make)
{
    platform::HeadlessServices services;
    Calculator calc(services);
    for (const CalculCase& c : kCalculCases) {
        SCOPED_TRACE(c.name);
        calc.clearTables();
        const std::unique_ptr<Document> made = make(contentOf(c.before, Input));
        Document& doc = *made;
        doc.setCaret(c.caret);
        const CalculResult result = Calcul(doc, calc, c.mode, OutputFont, c.nextline);
        EXPECT_TRUE(result.ran);
        EXPECT_EQ(linesOf(doc), c.after);
        EXPECT_EQ(doc.caret(), c.caretAfter);
        EXPECT_EQ(doc.selectionStart(), doc.selectionEnd());
    }
}

struct NothingCase {
    const char* name;
    Lines before;
    Position caret;
    RunMode mode;
    Lines after;
};

// Empty or one-blank program texts and output lines run nothing.
inline const NothingCase kNothingCases[] = {
    {"EmptyLine", {"1+1", "", "2"}, {1, 0}, RunMode::Line, {"1+1", "", "2"}},
    {"OneBlank", {" "}, {0, 1}, RunMode::Line, {" "}},
    {"EmptyFinalLineGetsABlank", {"1+1", ""}, {1, 0}, RunMode::Line, {"1+1", " "}},
    {"EmptyGroupBetweenOutputs", {"> 1", "", "> 2"}, {1, 0}, RunMode::Group, {"> 1", "", "> 2"}},
    {"OutputLine", {"1+1", "> 2"}, {1, 0}, RunMode::Line, {"1+1", "> 2"}},
    {"OutputLineInGroupMode", {"1+1", "> 2"}, {1, 1}, RunMode::Group, {"1+1", "> 2"}},
};

inline void checkNothingToRun(const MakeDocument& make)
{
    platform::HeadlessServices services;
    Calculator calc(services);
    for (const NothingCase& c : kNothingCases) {
        SCOPED_TRACE(c.name);
        const std::unique_ptr<Document> made = make(contentOf(c.before));
        Document& doc = *made;
        doc.setCaret(c.caret);
        const CalculResult result = Calcul(doc, calc, c.mode, OutputFont, true);
        EXPECT_FALSE(result.ran);
        EXPECT_EQ(linesOf(doc), c.after);
        EXPECT_EQ(doc.caret(), c.caret);
    }
}


} // namespace textcalc::sheet::testing_support
