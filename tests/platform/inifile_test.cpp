#include "platform/inifile.h"

#include <fstream>
#include <gtest/gtest.h>

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
    EXPECT_FALSE(fs::exists(dir / "test.ini.tmp"));
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
