#include "reasoning/TieredSolver.h"

#include "reasoning/Bits.h"

#include <algorithm>
#include <tuple>

namespace reasoning {

CGrid::CGrid(const Shape& shape) : m_shape(shape) {
    const uint8_t all = All(std::clamp(shape.items, 0, kMaxItems));
    for (auto& cat : m_notFalse)
        for (auto& item : cat)
            for (uint8_t& row : item)
                row = all;
}

bool CGrid::Set(Attr x, Attr y, uint8_t value) {
    uint8_t& a = m_cell[x.cat][x.item][y.cat][y.item];
    if (a == value)
        return true;
    if (a != kOpen)
        return false;
    a = value;
    m_cell[y.cat][y.item][x.cat][x.item] = value;
    if (value == kTrue) {
        m_true[x.cat][x.item][y.cat] |= Bit(y.item);
        m_true[y.cat][y.item][x.cat] |= Bit(x.item);
    } else if (value == kFalse) {
        m_notFalse[x.cat][x.item][y.cat] &= static_cast<uint8_t>(~Bit(y.item));
        m_notFalse[y.cat][y.item][x.cat] &= static_cast<uint8_t>(~Bit(x.item));
    }
    return true;
}

bool CGrid::IsComplete() const {
    for (int c1 = 0; c1 < m_shape.cats; ++c1)
        for (int c2 = c1 + 1; c2 < m_shape.cats; ++c2)
            for (int a = 0; a < m_shape.items; ++a)
                if (OpenSet({c1, a}, c2))
                    return false;
    return true;
}

int CGrid::Known() const {
    int open = 0;
    for (int c1 = 0; c1 < m_shape.cats; ++c1)
        for (int c2 = c1 + 1; c2 < m_shape.cats; ++c2)
            for (int a = 0; a < m_shape.items; ++a)
                open += std::popcount(static_cast<unsigned>(OpenSet({c1, a}, c2)));
    return m_shape.cats * (m_shape.cats - 1) / 2 * m_shape.items * m_shape.items - open;
}

bool CGrid::AgreesWith(const Solution& s) const {
    for (int c1 = 0; c1 < m_shape.cats; ++c1)
        for (int c2 = c1 + 1; c2 < m_shape.cats; ++c2)
            for (int a = 0; a < m_shape.items; ++a)
                for (int b = 0; b < m_shape.items; ++b) {
                    const uint8_t v = m_cell[c1][a][c2][b];
                    if (v == kOpen)
                        continue;
                    const bool together = s.EntityOf({c1, a}) == s.EntityOf({c2, b});
                    if (together != (v == kTrue))
                        return false;
                }
    return true;
}

std::vector<Mark> DirectMarks(const Shape& shape, const Clue& clue) {
    std::vector<Mark> marks;
    const int n = shape.items;
    const int o = OrderCat(shape, clue);
    switch (clue.kind) {
    case ClueKind::Is:
        marks.push_back({clue.a, clue.b, true});
        break;
    case ClueKind::IsNot:
        marks.push_back({clue.a, clue.b, false});
        break;
    case ClueKind::NeitherNor:
        marks.push_back({clue.a, clue.b, false});
        marks.push_back({clue.a, clue.c, false});
        break;
    case ClueKind::EitherOr:
        for (int v = 0; v < n; ++v)
            if (v != clue.b.item && v != clue.c.item)
                marks.push_back({clue.a, {clue.b.cat, v}, false});
        break;
    case ClueKind::Before:
    case ClueKind::Apart: {
        const int d = clue.kind == ClueKind::Before ? 1 : clue.steps;
        if (clue.a.cat != clue.b.cat)
            marks.push_back({clue.a, clue.b, false});
        for (int v = n - d; v < n; ++v)
            marks.push_back({clue.a, {o, v}, false});
        for (int v = 0; v < d; ++v)
            marks.push_back({clue.b, {o, v}, false});
        break;
    }
    case ClueKind::OneOther:
        // Two entities each side; each of a and b has c or d, and each of c
        // and d has a or b, which rules out the rest of a row in one category.
        if (clue.a.cat != clue.b.cat)
            marks.push_back({clue.a, clue.b, false});
        if (clue.c.cat != clue.d.cat)
            marks.push_back({clue.c, clue.d, false});
        for (const auto& [one, two, rows] : {std::tuple(clue.c, clue.d, std::pair(clue.a, clue.b)),
                                             std::tuple(clue.a, clue.b, std::pair(clue.c, clue.d))})
            if (one.cat == two.cat)
                for (int v = 0; v < n; ++v)
                    if (v != one.item && v != two.item)
                        for (Attr row : {rows.first, rows.second})
                            marks.push_back({row, {one.cat, v}, false});
        break;
    }
    return marks;
}

std::vector<Mark> WayMarks(const Clue& clue, int way) {
    const Attr with = way == 0 ? clue.c : clue.d, other = way == 0 ? clue.d : clue.c;
    return {
        {clue.a, with, true}, {clue.b, other, true}, {clue.a, other, false}, {clue.b, with, false}};
}

bool WayRuledOut(const Clue& clue, int way, const CGrid& grid, Mark* by) {
    for (const Mark& m : WayMarks(clue, way))
        if (grid.Get(m.x, m.y) == (m.yes ? kFalse : kTrue)) {
            if (by)
                *by = {m.x, m.y, !m.yes};
            return true;
        }
    return false;
}

CTieredSolver::CTieredSolver(const Shape& shape, const std::vector<Clue>& clues)
    : m_shape(shape), m_clues(clues), m_grid(shape) {}

bool CTieredSolver::Apply(const Step& step, std::vector<Step>* log) {
    const uint8_t want = step.mark.yes ? kTrue : kFalse;
    const uint8_t had = m_grid.Get(step.mark.x, step.mark.y);
    if (had == want)
        return false;
    if (!m_grid.Set(step.mark.x, step.mark.y, want)) {
        m_bad = true;
        m_clash = {Clash::conflict, step, {{step.mark.x, step.mark.y}}};
        return false;
    }
    if (log)
        log->push_back(step);
    return true;
}

bool CTieredSolver::TierOne(std::vector<Step>* log) {
    bool changed = false;
    const int n = m_shape.items;
    // Either/or: once one of the two is ruled out, the other is true.
    for (size_t i = 0; i < m_clues.size(); ++i) {
        const Clue& c = m_clues[i];
        if (c.kind != ClueKind::EitherOr)
            continue;
        Step s{1, StepRule::Clue, static_cast<int>(i), {}, {}};
        if (m_grid.Get(c.a, c.b) == kFalse) {
            s.mark = {c.a, c.c, true};
            changed |= Apply(s, log);
        } else if (m_grid.Get(c.a, c.c) == kFalse) {
            s.mark = {c.a, c.b, true};
            changed |= Apply(s, log);
        }
        if (m_bad)
            return changed;
    }
    // One of two, the other the other: one way round ruled out, the other holds.
    for (size_t i = 0; i < m_clues.size(); ++i) {
        const Clue& c = m_clues[i];
        if (c.kind != ClueKind::OneOther)
            continue;
        for (int way = 0; way < 2 && !m_bad; ++way)
            if (WayRuledOut(c, 1 - way, m_grid))
                for (const Mark& m : WayMarks(c, way))
                    if (!m_bad)
                        changed |= Apply({1, StepRule::Clue, static_cast<int>(i), {}, m}, log);
        if (m_bad)
            return changed;
    }
    // Elimination inside each sub-grid, rows of c1 against c2 (both ways).
    for (int c1 = 0; c1 < m_shape.cats; ++c1)
        for (int c2 = 0; c2 < m_shape.cats; ++c2) {
            if (c1 == c2)
                continue;
            for (int x = 0; x < n; ++x) {
                const uint8_t trues = m_grid.TrueSet({c1, x}, c2);
                const uint8_t opens = m_grid.OpenSet({c1, x}, c2);
                if (trues && !Single(trues)) {
                    const int first = Low(trues);
                    const int second = Low(static_cast<uint8_t>(trues & ~Bit(first)));
                    m_bad = true;
                    m_clash = {
                        Clash::twoTrue, {}, {{{c1, x}, {c2, first}}, {{c1, x}, {c2, second}}}};
                    return changed;
                }
                const int open = std::popcount(static_cast<unsigned>(opens));
                Step s{1, StepRule::Elimination, -1, {}, {}};
                if (trues) {
                    for (int y = 0; y < n; ++y)
                        if (opens & Bit(y)) {
                            s.mark = {{c1, x}, {c2, y}, false};
                            changed |= Apply(s, log);
                        }
                } else if (open == 0) {
                    m_bad = true;
                    m_clash = {Clash::noneOpen, {}, {}};
                    for (int y = 0; y < n; ++y)
                        m_clash.cells.push_back({{c1, x}, {c2, y}});
                    return changed;
                } else if (open == 1) {
                    s.mark = {{c1, x}, {c2, Low(opens)}, true};
                    changed |= Apply(s, log);
                }
                if (m_bad)
                    return changed;
            }
        }
    return changed;
}

bool CTieredSolver::Links(std::vector<Step>* log) {
    bool changed = false;
    const int n = m_shape.items;
    for (int c1 = 0; c1 < m_shape.cats; ++c1)
        for (int c3 = c1 + 1; c3 < m_shape.cats; ++c3)
            for (int x = 0; x < n; ++x)
                for (int z = 0; z < n; ++z) {
                    // From a player's marks a decided cell is looked at too: a
                    // link against its mark is a contradiction.
                    if (!m_checkDecided && m_grid.Get({c1, x}, {c3, z}) != kOpen)
                        continue;
                    for (int c2 = 0; c2 < m_shape.cats; ++c2) {
                        if (c2 == c1 || c2 == c3)
                            continue;
                        // Both go with one item of c2 (true), or no item of
                        // c2 can go with both (false).
                        const uint8_t shared =
                            m_grid.TrueSet({c1, x}, c2) & m_grid.TrueSet({c3, z}, c2);
                        const uint8_t possible =
                            m_grid.OpenOrTrue({c1, x}, c2) & m_grid.OpenOrTrue({c3, z}, c2);
                        Step s{2, StepRule::Link, -1, {c2, shared ? Low(shared) : -1}, {}};
                        if (shared)
                            s.mark = {{c1, x}, {c3, z}, true};
                        else if (!possible)
                            s.mark = {{c1, x}, {c3, z}, false};
                        else
                            continue;
                        changed |= Apply(s, log);
                        if (m_bad)
                            return changed;
                        break;
                    }
                }
    return changed;
}

uint8_t CTieredSolver::OrderSet(Attr a, int o) const {
    if (a.cat == o)
        return Bit(a.item);
    const uint8_t trues = m_grid.TrueSet(a, o);
    if (trues)
        return Bit(Low(trues));
    return m_grid.OpenSet(a, o);
}

bool CTieredSolver::Ordering(std::vector<Step>* log) {
    bool changed = false;
    if (m_shape.ordered < 0)
        return false;
    for (size_t i = 0; i < m_clues.size(); ++i) {
        const Clue& c = m_clues[i];
        if (c.kind != ClueKind::Before && c.kind != ClueKind::Apart)
            continue;
        const int o = OrderCat(m_shape, c);
        const uint8_t pa = OrderSet(c.a, o);
        const uint8_t pb = OrderSet(c.b, o);
        if (!pa || !pb) {
            m_bad = true;
            m_clash = {Clash::noneOpen, {}, {}};
            for (int v = 0; v < m_shape.items; ++v)
                m_clash.cells.push_back({pa ? c.b : c.a, {o, v}});
            return changed;
        }
        uint8_t allowA, allowB;
        if (c.kind == ClueKind::Before) {
            allowA = Below(High(pb));
            allowB = Above(Low(pa));
        } else {
            allowA = static_cast<uint8_t>(pb >> c.steps);
            allowB = static_cast<uint8_t>(pa << c.steps);
        }
        for (int side = 0; side < 2; ++side) {
            const Attr self = side == 0 ? c.a : c.b;
            const uint8_t have = side == 0 ? pa : pb;
            const uint8_t allow = side == 0 ? allowA : allowB;
            for (int v = 0; v < m_shape.items; ++v)
                if ((have & Bit(v)) && !(allow & Bit(v))) {
                    Step s{3, StepRule::Clue, static_cast<int>(i), {}, {self, {o, v}, false}};
                    changed |= Apply(s, log);
                    if (m_bad)
                        return changed;
                }
        }
    }
    return changed;
}

bool CTieredSolver::WhatIf(std::vector<Step>* log) {
    const int n = m_shape.items;
    // Rows with the fewest open cells first: that is where a player looks.
    for (int want = 2; want <= n; ++want)
        for (int c1 = 0; c1 < m_shape.cats; ++c1)
            for (int c2 = c1 + 1; c2 < m_shape.cats; ++c2)
                for (int x = 0; x < n; ++x) {
                    if (std::popcount(static_cast<unsigned>(m_grid.OpenSet({c1, x}, c2))) != want)
                        continue;
                    for (int y = 0; y < n; ++y) {
                        const Attr ax{c1, x}, ay{c2, y};
                        if (m_grid.Get(ax, ay) != kOpen)
                            continue;
                        const CGrid saved = m_grid;
                        m_grid.Set(ax, ay, kTrue);
                        int ignored = 0;
                        const bool fine = Settle(3, nullptr, &ignored);
                        m_grid = saved;
                        m_bad = false;
                        m_clash = {};
                        if (!fine) {
                            Step s{4, StepRule::WhatIf, -1, {}, {ax, ay, false}};
                            return Apply(s, log);
                        }
                    }
                }
    return false;
}

bool CTieredSolver::Settle(int maxTier, std::vector<Step>* log, int* hardest) {
    for (;;) {
        if (m_bad)
            return false;
        if (TierOne(log)) {
            *hardest = std::max(*hardest, 1);
            continue;
        }
        if (m_bad)
            return false;
        if (maxTier >= 2 && Links(log)) {
            *hardest = std::max(*hardest, 2);
            continue;
        }
        if (m_bad)
            return false;
        if (maxTier >= 3 && Ordering(log)) {
            *hardest = std::max(*hardest, 3);
            continue;
        }
        if (m_bad)
            return false;
        if (maxTier >= 4 && WhatIf(log)) {
            *hardest = std::max(*hardest, 4);
            continue;
        }
        return !m_bad;
    }
}

SolveResult CTieredSolver::Solve(int maxTier) {
    m_checkDecided = false;
    return Run(CGrid(m_shape), maxTier);
}

bool CTieredSolver::AddClue(const Clue& clue, int maxTier) {
    m_checkDecided = false;
    m_bad = false;
    m_clash = {};
    m_clues.push_back(clue);
    const int index = static_cast<int>(m_clues.size()) - 1;
    for (const Mark& m : DirectMarks(m_shape, clue)) {
        Apply(Step{1, StepRule::Clue, index, {}, m}, nullptr);
        if (m_bad)
            return false;
    }
    int ignored = 0;
    return Settle(maxTier, nullptr, &ignored);
}

void CTieredSolver::DropLastClue(const CGrid& before) {
    if (!m_clues.empty())
        m_clues.pop_back();
    m_grid = before;
    m_bad = false;
    m_clash = {};
}

SolveResult CTieredSolver::SolveFrom(const CGrid& start, int maxTier) {
    m_checkDecided = true;
    return Run(start, maxTier);
}

SolveResult CTieredSolver::Run(const CGrid& start, int maxTier) {
    SolveResult r;
    m_grid = start;
    m_bad = false;
    m_clash = {};
    for (size_t i = 0; i < m_clues.size() && !m_bad; ++i)
        for (const Mark& m : DirectMarks(m_shape, m_clues[i])) {
            Apply(Step{1, StepRule::Clue, static_cast<int>(i), {}, m}, &r.steps);
            if (m_bad)
                break;
        }
    int hardest = r.steps.empty() ? 0 : 1;
    const bool fine = !m_bad && Settle(maxTier, &r.steps, &hardest);
    r.contradiction = !fine;
    r.solved = fine && m_grid.IsComplete();
    r.hardestTier = hardest;
    return r;
}

std::vector<Step> CTieredSolver::NextSteps(const CGrid& from, int maxTier) {
    std::vector<Step> log;
    m_checkDecided = false;
    m_grid = from;
    m_bad = false;
    m_clash = {};
    for (size_t i = 0; i < m_clues.size() && !m_bad; ++i)
        for (const Mark& m : DirectMarks(m_shape, m_clues[i]))
            if (m_grid.Get(m.x, m.y) == kOpen)
                Apply(Step{1, StepRule::Clue, static_cast<int>(i), {}, m}, &log);
    if (log.empty() && !m_bad && !TierOne(&log) && !m_bad && maxTier >= 2 && !Links(&log) &&
        !m_bad && maxTier >= 3 && !Ordering(&log) && !m_bad && maxTier >= 4)
        WhatIf(&log);
    if (m_bad)
        log.clear();
    return log;
}

int Grade(const SolveResult& result) {
    if (result.hardestTier <= 2)
        return 1;
    if (result.hardestTier == 3)
        return 2;
    int whatIfs = 0;
    for (const Step& s : result.steps)
        whatIfs += s.rule == StepRule::WhatIf;
    return whatIfs >= 2 ? 4 : 3;
}

const char* GradeName(int grade) {
    switch (grade) {
    case 1:
        return "Easy";
    case 2:
        return "Medium";
    case 3:
        return "Hard";
    default:
        return "Expert";
    }
}

} // namespace reasoning
