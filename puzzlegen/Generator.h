// Makes a puzzle from a seed: a random solution, clues added while they teach
// the solver something new, then pruned until every clue is needed; proven
// unique by the exact solver and graded by the tiered solver.
#pragma once

#include "reasoning/Puzzle.h"
#include "reasoning/TieredSolver.h"

#include <cstdint>
#include <string>
#include <vector>

namespace puzzlegen {

// The generator speaks the reasoning engine's vocabulary (puzzles, clues, marks).
using namespace reasoning;

// Hint buttons 1 to 21 for the shelf's shapes (up to 360 cells, 5 x 6).
// A bigger puzzle cannot be told in so few clues (6 categories of 8 items
// need about 30), and its board makes the window wide enough for 30 buttons.
inline constexpr int kMaxClues = 21;
inline constexpr int kMaxCluesBig = 30;
inline constexpr int kShelfCells = 360;

// The cells of a board of the shape: every pair of categories, items x items.
int CellCount(const Shape& shape);
// The most clues a puzzle of the shape may have: kMaxClues up to kShelfCells
// cells, kMaxCluesBig beyond.
int ClueLimit(const Shape& shape);

struct GenOptions {
    // Relative weights of the clue kinds, indexed by ClueKind. A one-other
    // clue is drawn only for a board bigger than the shelf's (more than
    // kShelfCells cells), so the shelf's puzzles are made as before it was.
    int weight[kClueKinds] = {3, 4, 2, 2, 2, 2, 2};
    int maxClues = 0; // 0: ClueLimit of the shape
    int maxAttempts = 200;
};

struct GeneratedPuzzle {
    Shape shape;
    Solution solution;
    std::vector<Clue> clues;
    SolveResult grading; // the tiered solve that grades it
    int attempt = 0;     // which attempt of the seed gave it
};

// A random clue that is true of the solution.
Clue RandomTrueClue(const Shape& shape, const Solution& s, const GenOptions& options,
                    CRandom& random);

// The clue alone says items x and y belong to different entities: as its own
// words (a not, half a neither/nor, a comparison's two sides) or as what it
// leaves no room for (an item of the category of x's partner, a place the
// order rules out).
bool SaysApart(const Shape& shape, const Clue& clue, Attr x, Attr y);

// Rewrites pairs of clues that together only restate one fact: an either/or
// with a clue that rules out one of its choices becomes the other choice, and
// a not (or half a neither/nor) another clue already says is dropped. The
// clues say the same as before. True when anything changed.
bool MergeRestatedPairs(const Shape& shape, std::vector<Clue>& clues);

// Why the generator cannot make puzzles of this shape, or "" when it can:
// 2 to kMaxCats categories of 2 to kMaxItems items, and the ordered category,
// if any, one of them.
std::string ShapeProblem(const Shape& shape);

// Deterministic for (shape, seed, options). Returns false when no attempt
// succeeded, and at once, touching nothing, for a shape it cannot make
// (ShapeProblem says why).
bool Generate(const Shape& shape, uint64_t seed, const GenOptions& options, GeneratedPuzzle& out);

// Number of marked cells of a grid.
int KnownCells(const CGrid& grid);

} // namespace puzzlegen
