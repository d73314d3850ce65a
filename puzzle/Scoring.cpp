#include "puzzle/Scoring.h"

#include "puzzle/Texts.h"

#include <climits>
#include <cstdint>
#include <cstdio>

namespace scoring {

namespace {

std::string Format2(const char* format, int a, int b) {
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, format, a, b);
    return buffer;
}

int Clamp(int64_t v) {
    return v < INT_MIN ? INT_MIN : v > INT_MAX ? INT_MAX : static_cast<int>(v);
}

// n = H + T, without overflow for damaged records.
int64_t ItemCount(int hintCount, int totalTrue) {
    return static_cast<int64_t>(hintCount) + totalTrue;
}

int64_t Points(int64_t n) {
    // A record without hints and true cells (n = 0, or less when damaged)
    // has nothing to divide among: each item costs 1.
    if (n <= 0)
        return 1;
    int64_t points = 30 / n;
    return points == 0 ? 1 : points;
}

} // namespace

Verdict QuickCheckVerdict(int marked, int correct) {
    namespace t = puzzle_texts;
    Verdict v;
    if (marked == 0)
        v.text = t::kNoneMarked;
    else if (marked == 1 && correct == 1)
        v.text = t::kOneCorrect;
    else if (marked == 1 && correct == 0)
        v.text = t::kOneIncorrect;
    else if (correct == 1)
        v.text = Format2(t::kManyOneCorrect, marked, correct);
    else
        v.text = Format2(t::kManyCorrect, marked, correct);
    if (marked == 0)
        v.sound = t::kClueSound;
    else if (correct < marked)
        v.sound = t::kIncorrectCheckSound;
    else
        v.sound = t::kCorrectCheckSound;
    return v;
}

int PointsPerItem(int hintCount, int totalTrue) {
    return Clamp(Points(ItemCount(hintCount, totalTrue)));
}

int AverageScore(int hintCount, int totalTrue) {
    int64_t n = ItemCount(hintCount, totalTrue);
    return Clamp(100 - n * Points(n));
}

void GameData(int hintCount, int totalTrue, int& points, int& average) {
    points = PointsPerItem(hintCount, totalTrue);
    average = AverageScore(hintCount, totalTrue);
}

int RawScore(int checks, int taken, int hintCount, int totalTrue) {
    int64_t items = static_cast<int64_t>(checks) + taken;
    return Clamp(100 - items * Points(ItemCount(hintCount, totalTrue)));
}

int EndScore(int checks, int taken, int hintCount, int totalTrue, int correct) {
    if (correct == 0 || totalTrue <= 0)
        return 1;
    const int raw = RawScore(checks, taken, hintCount, totalTrue);
    // Divided first, then multiplied, in double precision and truncated:
    // T = 7 and raw 61 give 60.
    double score =
        static_cast<double>(raw) / static_cast<double>(totalTrue) * static_cast<double>(correct);
    if (score < 1.0)
        return 1;
    // A damaged record (more right cells than the puzzle has, negative
    // counts) cannot score above 100.
    if (score > 100.0)
        return 100;
    return static_cast<int>(score);
}

} // namespace scoring
