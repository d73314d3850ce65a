// Every text the reward game shows or names: messages, captions, sounds and
// its files under the data folder.
#pragma once

namespace reward {

// Files, relative to the data folder.
inline constexpr const char* kAntsDataFile = "ants\\ants.dat";
inline constexpr const char* kScoresFile = "ants\\scores.dat";
inline constexpr const char* kAntsFolder = "ants\\";

// Sounds.
inline constexpr const char* kStartSound = "data\\startant.wav";
inline constexpr const char* kGotchaSound = "data\\gotcha.wav";
inline constexpr const char* kShoopSound = "data\\shoop.wav";
inline constexpr const char* kEndSound = "data\\endant.wav";

// The ants game.
inline constexpr const char* kAntsCaption = "Viruz ezi Zadi!";
inline constexpr const char* kDataFileError = "Unable to load data file!";
inline constexpr const char* kFileErrorCaption = "File Error";
inline constexpr const char* kIntroFormat = "You have %s seconds to catch (click on) as many ants "
                                            "as you can before the time runs out!";
inline constexpr const char* kIntroCaption = "Ants!";
inline constexpr const char* kNoAnts = "You did not catch any ants.";
inline constexpr const char* kOneAnt = "You caught an ant!";
inline constexpr const char* kManyAntsFormat = "You caught %d ants!";
inline constexpr const char* kTimeLeftLabel = "Time Left :";
inline constexpr const char* kAntsCaughtLabel = "Ants Caught :";

// The high-score table.
inline constexpr const char* kHighScoresCaption = "10 Highest Scores";
inline constexpr const char* kGameOver = "Game over...";
inline constexpr const char* kKudos = "Kudos!";
inline constexpr const char* kEntryFormat = "%.2d\t%s";

} // namespace reward
