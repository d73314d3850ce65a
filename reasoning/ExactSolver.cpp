#include "reasoning/ExactSolver.h"

#include "reasoning/Bits.h"

namespace reasoning {

CExactSolver::CExactSolver(const Shape& shape, const std::vector<Clue>& clues)
    : m_shape(shape), m_clues(clues) {
    for (const Clue& clue : m_clues) {
        uint8_t cats = Bit(clue.a.cat) | Bit(clue.b.cat);
        if (clue.kind == ClueKind::EitherOr || clue.kind == ClueKind::NeitherNor)
            cats |= Bit(clue.c.cat);
        if (clue.kind == ClueKind::OneOther)
            cats |= Bit(clue.c.cat) | Bit(clue.d.cat);
        if ((clue.kind == ClueKind::Before || clue.kind == ClueKind::Apart) && shape.ordered >= 0)
            cats |= Bit(OrderCat(shape, clue));
        m_clueCats.push_back(cats);
    }
    m_lastRun.assign(m_clues.size(), 0);
}

uint8_t CExactSolver::OrderSet(const State& s, Attr a, int entity, int o) const {
    if (a.cat == o)
        return Bit(a.item);
    return s.dom[o][entity];
}

bool CExactSolver::Remove(State& s, Attr a, int entity) {
    return Restrict(s, a.cat, entity, static_cast<uint8_t>(~Bit(a.item)));
}

bool CExactSolver::Restrict(State& s, int cat, int entity, uint8_t keep) {
    const uint8_t before = s.dom[cat][entity];
    const uint8_t after = before & keep;
    if (after != before) {
        s.dom[cat][entity] = after;
        for (uint8_t gone = before & ~after; gone; gone &= gone - 1)
            s.ents[cat][Low(gone)] &= static_cast<uint8_t>(~Bit(entity));
        s.changed[cat] = ++m_clock;
    }
    return after != 0;
}

bool CExactSolver::PropagateClue(State& s, const Clue& clue) {
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
        for (uint8_t m = ea & ~both; m; m &= m - 1)
            if (!Remove(s, clue.a, Low(m)))
                return false;
        for (uint8_t m = eb & ~both; m; m &= m - 1)
            if (!Remove(s, clue.b, Low(m)))
                return false;
        return true;
    }
    case ClueKind::IsNot:
    case ClueKind::NeitherNor: {
        for (int pass = 0; pass < (clue.kind == ClueKind::IsNot ? 1 : 2); ++pass) {
            const Attr other = pass == 0 ? clue.b : clue.c;
            const uint8_t eo = Entities(s, other);
            const uint8_t ex = Entities(s, clue.a);
            if (Single(ex) && !Remove(s, other, Low(ex)))
                return false;
            if (Single(eo) && !Remove(s, clue.a, Low(eo)))
                return false;
        }
        return true;
    }
    case ClueKind::EitherOr: {
        const uint8_t ec = Entities(s, clue.c);
        for (uint8_t m = ea & ~(eb | ec); m; m &= m - 1)
            if (!Remove(s, clue.a, Low(m)))
                return false;
        const uint8_t ex = Entities(s, clue.a);
        if (Single(ex) && !Restrict(s, clue.b.cat, Low(ex), Bit(clue.b.item) | Bit(clue.c.item)))
            return false;
        return true;
    }
    case ClueKind::OneOther: {
        // Two ways round: a with c and b with d, or a with d and b with c.
        const uint8_t ec = Entities(s, clue.c), ed = Entities(s, clue.d);
        const uint8_t ac = ea & ec, bd = eb & ed, ad = ea & ed, bc = eb & ec;
        const bool first = ac && bd, second = ad && bc;
        if (!first && !second)
            return false;
        const Attr attrs[4] = {clue.a, clue.b, clue.c, clue.d};
        const uint8_t keep[4] = {static_cast<uint8_t>((first ? ac : 0) | (second ? ad : 0)),
                                 static_cast<uint8_t>((first ? bd : 0) | (second ? bc : 0)),
                                 static_cast<uint8_t>((first ? ac : 0) | (second ? bc : 0)),
                                 static_cast<uint8_t>((first ? bd : 0) | (second ? ad : 0))};
        for (int i = 0; i < 4; ++i)
            for (uint8_t m = Entities(s, attrs[i]) & ~keep[i]; m; m &= m - 1)
                if (!Remove(s, attrs[i], Low(m)))
                    return false;
        // a and b are two entities, and so are c and d.
        for (int i = 0; i < 4; ++i) {
            const Attr other = attrs[i ^ 1];
            const uint8_t now = Entities(s, attrs[i]);
            if (Single(now) && other.cat != attrs[i].cat && !Remove(s, other, Low(now)))
                return false;
        }
        return true;
    }
    case ClueKind::Before:
    case ClueKind::Apart: {
        const int o = OrderCat(m_shape, clue);
        const bool before = clue.kind == ClueKind::Before;
        for (int side = 0; side < 2; ++side) {
            const Attr self = side == 0 ? clue.a : clue.b;
            const Attr other = side == 0 ? clue.b : clue.a;
            const uint8_t es = Entities(s, self);
            const uint8_t eo = Entities(s, other);
            // The orders the other may take on each entity, and their unions
            // over the entities below e and above it.
            uint8_t orders[kMaxItems] = {};
            for (uint8_t m = eo; m; m &= m - 1)
                orders[Low(m)] = OrderSet(s, other, Low(m), o);
            uint8_t below[kMaxItems + 1] = {}, above[kMaxItems + 1] = {};
            for (int f = 0; f < n; ++f)
                below[f + 1] = below[f] | orders[f];
            for (int f = n - 1; f >= 0; --f)
                above[f] = above[f + 1] | orders[f];
            for (uint8_t m = es; m; m &= m - 1) {
                const int e = Low(m);
                // The orders the other may take away from e.
                const uint8_t otherOrders = below[e] | above[e + 1];
                uint8_t allowed = 0;
                if (otherOrders) {
                    if (before) {
                        allowed = side == 0 ? Below(High(otherOrders)) : Above(Low(otherOrders));
                    } else {
                        allowed = side == 0 ? static_cast<uint8_t>(otherOrders >> clue.steps)
                                            : static_cast<uint8_t>(otherOrders << clue.steps);
                    }
                }
                if (!(OrderSet(s, self, e, o) & allowed)) {
                    if (!Remove(s, self, e))
                        return false;
                } else if (Single(es) && !Restrict(s, o, e, allowed)) {
                    return false;
                }
            }
            // The two belong to different entities.
            const uint8_t now = Entities(s, self);
            if (Single(now) && other.cat != self.cat && !Remove(s, other, Low(now)))
                return false;
        }
        return true;
    }
    }
    return true;
}

bool CExactSolver::Propagate(State& s) {
    const int n = m_shape.items;
    for (;;) {
        bool ran = false;
        for (int c = 1; c < m_shape.cats; ++c) {
            if (s.changed[c] <= m_lastSweep[c])
                continue;
            ran = true;
            m_lastSweep[c] = m_clock;
            // Each item on exactly one entity, each entity with exactly one item.
            for (int e = 0; e < n; ++e) {
                const uint8_t d = s.dom[c][e];
                if (!d)
                    return false;
                if (Single(d))
                    for (int f = 0; f < n; ++f)
                        if (f != e && !Restrict(s, c, f, static_cast<uint8_t>(~d)))
                            return false;
            }
            for (int v = 0; v < n; ++v) {
                const uint8_t ents = s.ents[c][v];
                if (!ents)
                    return false;
                if (Single(ents) && !Restrict(s, c, Low(ents), Bit(v)))
                    return false;
            }
        }
        for (size_t k = 0; k < m_clues.size(); ++k) {
            bool stale = false;
            for (uint8_t m = m_clueCats[k]; m && !stale; m &= m - 1)
                stale = s.changed[Low(m)] > m_lastRun[k];
            if (!stale)
                continue;
            ran = true;
            m_lastRun[k] = m_clock;
            if (!PropagateClue(s, m_clues[k]))
                return false;
        }
        if (!ran)
            return true;
    }
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
    // Branch where the fewest choices are left: the items an entity may
    // have, or the entities an item may go to.
    int bestCat = -1, bestEntity = -1, bestItem = -1, bestCount = 99;
    for (int c = 1; c < m_shape.cats; ++c)
        for (int e = 0; e < m_shape.items; ++e) {
            const int count = std::popcount(static_cast<unsigned>(s.dom[c][e]));
            if (count > 1 && count < bestCount) {
                bestCount = count;
                bestCat = c;
                bestEntity = e;
                bestItem = -1;
            }
            const int places = std::popcount(static_cast<unsigned>(s.ents[c][e]));
            if (places > 1 && places < bestCount) {
                bestCount = places;
                bestCat = c;
                bestEntity = -1;
                bestItem = e;
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
    if (bestItem >= 0) {
        for (uint8_t m = s.ents[bestCat][bestItem]; m && found < limit && !m_stopped; m &= m - 1) {
            State child = s;
            Restrict(child, bestCat, Low(m), Bit(bestItem));
            Search(child, limit, found, first);
        }
        return;
    }
    for (uint8_t m = s.dom[bestCat][bestEntity]; m && found < limit && !m_stopped; m &= m - 1) {
        State child = s;
        Restrict(child, bestCat, bestEntity, Bit(Low(m)));
        Search(child, limit, found, first);
    }
}

int CExactSolver::Count(int limit, Solution* first) {
    m_nodes = 0;
    State s{};
    const uint8_t all = All(m_shape.items);
    for (int c = 0; c < m_shape.cats; ++c)
        for (int e = 0; e < m_shape.items; ++e) {
            s.dom[c][e] = c == 0 ? Bit(e) : all;
            s.ents[c][e] = c == 0 ? Bit(e) : all;
        }
    // Every rule runs once at the start.
    m_clock = 1;
    for (uint32_t& stamp : s.changed)
        stamp = 1;
    m_lastRun.assign(m_clues.size(), 0);
    for (uint32_t& sweep : m_lastSweep)
        sweep = 0;
    int found = 0;
    m_stopped = false;
    Search(s, limit, found, first);
    return m_stopped ? -1 : found;
}

} // namespace reasoning
