// The roster: the file "data" in the players folder, one pair of lines per
// player (the name, then the player file name). Helpers for the player
// dialogs, and the folders the player records live in.
#pragma once

#include <string>
#include <vector>

namespace players {

struct RosterEntry {
    std::string name;
    std::string fileName;
    bool operator==(const RosterEntry&) const = default;
};

// Real paths of the players folder, the games folder (both ending in "/") and
// the roster under the data folder.
std::string PlayersFolder();
std::string GamesFolder();
std::string RosterPath();
// Real path of the statistics print file, "stats.txt" in the players folder.
std::string StatsPrintPath();

// Reads the pairs of the roster at path. An empty name line is skipped; a name
// that the end of the file leaves without its file name is dropped. False with
// the cause code when the file cannot be opened or read (entries read until
// then stay in entries).
bool ReadRoster(const std::string& path, std::vector<RosterEntry>& entries, int* cause = nullptr);

// Creates an empty roster when none is there. Returns the cause code (0 when
// the roster exists or was created).
int CreateRoster(const std::string& path);

// Appends one pair at the end of the roster (created when missing). A roster
// whose last line lacks its line end gets one first, and a name left without
// its file name gets an empty one, so the new pair reads back as a pair.
// All or nothing: on a failure the roster is as it was, byte for byte.
// Returns the cause code, 0 on success; causeBadPath, writing nothing, for a
// name or file name with a line break or other control character in it, or a
// file name under an empty name.
int AppendRosterEntry(const std::string& path, const RosterEntry& entry);

// Rewrites the whole roster with entries in order; the old roster stays whole
// when this fails. Returns the cause code, 0 on success; pairs are refused as
// by AppendRosterEntry, and then nothing is written.
int RewriteRoster(const std::string& path, const std::vector<RosterEntry>& entries);

// Deletes a player's files: every saved-game file the player file lists (in
// gamesFolder), then the player file (in playersFolder). Names read from files
// are used only when they are plain file names; any other is never opened or
// deleted. A file already gone counts as deleted. On a failure to delete, the
// deletion stops there: returns the cause code and sets failedPath; files
// deleted before stay deleted. Returns 0 when everything is gone.
int DeletePlayerFiles(const std::string& playersFolder, const std::string& gamesFolder,
                      const std::string& playerFileName, std::string* failedPath = nullptr);

} // namespace players
