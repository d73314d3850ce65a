#include "players/Player.h"

#include "platform/FileError.h"
#include "platform/FileReplace.h"
#include "platform/MessageBox.h"
#include "platform/TextFile.h"
#include "players/Names.h"
#include "players/Texts.h"

using platform::CTextFile;
using namespace players;

bool CPlayerBase::Load(const std::string&) {
    return false;
}

bool CPlayerBase::Save(const std::string&) {
    return false;
}

void CPlayerBase::Clear() {}

bool CPlayerBase::MakeFileName(const std::string& newName, const std::string& playersFolder) {
    name = newName;
    return ReserveFreeName(playersFolder, PlayerStem(newName), kPlayerFileExt, fileName);
}

CPlayer::~CPlayer() {
    Clear();
}

void CPlayer::Clear() {
    current = nullptr;
    savedGames.clear();
    stats.clear();
}

bool CPlayer::Save(const std::string& playersFolder) {
    if (fileName.empty())
        return false;
    std::string path = PathForStoredName(playersFolder, fileName);
    int cause = platform::causeBadPath;
    if (!path.empty()) {
        cause = platform::ReplaceFile(path, [this](CTextFile& file) {
            file.WriteLine(name);
            if (savedGames.empty()) {
                file.WriteLine(kNoSavedGames);
            } else {
                file.WriteLine(kStartSavedGames);
                for (const auto& game : savedGames) {
                    file.WriteLine(game->title);
                    file.WriteLine(game->fileName);
                    file.WriteLine(game->puzzleBase);
                }
                file.WriteLine(kEndSavedGames);
            }
            for (const auto& record : stats) {
                file.WriteLine(kStartGameStats);
                record->Write(file);
                file.WriteLine(kEndGameStats);
            }
        });
    }
    if (cause != platform::causeNone) {
        platform::MessageBox(
            FileMessage(kUnableToSave, path.empty() ? playersFolder + fileName : path, cause));
        return false;
    }
    return true;
}

bool CPlayer::Load(const std::string& playersFolder) {
    if (fileName.empty())
        return false;
    std::string path = PathForStoredName(playersFolder, fileName);
    CTextFile file;
    int cause = platform::causeBadPath;
    if (path.empty() || !file.Open(path, CTextFile::modeRead, &cause)) {
        platform::MessageBox(
            FileMessage(kUnableToLoad, path.empty() ? playersFolder + fileName : path, cause));
        return false;
    }
    try {
        std::string line;
        file.ReadString(line);
        if (line != name)
            platform::MessageBox(kNameMismatch);
        Clear();

        // Saved games: whole entries only; the end of the file ends the file.
        if (!file.ReadString(line))
            return true;
        if (line == kStartSavedGames) {
            for (;;) {
                std::string title, gameFile, base;
                if (!file.ReadString(title))
                    return true;
                if (title == kEndSavedGames)
                    break;
                if (!file.ReadString(gameFile) || !file.ReadString(base))
                    return true;
                savedGames.push_back(std::make_unique<CSavedGame>(title, gameFile, base));
            }
        }

        // Statistics blocks. A block normally holds one record; a line after
        // a record that is not "End Game Stats" starts a further record.
        if (!file.ReadString(line))
            return true;
        while (line == kStartGameStats) {
            bool first = true;
            while (line != kEndGameStats) {
                auto record = std::make_unique<CGameStats>();
                bool whole = first ? record->Read(file) : record->ReadAfterTitle(file, line);
                first = false;
                if (!whole)
                    return true; // cut off by the end of the file: dropped
                stats.push_back(std::move(record));
                if (!file.ReadString(line))
                    return true;
            }
            if (!file.ReadString(line))
                return true;
        }
        return true;
    } catch (const platform::CFileException& e) {
        file.Abort();
        platform::MessageBox(FileMessage(kUnableToLoad, path, e.cause()));
        return false;
    }
}
