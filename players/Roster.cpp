#include "players/Roster.h"

#include "platform/DataPath.h"
#include "platform/FileError.h"
#include "platform/FileReplace.h"
#include "platform/TextFile.h"
#include "players/Names.h"
#include "players/Texts.h"

#include <fstream>

namespace players {

using platform::CTextFile;

std::string PlayersFolder() {
    return platform::RealPath(kPlayersFolder);
}

std::string GamesFolder() {
    return platform::RealPath(kGamesFolder);
}

std::string RosterPath() {
    return platform::RealPath(std::string(kPlayersFolder) + kRosterName);
}

std::string StatsPrintPath() {
    return platform::RealPath(std::string(kPlayersFolder) + kStatsPrintName);
}

bool ReadRoster(const std::string& path, std::vector<RosterEntry>& entries, int* cause) {
    entries.clear();
    CTextFile file;
    if (!file.Open(path, CTextFile::modeRead, cause))
        return false;
    try {
        std::string name, fileName;
        while (file.ReadString(name)) {
            if (name.empty())
                continue;
            if (!file.ReadString(fileName))
                break;
            entries.push_back({name, fileName});
        }
    } catch (const platform::CFileException& e) {
        if (cause)
            *cause = e.cause();
        return false;
    }
    return true;
}

int CreateRoster(const std::string& path) {
    if (platform::FileExists(path))
        return platform::causeNone;
    CTextFile file;
    int cause = platform::causeNone;
    if (!file.Open(path, CTextFile::modeAppend, &cause))
        return cause;
    file.Abort();
    return platform::causeNone;
}

namespace {

// True when the file holds bytes and its last byte is not a line feed.
bool LacksFinalLineEnd(const std::string& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in || in.tellg() <= 0)
        return false;
    in.seekg(-1, std::ios::end);
    char last = '\n';
    in.get(last);
    return in && last != '\n';
}

} // namespace

int AppendRosterEntry(const std::string& path, const RosterEntry& entry) {
    bool needLineEnd = LacksFinalLineEnd(path);
    CTextFile file;
    int cause = platform::causeNone;
    if (!file.Open(path, CTextFile::modeAppend, &cause))
        return cause;
    try {
        if (needLineEnd)
            file.WriteString("\n");
        file.WriteLine(entry.name);
        file.WriteLine(entry.fileName);
        file.Close();
    } catch (const platform::CFileException& e) {
        file.Abort();
        return e.cause();
    }
    return platform::causeNone;
}

int RewriteRoster(const std::string& path, const std::vector<RosterEntry>& entries) {
    return platform::ReplaceFile(path, [&](CTextFile& file) {
        for (const RosterEntry& entry : entries) {
            file.WriteLine(entry.name);
            file.WriteLine(entry.fileName);
        }
    });
}

namespace {

// Deletes a file; one already gone counts as deleted.
int DeleteIfThere(const std::string& path) {
    int cause = platform::RemoveFile(path);
    return cause == platform::causeFileNotFound ? platform::causeNone : cause;
}

} // namespace

int DeletePlayerFiles(const std::string& playersFolder, const std::string& gamesFolder,
                      const std::string& playerFileName, std::string* failedPath) {
    std::string playerPath = PathForStoredName(playersFolder, playerFileName);
    if (playerPath.empty())
        return platform::causeNone; // not a file of ours: nothing to delete

    CTextFile file;
    if (file.Open(playerPath, CTextFile::modeRead)) {
        std::vector<std::string> gameFiles;
        try {
            std::string line;
            bool listed = false;
            while (file.ReadString(line)) {
                if (line == kNoSavedGames)
                    break;
                if (line == kStartSavedGames) {
                    listed = true;
                    break;
                }
            }
            while (listed) {
                std::string title, gameFile, base;
                if (!file.ReadString(title) || title == kEndSavedGames)
                    break;
                bool whole = file.ReadString(gameFile);
                file.ReadString(base);
                if (!whole)
                    break;
                gameFiles.push_back(gameFile);
            }
        } catch (const platform::CFileException&) {
            // What was read is deleted; the rest of the file is unreadable.
        }
        file.Abort();
        for (const std::string& gameFile : gameFiles) {
            std::string gamePath = PathForStoredName(gamesFolder, gameFile);
            if (gamePath.empty())
                continue;
            if (int cause = DeleteIfThere(gamePath)) {
                if (failedPath)
                    *failedPath = gamePath;
                return cause;
            }
        }
    }
    if (int cause = DeleteIfThere(playerPath)) {
        if (failedPath)
            *failedPath = playerPath;
        return cause;
    }
    return platform::causeNone;
}

} // namespace players
