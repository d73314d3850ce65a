#include "app/GameFlow.h"

#include "app/Texts.h"
#include "platform/FileError.h"
#include "platform/TextFile.h"

#include <cstdio>

namespace gameflow {

std::string Format(const char* format, int a) {
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, format, a);
    return buffer;
}

std::string Format(const char* format, int a, int b) {
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, format, a, b);
    return buffer;
}

std::string ScoringText(int points, int average) {
    if (points == 1)
        return Format(texts::kPointsOne, average);
    return Format(texts::kPointsMany, points, average);
}

std::string PageName(const std::string& fileName, int n, bool solutionShown) {
    return fileName + Format(solutionShown ? texts::kOverPage : texts::kPlayPage, n);
}

std::string PagePath(const std::string& fileName, int n, bool solutionShown) {
    return "data\\" + PageName(fileName, n, solutionShown);
}

std::string PuzzlePath(const std::string& fileName) {
    return "data\\" + fileName + ".bgd";
}

std::string ScoreText(int score) {
    return Format(texts::kScoreText, score);
}

std::string StatusPrompt(const std::string& promptString) {
    return promptString.substr(0, promptString.find('\n'));
}

bool ReadAboutData(const std::string& path, AboutData& data) {
    platform::CTextFile file;
    if (!file.Open(path, platform::CTextFile::modeRead))
        return false;
    std::string lines[3];
    try {
        for (auto& line : lines)
            if (!file.ReadString(line))
                line.clear();
    } catch (const platform::CFileException&) {
    }
    data.platformText = lines[0];
    data.yearText = lines[1];
    data.versionText = lines[2];
    return true;
}

} // namespace gameflow
