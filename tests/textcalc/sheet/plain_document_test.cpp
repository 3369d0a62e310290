// The in-memory sheet: editing by lines and by selection, formats kept as the editor keeps
// them, columns counted in characters, and the caret following the text.
#include "document_cases.h"

#include <gtest/gtest.h>

namespace textcalc::sheet {
namespace {

using testing_support::contentOf;
using testing_support::Lines;
using testing_support::linesOf;
using testing_support::Input;

std::unique_ptr<Document> makePlain(const SheetContent& content) { return std::make_unique<PlainDocument>(content); }

TEST(PlainDocument, ReplaceSelection) { testing_support::checkReplaceSelection(makePlain); }
TEST(PlainDocument, SelectionIsOrderedWhateverTheDirection) { testing_support::checkSelectionOrder(makePlain); }
TEST(PlainDocument, DeleteLine) { testing_support::checkDeleteLine(makePlain); }
TEST(PlainDocument, CaretFollowsEdits) { testing_support::checkCaretFollowsEdits(makePlain); }

const CharFormat Red{"Arial", 14, Colour{255, 0, 0}, true, false, true};

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

TEST(PlainDocument, EmptyContentIsOneEmptyLine)
{
    PlainDocument doc(SheetContent{});
    EXPECT_EQ(doc.lineCount(), 1);
    EXPECT_EQ(doc.lineText(0), "");
    EXPECT_THROW(doc.lineText(1), sheet::LineOutOfRange);
    EXPECT_THROW(doc.insertLine(3, "x"), sheet::LineOutOfRange);
}

TEST(Paragraph, TextJoinsRuns)
{
    const Paragraph p{Alignment::Left, {{"příliš ", Input}, {"žluťoučký", Red}}, Red};
    EXPECT_EQ(p.text(), "příliš žluťoučký");
    EXPECT_EQ(Paragraph{}.text(), "");
}

} // namespace
} // namespace textcalc::sheet
