// The settings file: the start-up sound read, the board's colour read, and the
// in-place rewrite.
#include "board/Settings.h"
#include "platform/TextFile.h"
#include "tests/support/Recorders.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace board;
using namespace testing_support;

namespace {

// A data folder holding "data/Sound.dat" with the given bytes.
struct SettingsFolder {
    TempDir dir;
    ScopedDataFolder folder{dir.Path()};
    std::string path = dir.File("data/Sound.dat");
    explicit SettingsFolder(const std::string& bytes) { WriteBytes(path, bytes); }
};

const std::string kDefaultFile = "TRUE\r\n0\r\n0\r\n255\r\n0\r\n255\r\n0\r\n255\r\n0\r\n0\r\n";

} // namespace

TEST(SettingsSound, FirstLineDecidesTheSound) {
    {
        SettingsFolder f("FALSE\r\n0\r\n0\r\n255\r\n");
        EXPECT_FALSE(ReadSoundSetting());
    }
    {
        SettingsFolder f("TRUE\r\n0\r\n0\r\n255\r\n");
        EXPECT_TRUE(ReadSoundSetting());
    }
    {
        SettingsFolder f("\r\n0\r\n0\r\n255\r\n");
        EXPECT_FALSE(ReadSoundSetting());
    }
    {
        SettingsFolder f("");
        EXPECT_FALSE(ReadSoundSetting());
    }
}

TEST(SettingsSound, AnyOtherFirstLineIsOn) {
    // Only an empty line or exactly FALSE switch sound off.
    EXPECT_TRUE(ParseSoundLine("yes"));
    EXPECT_TRUE(ParseSoundLine("false"));
    EXPECT_TRUE(ParseSoundLine("FALSE "));
    EXPECT_FALSE(ParseSoundLine("FALSE"));
    EXPECT_FALSE(ParseSoundLine(""));
}

TEST(SettingsSound, MissingFileMeansSoundOff) {
    TempDir dir;
    ScopedDataFolder folder(dir.Path());
    EXPECT_FALSE(ReadSoundSetting());
}

TEST(SettingsSound, FindsTheFileWhateverTheFolderCase) {
    TempDir dir;
    WriteBytes(dir.File("DATA/sound.DAT"), "TRUE\n");
    ScopedDataFolder folder(dir.Path());
    EXPECT_TRUE(ReadSoundSetting());
}

TEST(SettingsColors, DefaultColourFileGivesTheDefaults) {
    SettingsFolder f(kDefaultFile);
    BoardColors c = ReadColorSettings();
    EXPECT_EQ(c, kDefaultColors);
    EXPECT_EQ(c.hint, (RgbColor{0, 0, 255}));
    EXPECT_EQ(c.trueColor, (RgbColor{0, 255, 0}));
    EXPECT_EQ(c.falseColor, (RgbColor{255, 0, 0}));
}

TEST(SettingsColors, ReadsHintTrueFalseInFileOrder) {
    SettingsFolder f("FALSE\n1\n2\n3\n4\n5\n6\n7\n8\n9\n");
    BoardColors c = ReadColorSettings();
    EXPECT_EQ(c.hint, (RgbColor{1, 2, 3}));
    EXPECT_EQ(c.trueColor, (RgbColor{4, 5, 6}));
    EXPECT_EQ(c.falseColor, (RgbColor{7, 8, 9}));
}

TEST(SettingsColors, ComponentsKeepTheirLowEightBits) {
    SettingsFolder f("TRUE\n300\nred\n256\n  17xyz\n-1\n+20\n511\n\n2147483647999\n");
    BoardColors c = ReadColorSettings();
    EXPECT_EQ(c.hint, (RgbColor{44, 0, 0}));
    EXPECT_EQ(c.trueColor, (RgbColor{17, 255, 20}));
    EXPECT_EQ(c.falseColor, (RgbColor{255, 0, 255}));
    EXPECT_EQ(ParseColorComponent("300"), 44);
    EXPECT_EQ(ParseColorComponent("no digits"), 0);
}

TEST(SettingsColors, MissingFileLeavesTheDefaults) {
    TempDir dir;
    ScopedDataFolder folder(dir.Path());
    EXPECT_EQ(ReadColorSettings(), kDefaultColors);
}

TEST(SettingsColors, LinesAfterTenAreNeverRead) {
    SettingsFolder f("TRUE\n1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11\n12\ngarbage\n");
    EXPECT_EQ(ReadColorSettings().falseColor, (RgbColor{7, 8, 9}));
}

TEST(SettingsColors, FileStoppingShortKeepsTheDefaultsOfColoursItDoesNotReach) {
    // Sound alone: every colour keeps its default rather than reading black.
    {
        SettingsFolder f("TRUE\n");
        EXPECT_EQ(ReadColorSettings(), kDefaultColors);
    }
    // The hint colour whole, the true colour cut off after two lines.
    {
        SettingsFolder f("TRUE\n10\n20\n30\n40\n50\n");
        BoardColors c = ReadColorSettings();
        EXPECT_EQ(c.hint, (RgbColor{10, 20, 30}));
        EXPECT_EQ(c.trueColor, kDefaultTrueColor);
        EXPECT_EQ(c.falseColor, kDefaultFalseColor);
    }
    // A last line without its line end still counts.
    {
        SettingsFolder f("TRUE\n1\n2\n3\n4\n5\n6\n7\n8\n9");
        EXPECT_EQ(ReadColorSettings().falseColor, (RgbColor{7, 8, 9}));
    }
}

TEST(SettingsWrite, WritesTenLinesInFileOrder) {
    SettingsFolder f("FALSE\n");
    BoardColors colors{{1, 2, 3}, {4, 5, 6}, {7, 8, 9}};
    ASSERT_TRUE(WriteSettings(true, colors));
    EXPECT_EQ(ReadBytes(f.path), "TRUE\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n");
    EXPECT_TRUE(ReadSoundSetting());
    EXPECT_EQ(ReadColorSettings(), colors);
}

TEST(SettingsWrite, LongerEarlierFileKeepsItsTailHarmlessly) {
    const std::string old =
        "FALSE\r\n100\r\n100\r\n100\r\n200\r\n200\r\n200\r\n150\r\n150\r\n150\r\n"
        "an old tail line\r\nand another\r\n";
    SettingsFolder f(old);
    ASSERT_TRUE(WriteSettings(true, kDefaultColors));
    const std::string now = ReadBytes(f.path);
    ASSERT_EQ(now.size(), old.size());
    EXPECT_EQ(now.substr(0, kDefaultFile.size()), kDefaultFile);
    EXPECT_EQ(now.substr(kDefaultFile.size()), old.substr(kDefaultFile.size()));
    EXPECT_TRUE(ReadSoundSetting());
    EXPECT_EQ(ReadColorSettings(), kDefaultColors);
}

TEST(SettingsWrite, MissingFileIsNotCreated) {
    TempDir dir;
    WriteBytes(dir.File("data/other.txt"), "x");
    ScopedDataFolder folder(dir.Path());
    EXPECT_FALSE(WriteSettings(true, kDefaultColors));
    EXPECT_FALSE(std::filesystem::exists(dir.File("data/Sound.dat")));
    EXPECT_FALSE(std::filesystem::exists(dir.File("Data/Sound.dat")));
    // And sound stays off the next time the program starts.
    EXPECT_FALSE(ReadSoundSetting());
}

TEST(SettingsWrite, DiskFullReportsFailureWithoutThrowing) {
    SettingsFolder f(kDefaultFile);
    platform::CTextFile::FailNextWrite(13);
    EXPECT_FALSE(WriteSettings(false, {{9, 9, 9}, {9, 9, 9}, {9, 9, 9}}));
    platform::CTextFile::FailNextWrite(0);
    // Nothing reached the disk.
    EXPECT_EQ(ReadBytes(f.path), kDefaultFile);
}

TEST(SettingsWrite, UnwritableSettingsAreLeftAloneQuietly) {
    // A folder where the file should be cannot be opened for writing, nor read.
    TempDir dir;
    std::filesystem::create_directories(dir.File("data/Sound.dat"));
    ScopedDataFolder folder(dir.Path());
    EXPECT_FALSE(WriteSettings(true, kDefaultColors));
    EXPECT_FALSE(ReadSoundSetting());
    EXPECT_EQ(ReadColorSettings(), kDefaultColors);
}
