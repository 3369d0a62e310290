// RTF sheet files: our own files read back as written, files of other word processors read
// with their text and formats, and damaged or hostile files read as far as they can be.
#include "sheet_lines.h"

#include "textcalc/sheet/files/rtf_reader.h"
#include "textcalc/sheet/files/rtf_writer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <random>

namespace textcalc::sheet {
namespace {

using testing_support::Lines;
using testing_support::linesOf;

const CharFormat Times{};
const CharFormat Input{"Courier New", 10, {}, false, false, false};
const CharFormat RedBold{"Arial", 14, Colour{255, 0, 0}, true, false, false};
const CharFormat BlueItalicUnder{"Times New Roman", 10.5, Colour{0, 0, 255}, false, true, true};
const CharFormat Navy{"DejaVu Sans", 9, Colour{0, 0, 128}, true, true, true};

Paragraph para(Alignment a, std::vector<sheet::Run> runs, CharFormat end = {})
{
    if (!runs.empty())
        end = runs.back().format;
    return {a, std::move(runs), end};
}

struct RoundTripCase {
    const char* name;
    SheetContent content;
};

const RoundTripCase kRoundTrips[] = {
    {"OneEmptyLine", {{para(Alignment::Left, {})}}},
    {"EmptyLinesKeepTheirFormat", {{para(Alignment::Left, {}, Input), para(Alignment::Center, {}, RedBold)}}},
    {"ProgramAndOutputs",
     {{para(Alignment::Left, {{"x:=1/3", Input}}), para(Alignment::Center, {{"1/3", RedBold}}),
       para(Alignment::Left, {}, Input)}}},
    {"CzechLettersAndColours",
     {{para(Alignment::Left, {{"Příliš žluťoučký kůň ", Input}, {"úpěl ďábelské ódy", RedBold}}),
       para(Alignment::Right, {{"ŠČŘŽÝÁÍÉŮÚŇŤĎ", BlueItalicUnder}, {" šďťň", Navy}})}}},
    {"RtfSpecialCharacters", {{para(Alignment::Left, {{"a\\b {c} \td", Times}})}}},
    {"OutsideWindows1250", {{para(Alignment::Left, {{"α→∑ €😀 ß", Times}})}}},
    {"RunsOfManyFormats",
     {{para(Alignment::Center, {{"a", Times}, {"b", Input}, {"c", RedBold}, {"d", BlueItalicUnder}, {"e", Navy}})}}},
    {"TextStartingWithDigitsAfterFormat", {{para(Alignment::Left, {{"12", Input}, {"34", RedBold}})}}},
    {"FontNameOutsideWindows1250",
     {{para(Alignment::Left, {{"x", CharFormat{"ＭＳ 明朝", 12, {}, false, false, false}}, {"y", Input}})}}},
};

TEST(Rtf, RoundTrip)
{
    for (const RoundTripCase& c : kRoundTrips) {
        SCOPED_TRACE(c.name);
        const std::string rtf = writeRtf(c.content);
        EXPECT_TRUE(looksLikeRtf(rtf));
        EXPECT_EQ(readRtf(rtf), c.content) << rtf;
    }
}

TEST(Rtf, WrittenFileIsPlainAscii)
{
    const std::string rtf = writeRtf({{para(Alignment::Left, {{"čř😀", Times}})}});
    for (char c : rtf)
        EXPECT_LT(static_cast<unsigned char>(c), 0x80u);
    // Readers without Unicode get the Windows-1250 bytes.
    EXPECT_NE(rtf.find("\\u269\\'e8\\u345\\'f8"), std::string::npos) << rtf;
    EXPECT_NE(rtf.find("\\ansicpg1250"), std::string::npos);
}

struct ReadCase {
    const char* name;
    const char* rtf;
    Lines lines;
};

const ReadCase kReadCases[] = {
    {"Minimal", R"({\rtf1 Hello\par World})", {"Hello", "World"}},
    {"FinalParIsNoExtraLine", R"({\rtf1 a\par b\par})", {"a", "b"}},
    {"EmptyDocument", R"({\rtf1})", {""}},
    {"CentredAndRight", R"({\rtf1\pard\qc a\par\pard b\par\qr c\par\qj d\par})", {"> a", "b", "> c", "d"}},
    {"AnsiBytesWindows1250", R"({\rtf1\ansi\ansicpg1250 \'e8\'f8\'9e\par})", {"čřž"}},
    {"AnsiBytesWindows1252", R"({\rtf1\ansi\ansicpg1252 \'e8\'80\par})", {"è€"}},
    {"FontCharsetDecidesTheBytes",
     R"({\rtf1\ansi\ansicpg1252{\fonttbl{\f0 Arial;}{\f1\fcharset238 Arial CE;}}\f0\'e8\f1\'e8\par})", {"èč"}},
    {"UnicodeWithFallback", R"({\rtf1\uc1 \u268\'c8\u345?x\par})", {"Čřx"}},
    {"UnicodeWithoutFallback", R"({\rtf1\uc0 \u268\u345 x\par})", {"Čřx"}},
    {"UnicodeTwoFallbackCharacters", R"({\rtf1\uc2 \u269 ab c\par})", {"č c"}},
    {"NegativeUnicode", R"({\rtf1\u-3913?\par})", {"\xEF\x82\xB7"}},
    {"SurrogatePair", R"({\rtf1\u-10179?\u-8704?\par})", {"😀"}},
    {"LoneSurrogate", R"({\rtf1\u-10179?x\par})", {"\xEF\xBF\xBDx"}},
    {"FallbackSkipEndsAtGroup", R"({\rtf1\uc3{\u269}ab\par})", {"čab"}},
    {"UnknownControlWordsIgnored", R"({\rtf1\foo\bar12 \zzz-4 text\par})", {"text"}},
    {"IgnorableDestinationSkipped", R"({\rtf1{\*\generator Writer;}{\*\unknown{nested}text}a\par})", {"a"}},
    {"KnownDestinationsSkipped",
     R"({\rtf1{\stylesheet{\s0 Normal;}}{\info{\title T}{\author A}}{\pict\pngblip 89504e47}{\header H}a\par})",
     {"a"}},
    {"FieldResultShown", R"({\rtf1{\field{\*\fldinst HYPERLINK "x"}{\fldrslt link}}\par})", {"link"}},
    {"EscapedSymbols", R"({\rtf1 \\ \{ \} a\~b\_c\-d\par})", {"\\ { } a\xC2\xA0" "b-cd"}},
    {"TabsAndQuotes", R"({\rtf1 a\tab b\lquote c\rquote\ldblquote d\rdblquote\emdash\endash\bullet\par})",
     {"a\tb‘c’“d”—–•"}},
    {"LineIsANewLine", R"({\rtf1 a\line b\par})", {"a", "b"}},
    {"BackslashNewlineIsAParagraph", "{\\rtf1 a\\\nb}", {"a", "b"}},
    {"FileLineBreaksAreNotText", "{\\rtf1 a\r\nb\nc\\par}", {"abc"}},
    {"BinarySkipped", "{\\rtf1 a{\\bin4 }}}}b\\par}", {"ab"}},
    {"TableCells", R"({\rtf1\trowd\cellx100\cellx200 a\cell b\cell\row c\par})", {"a\tb\t", "c"}},
    {"ListTextSkipped", R"({\rtf1{\listtext 1.\tab}item\par})", {"item"}},
    {"ControlCharactersDropped", "{\\rtf1 a\x01\x7f" "b\\par}", {"ab"}},
};

TEST(Rtf, ReadsText)
{
    for (const ReadCase& c : kReadCases) {
        SCOPED_TRACE(c.name);
        const SheetContent content = readRtf(c.rtf);
        Lines lines;
        for (const Paragraph& p : content.paragraphs)
            lines.push_back((isOutputAlignment(p.alignment) ? "> " : "") + p.text());
        EXPECT_EQ(lines, c.lines);
    }
}

struct FormatCase {
    const char* name;
    const char* rtf;
    std::vector<sheet::Run> runs;
};

const char* const Tables = R"({\fonttbl{\f0\froman Times New Roman;}{\f1\fswiss{\*\panose 020b0604020202020204}Arial;})"
                           R"({\f2 Courier New;}}{\colortbl;\red255\green0\blue0;\red0\green0\blue128;})";

const FormatCase kFormatCases[] = {
    {"Defaults", "", {{"x", Times}}},
    {"FontSizeColour", R"(\f1\fs28\cf1\b )", {{"x", CharFormat{"Arial", 14, Colour{255, 0, 0}, true, false, false}}}},
    {"ColourZeroIsAuto", R"(\cf0 )", {{"x", Times}}},
    {"ColourBeyondTheTable", R"(\cf9 )", {{"x", Times}}},
    {"UnknownFontIsTheDefault", R"(\f7 )", {{"x", Times}}},
    {"HalfPoints", R"(\fs21 )", {{"x", CharFormat{"Times New Roman", 10.5, {}, false, false, false}}}},
    {"SizeBelowOnePoint", R"(\fs1 )", {{"x", CharFormat{"Times New Roman", 1, {}, false, false, false}}}},
    {"Styles", R"(\i\ul )", {{"x", CharFormat{"Times New Roman", 12, {}, false, true, true}}}},
    {"StylesOff", R"(\b\i\ul\b0\i0\ulnone )", {{"x", Times}}},
    {"UnderlineKinds", R"(\uldb )", {{"x", CharFormat{"Times New Roman", 12, {}, false, false, true}}}},
    {"UnderlineColourIsNotUnderline", R"(\ulc1 )", {{"x", Times}}},
    {"PlainResets", R"(\f2\fs40\cf2\b\i\ul\plain )", {{"x", Times}}},
    {"GroupsRestore", R"({\b\cf2 a})", {{"a", CharFormat{"Times New Roman", 12, Colour{0, 0, 128}, true, false, false}}, {"x", Times}}},
};

TEST(Rtf, ReadsFormats)
{
    for (const FormatCase& c : kFormatCases) {
        SCOPED_TRACE(c.name);
        const SheetContent content = readRtf(std::string("{\\rtf1\\deff0") + Tables + c.rtf + "x\\par}");
        ASSERT_EQ(content.paragraphs.size(), 1u);
        EXPECT_EQ(content.paragraphs[0].runs, c.runs);
    }
}

TEST(Rtf, FontTableWithoutGroupsAndDefaultFont)
{
    const SheetContent content = readRtf(R"({\rtf1\deff1{\fonttbl\f0\fnil Arial;\f1\fnil Courier New;}a\f0 b\par})");
    const std::vector<sheet::Run> expected{{"a", CharFormat{"Courier New", 12, {}, false, false, false}},
                                           {"b", CharFormat{"Arial", 12, {}, false, false, false}}};
    EXPECT_EQ(content.paragraphs.at(0).runs, expected);
}

TEST(Rtf, EmptyParagraphTakesTheFormatAtItsMark)
{
    const SheetContent content = readRtf(std::string("{\\rtf1") + Tables + R"(\f2\fs20\par\qc\f1\cf1\par})");
    ASSERT_EQ(content.paragraphs.size(), 2u);
    EXPECT_EQ(content.paragraphs[0], (Paragraph{Alignment::Left, {}, Input}));
    EXPECT_EQ(content.paragraphs[1], (Paragraph{Alignment::Center, {}, CharFormat{"Arial", 10, Colour{255, 0, 0}, false, false, false}}));
}

struct HostileCase {
    const char* name;
    std::string rtf;
    Lines lines;
};

TEST(Rtf, DamagedFilesReadAsFarAsTheyCan)
{
    const HostileCase cases[] = {
        {"TruncatedInText", R"({\rtf1 first\par sec)", {"first", "sec"}},
        {"TruncatedInControlWord", R"({\rtf1 a\par\qc b\pa)", {"a", "> b"}},
        {"TruncatedInHex", R"({\rtf1\ansicpg1250 a\'e)", {"a"}},
        {"TruncatedInFontTable", R"({\rtf1{\fonttbl{\f0 Ari)", {""}},
        {"StrayClosingBraceEnds", R"({\rtf1 a\par}} b\par)", {"a"}},
        {"TooDeep", "{\\rtf1 a\\par" + std::string(MaxRtfDepth + 10, '{') + "b", {"a"}},
        {"HugeNumbers", R"({\rtf1\fs99999999999999\cf-99999999999\u99999999999?\uc-5\bin-3 x\par})", {"\xEF\xBF\xBFx"}},
        {"HugeBinaryLength", R"({\rtf1 a\bin999999999 rest)", {"a"}},
        {"LongControlWord", "{\\rtf1 " + std::string("\\") + std::string(100000, 'a') + " x\\par}", {"x"}},
    };
    for (const HostileCase& c : cases) {
        SCOPED_TRACE(c.name);
        Lines lines;
        for (const Paragraph& p : readRtf(c.rtf).paragraphs)
            lines.push_back((isOutputAlignment(p.alignment) ? "> " : "") + p.text());
        EXPECT_EQ(lines, c.lines);
    }
}

TEST(Rtf, DeepNestingAndNoiseNeverCrash)
{
    EXPECT_NO_THROW(readRtf("{\\rtf1" + std::string(10'000'000, '{')));
    EXPECT_NO_THROW(readRtf("{\\rtf1" + std::string(1'000'000, '}')));
    std::mt19937 random(11);
    for (int round = 0; round < 50; ++round) {
        std::string noise = "{\\rtf1 ";
        for (int k = 0; k < 20000; ++k)
            noise += static_cast<char>(random() % 256);
        const SheetContent content = readRtf(noise);
        EXPECT_GE(content.paragraphs.size(), 1u);
    }
}

TEST(Rtf, TooManyLinesRefused)
{
    std::string rtf = "{\\rtf1 ";
    for (int k = 0; k <= MaxSheetLines; ++k)
        rtf += "\\par";
    EXPECT_THROW(readRtf(rtf), TooManyLines);
    rtf.resize(rtf.size() - 4);
    EXPECT_EQ(readRtf(rtf).paragraphs.size(), static_cast<size_t>(MaxSheetLines));
}

TEST(Rtf, LooksLikeRtf)
{
    EXPECT_TRUE(looksLikeRtf("{\\rtf1 x}"));
    EXPECT_TRUE(looksLikeRtf("\xEF\xBB\xBF \r\n{\\rtf"));
    EXPECT_FALSE(looksLikeRtf("x:=1 {\\rtf1}"));
    EXPECT_FALSE(looksLikeRtf(""));
    EXPECT_FALSE(looksLikeRtf("{\\rt"));
}

} // namespace
} // namespace textcalc::sheet
