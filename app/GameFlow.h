// Rules of the game flow that need no window: the texts the main frame
// builds, the page names, the start-up settings, the About data and the
// meaning of the end-of-game dialog's results.
#pragma once

#include <string>

namespace gameflow {

// printf-style formatting of one or two integers into a fixed text.
std::string Format(const char* format, int a);
std::string Format(const char* format, int a, int b);

// "Let's begin..." / "Scoring..." text for points per hint or check and the
// average score: the one-point wording when points is 1.
std::string ScoringText(int points, int average);

// The page shown for hint n (0 = the game's first or answer page):
// fileName + "_%.2d.htf" while the game runs, + "-%.2d.htf" once it is over.
std::string PageName(const std::string& fileName, int n, bool solutionShown);
// The same relative to the data folder: "data\" + PageName.
std::string PagePath(const std::string& fileName, int n, bool solutionShown);
// "data\" + fileName + ".bgd".
std::string PuzzlePath(const std::string& fileName);

// "Your score is %d out of 100."
std::string ScoreText(int score);

// The status-bar prompt of a command: its prompt string up to "\n".
std::string StatusPrompt(const std::string& promptString);

// The About data: three lines, platform, year, version. A missing line reads
// as empty. Returns false (texts unchanged) when the file does not open.
struct AboutData {
    std::string platformText;
    std::string yearText;
    std::string versionText;
};
bool ReadAboutData(const std::string& path, AboutData& data);

// End-of-game dialog results and what they mean to the main frame.
enum CongratsResult {
    congratsNewGame = 1,
    congratsRewardPlayed = 2,
    congratsRewardLater = 6,
    congratsQuit = 7,
};
// The result of closing the dialog with "Check Solution" (or Escape).
inline int CongratsCancelResult(bool rewardButtonEnabled) {
    return rewardButtonEnabled ? congratsRewardLater : congratsRewardPlayed;
}
// Whether the result leaves the reward game available from the menu
// (7 only when the frame is still there after asking to quit).
inline bool CongratsMakesRewardAvailable(int result) {
    return result == congratsRewardLater || result == congratsQuit;
}

} // namespace gameflow
