// RTF files saved by word processors: LibreOffice Writer (a sheet of ours it re-saved, and a
// document of its own with styles, a list, a table and a link) and a minimal file in the
// style of the system's small editor. Their text, alignment and character formats must come
// through; nothing of their tables, styles or fields may show as text.
#include "sheet_lines.h"

#include "textcalc/sheet/files/sheet_file.h"

#include <gtest/gtest.h>

namespace textcalc::sheet {
namespace {

using testing_support::Lines;
using testing_support::linesOf;

SheetContent fixture(const char* name) { return loadSheet(std::filesystem::path(ZOLT_SHEET_FIXTURES) / name, {}); }

struct FixtureCase {
    const char* file;
    Lines lines;
};

const FixtureCase kFixtures[] = {
    {"libreoffice_sheet.rtf",
     {"x:=1/3; Příliš žluťoučký kůň", "> 4/3 úpěl ďábelské ódy", "> vpravo ŠČŘŽÝ", "", "a{b}\\c €"}},
    {"libreoffice_document.rtf",
     {"Program: x:=2; y:=x^10", "> 1024", "Čeština: příliš žluťoučký kůň úpěl", "> vpravo malé", "odrážka", "a\tb\t",
      "odkaz a poznámka"}},
    {"wordpad_like.rtf", {"x:=1/3", "> 1/3", "Příliš žluťoučký kůň", "> vpravo", ""}},
};

TEST(Fixtures, Text)
{
    for (const FixtureCase& c : kFixtures) {
        SCOPED_TRACE(c.file);
        EXPECT_EQ(linesOf(PlainDocument(fixture(c.file))), c.lines);
    }
}

TEST(Fixtures, LibreOfficeKeepsOurFormats)
{
    const SheetContent content = fixture("libreoffice_sheet.rtf");
    ASSERT_EQ(content.paragraphs.size(), 5u);
    const CharFormat input{"Courier New", 10, {}, false, false, false};
    EXPECT_EQ(content.paragraphs[0].runs, (std::vector<sheet::Run>{{"x:=1/3; Příliš žluťoučký kůň", input}}));
    EXPECT_EQ(content.paragraphs[1].runs,
              (std::vector<sheet::Run>{{"4/3 úpěl ďábelské ódy", CharFormat{"Arial", 14, Colour{255, 0, 0}, true, false, false}}}));
    EXPECT_EQ(content.paragraphs[2].alignment, Alignment::Right);
    EXPECT_EQ(content.paragraphs[2].runs,
              (std::vector<sheet::Run>{{"vpravo ", CharFormat{"Times New Roman", 12, Colour{0, 0, 255}, false, true, true}},
                                       {"ŠČŘŽÝ", CharFormat{"DejaVu Sans", 9, Colour{0, 128, 0}, true, true, false}}}));
    EXPECT_EQ(content.paragraphs[3].endFormat, input);
}

TEST(Fixtures, LibreOfficeDocumentFormats)
{
    const SheetContent content = fixture("libreoffice_document.rtf");
    ASSERT_EQ(content.paragraphs.size(), 7u);
    const CharFormat serif{"Liberation Serif", 12, {}, false, false, false};
    EXPECT_EQ(content.paragraphs[1].runs,
              (std::vector<sheet::Run>{{"1024", CharFormat{"Liberation Sans", 16, Colour{128, 0, 0}, true, false, false}}}));
    CharFormat italic = serif, underline = serif, green = serif;
    italic.italic = true;
    underline.underline = true;
    green.colour = Colour{0, 255, 0};
    EXPECT_EQ(content.paragraphs[2].runs,
              (std::vector<sheet::Run>{{"Čeština: ", serif}, {"příliš", italic}, {" ", serif}, {"žluťoučký", underline},
                                       {" ", serif}, {"kůň", green}, {" úpěl", serif}}));
    EXPECT_EQ(content.paragraphs[3].runs.at(0).format.size, 8);
}

TEST(Fixtures, MinimalEditorFile)
{
    const SheetContent content = fixture("wordpad_like.rtf");
    ASSERT_EQ(content.paragraphs.size(), 5u);
    const CharFormat courier{"Courier New", 10, {}, false, false, false};
    CharFormat blueItalic = courier;
    blueItalic.colour = Colour{0, 0x4D, 0xBB};
    blueItalic.italic = true;
    EXPECT_EQ(content.paragraphs[1].runs,
              (std::vector<sheet::Run>{{"1/3", CharFormat{"Calibri", 12, Colour{255, 0, 0}, true, false, false}}}));
    EXPECT_EQ(content.paragraphs[2].runs,
              (std::vector<sheet::Run>{{"Příliš ", courier}, {"žluťoučký", blueItalic}, {" kůň", courier}}));
    EXPECT_TRUE(content.paragraphs[3].runs.at(0).format.underline);
}

} // namespace
} // namespace textcalc::sheet
