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
        uint8_t dom[kMaxCats][kMaxItems]; // items entity e may still have, per category
    };
    bool Propagate(State& s) const;
    bool PropagateClue(State& s, const Clue& clue, bool& changed) const;
    bool Remove(State& s, Attr a, int entity, bool& changed) const;
    bool Restrict(State& s, int cat, int entity, uint8_t keep, bool& changed) const;
    uint8_t Entities(const State& s, Attr a) const;
    uint8_t OrderSet(const State& s, Attr a, int entity) const;
    void Search(State& s, int limit, int& found, Solution* first);

    Shape m_shape;
    std::vector<Clue> m_clues;
    long m_nodes = 0;
    long m_nodeLimit = 0;
    bool m_stopped = false;
};

} // namespace reasoning
