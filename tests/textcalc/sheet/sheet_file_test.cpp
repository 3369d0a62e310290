// Opening and saving sheet files: the format by name when saving and by content when opening,
// the files of other word processors, and the messages of files that cannot be opened.
#include "sheet_lines.h"

#include "textcalc/sheet/files/plain_text.h"
#include "textcalc/sheet/files/rtf_reader.h"
#include "textcalc/sheet/files/sheet_file.h"

#include "platform/errors.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fstream>
#include <random>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
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
    // Text after the document's group: a plain-text sheet whose first line looks like RTF.
    write(dir / "looks.txt", "{\\rtf1 x}\ny:=2\ny+1");
    EXPECT_EQ(linesOf(PlainDocument(loadSheet(dir / "looks.txt", Input))), (Lines{"{\\rtf1 x}", "y:=2", "y+1"}));
    write(dir / "blanks.rtf", "{\\rtf1 x\\par}\r\n \r\n");
    EXPECT_EQ(linesOf(PlainDocument(loadSheet(dir / "blanks.rtf", Input))), (Lines{"x"}));
}

TEST_F(SheetFile, Failures)
{
    write(dir / "big.txt", std::string(MaxSheetFileBytes + 1, 'x'));
    write(dir / "lines.txt", std::string(MaxSheetLines + 5, '\n'));
    write(dir / "binary.txt", std::string("x:=1\0\x01\x02", 7));
    write(dir / "after.rtf", std::string("{\\rtf1 x}\0\0\0", 12));
    std::filesystem::create_directories(dir / "folder.rtf");
    struct Case {
        const char* name;
        const char* message;
    };
    for (const Case c : {Case{"missing.rtf", "Error. File \" missing.rtf \" cannot be read."},
                         Case{"folder.rtf", "Error. File \" folder.rtf \" cannot be read."},
                         Case{"big.txt", "Error. File \" big.txt \" is too large to open as a sheet."},
                         Case{"lines.txt", "Error. File \" lines.txt \" is too large to open as a sheet."},
                         Case{"binary.txt", "Error. File \" binary.txt \" is neither a sheet nor a text file."},
                         Case{"after.rtf", "Error. File \" after.rtf \" is neither a sheet nor a text file."}}) {
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

// A sheet of `lines` lines of `text`, and its bytes as a plain-text file.
SheetContent bigSheet(int lines, const std::string& text)
{
    return contentOf(Lines(static_cast<size_t>(lines), text), Input);
}

std::vector<std::string> filesIn(const std::filesystem::path& dir)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir))
        names.push_back(entry.path().filename().string());
    return names;
}

// A save killed at any moment leaves the whole old file or the whole new one, never a part.
TEST_F(SheetFile, KilledSaveLeavesOldOrNewFile)
{
    const std::filesystem::path file = dir / "big.txt";
    const SheetContent older = bigSheet(200000, "x:=x+1 old"), newer = bigSheet(250000, "y:=y*2 new");
    const std::string oldBytes = writePlainText(older), newBytes = writePlainText(newer);
    // The kills fall anywhere from before the save starts to after it ends.
    const auto started = std::chrono::steady_clock::now();
    saveSheet(file, newer);
    const auto saveTime = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - started);
    std::mt19937 random(12345);
    for (int round = 0; round < 30; ++round) {
        saveSheet(file, older);
        const pid_t child = ::fork();
        if (child == 0) {
            saveSheet(file, newer);
            ::_exit(0);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(random() % (2 * saveTime.count() + 1)));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        const std::string now = read(file);
        ASSERT_TRUE(now == oldBytes || now == newBytes) << "round " << round << ": " << now.size() << " bytes";
        for (const std::string& name : filesIn(dir))
            if (name != "big.txt")
                std::filesystem::remove(dir / name); // what a killed save leaves beside the file
    }
}

// A write that fails half-way (here the file size limit, as a full disk would) reports the
// failure, keeps the old file and leaves nothing else behind; so does a save into a file
// that cannot be replaced.
TEST_F(SheetFile, FailedSaveKeepsOldFile)
{
    const std::filesystem::path file = dir / "kept.rtf";
    saveSheet(file, sample());
    const std::string before = read(file);
    const pid_t child = ::fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        try {
            saveSheet(file, bigSheet(10000, "a long line that does not fit"));
        } catch (const platform::UserError& e) {
            ::_exit(std::string(e.what()) == "Error. File \" kept.rtf \" cannot be written." ? 0 : 2);
        }
        ::_exit(1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "1: saved, 2: another message";
    EXPECT_EQ(read(file), before);
    EXPECT_EQ(filesIn(dir), std::vector<std::string>{"kept.rtf"});

    std::filesystem::create_directories(dir / "folder.txt");
    EXPECT_THROW(saveSheet(dir / "folder.txt", sample()), platform::UserError);
    EXPECT_TRUE(std::filesystem::is_directory(dir / "folder.txt"));
}

} // namespace
} // namespace textcalc::sheet
