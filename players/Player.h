// The player record: who the player is, the player's saved games and the
// statistics of every game title the player has started, and the player file
// that stores them.
#pragma once

#include "players/GameStats.h"
#include "players/SavedGame.h"

#include <list>
#include <memory>
#include <string>

// What identifies a player. The base Load and Save do nothing and fail.
class CPlayerBase {
public:
    std::string name;     // as typed, at most 60 characters
    std::string fileName; // player file inside the players folder, "%s%d.ply"

    virtual ~CPlayerBase() = default;
    virtual bool Load(const std::string& playersFolder);
    virtual bool Save(const std::string& playersFolder);
    virtual void Clear();

    // Sets name, then picks and reserves a free player file name in
    // playersFolder (ending with a separator) and stores it in fileName.
    // False, with fileName unchanged, when none of the 100 names is free.
    bool MakeFileName(const std::string& newName, const std::string& playersFolder);
};

class CPlayer : public CPlayerBase {
public:
    std::list<std::unique_ptr<CSavedGame>> savedGames;
    std::list<std::unique_ptr<CGameStats>> stats;
    CGameStats* current = nullptr; // the record of the game being played

    CPlayer() = default;
    CPlayer(const CPlayer&) = delete;
    CPlayer& operator=(const CPlayer&) = delete;
    ~CPlayer() override;

    // Reads the player file (playersFolder + fileName) in place of both lists.
    bool Load(const std::string& playersFolder) override;
    // Writes the player file whole; on failure the old file stays as it was.
    bool Save(const std::string& playersFolder) override;
    // Deletes every saved-game entry and statistics record; current is none.
    void Clear() override;

    // Saved games.
    void SaveGame(const std::string& gamesFolder, const std::string& title,
                  const std::string& puzzleBase, int savedFirst, int savedSecond,
                  const CSavedGame::CellList& cells, bool gameOver);
    bool LoadSavedGame(const std::string& gamesFolder, const std::string& title, int& savedFirst,
                       int& savedSecond, CSavedGame::CellList& cells,
                       CSavedGame::KeyList& markedTrue);
    bool IsUnfinishedSaved(const std::string& title) const;
    bool AnyUnfinishedSaved() const;

    // Statistics of the current game.
    void SelectGameStats(const std::string& title, bool finishedFlag);
    void Hint(int index);
    void CheckAnswer();
    void SetCorrectCount(const std::string& title, int trueCells, int hints);
    void IncTimesPlayed(bool up);
    int GameOver(int marked, int correct);
    void ResetStats();
    int TimesHintTaken();
    int TimesAnswerChecked();
    int TimesPlayed() const;
    void GetGameData(int& deduction, int& average);
    int GetScore();

private:
    // Shows "<operation> No Stats Class Created!" when there is no current
    // record and returns it (null then).
    CGameStats* Current(const char* operation);
};
