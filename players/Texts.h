// The texts of the player records: messages, marker lines and report lines.
#pragma once

namespace players {

// Messages. "%s" is a full path, "%d" a file-error cause code; fill them with
// FillMessage (Names.h), never with a printf-style call, so that a percent
// sign in a path stays an ordinary character.
inline constexpr const char* kUnableToSave = "Unable to save %s because of error %d.";
inline constexpr const char* kUnableToLoad = "Unable to load %s because of error %d.";
inline constexpr const char* kUnableToRead = "Unable to read %s because of error %d.";
inline constexpr const char* kNameMismatch = "Player's name and file name do not match!";

// Appended to the name of a statistics operation called with no game record.
inline constexpr const char* kNoStatsSuffix = " No Stats Class Created!";

// Roster messages shown by the player dialogs.
inline constexpr const char* kReinstall = "Please re-install this software!";
inline constexpr const char* kReinstallCaption = "File Error";
inline constexpr const char* kUnableToOpenData = "Unable to open data file";
inline constexpr const char* kUnableToOpenDataCaption = "File Error!";

// Marker lines of the player file.
inline constexpr const char* kNoSavedGames = "No Saved Games";
inline constexpr const char* kStartSavedGames = "Start Saved Games";
inline constexpr const char* kEndSavedGames = "End Saved Games";
inline constexpr const char* kStartGameStats = "Start Game Stats";
inline constexpr const char* kEndGameStats = "End Game Stats";

// Marker lines of the saved-game file.
inline constexpr const char* kStartGrid = "Start Grid";
inline constexpr const char* kEndGrid = "End Grid";

// Formats of the file names.
inline constexpr const char* kPlayerFileExt = ".ply";
inline constexpr const char* kSavedGameExt = ".gme";

// Relative names under the data folder.
inline constexpr const char* kPlayersFolder = "players\\";
inline constexpr const char* kGamesFolder = "games\\";
inline constexpr const char* kRosterName = "data";
inline constexpr const char* kStatsPrintName = "stats.txt";

// The readable lines of a statistics record.
inline constexpr const char* kReportTimesPlayed = "Number of times game played: ";
inline constexpr const char* kReportScore = "Score: ";
inline constexpr const char* kReportChecks = "Number of times answer checked: ";
inline constexpr const char* kReportHintCount = "Number of hints in game: ";
inline constexpr const char* kReportHintsTaken = "Number of hints player took: ";
inline constexpr const char* kReportTotalTrue = "Total true marks in game: ";
inline constexpr const char* kReportMarkedTrue = "Player marked true squares: ";
inline constexpr const char* kReportCorrectTrue = "Player correctly marked true squares: ";

// The statistics report around them.
inline constexpr const char* kReportHeading = "DEDUXA GAME STATISTICS";
inline constexpr const char* kReportGameTitle = "Game Title: ";
inline constexpr const char* kReportGamePlayer = "Game Player: ";

} // namespace players
