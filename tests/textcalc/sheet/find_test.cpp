// Find and replace on the in-memory sheet: where a search starts, what it ignores, how
// replacing walks through the sheet and how replace-all keeps to its range.
#include "document_cases.h"

#include "textcalc/sheet/find.h"

#include <gtest/gtest.h>

namespace textcalc::sheet {
namespace {

using testing_support::contentOf;
using testing_support::Lines;
using testing_support::linesOf;

struct FindCase {
    const char* name;
    Lines sheet;
    Position start, end; // the selection before; equal for a caret
    const char* text;
    bool found;
    Position selStart, selEnd; // the selection after
};

const FindCase kFindCases[] = {
    {"FromTheCaret", {"abc abc"}, {0, 2}, {0, 2}, "abc", true, {0, 4}, {0, 7}},
    {"FromTheCaretAtAnOccurrence", {"abc abc"}, {0, 0}, {0, 0}, "abc", true, {0, 0}, {0, 3}},
    {"FromTheSelectionsEnd", {"xabxab"}, {0, 1}, {0, 3}, "ab", true, {0, 4}, {0, 6}},
    {"SelectionMadeBackwards", {"xabxab"}, {0, 3}, {0, 1}, "ab", true, {0, 4}, {0, 6}},
    {"LowerFindsUpper", {"xAB"}, {0, 0}, {0, 0}, "ab", true, {0, 1}, {0, 3}},
    {"UpperFindsLower", {"x ab"}, {0, 0}, {0, 0}, "AB", true, {0, 2}, {0, 4}},
    {"CzechCapitals", {"ŽLUŤOUČKÝ KŮŇ"}, {0, 0}, {0, 0}, "kůň", true, {0, 10}, {0, 13}},
    {"CzechSmallFindCapitals", {"čeština"}, {0, 0}, {0, 0}, "ČEŠTINA", true, {0, 0}, {0, 7}},
    {"OnALaterLine", {"ab", "cd ab"}, {0, 1}, {0, 1}, "ab", true, {1, 3}, {1, 5}},
    {"NotBeforeTheCaret", {"ab cd"}, {0, 3}, {0, 3}, "ab", false, {0, 3}, {0, 3}},
    {"NotFoundKeepsTheSelection", {"abc"}, {0, 1}, {0, 2}, "x", false, {0, 1}, {0, 2}},
    {"NotAcrossALineBreak", {"ab", "cd"}, {0, 0}, {0, 0}, "bc", false, {0, 0}, {0, 0}},
    {"EmptyTextIsNotFound", {"abc"}, {0, 1}, {0, 1}, "", false, {0, 1}, {0, 1}},
};

TEST(Find, StartsAfterTheSelectionAndIgnoresCase)
{
    for (const FindCase& c : kFindCases) {
        SCOPED_TRACE(c.name);
        PlainDocument doc(contentOf(c.sheet));
        doc.select(c.start, c.end);
        EXPECT_EQ(findNext(doc, c.text), c.found);
        EXPECT_EQ(doc.selectionStart(), c.selStart);
        EXPECT_EQ(doc.selectionEnd(), c.selEnd);
        EXPECT_EQ(linesOf(doc), c.sheet);
    }
}

// Each press replaces the next occurrence after the inserted text, so that the replacement's
// own "ab" is never found again.
TEST(Find, ReplaceWalksThroughTheSheet)
{
    PlainDocument doc(contentOf({"x AB", "ab y Ab"}));
    struct Step {
        Lines sheet;
        Position selStart, selEnd;
    };
    const Step steps[] = {
        {{"x [ab]", "ab y Ab"}, {0, 2}, {0, 6}},
        {{"x [ab]", "[ab] y Ab"}, {1, 0}, {1, 4}},
        {{"x [ab]", "[ab] y [ab]"}, {1, 7}, {1, 11}},
    };
    for (const Step& step : steps) {
        ASSERT_TRUE(replaceNext(doc, "ab", "[ab]"));
        EXPECT_EQ(linesOf(doc), step.sheet);
        EXPECT_EQ(doc.selectionStart(), step.selStart);
        EXPECT_EQ(doc.selectionEnd(), step.selEnd);
    }
    EXPECT_FALSE(replaceNext(doc, "ab", "[ab]"));
    EXPECT_EQ(linesOf(doc), steps[2].sheet);
}

TEST(Find, ReplaceAllKeepsToItsRangeAndRestoresTheSelection)
{
    testing_support::checkReplaceAll([](const SheetContent& content) { return std::make_unique<PlainDocument>(content); });
}

// A sheet that counts how often its lines are read: replace-all reads each line a few times
// whatever the number of occurrences, so that it stays linear in the text.
class CountingDocument : public PlainDocument {
public:
    using PlainDocument::PlainDocument;
    std::string lineText(int line) const override
    {
        ++reads;
        return PlainDocument::lineText(line);
    }
    mutable int reads = 0;
};

TEST(Find, ReplaceAllReadsEachLineAFewTimes)
{
    struct Case {
        const char* name;
        Lines sheet;
        const char* text;
        const char* replacement;
    };
    const Case cases[] = {
        {"ManyInOneLine", {std::string(3000, 'a')}, "a", "bb"},
        {"ManyLinesOfMany", Lines(50, std::string(200, 'x') + "yx"), "X", "z"},
        {"LineBreaks", {std::string(1000, ';')}, ";", ";\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CountingDocument doc(contentOf(c.sheet));
        doc.setCaret({0, 1});
        replaceAll(doc, c.text, c.replacement);
        EXPECT_LE(doc.reads, 8 * int(c.sheet.size()) + 8);
    }
}

} // namespace
} // namespace textcalc::sheet
