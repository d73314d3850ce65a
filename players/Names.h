// File names made from user text, and messages filled without printf.
#pragma once

#include <initializer_list>
#include <string>

namespace players {

// Fills the "%s" and "%d" fields of a message in order with the given texts.
// The texts are copied as they stand: a percent sign in a path or a title is an
// ordinary character.
std::string FillMessage(const char* format, std::initializer_list<std::string> values);

// The path message of a failed file operation, e.g. "Unable to save %s
// because of error %d." with path and cause.
std::string FileMessage(const char* format, const std::string& path, int cause);

// Replaces the 18 characters that cannot stand in a file name by "_".
std::string ReplaceNameCharacters(const std::string& text);

// Shortens a stem by two bytes at a time while it is 6 or more bytes long. A
// multi-byte UTF-8 character is never cut in two: when a cut would split one,
// the whole character goes.
void ShortenStem(std::string& stem);

// The stem of a player file: the name with its characters replaced, shortened.
std::string PlayerStem(const std::string& name);

// The stem of a saved-game file: the title without its first five characters
// (never stopping inside a UTF-8 character), characters replaced, shortened.
std::string SavedGameStem(const std::string& title);

// True for a name the data folders use for their own files, in any letter
// case: the roster, the statistics print file, the temporary files of a
// whole-file replacement. Such a name is never a player's or a game's file.
bool IsReservedFileName(const std::string& name);

// Picks the first free name stem + n + ext for n = 0..99 in folder (which ends
// with a separator) and reserves it by creating an empty file. A name that is
// taken in any letter case counts as taken, and a reserved name is never
// picked. Returns false when none is free.
bool ReserveFreeName(const std::string& folder, const std::string& stem, const std::string& ext,
                     std::string& fileName);

// folder + name for a name read back from a file: only a plain file name (no
// separator, not "." or "..", not empty) that is not reserved gives a path; an
// existing file whose name differs only in letter case is found. Empty when
// the name is not plain or is reserved.
std::string PathForStoredName(const std::string& folder, const std::string& name);

} // namespace players
