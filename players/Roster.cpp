#include "players/Roster.h"

#include "platform/DataPath.h"
#include "platform/FileError.h"
#include "platform/FileReplace.h"
#include "platform/TextFile.h"
#include "players/Names.h"
#include "players/Texts.h"

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
    if (!file.Open(path, CTextFile::modeCreateNew, &cause))
        // Another copy of the game may have made it meanwhile.
        return platform::FileExists(path) ? platform::causeNone : cause;
    file.Abort();
    return platform::causeNone;
}

namespace {

bool IsOneLine(const std::string& text) {
    for (unsigned char c : text) {
        if (c < 0x20 || c == 0x7F)
            return false;
    }
    return true;
}

// A pair that reads back as written: each text one line without control
// characters, and no file name under an empty name (the reader would skip the
// empty line and take the file name for a name).
bool IsWholePair(const RosterEntry& entry) {
    return IsOneLine(entry.name) && IsOneLine(entry.fileName) &&
           (!entry.name.empty() || entry.fileName.empty());
}

// True when the roster's bytes end between a name and its file name, as the
// reader pairs the lines (an empty line where a name belongs is skipped).
bool EndsInsidePair(const std::string& bytes) {
    bool haveName = false;
    size_t from = 0;
    while (from < bytes.size()) {
        size_t lineEnd = bytes.find('\n', from);
        size_t end = lineEnd == std::string::npos ? bytes.size() : lineEnd;
        size_t size = end - from;
        if (lineEnd != std::string::npos && size > 0 && bytes[end - 1] == '\r')
            --size;
        haveName = haveName ? false : size > 0;
        from = end + 1;
    }
    return haveName;
}

} // namespace

int AppendRosterEntry(const std::string& path, const RosterEntry& entry) {
    if (!IsWholePair(entry))
        return platform::causeBadPath;
    // The roster is written again whole, the old bytes as they stand and the
    // new pair after them, so that a full disk or a crash leaves either the
    // old roster or the new one, never half a pair.
    std::string old;
    CTextFile in;
    int cause = platform::causeNone;
    if (in.Open(path, CTextFile::modeRead, &cause)) {
        try {
            in.ReadBytes(old);
            in.Close();
        } catch (const platform::CFileException& e) {
            return e.cause();
        }
    } else if (cause != platform::causeFileNotFound) {
        return cause;
    }
    return platform::ReplaceFile(path, [&](CTextFile& file) {
        file.WriteBytes(old);
        if (!old.empty() && old.back() != '\n')
            file.WriteString("\n"); // a hand-edited roster without its last line end
        if (EndsInsidePair(old))
            file.WriteString("\n"); // an empty file name for a name left without one
        file.WriteLine(entry.name);
        file.WriteLine(entry.fileName);
    });
}

int RewriteRoster(const std::string& path, const std::vector<RosterEntry>& entries) {
    for (const RosterEntry& entry : entries) {
        if (!IsWholePair(entry))
            return platform::causeBadPath;
    }
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
