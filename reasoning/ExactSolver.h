// Exact solver: counts the solutions of a set of clues by propagation and
// search. It proves that a puzzle has exactly one solution.
#pragma once

#include "reasoning/Puzzle.h"

#include <cstdint>
#include <vector>

namespace reasoning {

class CExactSolver {
public:
    CExactSolver(const Shape& shape, const std::vector<Clue>& clues);

    // Counts solutions, stopping once `limit` are found. The first one found is
    // stored in *first when given.
    int Count(int limit, Solution* first = nullptr);
    // Count(2) == 1.
    bool IsUnique(Solution* only = nullptr) { return Count(2, only) == 1; }

    // Search nodes visited by the last Count (for tests and benchmarks).
    long Nodes() const { return m_nodes; }
    // Stops a Count after this many nodes (0: never); Count then returns -1.
    void SetNodeLimit(long nodes) { m_nodeLimit = nodes; }

private:
    struct State {
        uint8_t dom[kMaxCats][kMaxItems];  // items entity e may still have, per category
        uint8_t ents[kMaxCats][kMaxItems]; // entities that may still have item v, per category
        uint32_t changed[kMaxCats];        // the clock when the category last lost an item
    };
    bool Propagate(State& s);
    bool PropagateClue(State& s, const Clue& clue);
    bool Remove(State& s, Attr a, int entity);
    bool Restrict(State& s, int cat, int entity, uint8_t keep);
    uint8_t Entities(const State& s, Attr a) const { return s.ents[a.cat][a.item]; }
    uint8_t OrderSet(const State& s, Attr a, int entity, int o) const;
    void Search(State& s, int limit, int& found, Solution* first);

    Shape m_shape;
    std::vector<Clue> m_clues;
    std::vector<uint8_t> m_clueCats; // the categories each clue reads, as a set
    // Propagation runs a rule again only when a category it reads has changed
    // since its last run: m_clock counts changes, m_lastRun[k] is the clock
    // when clue k last ran, m_lastSweep[c] when category c was last swept.
    // A state at rest has every rule run after its categories' last changes;
    // a child state's changes come later on the clock than anything before.
    uint32_t m_clock = 0;
    std::vector<uint32_t> m_lastRun;
    uint32_t m_lastSweep[kMaxCats] = {};
    long m_nodes = 0;
    long m_nodeLimit = 0;
    bool m_stopped = false;
};

} // namespace reasoning
