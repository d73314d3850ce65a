// The texts of the player, statistics and saved-games dialogs.
#pragma once

namespace players {

inline constexpr const char* kAddNewPlayer = "Add new player?";
inline constexpr const char* kQuitQuestion = "Are you sure you want to quit?";
inline constexpr const char* kConfirmationCaption = "Confirmation";
inline constexpr const char* kQuitGameButton = "Quit Game";
inline constexpr const char* kDoneButton = "Done";
inline constexpr const char* kNoFileForPlayer = "Unable to create a file for this player.";
inline constexpr const char* kDeleteQuestion = "Delete the selected players and their saved games?";
inline constexpr const char* kNoValidPlayer = "No Valid Player Selected!";
inline constexpr const char* kErrorCaption = "Error";
inline constexpr const char* kNoGameSelected = "No Game Selected";
inline constexpr const char* kUnableToWriteStats = "Unable to write statistics!";

// Help topics of the dialogs' Help buttons.
inline constexpr int kHelpDeletePlayers = 9;
inline constexpr int kHelpSavedGames = 6;
inline constexpr int kHelpPlayerStats = 4;

// The longest name the name edit takes.
inline constexpr int kMaxNameLength = 60;
// The most players one deletion takes.
inline constexpr int kMaxDeleted = 256;

} // namespace players
