#include "platform/inifile.h"

#include <csignal>
#include <fstream>
#include <gtest/gtest.h>

#include <tuple>
#include <iterator>
#include <sys/resource.h>
#include <unistd.h>

namespace fs = std::filesystem;

class IniFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() / ("zolt_ini_" + std::to_string(::getpid()) + "_" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir);
        path = dir / "test.ini";
    }
    void TearDown() override { fs::remove_all(dir); }
    void write(const std::string& text)
    {
        std::ofstream(path, std::ios::binary) << text;
    }
    fs::path dir, path;
};

TEST_F(IniFileTest, ReadsCaseInsensitivelyWithTrimmedValues)
{
    write("[Format]\r\n Base = 16 \r\nDigits=0x0E\r\nbad=12x\r\n[other]\nname=  Arial  \n");
    platform::IniFile ini(path);
    EXPECT_TRUE(ini.existed());
    EXPECT_EQ(ini.readInteger("format", "BASE", 10), 16);
    EXPECT_EQ(ini.readInteger("FORMAT", "digits", 0), 14);
    EXPECT_EQ(ini.readInteger("format", "bad", 7), 7);
    EXPECT_EQ(ini.readInteger("format", "missing", 3), 3);
    EXPECT_EQ(ini.readString("OTHER", "Name", ""), "Arial");
    EXPECT_TRUE(ini.sectionExists("Other"));
    EXPECT_FALSE(ini.sectionExists("none"));
}

TEST_F(IniFileTest, MissingFileIsEmptyAndWritesGoThrough)
{
    platform::IniFile ini(path);
    EXPECT_FALSE(ini.existed());
    EXPECT_EQ(ini.readString("a", "b", "def"), "def");
    ASSERT_TRUE(ini.writeInteger("a", "b", -5));
    ASSERT_TRUE(ini.writeString("A", "c", " x "));
    platform::IniFile again(path);
    EXPECT_EQ(again.readInteger("a", "B", 0), -5);
    EXPECT_EQ(again.readString("a", "c", ""), "x");
    EXPECT_EQ(again.sections().size(), 1u);
    EXPECT_EQ(fs::directory_iterator(dir)->path(), path); // no temporary file left
}

// A line break would end the value and start a key or section of its own: nothing is written.
TEST_F(IniFileTest, LineBreaksAreNeverWritten)
{
    platform::IniFile ini(path);
    ASSERT_TRUE(ini.writeString("recent", "1", "a.txt"));
    for (const auto& [section, key, value] : {std::tuple{"recent", "1", "x\n[text]\ndigits=3"},
                                              std::tuple{"recent", "2", "x\ry"}, std::tuple{"re\ncent", "1", "x"},
                                              std::tuple{"recent", "k\n=", "x"}}) {
        SCOPED_TRACE(value);
        EXPECT_FALSE(ini.writeString(section, key, value));
    }
    const platform::IniFile again(path);
    EXPECT_EQ(again.sections(), std::vector<std::string>{"recent"});
    EXPECT_EQ(again.keys("recent"), std::vector<std::string>{"1"});
    EXPECT_EQ(again.readString("recent", "1", ""), "a.txt");
}

TEST_F(IniFileTest, GarbageNeverBreaksReading)
{
    std::string garbage = "\x00\x01\xff[\n=novalue\n[sec\nkey=99999999999999999999999\nk2=-0x\n";
    garbage[0] = '\0';
    write(garbage);
    platform::IniFile ini(path);
    EXPECT_EQ(ini.readInteger("sec", "key", 4), 4);
    EXPECT_EQ(ini.readInteger("sec", "k2", 5), 5);
}

TEST_F(IniFileTest, LegacyEncodingIsConverted)
{
    write("[l]\ncaption=P\xf8\xedklad\n"); // "Příklad" in Windows-1250
    platform::IniFile ini(path);
    EXPECT_EQ(ini.readString("l", "caption", ""), "P\xc5\x99\xc3\xadklad");
}

TEST_F(IniFileTest, BatchWritesOnce)
{
    platform::IniFile ini(path);
    ini.beginBatch();
    ini.writeBool("s", "on", true);
    EXPECT_FALSE(fs::exists(path));
    ini.writeBool("s", "off", false);
    ASSERT_TRUE(ini.endBatch());
    platform::IniFile again(path);
    EXPECT_TRUE(again.readBool("s", "on", false));
    EXPECT_FALSE(again.readBool("s", "off", true));
}

namespace {

std::string contents(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Everything in the folder but the file itself: a temporary file left behind shows here.
std::vector<std::string> othersIn(const fs::path& dir, const fs::path& file)
{
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir))
        if (e.path() != file)
            names.push_back(e.path().filename().string());
    return names;
}

} // namespace

// Writing rewrites only the values it changes: comments, blank lines, keys nobody reads and
// repeated keys stay where they were.
TEST_F(IniFileTest, WritingKeepsCommentsAndUnknownKeys)
{
    const struct {
        const char* name;
        const char* before;
        const char* section;
        const char* key;
        const char* value;
        const char* after;
    } rows[] = {
        {"changed value", "; head\n\n[s]\n; about a\na = 1\nunknown=x\n", "s", "a", "2",
         "; head\n\n[s]\n; about a\na=2\nunknown=x\n"},
        {"same value keeps the line as written", "[s]\r\n  A = 1  \r\n# note\r\n", "s", "a", "1",
         "[s]\n  A = 1  \n# note\n"},
        {"new key after the last key, before the next section's comment",
         "[s]\na=1\n\n; section t\n[t]\nb=2\n", "s", "c", "3", "[s]\na=1\nc=3\n\n; section t\n[t]\nb=2\n"},
        {"new key in a section of comments only", "[s]\n; nothing yet\n\n[t]\n", "s", "a", "1",
         "[s]\n; nothing yet\na=1\n\n[t]\n"},
        {"new section after a key", "[s]\nb=2\n", "t", "a", "1", "[s]\nb=2\n\n[t]\na=1\n"},
        {"new section after a comment", "[s]\n; end\n", "t", "a", "1", "[s]\n; end\n[t]\na=1\n"},
        {"repeated key stays, the first is written", "[s]\na=1\na=9\n", "s", "a", "2", "[s]\na=2\na=9\n"},
        {"repeated section continues the first", "[s]\na=1\n[t]\n[S]\nb=2\n", "s", "b", "3",
         "[s]\na=1\nb=3\n\n[t]\n"},
        {"lines before any section", "garbage line\n;c\n[s]\n", "s", "a", "1", "garbage line\n;c\n[s]\na=1\n"},
        // Each write lost one of them, so no two writes gave the same file.
        {"byte order marks at the start all go", "\xEF\xBB\xBF\xEF\xBB\xBF[s]\na=1\n", "s", "a", "2", "[s]\na=2\n"},
        {"stray carriage returns at line ends all go", "[s]\n; note\r\r\r\na=1\n", "s", "a", "2", "[s]\n; note\na=2\n"},
    };
    for (const auto& row : rows) {
        write(row.before);
        platform::IniFile ini(path);
        ASSERT_TRUE(ini.writeString(row.section, row.key, row.value)) << row.name;
        EXPECT_EQ(contents(path), row.after) << row.name;
        EXPECT_EQ(platform::IniFile(path).readString(row.section, row.key, ""), row.value) << row.name;
    }
}

TEST_F(IniFileTest, KeptLinesAreNoKeys)
{
    write("[s]\n; a=1\na=2\na=3\n");
    platform::IniFile ini(path);
    EXPECT_EQ(ini.keys("s"), std::vector<std::string>{"a"});
    EXPECT_EQ(ini.readInteger("s", "a", 0), 2);
    ASSERT_TRUE(ini.writeInteger("s", "a", 4));
    EXPECT_EQ(contents(path), "[s]\n; a=1\na=4\na=3\n");
}

// A file its owner made read-only is not replaced, even by a user who could.
TEST_F(IniFileTest, ReadOnlyFileIsNotWritten)
{
    write("[s]\na=1\n");
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read);
    platform::IniFile ini(path);
    EXPECT_FALSE(ini.writeInteger("s", "a", 2));
    EXPECT_EQ(contents(path), "[s]\na=1\n");
    EXPECT_EQ(fs::status(path).permissions(), fs::perms::owner_read | fs::perms::group_read);
    EXPECT_TRUE(othersIn(dir, path).empty());
}

TEST_F(IniFileTest, ReplacedFileKeepsItsPermissions)
{
    write("[s]\na=1\n");
    const fs::perms perms = fs::perms::owner_read | fs::perms::owner_write;
    fs::permissions(path, perms);
    platform::IniFile ini(path);
    ASSERT_TRUE(ini.writeInteger("s", "a", 2));
    EXPECT_EQ(fs::status(path).permissions(), perms);
}

// A link stays a link; its target gets the new contents.
TEST_F(IniFileTest, SymbolicLinkIsWrittenThroughToItsTarget)
{
    fs::create_directories(dir / "real");
    const fs::path target = dir / "real" / "settings.ini";
    std::ofstream(target) << "; mine\n[s]\na=1\n";
    fs::create_symlink("real/settings.ini", path);
    platform::IniFile ini(path);
    ASSERT_TRUE(ini.writeInteger("s", "a", 2));
    EXPECT_TRUE(fs::is_symlink(path));
    EXPECT_EQ(contents(target), "; mine\n[s]\na=2\n");
    EXPECT_EQ(othersIn(dir / "real", target), std::vector<std::string>{});
}

// A write that fails half-way (a full disk; here a file size limit) leaves the old file and
// no temporary file.
TEST_F(IniFileTest, FailedWriteLeavesNoTemporaryFile)
{
    write("[s]\na=1\n");
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 16;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    platform::IniFile ini(path);
    const bool written = ini.writeString("s", "a", std::string(100, 'x'));
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(written);
    EXPECT_EQ(contents(path), "[s]\na=1\n");
    EXPECT_TRUE(othersIn(dir, path).empty());
}
