// Every text the game shell shows: message boxes, captions, pane formats,
// dialog labels. Kept in one place so the tests can name them.
#pragma once

#include <initializer_list>

namespace texts {

// Start-up and the About box.
inline constexpr const char* kArgumentRefused = "Please start a saved game from within Deduxa!";
inline constexpr const char* kNoImagePath =
    "No image path given!\nThis could only be caused by human error.";
inline constexpr const char* kNoDataPath =
    "No data path given!\nThis could only be caused by human error.";
inline constexpr const char* kMissingAboutData =
    "Missing about box data!\nPlease reinstall this software.";
// The installed game's data folder could not be linked to the content; the
// reason follows.
inline constexpr const char* kDataFolderFailed = "Deduxa could not set up its data folder: ";
inline constexpr const char* kAboutVersion = "1.0";
inline constexpr const char* kAboutYear = "1998";
inline constexpr const char* kAboutPlatform = "Microsoft Windows";

// Captions.
inline constexpr const char* kConfirmation = "Confirmation";
inline constexpr const char* kQuickCheck = "Quick Check";
inline constexpr const char* kLetsBegin = "Let's begin...";
inline constexpr const char* kScoring = "Scoring...";
inline constexpr const char* kFileError = "File Error";
inline constexpr const char* kError = "Error";

// Game flow.
inline constexpr const char* kPointsOne =
    "For this game, each hint or answer check deducts 1 point "
    "from your score.\nThe average score is %d.";
inline constexpr const char* kPointsMany = "For this game, each hint or answer check deducts %d "
                                           "points from your score.\nThe average score is %d.";
inline constexpr const char* kIncorrectShow =
    "One or more of your answers is marked incorrectly.\nDo you want to display the correct "
    "answer and end the game?";
inline constexpr const char* kNothingMarkedShow =
    "You have not marked any answers.\nDo you want to display the correct answer and end the "
    "game?";
inline constexpr const char* kQuitThisGame = "Are you sure you want to quit this game?";
inline constexpr const char* kQuit = "Are you sure you want to quit?";
inline constexpr const char* kOverwriteSaved = "This will overwrite a previously saved game.";
inline constexpr const char* kScoreText = "Your score is %d out of 100.";

// Status-bar panes.
inline constexpr const char* kReady = "Ready";
inline constexpr const char* kHintsInitial = "Hints: 0   ";
inline constexpr const char* kChecksInitial = "Checks: 0   ";
inline constexpr const char* kPlayedInitial = "Played: 0   ";
inline constexpr const char* kHintsPane = "Hints: %d";
inline constexpr const char* kChecksPane = "Checks: %d";
inline constexpr const char* kPlayedPane = "Played: %d";

// Page names.
inline constexpr const char* kPlayPage = "_%.2d.htf";
inline constexpr const char* kOverPage = "-%.2d.htf";

// Game selection.
inline constexpr const char* kSelectGameTitle = "Select Game To Play";
inline constexpr const char* kPlaySelectedGame = "Play Selected Game";
inline constexpr const char* kOpenSavedGame = "Open Saved Game";
inline constexpr const char* kCancel = "Cancel";
inline constexpr const char* kQuitGame = "Quit Game";
inline constexpr const char* kShowQuickInstructions = "Show Quick Instructions upon Startup";

// End-of-game dialog.
inline constexpr const char* kCongratsTitle = "Congratulations!";
inline constexpr const char* kFinishedPuzzle = "You have finished the puzzle!";
inline constexpr const char* kCongratsExplain =
    "If you want to check the solution first, before playing the reward game, select \"Check "
    "Solution.\"  When you are ready to play the reward game select \"Play Reward Game\" under "
    "the \"Actions\" menu item.";

// Sounds.
inline constexpr const char* kStartWav = "data\\start.wav";
inline constexpr const char* kWhooshWav = "data\\whoosh.wav";
inline constexpr const char* kIncShowWav = "data\\incshow.wav";
inline constexpr const char* kCorrectWav = "data\\correct.wav";
inline constexpr const char* kWrongWav = "data\\wrong.wav";
inline constexpr const char* kNewWav = "data\\new.wav";
inline constexpr const char* kAboutWav = "data\\About.wav";

// The window icon's pictures: the prefix, then the size in pixels and ".png".
// The sizes title bars and window switchers show: every window hands all of
// them to the window manager before it is mapped, and keeps them. The larger
// ones are the desktop entry's, in the icon theme.
inline constexpr const char* kIconFilePrefix = "icons\\deduxa-";
inline constexpr std::initializer_list<int> kIconSizes = {16, 32, 48, 64};

} // namespace texts
