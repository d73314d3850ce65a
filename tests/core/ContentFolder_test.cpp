// An installed game's data folder linked to its content: a new folder, one a
// player has lived in (their own files, links of an older install, content
// an update took away), and one that cannot be made.
#include "platform/ContentFolder.h"
#include "tests/support/Recorders.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;
using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;

namespace {

class ContentFolderTest : public testing::Test {
protected:
    void SetUp() override {
        for (const char* dir : {"data", "icons", "help/pictures"})
            fs::create_directories(content / dir);
        for (const char* file : {"data/games.dat", "data/About.dat", "icons/deduxa-16.png",
                                 "help/pictures/a.png", "deduxa.hlp"})
            WriteBytes((content / file).string(), std::string("content of ") + file);
        WriteBytes((content / "data/Sound.dat").string(), "TRUE\n");
        fs::create_directories(folder);
    }
    fs::path Leads(const char* file) const { return fs::read_symlink(folder / file); }

    TempDir dir;
    const fs::path content = fs::path(dir.Path()) / "share";
    const fs::path folder = fs::path(dir.Path()) / "home";
};

TEST_F(ContentFolderTest, ANewFolderGetsALinkToEveryFileAndItsOwnSettings) {
    EXPECT_FALSE(platform::LinksContent(content, folder));
    const platform::ContentLinking result = platform::LinkContent(content, folder);
    ASSERT_TRUE(result.ok) << result.failure;
    for (const char* own : {"players", "games", "ants", "data", "icons", "help/pictures"})
        EXPECT_TRUE(fs::is_directory(fs::symlink_status(folder / own))) << own;
    for (const char* file : {"data/games.dat", "data/About.dat", "icons/deduxa-16.png",
                             "help/pictures/a.png", "deduxa.hlp"})
        EXPECT_EQ(Leads(file), content / file) << file;
    const fs::path settings = folder / "data/Sound.dat";
    ASSERT_FALSE(fs::is_symlink(fs::symlink_status(settings)));
    EXPECT_EQ(ReadBytes(settings.string()), "TRUE\n");
    EXPECT_NE(fs::status(settings).permissions() & fs::perms::owner_write, fs::perms::none);
    EXPECT_TRUE(platform::LinksContent(content, folder));
}

TEST_F(ContentFolderTest, ALivedInFolderKeepsThePlayersFilesAndMendsTheLinks) {
    fs::create_directories(folder / "data");
    fs::create_directories(folder / "players");
    fs::create_directories(folder / "icons");
    // The player's own: a file in the place of a content file, the settings,
    // a link of their own among the players.
    WriteBytes((folder / "data/About.dat").string(), "mine");
    WriteBytes((folder / "data/Sound.dat").string(), "FALSE\n");
    fs::create_symlink(dir.Path() + "gone", folder / "players/mine.lnk");
    // An older install's link, content since taken away, a linking cut short.
    fs::create_symlink(dir.Path() + "old/games.dat", folder / "data/games.dat");
    fs::create_symlink(content / "data/removed.htf", folder / "data/removed.htf");
    fs::create_symlink(content / "deduxa.hlp", folder / "icons/.deduxa-new-deduxa-16.png");

    const platform::ContentLinking result = platform::LinkContent(content, folder);
    ASSERT_TRUE(result.ok) << result.failure;
    EXPECT_EQ(ReadBytes((folder / "data/About.dat").string()), "mine");
    EXPECT_EQ(ReadBytes((folder / "data/Sound.dat").string()), "FALSE\n");
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(folder / "players/mine.lnk")));
    EXPECT_EQ(Leads("data/games.dat"), content / "data/games.dat");
    EXPECT_FALSE(fs::exists(fs::symlink_status(folder / "data/removed.htf")));
    EXPECT_FALSE(fs::exists(fs::symlink_status(folder / "icons/.deduxa-new-deduxa-16.png")));
    EXPECT_EQ(Leads("icons/deduxa-16.png"), content / "icons/deduxa-16.png");
}

TEST_F(ContentFolderTest, SomethingInThePlaceOfAFolderIsAFailureAndLeftAlone) {
    WriteBytes((folder / "players").string(), "not a folder");
    const platform::ContentLinking result = platform::LinkContent(content, folder);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.failure.find((folder / "players").string() + ": something else"),
              std::string::npos)
        << result.failure;
    EXPECT_EQ(ReadBytes((folder / "players").string()), "not a folder");

    const platform::ContentLinking missing = platform::LinkContent(content / "nowhere", folder);
    EXPECT_FALSE(missing.ok);
    EXPECT_NE(missing.failure.find("the game content is missing"), std::string::npos);
}

} // namespace
