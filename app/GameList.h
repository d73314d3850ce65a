// The game list "data\games.dat": records of two lines, the game's title and
// the base name of its files. Empty lines where a title is expected are
// skipped, so blank lines may separate records; a title on the last line gets
// an empty file name.
#pragma once

#include <functional>
#include <string>
#include <vector>

struct GameListEntry {
    std::string title;
    std::string fileName;
    bool operator==(const GameListEntry&) const = default;
};

// Builds the list from a line source that yields one line at a time and
// returns false at the end (CTextFile::ReadString's contract).
std::vector<GameListEntry> ReadGameList(const std::function<bool(std::string&)>& nextLine);

// Reads the list from a file. A file that does not open gives an empty list
// and reports nothing; a read error keeps what was read before it. With cause
// given, a read error's cause code is stored there (left alone otherwise).
std::vector<GameListEntry> ReadGameListFile(const std::string& path, int* cause = nullptr);
