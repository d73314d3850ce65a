// The rules that turn marks and the use of help into verdicts and scores.
// Pure functions: the statistics record and the main frame call them.
#pragma once

#include <string>

namespace scoring {

// What a quick answer check tells the player when the puzzle is not solved.
struct Verdict {
    std::string text;  // the verdict, numbers filled in
    std::string sound; // wave file relative to the data folder
};

// The verdict for marked true cells (M) of which correct (R) are answer cells.
Verdict QuickCheckVerdict(int marked, int correct);

// The cost of one hint or answer check: 30 / (hints + true cells), at least 1.
// A damaged record with neither hints nor true cells costs 1.
int PointsPerItem(int hintCount, int totalTrue);
// 100 - (hints + true cells) x points.
int AverageScore(int hintCount, int totalTrue);
// Both, as the statistics record hands them out.
void GameData(int hintCount, int totalTrue, int& points, int& average);

// The raw score: 100 - (checks + hints taken) x points.
int RawScore(int checks, int taken, int hintCount, int totalTrue);
// The score at the end of a game: (raw / T) x R in double precision,
// truncated toward zero; 1 when R is 0, when that gives 0 or less, and for a
// damaged record with no true cells (T <= 0).
int EndScore(int checks, int taken, int hintCount, int totalTrue, int correct);

} // namespace scoring
