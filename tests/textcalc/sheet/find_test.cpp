// Find and replace on the in-memory sheet: where a search starts, what it ignores, how
// replacing walks through the sheet and how replace-all keeps to its range.
#include "sheet_lines.h"

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

struct ReplaceAllCase {
    const char* name;
    Lines sheet;
    Position start, end;
    const char* text;
    const char* replacement;
    int count;
    Lines after;
    Position selStart, selEnd; // same offset and length as before, on the new text
};

const ReplaceAllCase kReplaceAllCases[] = {
    {"WholeSheetWithoutASelection", {"ab AB aB", "cab"}, {0, 1}, {0, 1}, "ab", "x", 4, {"x x x", "cx"}, {0, 1}, {0, 1}},
    {"CaretKeepsItsOffset", {"ab AB aB", "cab"}, {1, 0}, {1, 0}, "ab", "x", 4, {"x x x", "cx"}, {1, 2}, {1, 2}},
    {"LongerInsideTheSelection", {"ab ab ab ab"}, {0, 3}, {0, 8}, "ab", "abab", 2, {"ab abab abab ab"}, {0, 3}, {0, 8}},
    {"ShorterInsideTheSelection", {"aaa aaa aaa"}, {0, 0}, {0, 7}, "aaa", "b", 2, {"b b aaa"}, {0, 0}, {0, 7}},
    {"RangeEndFollowsLongerText", {"ab ab ab"}, {0, 0}, {0, 5}, "ab", "abcd", 2, {"abcd abcd ab"}, {0, 0}, {0, 5}},
    {"RangeEndFollowsShorterText", {"ab ab ab"}, {0, 0}, {0, 5}, "ab", "", 2, {"  ab"}, {0, 0}, {0, 4}},
    {"ReplacementHoldingTheText", {"a a"}, {0, 0}, {0, 0}, "a", "aa", 2, {"aa aa"}, {0, 0}, {0, 0}},
    {"OnlyWhollyInsideTheSelection", {"ab", "ab", "ab"}, {0, 1}, {2, 1}, "ab", "X", 1, {"ab", "X", "ab"}, {0, 1}, {2, 2}},
    {"CzechCapitals", {"Čáp ČÁP čáp"}, {0, 0}, {0, 0}, "čáp", "vrána", 3, {"vrána vrána vrána"}, {0, 0}, {0, 0}},
    {"NotFound", {"abc"}, {0, 1}, {0, 2}, "x", "y", 0, {"abc"}, {0, 1}, {0, 2}},
    {"EmptyTextDoesNothing", {"abc"}, {0, 0}, {0, 0}, "", "y", 0, {"abc"}, {0, 0}, {0, 0}},
};

TEST(Find, ReplaceAllKeepsToItsRangeAndRestoresTheSelection)
{
    for (const ReplaceAllCase& c : kReplaceAllCases) {
        SCOPED_TRACE(c.name);
        PlainDocument doc(contentOf(c.sheet));
        doc.select(c.start, c.end);
        EXPECT_EQ(replaceAll(doc, c.text, c.replacement), c.count);
        EXPECT_EQ(linesOf(doc), c.after);
        EXPECT_EQ(doc.selectionStart(), c.selStart);
        EXPECT_EQ(doc.selectionEnd(), c.selEnd);
    }
}

} // namespace
} // namespace textcalc::sheet
