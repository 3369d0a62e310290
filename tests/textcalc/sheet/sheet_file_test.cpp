// Opening and saving sheet files: the format by name when saving and by content when opening,
// the files of other word processors, and the messages of files that cannot be opened.
#include "sheet_lines.h"

#include "textcalc/sheet/files/rtf_reader.h"
#include "textcalc/sheet/files/sheet_file.h"

#include "platform/errors.h"

#include <gtest/gtest.h>

#include <fstream>
#include <unistd.h>

namespace textcalc::sheet {
namespace {

using testing_support::contentOf;
using testing_support::Lines;
using testing_support::linesOf;

const CharFormat Input{"Courier New", 10, {}, false, false, false};
const CharFormat Output{"Arial", 12, Colour{255, 0, 0}, true, false, false};

class SheetFile : public ::testing::Test {
protected:
    void SetUp() override { std::filesystem::create_directories(dir); }
    void TearDown() override { std::filesystem::remove_all(dir); }
    std::string read(const std::filesystem::path& file)
    {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    void write(const std::filesystem::path& file, const std::string& bytes)
    {
        std::ofstream(file, std::ios::binary) << bytes;
    }
    std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("zoltcalc-sheet-file-" + std::to_string(::getpid()));
};

SheetContent sample()
{
    SheetContent content = contentOf({"x:=1/3", "> 1/3", "ř"}, Input);
    content.paragraphs[1].runs[0].format = Output;
    content.paragraphs[1].endFormat = Output;
    return content;
}

TEST_F(SheetFile, FormatByName)
{
    struct Case {
        const char* name;
        bool rtf;
    };
    for (const Case c : {Case{"a.rtf", true}, Case{"a.RTF", false}, Case{"a.txt", false}, Case{"rtf", false},
                         Case{"a.rtf.txt", false}, Case{".rtf", true}}) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(savesAsRtf(dir / c.name), c.rtf);
        saveSheet(dir / c.name, sample());
        EXPECT_EQ(read(dir / c.name).starts_with("{\\rtf1"), c.rtf);
        const SheetContent back = loadSheet(dir / c.name, Input);
        if (c.rtf)
            EXPECT_EQ(back, sample());
        else
            EXPECT_EQ(linesOf(PlainDocument(back)), (Lines{"x:=1/3", "1/3", "ř"}));
    }
}

TEST_F(SheetFile, OpensByContent)
{
    write(dir / "rich.txt", "{\\rtf1 a\\par\\qc b\\par}");
    EXPECT_EQ(linesOf(PlainDocument(loadSheet(dir / "rich.txt", Input))), (Lines{"a", "> b"}));
    write(dir / "plain.rtf", "a\nb");
    EXPECT_EQ(linesOf(PlainDocument(loadSheet(dir / "plain.rtf", Input))), (Lines{"a", "b"}));
}

TEST_F(SheetFile, Failures)
{
    write(dir / "big.txt", std::string(MaxSheetFileBytes + 1, 'x'));
    write(dir / "lines.txt", std::string(MaxSheetLines + 5, '\n'));
    std::filesystem::create_directories(dir / "folder.rtf");
    struct Case {
        const char* name;
        const char* message;
    };
    for (const Case c : {Case{"missing.rtf", "Error. File \" missing.rtf \" cannot be read."},
                         Case{"folder.rtf", "Error. File \" folder.rtf \" cannot be read."},
                         Case{"big.txt", "Error. File \" big.txt \" is too large to open as a sheet."},
                         Case{"lines.txt", "Error. File \" lines.txt \" is too large to open as a sheet."}}) {
        SCOPED_TRACE(c.name);
        try {
            loadSheet(dir / c.name, Input);
            ADD_FAILURE() << "opened";
        } catch (const platform::UserError& e) {
            EXPECT_STREQ(e.what(), c.message);
        }
    }
    try {
        saveSheet(dir / "no-such-folder" / "a.rtf", sample());
        ADD_FAILURE() << "saved";
    } catch (const platform::UserError& e) {
        EXPECT_STREQ(e.what(), "Error. File \" a.rtf \" cannot be written.");
    }
}

} // namespace
} // namespace textcalc::sheet
