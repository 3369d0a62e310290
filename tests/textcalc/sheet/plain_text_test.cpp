// Sheets as plain text: lines, encodings and what plain text cannot keep.
#include "sheet_lines.h"

#include "textcalc/sheet/files/plain_text.h"
#include "textcalc/sheet/files/rtf_reader.h"

#include <gtest/gtest.h>

namespace textcalc::sheet {
namespace {

using testing_support::contentOf;
using testing_support::Lines;
using testing_support::linesOf;

const CharFormat Input{"Courier New", 10, {}, false, false, false};

struct ReadCase {
    const char* name;
    std::string bytes;
    Lines lines;
};

TEST(PlainText, Reads)
{
    const ReadCase cases[] = {
        {"Empty", "", {""}},
        {"LineFeeds", "a\nb", {"a", "b"}},
        {"FinalBreakIsAnEmptyLastLine", "a\n", {"a", ""}},
        {"CrLf", "a\r\nb\r\n\r\nc", {"a", "b", "", "c"}},
        {"OldMacCr", "a\rb", {"a", "b"}},
        {"Utf8", "příliš žluťoučký", {"příliš žluťoučký"}},
        {"ByteOrderMark", "\xEF\xBB\xBFx:=1", {"x:=1"}},
        {"Windows1250", "\xe8\xf8\x9e\xfd", {"čřžý"}},
        {"TabsKeptControlsDropped", std::string("a\tb\0c\x1b" "d", 7), {"a\tbcd"}},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.name);
        const PlainDocument doc(readPlainText(c.bytes, Input));
        EXPECT_EQ(linesOf(doc), c.lines);
    }
}

TEST(PlainText, LinesAreLeftInTheGivenFormat)
{
    const SheetContent content = readPlainText("x\n", Input);
    EXPECT_EQ(content.paragraphs.at(0), (Paragraph{Alignment::Left, {{"x", Input}}, Input}));
    EXPECT_EQ(content.paragraphs.at(1), (Paragraph{Alignment::Left, {}, Input}));
}

TEST(PlainText, WriteLosesOnlyFormats)
{
    const Lines sheet{"x:=1/3", "> 1/3", "čř", ""};
    const std::string text = writePlainText(contentOf(sheet, Input));
    EXPECT_EQ(text, "x:=1/3\n1/3\nčř\n");
    // Reopened, former outputs are ordinary program lines.
    EXPECT_EQ(linesOf(PlainDocument(readPlainText(text, Input))), (Lines{"x:=1/3", "1/3", "čř", ""}));
}

TEST(PlainText, TooManyLinesRefused)
{
    EXPECT_THROW(readPlainText(std::string(MaxSheetLines, '\n'), Input), TooManyLines);
    EXPECT_EQ(readPlainText(std::string(MaxSheetLines - 1, '\n'), Input).paragraphs.size(),
              static_cast<size_t>(MaxSheetLines));
}

} // namespace
} // namespace textcalc::sheet
