// Statistics records: counting hints and checks, ending a game, the stored
// lines and the report texts.
#include "platform/TextFile.h"
#include "players/GameStats.h"
#include "players/Player.h"
#include "players/Texts.h"
#include "tests/support/PlayerFixtures.h"

#include <gtest/gtest.h>

using namespace players;
using testing_support::MessageRecorder;
using testing_support::PinnedClock;
using testing_support::PlayerFolders;
using testing_support::ReadBytes;
using testing_support::UtcZone;
using testing_support::WriteBytes;

namespace {

constexpr std::time_t kTuesday = 1049207100; // Tuesday 1 April 2003, 14:25 UTC

// A player in a new game of title with hints and true cells, as the main
// frame starts one.
void StartNewGame(CPlayer& p, const std::string& title, int trueCells, int hints) {
    p.SelectGameStats(title, false);
    p.IncTimesPlayed(true);
    p.ResetStats();
    p.SetCorrectCount(title, trueCells, hints);
}

std::vector<std::string> WrittenLines(CGameStats& record) {
    testing_support::TempDir dir;
    {
        platform::CTextFile file;
        EXPECT_TRUE(file.Open(dir.File("r"), platform::CTextFile::modeCreate));
        EXPECT_TRUE(record.Write(file));
        file.Close();
    }
    std::vector<std::string> lines;
    platform::ReadAllLines(dir.File("r"), lines);
    return lines;
}

} // namespace

TEST(GameStats, NothingIsCountedAfterGameOverUntilReset) {
    UtcZone utc;
    PinnedClock clock(kTuesday);
    MessageRecorder boxes;
    CPlayer p;
    StartNewGame(p, "Game 7", 20, 10);
    // Hints count once and only within the flags.
    for (int hint : {1, 1, 1, 4, 10, -1, -100})
        p.Hint(hint);
    EXPECT_EQ(p.TimesHintTaken(), 2);
    EXPECT_EQ(p.current->hintTaken, (std::vector<bool>{false, true, false, false, true, false,
                                                       false, false, false, false}));
    EXPECT_EQ(boxes.count(), 0u);
    p.ResetStats();
    p.SetCorrectCount("Game 7", 20, 10);
    p.CheckAnswer();
    p.Hint(0);
    EXPECT_GT(p.GameOver(20, 20), 1);
    p.Hint(3);
    p.CheckAnswer();
    EXPECT_EQ(p.TimesHintTaken(), 1);
    EXPECT_EQ(p.TimesAnswerChecked(), 1);
    EXPECT_TRUE(p.current->finished);
    EXPECT_EQ(p.current->dateText, "Finished this game on Tuesday, 04/01/03 at 02:25 PM");

    // Starting it anew opens the record again with fresh counts.
    StartNewGame(p, "Game 7", 20, 10);
    EXPECT_FALSE(p.current->finished);
    EXPECT_EQ(p.current->dateText, "");
    p.Hint(3);
    EXPECT_EQ(p.TimesHintTaken(), 1);
    EXPECT_EQ(p.TimesPlayed(), 2);
    EXPECT_EQ(p.stats.size(), 1u);
}

TEST(GameStats, GameOverScoresFromTheCountsAndMarksSavedGamesFinished) {
    UtcZone utc;
    PinnedClock clock(kTuesday);
    MessageRecorder boxes;
    CPlayer p;
    p.savedGames.push_back(std::make_unique<CSavedGame>("Game 7", "70.gme", "seven"));
    p.savedGames.push_back(std::make_unique<CSavedGame>("Other", "0.gme", "other"));
    StartNewGame(p, "Game 7", 20, 10);
    for (int i = 0; i < 3; ++i)
        p.CheckAnswer();
    for (int i = 0; i < 4; ++i)
        p.Hint(i);
    EXPECT_EQ(p.GameOver(20, 20), 93);
    EXPECT_EQ(p.current->markedTrue, 20);
    EXPECT_EQ(p.current->correctTrue, 20);
    EXPECT_EQ(p.current->score, 93);
    EXPECT_TRUE(p.savedGames.front()->finished);
    EXPECT_FALSE(p.savedGames.back()->finished);
    EXPECT_FALSE(p.IsUnfinishedSaved("Game 7"));
    EXPECT_TRUE(p.AnyUnfinishedSaved());

    StartNewGame(p, "Game 7", 20, 10);
    for (int i = 0; i < 3; ++i)
        p.CheckAnswer();
    for (int i = 0; i < 4; ++i)
        p.Hint(i);
    EXPECT_EQ(p.GameOver(17, 15), 69);
    EXPECT_EQ(p.current->markedTrue, 17);

    // None of the true cells found scores 1 whatever else.
    StartNewGame(p, "Game 7", 20, 10);
    EXPECT_EQ(p.GameOver(5, 0), 1);
}

TEST(GameStats, GameDataAndScoreFollowTheRecord) {
    MessageRecorder boxes;
    CPlayer p;
    StartNewGame(p, "A", 10, 5);
    int points = -1, average = -1;
    p.GetGameData(points, average);
    EXPECT_EQ(points, 2);
    EXPECT_EQ(average, 70);
    EXPECT_EQ(p.GetScore(), 1);
    p.current->score = 0;
    EXPECT_EQ(p.GetScore(), 1);
    EXPECT_EQ(p.current->score, 1);
    p.current->score = -40;
    EXPECT_EQ(p.GetScore(), 1);
    p.current->score = 57;
    EXPECT_EQ(p.GetScore(), 57);
    EXPECT_EQ(boxes.count(), 0u);
}

TEST(GameStats, StoredFormHasFlagLinesOnlyWhenTheyMatchTheCount) {
    // The lines of a record with matching flags are PlayerFile_test's.
    CGameStats r;
    r.title = "Four";
    r.hintCount = 4;
    r.SetHintCount(4);
    r.TakeHint(0);
    EXPECT_EQ(WrittenLines(r).size(), 16u);
    r.hintCount = 5; // the flags no longer match: none are written
    auto lines = WrittenLines(r);
    EXPECT_EQ(lines.size(), 12u);
    EXPECT_EQ(lines[9], "5");
}

TEST(StatsReport, TextWithEitherLineEnd) {
    CGameStats r;
    r.title = "Game 3: Pets";
    r.dateText = "Finished this game on Tuesday, 04/01/03 at 02:25 PM";
    r.timesPlayed = 3;
    r.score = 92;
    r.answerChecks = 2;
    r.hintCount = 3;
    r.hintsTaken = 2;
    r.totalTrue = 12;
    r.markedTrue = 12;
    r.correctTrue = 12;
    const std::string lf = "DEDUXA GAME STATISTICS\n"
                           "\n"
                           "Game Title: Game 3: Pets\n"
                           "Game Player: Ann Lee\n"
                           "\n"
                           "Number of times game played: 3\n"
                           "Finished this game on Tuesday, 04/01/03 at 02:25 PM\n"
                           "\n"
                           "Score: 92\n"
                           "Number of times answer checked: 2\n"
                           "Number of hints in game: 3\n"
                           "Number of hints player took: 2\n"
                           "Total true marks in game: 12\n"
                           "Player marked true squares: 12\n"
                           "Player correctly marked true squares: 12\n";
    EXPECT_EQ(StatsReport(r, "Ann Lee", false), lf);
    std::string crlf;
    for (char c : lf) {
        if (c == '\n')
            crlf += '\r';
        crlf += c;
    }
    EXPECT_EQ(StatsReport(r, "Ann Lee", true), crlf);

    std::string appended = "before\n";
    r.Report(appended, false);
    EXPECT_EQ(appended, "before\n" + lf.substr(lf.find("Number of times game played")));
}
// The print file (CR LF, replacing the old one): PlayerDialogs_test and FileReplace.
