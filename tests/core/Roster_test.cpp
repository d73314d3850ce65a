// The roster file and deleting a player's files.
#include "platform/DataPath.h"
#include "platform/FileError.h"
#include "players/Player.h"
#include "players/Roster.h"
#include "tests/support/PlayerFixtures.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace players;
using testing_support::FileSizeLimit;
using testing_support::MessageRecorder;
using testing_support::PlayerFolders;
using testing_support::ReadBytes;
using testing_support::TimeLimit;
using testing_support::WriteBytes;

TEST(Roster, MissingRosterIsCreatedEmpty) {
    PlayerFolders folders;
    std::vector<RosterEntry> entries{{"x", "y"}};
    int cause = 0;
    EXPECT_FALSE(ReadRoster(RosterPath(), entries, &cause));
    EXPECT_EQ(cause, platform::causeFileNotFound);
    EXPECT_TRUE(entries.empty());
    EXPECT_EQ(CreateRoster(RosterPath()), 0);
    EXPECT_EQ(ReadBytes(RosterPath()), "");
    // An existing roster is left alone.
    WriteBytes(RosterPath(), "A\r\nA0.ply\r\n");
    EXPECT_EQ(CreateRoster(RosterPath()), 0);
    EXPECT_EQ(ReadBytes(RosterPath()), "A\r\nA0.ply\r\n");
    // A folder that is not there cannot hold one.
    EXPECT_NE(CreateRoster(folders.Data() + "nowhere/data"), 0);
}

TEST(Roster, AppendsAtTheEndAndKeepsPairsWhole) {
    PlayerFolders folders;
    EXPECT_EQ(AppendRosterEntry(RosterPath(), {"Ann", "Ann0.ply"}), 0);
    EXPECT_EQ(AppendRosterEntry(RosterPath(), {"Bob", "Bob0.ply"}), 0);
    EXPECT_EQ(ReadBytes(RosterPath()), "Ann\r\nAnn0.ply\r\nBob\r\nBob0.ply\r\n");
    // A hand-edited roster without its last line end; its bytes stay as they are.
    WriteBytes(RosterPath(), "Ann\nAnn0.ply");
    EXPECT_EQ(AppendRosterEntry(RosterPath(), {"Cy", "Cy0.ply"}), 0);
    EXPECT_EQ(ReadBytes(RosterPath()), "Ann\nAnn0.ply\r\nCy\r\nCy0.ply\r\n");
    // A name the hand edit left without its file name gets an empty one.
    for (const char* cut : {"\r\nCut", "\r\nCut\r\n", "\r\n\r\nCut\n"}) {
        WriteBytes(RosterPath(), std::string("Ann\r\nAnn0.ply") + cut);
        EXPECT_EQ(AppendRosterEntry(RosterPath(), {"Cy", "Cy0.ply"}), 0);
        std::vector<RosterEntry> entries;
        ASSERT_TRUE(ReadRoster(RosterPath(), entries));
        EXPECT_EQ(entries,
                  (std::vector<RosterEntry>{{"Ann", "Ann0.ply"}, {"Cut", ""}, {"Cy", "Cy0.ply"}}))
            << cut;
    }
}

TEST(Roster, AnAppendThatFillsTheDiskLeavesTheRosterByteForByte) {
    PlayerFolders folders;
    const std::string old = "Ann\r\nAnn0.ply\r\nBob\r\nBob0.ply\r\n";
    WriteBytes(RosterPath(), old);
    int cause;
    {
        // Room for the old roster and half of the new pair.
        FileSizeLimit limit(old.size() + 12);
        cause = AppendRosterEntry(RosterPath(), {"Maria Fernanda Oliveira", "Maria0.ply"});
    }
    EXPECT_EQ(cause, platform::causeDiskFull);
    EXPECT_EQ(ReadBytes(RosterPath()), old);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folders.Players()), {}), 1);
}

TEST(Roster, PairsThatWouldNotReadBackAreRefusedWithError3) {
    PlayerFolders folders;
    const std::string old = "Ann\r\nAnn0.ply\r\n";
    WriteBytes(RosterPath(), old);
    const RosterEntry broken[] = {
        {"Ann Lee\nX", "Ann_0.ply"}, {"Ann Lee\r", "Ann_0.ply"}, {"Tab\tbed", "Tab0.ply"},
        {"Bell\a", "Bell0.ply"},     {"Del\x7f", "Del0.ply"},    {"Dave", "Dave0.ply\nX"},
        {"", "Dave0.ply"},
    };
    for (const RosterEntry& entry : broken) {
        EXPECT_EQ(AppendRosterEntry(RosterPath(), entry), platform::causeBadPath) << entry.name;
        EXPECT_EQ(RewriteRoster(RosterPath(), {{"Ann", "Ann0.ply"}, entry}), platform::causeBadPath)
            << entry.name;
    }
    EXPECT_EQ(ReadBytes(RosterPath()), old);
    // Names of more than one byte are one line all the same.
    EXPECT_EQ(AppendRosterEntry(RosterPath(), {"Zo\xc3\xab", "Zo\xc3\xab"
                                                             "0.ply"}),
              0);
}

TEST(Roster, SpecialFilesAndDanglingLinksAreNeitherFollowedNorAwaited) {
    PlayerFolders folders;
    const std::string elsewhere = folders.Data() + "elsewhere";
    std::filesystem::create_symlink(elsewhere, RosterPath());
    EXPECT_NE(CreateRoster(RosterPath()), 0);
    EXPECT_FALSE(std::filesystem::exists(elsewhere));
    // An append puts a roster in place of the link.
    EXPECT_EQ(AppendRosterEntry(RosterPath(), {"Ann", "Ann0.ply"}), 0);
    EXPECT_FALSE(std::filesystem::exists(elsewhere));
    EXPECT_EQ(ReadBytes(RosterPath()), "Ann\r\nAnn0.ply\r\n");
    // A roster that is a pipe is refused at once.
    std::filesystem::remove(RosterPath());
    ASSERT_EQ(::mkfifo(RosterPath().c_str(), 0644), 0);
    std::vector<RosterEntry> entries;
    int readCause = 0, appendCause = 0;
    bool read;
    {
        TimeLimit limit(2);
        read = ReadRoster(RosterPath(), entries, &readCause);
        appendCause = AppendRosterEntry(RosterPath(), {"Bob", "Bob0.ply"});
    }
    EXPECT_FALSE(read);
    EXPECT_EQ(readCause, platform::causeAccessDenied);
    EXPECT_EQ(appendCause, platform::causeAccessDenied);
}

TEST(DeletePlayerFiles, DeletesTheSavedGamesThenThePlayerFile) {
    PlayerFolders folders;
    MessageRecorder boxes;
    CPlayer p;
    p.name = "Ann";
    p.fileName = "Ann0.ply";
    p.SaveGame(folders.Games(), "Game 7", "seven", 0, 0, {}, false);
    p.SaveGame(folders.Games(), "Game 8", "eight", 0, 0, {}, false);
    ASSERT_TRUE(p.Save(folders.Players()));
    WriteBytes(folders.GameFile("keep.gme"), "other player's");
    ASSERT_TRUE(std::filesystem::exists(folders.GameFile("70.gme")));
    ASSERT_TRUE(std::filesystem::exists(folders.GameFile("80.gme")));
    std::string failed;
    EXPECT_EQ(DeletePlayerFiles(folders.Players(), folders.Games(), "Ann0.ply", &failed), 0);
    EXPECT_FALSE(std::filesystem::exists(folders.GameFile("70.gme")));
    EXPECT_FALSE(std::filesystem::exists(folders.GameFile("80.gme")));
    EXPECT_FALSE(std::filesystem::exists(folders.PlayerFile("Ann0.ply")));
    EXPECT_TRUE(std::filesystem::exists(folders.GameFile("keep.gme")));
}

TEST(DeletePlayerFiles, NeverDeletesThroughNamesThatAreNotPlain) {
    PlayerFolders folders;
    WriteBytes(folders.Data() + "precious", "x");
    WriteBytes(folders.PlayerFile("Eve0.ply"),
               "Eve\r\nStart Saved Games\r\nA\r\n../precious\r\na\r\nB\r\n..\r\nb\r\n"
               "C\r\n/etc/hostname\r\nc\r\nEnd Saved Games\r\n");
    EXPECT_EQ(DeletePlayerFiles(folders.Players(), folders.Games(), "Eve0.ply"), 0);
    EXPECT_TRUE(std::filesystem::exists(folders.Data() + "precious"));
    EXPECT_FALSE(std::filesystem::exists(folders.PlayerFile("Eve0.ply")));
    // A roster entry naming a file outside the players folder deletes nothing.
    EXPECT_EQ(DeletePlayerFiles(folders.Players(), folders.Games(), "../precious"), 0);
    EXPECT_TRUE(std::filesystem::exists(folders.Data() + "precious"));
}

TEST(DeletePlayerFiles, StopsWithTheCauseOfAFileThatCannotBeDeleted) {
    PlayerFolders folders;
    // A saved-game name that is a folder cannot be deleted as a file.
    std::filesystem::create_directory(folders.GameFile("dir.gme"));
    WriteBytes(folders.PlayerFile("Ann0.ply"),
               "Ann\r\nStart Saved Games\r\nA\r\ndir.gme\r\na\r\nEnd Saved Games\r\n");
    std::string failed;
    int cause = DeletePlayerFiles(folders.Players(), folders.Games(), "Ann0.ply", &failed);
    EXPECT_NE(cause, 0);
    EXPECT_EQ(failed, folders.GameFile("dir.gme"));
    EXPECT_TRUE(std::filesystem::exists(folders.PlayerFile("Ann0.ply")));
}
