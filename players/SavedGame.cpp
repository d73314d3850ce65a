#include "players/SavedGame.h"

#include "platform/FileError.h"
#include "platform/FileReplace.h"
#include "platform/MessageBox.h"
#include "platform/TextFile.h"
#include "players/Names.h"
#include "players/Player.h"
#include "players/Texts.h"

using platform::CTextFile;
using namespace players;

CSavedGame::CSavedGame(const std::string& title, const std::string& fileName,
                       const std::string& puzzleBase)
    : title(title), fileName(fileName), puzzleBase(puzzleBase) {}

bool CSavedGame::MakeFileName(const std::string& newTitle, const std::string& gamesFolder) {
    title = newTitle;
    return ReserveFreeName(gamesFolder, SavedGameStem(newTitle), kSavedGameExt, fileName);
}

bool CSavedGame::Write(const std::string& gamesFolder, const std::string& playerName,
                       int savedFirst, int savedSecond, const CellList& cells) const {
    if (fileName.empty())
        return false;
    std::string path = PathForStoredName(gamesFolder, fileName);
    int cause = platform::causeBadPath;
    if (!path.empty()) {
        cause = platform::ReplaceFile(path, [&](CTextFile& file) {
            file.WriteLine(title);
            file.WriteLine(puzzleBase);
            file.WriteLine(playerName);
            file.WriteInt(savedFirst);
            file.WriteInt(savedSecond);
            file.WriteLine(kStartGrid);
            for (const auto& cell : cells) {
                file.WriteInt(cell->column);
                file.WriteInt(cell->row);
                file.WriteInt(cell->state);
            }
            file.WriteLine(kEndGrid);
        });
    }
    if (cause != platform::causeNone) {
        platform::MessageBox(
            FileMessage(kUnableToSave, path.empty() ? gamesFolder + fileName : path, cause));
        return false;
    }
    return true;
}

bool CSavedGame::Read(const std::string& gamesFolder, int& savedFirst, int& savedSecond,
                      CellList& cells, KeyList& markedTrue) {
    std::string path = PathForStoredName(gamesFolder, fileName);
    CTextFile file;
    int cause = platform::causeBadPath;
    if (path.empty() || !file.Open(path, CTextFile::modeRead, &cause)) {
        platform::MessageBox(
            FileMessage(kUnableToRead, path.empty() ? gamesFolder + fileName : path, cause));
        return false;
    }
    try {
        // A line the file does not have leaves its field as it was.
        std::string line;
        if (file.ReadString(line))
            title = line;
        if (file.ReadString(line))
            puzzleBase = line;
        file.ReadString(line); // the player's name
        file.ReadString(line);
        savedFirst = platform::ParseInt(line);
        file.ReadString(line);
        savedSecond = platform::ParseInt(line);

        if (!file.ReadString(line) || line != kStartGrid)
            return true;
        while (file.ReadString(line) && line != kEndGrid) {
            int column = platform::ParseInt(line);
            if (!file.ReadString(line))
                break;
            int row = platform::ParseInt(line);
            if (!file.ReadString(line))
                break;
            int state = platform::ParseInt(line);
            if (state < CGridCell::stateEmpty || state > CGridCell::stateTrue)
                continue; // not a mark: the board keeps only these three
            for (const auto& cell : cells) {
                if (cell->column == column && cell->row == row) {
                    cell->state = state;
                    break;
                }
            }
            if (state == CGridCell::stateTrue)
                markedTrue.push_back(CellKey(column, row));
        }
        return true;
    } catch (const platform::CFileException& e) {
        file.Abort();
        platform::MessageBox(FileMessage(kUnableToRead, path, e.cause()));
        return false;
    }
}

// The saved-game operations of the player.

void CPlayer::SaveGame(const std::string& gamesFolder, const std::string& title,
                       const std::string& puzzleBase, int savedFirst, int savedSecond,
                       const CSavedGame::CellList& cells, bool gameOver) {
    auto found = savedGames.begin();
    while (found != savedGames.end() && (*found)->title != title)
        ++found;
    CSavedGame* entry = nullptr;
    if (found != savedGames.end()) {
        if (gameOver) {
            std::string path = PathForStoredName(gamesFolder, (*found)->fileName);
            if (!path.empty())
                platform::RemoveFile(path); // a failure to delete is ignored
            savedGames.erase(found);
            return;
        }
        entry = found->get();
    } else {
        // An ended game with no saved game leaves nothing to keep: no entry
        // and no reserved file, which a later load would offer as unfinished.
        if (title.empty() || gameOver)
            return;
        auto made = std::make_unique<CSavedGame>(title, std::string(), puzzleBase);
        made->MakeFileName(title, gamesFolder);
        entry = made.get();
        savedGames.push_back(std::move(made));
    }
    entry->Write(gamesFolder, name, savedFirst, savedSecond, cells);
}

bool CPlayer::LoadSavedGame(const std::string& gamesFolder, const std::string& title,
                            int& savedFirst, int& savedSecond, CSavedGame::CellList& cells,
                            CSavedGame::KeyList& markedTrue) {
    CSavedGame* entry = nullptr;
    for (const auto& game : savedGames) {
        if (game->title == title) {
            entry = game.get();
            break;
        }
    }
    for (const auto& record : stats) {
        if (record->title == title) {
            current = record.get();
            break;
        }
    }
    return entry && entry->Read(gamesFolder, savedFirst, savedSecond, cells, markedTrue);
}

bool CPlayer::IsUnfinishedSaved(const std::string& title) const {
    for (const auto& game : savedGames) {
        if (game->title == title && !game->finished)
            return true;
    }
    return false;
}

bool CPlayer::AnyUnfinishedSaved() const {
    for (const auto& game : savedGames) {
        if (!game->finished)
            return true;
    }
    return false;
}
