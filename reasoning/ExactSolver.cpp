#include "reasoning/ExactSolver.h"

#include "reasoning/Bits.h"

namespace reasoning {

CExactSolver::CExactSolver(const Shape& shape, const std::vector<Clue>& clues)
    : m_shape(shape), m_clues(clues) {}

uint8_t CExactSolver::Entities(const State& s, Attr a) const {
    uint8_t m = 0;
    for (int e = 0; e < m_shape.items; ++e)
        if (s.dom[a.cat][e] & Bit(a.item))
            m |= Bit(e);
    return m;
}

uint8_t CExactSolver::OrderSet(const State& s, Attr a, int entity) const {
    if (a.cat == m_shape.ordered)
        return Bit(a.item);
    return s.dom[m_shape.ordered][entity];
}

bool CExactSolver::Remove(State& s, Attr a, int entity, bool& changed) const {
    return Restrict(s, a.cat, entity, static_cast<uint8_t>(~Bit(a.item)), changed);
}

bool CExactSolver::Restrict(State& s, int cat, int entity, uint8_t keep, bool& changed) const {
    const uint8_t before = s.dom[cat][entity];
    const uint8_t after = before & keep;
    if (after != before) {
        s.dom[cat][entity] = after;
        changed = true;
    }
    return after != 0;
}

bool CExactSolver::PropagateClue(State& s, const Clue& clue, bool& changed) const {
    const int n = m_shape.items;
    const uint8_t ea = Entities(s, clue.a);
    const uint8_t eb = Entities(s, clue.b);
    if (!ea || !eb)
        return false;
    switch (clue.kind) {
    case ClueKind::Is: {
        const uint8_t both = ea & eb;
        if (!both)
            return false;
        for (int e = 0; e < n; ++e) {
            if ((ea & Bit(e)) && !(both & Bit(e)) && !Remove(s, clue.a, e, changed))
                return false;
            if ((eb & Bit(e)) && !(both & Bit(e)) && !Remove(s, clue.b, e, changed))
                return false;
        }
        return true;
    }
    case ClueKind::IsNot:
    case ClueKind::NeitherNor: {
        for (int pass = 0; pass < (clue.kind == ClueKind::IsNot ? 1 : 2); ++pass) {
            const Attr other = pass == 0 ? clue.b : clue.c;
            const uint8_t eo = Entities(s, other);
            const uint8_t ex = Entities(s, clue.a);
            if (Single(ex) && !Remove(s, other, Low(ex), changed))
                return false;
            if (Single(eo) && !Remove(s, clue.a, Low(eo), changed))
                return false;
        }
        return true;
    }
    case ClueKind::EitherOr: {
        const uint8_t ec = Entities(s, clue.c);
        const uint8_t ok = eb | ec;
        for (int e = 0; e < n; ++e)
            if ((ea & Bit(e)) && !(ok & Bit(e)) && !Remove(s, clue.a, e, changed))
                return false;
        const uint8_t ex = Entities(s, clue.a);
        if (Single(ex) &&
            !Restrict(s, clue.b.cat, Low(ex), Bit(clue.b.item) | Bit(clue.c.item), changed))
            return false;
        return true;
    }
    case ClueKind::Before:
    case ClueKind::Apart: {
        const int o = m_shape.ordered;
        const bool before = clue.kind == ClueKind::Before;
        for (int side = 0; side < 2; ++side) {
            const Attr self = side == 0 ? clue.a : clue.b;
            const Attr other = side == 0 ? clue.b : clue.a;
            const uint8_t es = Entities(s, self);
            const uint8_t eo = Entities(s, other);
            for (int e = 0; e < n; ++e) {
                if (!(es & Bit(e)))
                    continue;
                uint8_t otherOrders = 0; // orders the other may take away from e
                for (int f = 0; f < n; ++f)
                    if (f != e && (eo & Bit(f)))
                        otherOrders |= OrderSet(s, other, f);
                uint8_t allowed = 0;
                if (otherOrders) {
                    if (before) {
                        allowed = side == 0 ? Below(High(otherOrders)) : Above(Low(otherOrders));
                    } else {
                        allowed = side == 0 ? static_cast<uint8_t>(otherOrders >> clue.steps)
                                            : static_cast<uint8_t>(otherOrders << clue.steps);
                    }
                }
                if (!(OrderSet(s, self, e) & allowed)) {
                    if (!Remove(s, self, e, changed))
                        return false;
                } else if (Single(es) && !Restrict(s, o, e, allowed, changed)) {
                    return false;
                }
            }
            // The two belong to different entities.
            const uint8_t now = Entities(s, self);
            if (Single(now) && other.cat != self.cat && !Remove(s, other, Low(now), changed))
                return false;
        }
        return true;
    }
    }
    return true;
}

bool CExactSolver::Propagate(State& s) const {
    const int n = m_shape.items;
    bool changed = true;
    while (changed) {
        changed = false;
        for (int c = 1; c < m_shape.cats; ++c) {
            for (int e = 0; e < n; ++e) {
                const uint8_t d = s.dom[c][e];
                if (!d)
                    return false;
                if (Single(d))
                    for (int f = 0; f < n; ++f)
                        if (f != e && !Restrict(s, c, f, static_cast<uint8_t>(~d), changed))
                            return false;
            }
            for (int v = 0; v < n; ++v) {
                const uint8_t ents = Entities(s, Attr{c, v});
                if (!ents)
                    return false;
                if (Single(ents) && !Restrict(s, c, Low(ents), Bit(v), changed))
                    return false;
            }
        }
        for (const Clue& clue : m_clues)
            if (!PropagateClue(s, clue, changed))
                return false;
    }
    return true;
}

void CExactSolver::Search(State& s, int limit, int& found, Solution* first) {
    if (m_nodeLimit > 0 && ++m_nodes > m_nodeLimit) {
        m_stopped = true;
        return;
    }
    if (m_nodeLimit <= 0)
        ++m_nodes;
    if (!Propagate(s))
        return;
    int bestCat = -1, bestEntity = -1, bestCount = 99;
    for (int c = 1; c < m_shape.cats; ++c)
        for (int e = 0; e < m_shape.items; ++e) {
            const int count = std::popcount(static_cast<unsigned>(s.dom[c][e]));
            if (count > 1 && count < bestCount) {
                bestCount = count;
                bestCat = c;
                bestEntity = e;
            }
        }
    if (bestCat < 0) {
        Solution sol;
        sol.cats = m_shape.cats;
        sol.items = m_shape.items;
        for (int c = 0; c < m_shape.cats; ++c)
            for (int e = 0; e < m_shape.items; ++e)
                sol.value[c][e] = Low(s.dom[c][e]);
        for (const Clue& clue : m_clues)
            if (!Holds(m_shape, clue, sol))
                return;
        if (found == 0 && first)
            *first = sol;
        ++found;
        return;
    }
    const uint8_t d = s.dom[bestCat][bestEntity];
    for (int v = 0; v < m_shape.items && found < limit && !m_stopped; ++v) {
        if (!(d & Bit(v)))
            continue;
        State child = s;
        child.dom[bestCat][bestEntity] = Bit(v);
        Search(child, limit, found, first);
    }
}

int CExactSolver::Count(int limit, Solution* first) {
    m_nodes = 0;
    State s{};
    const uint8_t all = All(m_shape.items);
    for (int c = 0; c < m_shape.cats; ++c)
        for (int e = 0; e < m_shape.items; ++e)
            s.dom[c][e] = c == 0 ? Bit(e) : all;
    int found = 0;
    m_stopped = false;
    Search(s, limit, found, first);
    return m_stopped ? -1 : found;
}

} // namespace reasoning
