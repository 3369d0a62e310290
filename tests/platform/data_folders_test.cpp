// Where settings.ini and the text calculator's folders are: beside the program while its
// directory can be written, else in the user's folders seeded from the program's copies.
#include "platform/data_folders.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

std::string contents(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}

void writeFile(const fs::path& path, const std::string& text)
{
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

// A program directory as the package installs it, and an empty home.
class DataFoldersTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = fs::temp_directory_path() / ("zoltcalc-folders-" + std::to_string(::getpid()));
        fs::remove_all(root);
        program = root / "program";
        writeFile(program / "settings.ini", "[main]\nskin=1\n");
        writeFile(program / "sheets" / "demo.txt", "1+1\n");
        writeFile(program / "sheets" / "sub" / "nested.txt", "2\n");
        writeFile(program / "textfiles" / ".keep", "");
        fs::create_directories(program / "pictures");
        user = {root / "home" / ".config" / "zoltcalc", root / "home" / ".local" / "share" / "zoltcalc"};
    }
    void TearDown() override { fs::remove_all(root); }

    fs::path root, program;
    platform::UserFolders user;
};

TEST_F(DataFoldersTest, WritableProgramDirectoryIsPortable)
{
    const platform::DataFolders folders = platform::locateDataFolders(program, user);
    EXPECT_FALSE(folders.perUser);
    EXPECT_EQ(folders.program, program);
    EXPECT_EQ(folders.settingsFile, program / "settings.ini");
    EXPECT_EQ(folders.data, program);
    EXPECT_FALSE(fs::exists(root / "home")); // nothing is created for the user
}

TEST_F(DataFoldersTest, FirstStartSeedsTheUserFolders)
{
    const platform::DataFolders folders = platform::userDataFolders(program, user);
    EXPECT_TRUE(folders.perUser);
    EXPECT_EQ(folders.program, program);
    EXPECT_EQ(folders.settingsFile, user.config / "settings.ini");
    EXPECT_EQ(folders.data, user.data);
    EXPECT_EQ(contents(folders.settingsFile), "[main]\nskin=1\n");
    EXPECT_EQ(contents(user.data / "sheets" / "demo.txt"), "1+1\n");
    EXPECT_EQ(contents(user.data / "sheets" / "sub" / "nested.txt"), "2\n");
    EXPECT_TRUE(fs::is_directory(user.data / "pictures"));
    EXPECT_TRUE(fs::is_directory(user.data / "textfiles"));
    EXPECT_FALSE(fs::exists(user.data / "textfiles" / ".keep"));
}

// The user's own files win, and what the user removed from a folder stays removed.
TEST_F(DataFoldersTest, LaterStartsKeepTheUsersFiles)
{
    platform::userDataFolders(program, user);
    writeFile(user.config / "settings.ini", "[main]\nskin=2\n");
    fs::remove(user.data / "sheets" / "demo.txt");
    fs::remove_all(user.data / "pictures");
    writeFile(program / "sheets" / "added.txt", "3\n");

    platform::userDataFolders(program, user);
    EXPECT_EQ(contents(user.config / "settings.ini"), "[main]\nskin=2\n");
    EXPECT_FALSE(fs::exists(user.data / "sheets" / "demo.txt"));
    EXPECT_FALSE(fs::exists(user.data / "sheets" / "added.txt"));
    EXPECT_TRUE(fs::is_directory(user.data / "pictures")); // a missing folder is made again
}

// An installed copy may be read-only; the user's copies must still be writable.
TEST_F(DataFoldersTest, SeededCopiesAreWritable)
{
    fs::permissions(program / "settings.ini", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    fs::permissions(program / "sheets", fs::perms::owner_read | fs::perms::owner_exec);
    platform::userDataFolders(program, user);
    fs::permissions(program / "sheets", fs::perms::owner_all);
    EXPECT_NE(fs::status(user.config / "settings.ini").permissions() & fs::perms::owner_write, fs::perms::none);
    EXPECT_NE(fs::status(user.data / "sheets").permissions() & fs::perms::owner_write, fs::perms::none);
}

TEST_F(DataFoldersTest, ProgramWithoutCopiesGetsEmptyFolders)
{
    const fs::path bare = root / "bare";
    fs::create_directories(bare);
    const platform::DataFolders folders = platform::userDataFolders(bare, user);
    EXPECT_FALSE(fs::exists(folders.settingsFile));
    for (const char* name : {"sheets", "pictures", "textfiles"})
        EXPECT_TRUE(fs::is_directory(user.data / name)) << name;
}

struct EnvironmentCase {
    const char* name;
    const char* home;
    const char* configHome; // nullptr: unset
    const char* dataHome;
    const char* config;
    const char* data;
};

const EnvironmentCase kEnvironmentCases[] = {
    {"Defaults", "/home/u", nullptr, nullptr, "/home/u/.config/zoltcalc", "/home/u/.local/share/zoltcalc"},
    {"XdgVariables", "/home/u", "/cfg", "/dat", "/cfg/zoltcalc", "/dat/zoltcalc"},
    {"EmptyVariablesAreUnset", "/home/u", "", "", "/home/u/.config/zoltcalc", "/home/u/.local/share/zoltcalc"},
    {"RelativeVariablesAreIgnored", "/home/u", "cfg", "dat", "/home/u/.config/zoltcalc",
     "/home/u/.local/share/zoltcalc"},
};

void setOrUnset(const char* name, const char* value)
{
    if (value)
        ::setenv(name, value, 1);
    else
        ::unsetenv(name);
}

TEST(UserFolders, FromEnvironment)
{
    const std::string savedHome = std::getenv("HOME") ? std::getenv("HOME") : "";
    for (const EnvironmentCase& c : kEnvironmentCases) {
        SCOPED_TRACE(c.name);
        setOrUnset("HOME", c.home);
        setOrUnset("XDG_CONFIG_HOME", c.configHome);
        setOrUnset("XDG_DATA_HOME", c.dataHome);
        const platform::UserFolders folders = platform::UserFolders::fromEnvironment();
        EXPECT_EQ(folders.config, fs::path(c.config));
        EXPECT_EQ(folders.data, fs::path(c.data));
    }
    ::setenv("HOME", savedHome.c_str(), 1);
    ::unsetenv("XDG_CONFIG_HOME");
    ::unsetenv("XDG_DATA_HOME");
}

} // namespace
