// A solver that works the way a player works on the grid, in tiers:
//   1  the clues' direct marks, and elimination inside one sub-grid
//      (a true cell rules out its row and column; a last open cell is true);
//      an either/or, or one way round of a one-other clue, once the other
//      choice is ruled out;
//   2  links across sub-grids (two items that cannot share any item of a third
//      category are not together; two items tied to one item are together);
//   3  ordering (before/after and exactly-apart clues against the open places);
//   4  one-step what-if (assume a cell true, follow tiers 1-3, meet a
//      contradiction, so the cell is false).
// It always uses the lowest tier that still makes progress, records every
// step, and grades a puzzle by the highest tier it needed.
#pragma once

#include "reasoning/Puzzle.h"

#include <cstdint>
#include <vector>

namespace reasoning {

enum : uint8_t { kOpen = 0, kFalse = 1, kTrue = 2 };

struct Mark {
    Attr x, y;
    bool yes = false;
    bool operator==(const Mark&) const = default;
};

enum class StepRule {
    Clue,        // a clue's own marks (tiers 1 and 3)
    Elimination, // one sub-grid (tier 1)
    Link,        // across sub-grids (tier 2)
    WhatIf,      // one-step what-if (tier 4)
};

struct Step {
    int tier = 1;
    StepRule rule = StepRule::Clue;
    int clue = -1; // 0-based clue index for StepRule::Clue, else -1
    Attr via{};    // the third item of a link
    Mark mark;     // what was marked
};

// The grid of marks between every two items of different categories.
class CGrid {
public:
    explicit CGrid(const Shape& shape);
    uint8_t Get(Attr x, Attr y) const { return m_cell[x.cat][x.item][y.cat][y.item]; }
    // Marks a cell; false when it contradicts the mark already there.
    bool Set(Attr x, Attr y, uint8_t value);
    bool IsComplete() const;
    // The number of marked cells.
    int Known() const;
    // The marks agree with the solution everywhere they are made.
    bool AgreesWith(const Solution& s) const;
    const Shape& GetShape() const { return m_shape; }

    // The row of x against category cat as item sets: the items marked true
    // with x, and those not marked false.
    uint8_t TrueSet(Attr x, int cat) const { return m_true[x.cat][x.item][cat]; }
    uint8_t OpenOrTrue(Attr x, int cat) const { return m_notFalse[x.cat][x.item][cat]; }
    uint8_t OpenSet(Attr x, int cat) const {
        return static_cast<uint8_t>(m_notFalse[x.cat][x.item][cat] & ~m_true[x.cat][x.item][cat]);
    }

private:
    Shape m_shape;
    uint8_t m_cell[kMaxCats][kMaxItems][kMaxCats][kMaxItems] = {};
    uint8_t m_true[kMaxCats][kMaxItems][kMaxCats] = {};
    uint8_t m_notFalse[kMaxCats][kMaxItems][kMaxCats] = {};
};

// The marks a clue gives on an empty grid: what it lets the player mark at once.
std::vector<Mark> DirectMarks(const Shape& shape, const Clue& clue);

// The four marks of one way round of a one-other clue: way 0 puts a with c
// and b with d, way 1 a with d and b with c.
std::vector<Mark> WayMarks(const Clue& clue, int way);
// The mark on the grid that rules that way out (one of its four the other
// way round), in *by when given; false while the way is still open.
bool WayRuledOut(const Clue& clue, int way, const CGrid& grid, Mark* by = nullptr);

// Where a solve met a contradiction.
struct Clash {
    enum Kind {
        none,
        conflict, // step would mark a cell against the mark already on it
        twoTrue,  // two true cells in one row of a block (cells)
        noneOpen, // a row of a block with every cell false (cells)
    };
    Kind kind = none;
    Step step;
    std::vector<std::pair<Attr, Attr>> cells;
};

struct SolveResult {
    bool solved = false; // every cell marked, without contradiction
    bool contradiction = false;
    int hardestTier = 0; // 0 when nothing was needed
    std::vector<Step> steps;
};

class CTieredSolver {
public:
    CTieredSolver(const Shape& shape, const std::vector<Clue>& clues);
    // Solves from an empty grid using tiers up to maxTier.
    SolveResult Solve(int maxTier = 4);
    // What follows next from the marks of a grid (a player's, say): the
    // clues' own marks not on it yet, else the steps of the lowest tier that
    // makes progress, in the order the solver takes them. Empty when nothing
    // follows or the marks contradict the clues.
    std::vector<Step> NextSteps(const CGrid& from, int maxTier = 4);
    // Solves on from the marks of a grid, as Solve does from an empty one,
    // and meets a contradiction with a wrong mark there as soon as a link
    // shows it (Solve only looks at open cells).
    SolveResult SolveFrom(const CGrid& start, int maxTier = 4);
    // Solving on as clues come, for a generator that adds clues true of one
    // solution: adds the clue, marks what it gives and solves on from the
    // grid as it stands with tiers up to maxTier (no log). For such clues
    // every rule only ever adds marks the solution agrees with, so the grid
    // it settles on is the one Solve(maxTier) reaches from an empty grid with
    // all the clues, in whatever order they came. False on a contradiction.
    bool AddClue(const Clue& clue, int maxTier);
    // Takes back the last clue added, with the grid as it was before.
    void DropLastClue(const CGrid& before);
    // The contradiction the last solve met, if any.
    const Clash& LastClash() const { return m_clash; }
    const CGrid& Grid() const { return m_grid; }

private:
    bool Apply(const Step& step, std::vector<Step>* log);
    // Each returns true when it marked something; a contradiction sets m_bad.
    bool TierOne(std::vector<Step>* log);
    bool Links(std::vector<Step>* log);
    bool Ordering(std::vector<Step>* log);
    bool WhatIf(std::vector<Step>* log);
    // Runs tiers 1 to maxTier until nothing changes; false on contradiction.
    bool Settle(int maxTier, std::vector<Step>* log, int* hardest);
    uint8_t OrderSet(Attr a, int o) const;

    Shape m_shape;
    std::vector<Clue> m_clues;
    CGrid m_grid;
    SolveResult Run(const CGrid& start, int maxTier);

    bool m_bad = false;
    bool m_checkDecided = false;
    Clash m_clash;
};

// The shelf's four grades, from the hardest tier a solve needed:
//   1 Easy    tiers 1-2 only (clue marks, elimination, links)
//   2 Medium  ordering (tier 3) needed
//   3 Hard    one what-if step needed
//   4 Expert  two or more what-if steps needed
int Grade(const SolveResult& result);
const char* GradeName(int grade);

} // namespace reasoning
