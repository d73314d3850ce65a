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

// The file's bytes (nullptr: no file) and what the game reads from them.
TEST(SettingsRead, SoundFromTheFirstLineColoursFromTheNextNine) {
    const BoardColors d = kDefaultColors;
    const struct {
        const char* file;
        bool sound;
        BoardColors colors;
    } cases[] = {
        {kDefaultFile.c_str(), true, d},
        {"FALSE\r\n0\r\n0\r\n255\r\n", false, {{0, 0, 255}, d.trueColor, d.falseColor}},
        {"\r\n", false, d},
        {"", false, d},
        {nullptr, false, d},
        {"yes\n", true, d}, // only an empty line or exactly FALSE switch sound off
        {"FALSE\n1\n2\n3\n4\n5\n6\n7\n8\n9\n", false, {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}}},
        // Components keep their low eight bits.
        {"TRUE\n300\nred\n256\n  17xyz\n-1\n+20\n511\n\n2147483647999\n",
         true,
         {{44, 0, 0}, {17, 255, 20}, {255, 0, 255}}},
        // Lines after ten are never read.
        {"TRUE\n1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11\n12\ngarbage\n",
         true,
         {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}}},
        // A file stopping short keeps the defaults of the colours it does not reach.
        {"TRUE\n10\n20\n30\n40\n50\n", true, {{10, 20, 30}, d.trueColor, d.falseColor}},
        {"TRUE\n1\n2\n3\n4\n5\n6\n7\n8\n9", true, {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file ? c.file : "(no file)");
        TempDir dir;
        ScopedDataFolder folder(dir.Path());
        if (c.file)
            WriteBytes(dir.File("data/Sound.dat"), c.file);
        EXPECT_EQ(ReadSoundSetting(), c.sound);
        EXPECT_EQ(ReadColorSettings(), c.colors);
    }
    for (const char* on : {"false", "FALSE ", "TRUE"})
        EXPECT_TRUE(ParseSoundLine(on)) << on;
    EXPECT_FALSE(ParseSoundLine("FALSE"));
    EXPECT_EQ(ParseColorComponent("no digits"), 0);
    // The file is found whatever the case of its folder and name.
    TempDir dir;
    WriteBytes(dir.File("DATA/sound.DAT"), "TRUE\n");
    ScopedDataFolder folder(dir.Path());
    EXPECT_TRUE(ReadSoundSetting());
}

// The ten lines in file order: the Settings command in MainFrame_test.
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

TEST(SettingsWrite, UnwritableSettingsAreLeftAloneQuietly) {
    // A folder where the file should be cannot be opened for writing, nor read.
    TempDir dir;
    std::filesystem::create_directories(dir.File("data/Sound.dat"));
    ScopedDataFolder folder(dir.Path());
    EXPECT_FALSE(WriteSettings(true, kDefaultColors));
    EXPECT_FALSE(ReadSoundSetting());
    EXPECT_EQ(ReadColorSettings(), kDefaultColors);

    // A full disk reports failure without throwing; nothing reached the disk.
    SettingsFolder f(kDefaultFile);
    platform::CTextFile::FailNextWrite(13);
    EXPECT_FALSE(WriteSettings(false, {{9, 9, 9}, {9, 9, 9}, {9, 9, 9}}));
    platform::CTextFile::FailNextWrite(0);
    EXPECT_EQ(ReadBytes(f.path), kDefaultFile);
}
