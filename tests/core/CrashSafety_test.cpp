// Saving killed at random moments: a child process saves a player file, a
// saved game and the roster in a loop until it is killed with SIGKILL; after
// every kill each file must be one whole version, the one it had or a later.
#include "platform/FileReplace.h"
#include "players/Player.h"
#include "players/Roster.h"
#include "players/SavedGame.h"
#include "tests/support/PlayerFixtures.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

using namespace players;
using testing_support::MessageRecorder;
using testing_support::PlayerFolders;
using testing_support::ReadBytes;

namespace {

constexpr int kRosterRewriteEvery = 8; // every eighth roster step rewrites, the others append

// Step k of the loop: the three files at version k, player file first.
bool SaveVersion(const PlayerFolders& folders, int k) {
    CPlayer player;
    player.name = "Crash";
    player.fileName = "Crash0.ply";
    player.savedGames.push_back(
        std::make_unique<CSavedGame>("Game " + std::to_string(k), "g.gme", "base"));
    // Lengths that vary, some beyond one page of the disk.
    for (int i = 0; i < k % 300; ++i)
        player.savedGames.push_back(std::make_unique<CSavedGame>("Pad", "p.gme", "pad"));
    if (!player.Save(folders.Players()))
        return false;
    CSavedGame game("Game " + std::to_string(k), "g.gme", "base");
    if (!game.Write(folders.Games(), "Crash", k, -k, {}))
        return false;
    RosterEntry entry{"P " + std::to_string(k), "P" + std::to_string(k) + ".ply"};
    int cause = k % kRosterRewriteEvery == 0 ? RewriteRoster(RosterPath(), {entry})
                                             : AppendRosterEntry(RosterPath(), entry);
    return cause == 0;
}

// The bytes of each file at version k, written out by hand.
std::string PlayerBytes(int k) {
    std::string bytes =
        "Crash\r\nStart Saved Games\r\nGame " + std::to_string(k) + "\r\ng.gme\r\nbase\r\n";
    for (int i = 0; i < k % 300; ++i)
        bytes += "Pad\r\np.gme\r\npad\r\n";
    return bytes + "End Saved Games\r\n";
}

std::string GameBytes(int k) {
    return "Game " + std::to_string(k) + "\r\nbase\r\nCrash\r\n" + std::to_string(k) + "\r\n" +
           std::to_string(-k) + "\r\nStart Grid\r\nEnd Grid\r\n";
}

std::string RosterBytes(int k) {
    std::string bytes;
    for (int j = k - k % kRosterRewriteEvery; j <= k; ++j)
        bytes += "P " + std::to_string(j) + "\r\nP" + std::to_string(j) + ".ply\r\n";
    return bytes;
}

// The version a file's bytes are, or -1 when they are no whole version.
int VersionOf(const std::string& bytes, const std::string& before, std::string (*make)(int)) {
    auto at = bytes.rfind(before);
    if (at == std::string::npos)
        return -1;
    int k = std::atoi(bytes.c_str() + at + before.size());
    return make(k) == bytes ? k : -1;
}

} // namespace

TEST(CrashSafety, EveryFileIsOneWholeVersionAfterEachKill) {
    PlayerFolders folders;
    MessageRecorder boxes;
    ASSERT_TRUE(SaveVersion(folders, 0));

    // Kill moments spread over about three steps of the loop.
    auto start = std::chrono::steady_clock::now();
    for (int k = 1; k <= 3; ++k)
        ASSERT_TRUE(SaveVersion(folders, k));
    auto step = std::chrono::duration_cast<std::chrono::microseconds>(
                    std::chrono::steady_clock::now() - start) /
                3;
    const long maxDelay = std::clamp<long>(3 * step.count(), 500, 50000);
    const unsigned seed = std::random_device{}();
    std::mt19937 random(seed);
    std::uniform_int_distribution<long> delay(0, maxDelay);
    SCOPED_TRACE("seed " + std::to_string(seed));

    int player = 3, game = 3, roster = 3, kills = 0;
    for (int round = 0; round < 250; ++round) {
        pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int k = roster + 1;; ++k)
                if (!SaveVersion(folders, k))
                    ::_exit(3);
        }
        ::usleep(static_cast<useconds_t>(delay(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status)) << "a save failed in round " << round;
        ++kills;

        int p = VersionOf(ReadBytes(folders.PlayerFile("Crash0.ply")), "Game ", PlayerBytes);
        int g = VersionOf(ReadBytes(folders.GameFile("g.gme")), "Game ", GameBytes);
        int r = VersionOf(ReadBytes(RosterPath()), "P ", RosterBytes);
        ASSERT_TRUE(p >= player && g >= game && r >= roster)
            << "round " << round << ": player " << p << ", game " << g << ", roster " << r;
        // Within a step the player file goes first and the roster last.
        ASSERT_TRUE(p >= g && g >= r && p <= r + 1) << p << " " << g << " " << r;
        player = p;
        game = g;
        roster = r;
    }
    EXPECT_GE(kills, 200);
    EXPECT_GT(roster, 3) << "no save finished between the kills";

    // What the kills left besides the files themselves is only temporary files.
    platform::RemoveStaleTempFiles(folders.Players(), 0);
    platform::RemoveStaleTempFiles(folders.Games(), 0);
    std::vector<std::string> left;
    for (const auto& folder : {folders.Players(), folders.Games()})
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            left.push_back(entry.path().filename().string());
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{"Crash0.ply", "data", "g.gme"}));
}
