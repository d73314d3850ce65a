#include "puzzlegen/Generator.h"

#include "reasoning/ExactSolver.h"

#include <algorithm>
#include <cstddef>
#include <string>

namespace puzzlegen {

int KnownCells(const CGrid& grid) {
    return grid.Known();
}

namespace {

int OtherCat(const Shape& shape, CRandom& random, int notThis, int norThis = -1) {
    for (;;) {
        const int c = random.Below(shape.cats);
        if (c != notThis && c != norThis)
            return c;
    }
}

int OtherEntity(const Shape& shape, CRandom& random, int notThis) {
    for (;;) {
        const int e = random.Below(shape.items);
        if (e != notThis)
            return e;
    }
}

// A category other than the ordered one o.
int UnorderedCat(const Shape& shape, CRandom& random, int o) {
    for (;;) {
        const int c = random.Below(shape.cats);
        if (c != o)
            return c;
    }
}

ClueKind PickKind(const Shape& shape, const GenOptions& options, CRandom& random) {
    int total = 0;
    int w[kClueKinds];
    for (int k = 0; k < kClueKinds; ++k) {
        w[k] = options.weight[k];
        if (shape.ordered < 0 && (k == int(ClueKind::Before) || k == int(ClueKind::Apart)))
            w[k] = 0;
        // "Neither b nor c" of one category needs two items besides a's own.
        if (shape.items < 3 && k == int(ClueKind::NeitherNor))
            w[k] = 0;
        // Four cells none inside one category need three categories.
        if (k == int(ClueKind::OneOther) && (CellCount(shape) <= kShelfCells || shape.cats < 3))
            w[k] = 0;
        total += w[k];
    }
    if (total <= 0)
        return ClueKind::Is;
    int r = random.Below(total);
    for (int k = 0; k < kClueKinds; ++k) {
        if (r < w[k])
            return static_cast<ClueKind>(k);
        r -= w[k];
    }
    return ClueKind::Is;
}

// Drops every clue the others make unnecessary, in a random order, into
// `kept` (which may be `clues`). False when more than maxClues are needed.
bool Prune(const Shape& shape, const std::vector<Clue>& clues, int maxClues, CRandom& random,
           std::vector<Clue>& kept) {
    std::vector<size_t> order(clues.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    for (size_t i = order.size(); i > 1; --i)
        std::swap(order[i - 1], order[random.Below(static_cast<int>(i))]);
    std::vector<bool> keep(clues.size(), true);
    int needed = 0; // clues found necessary so far: the puzzle keeps them all
    for (size_t idx : order) {
        keep[idx] = false;
        std::vector<Clue> rest;
        for (size_t j = 0; j < clues.size(); ++j)
            if (keep[j])
                rest.push_back(clues[j]);
        if (!CExactSolver(shape, rest).IsUnique()) {
            keep[idx] = true;
            if (++needed > maxClues)
                return false; // too many whatever the rest does
        }
    }
    std::vector<Clue> result;
    for (size_t j = 0; j < clues.size(); ++j)
        if (keep[j])
            result.push_back(clues[j]);
    kept = std::move(result);
    return static_cast<int>(kept.size()) <= maxClues;
}

} // namespace

bool SaysApart(const Shape& shape, const Clue& clue, Attr x, Attr y) {
    if (x.cat == y.cat)
        return false;
    // The clue names u and v as one entity's (or as two entities').
    auto names = [&](Attr u, Attr v) { return (u == x && v == y) || (u == y && v == x); };
    // u is one of the items `among` of category cat, so none of the others.
    auto outside = [&](Attr u, int cat, auto among) {
        return (u == x && y.cat == cat && !among(y.item)) ||
               (u == y && x.cat == cat && !among(x.item));
    };
    switch (clue.kind) {
    case ClueKind::Is:
        return outside(clue.a, clue.b.cat, [&](int v) { return v == clue.b.item; }) ||
               outside(clue.b, clue.a.cat, [&](int v) { return v == clue.a.item; });
    case ClueKind::IsNot:
        return names(clue.a, clue.b);
    case ClueKind::NeitherNor:
        return names(clue.a, clue.b) || names(clue.a, clue.c);
    case ClueKind::EitherOr:
        return outside(clue.a, clue.b.cat,
                       [&](int v) { return v == clue.b.item || v == clue.c.item; });
    case ClueKind::Before:
    case ClueKind::Apart: {
        // a lies at least d places below b: a is none of the top d places,
        // b none of the bottom d.
        const int d = clue.kind == ClueKind::Before ? 1 : clue.steps;
        const int n = shape.items;
        const int o = OrderCat(shape, clue);
        if (names(clue.a, clue.b))
            return true;
        // One place left each: a is the first, b the last.
        if (d == n - 1)
            return SaysApart(shape, {ClueKind::Is, clue.a, {o, 0}, {}, 0}, x, y) ||
                   SaysApart(shape, {ClueKind::Is, clue.b, {o, n - 1}, {}, 0}, x, y);
        return outside(clue.a, o, [&](int v) { return v < n - d; }) ||
               outside(clue.b, o, [&](int v) { return v >= d; });
    }
    case ClueKind::OneOther: {
        // a and b each have c or d, and c and d each belong to a or b.
        auto either = [](Attr one, Attr two) {
            return [=](int v) { return v == one.item || v == two.item; };
        };
        return names(clue.a, clue.b) || names(clue.c, clue.d) ||
               (clue.c.cat == clue.d.cat &&
                (outside(clue.a, clue.c.cat, either(clue.c, clue.d)) ||
                 outside(clue.b, clue.c.cat, either(clue.c, clue.d)))) ||
               (clue.a.cat == clue.b.cat && (outside(clue.c, clue.a.cat, either(clue.a, clue.b)) ||
                                             outside(clue.d, clue.a.cat, either(clue.a, clue.b))));
    }
    }
    return false;
}

bool MergeRestatedPairs(const Shape& shape, std::vector<Clue>& clues) {
    // Whether a clue other than clues[i] says x and y are apart.
    auto saidElsewhere = [&](size_t i, Attr x, Attr y) {
        for (size_t j = 0; j < clues.size(); ++j)
            if (j != i && SaysApart(shape, clues[j], x, y))
                return true;
        return false;
    };
    auto sameFact = [](const Clue& one, const Clue& two) {
        return one == two || (one.kind == ClueKind::Is && two.kind == ClueKind::Is &&
                              one.a == two.b && one.b == two.a);
    };
    // Every change keeps the set saying the same as before: a clue dropped or
    // shortened only loses what a clue still there says. A clue that drops
    // away whole comes first, then an either/or becomes its one choice, then
    // a neither/nor loses the half said elsewhere; then round again, as one
    // change can make another pair.
    bool merged = false;
    for (bool changed = true; changed;) {
        changed = false;
        for (size_t i = 0; i < clues.size() && !changed; ++i) {
            const Clue& c = clues[i];
            const bool whole = (c.kind == ClueKind::IsNot && saidElsewhere(i, c.a, c.b)) ||
                               (c.kind == ClueKind::NeitherNor && saidElsewhere(i, c.a, c.b) &&
                                saidElsewhere(i, c.a, c.c));
            if (whole) {
                clues.erase(clues.begin() + static_cast<std::ptrdiff_t>(i));
                changed = true;
            }
        }
        for (size_t i = 0; i < clues.size() && !changed; ++i) {
            const Clue& c = clues[i];
            if (c.kind != ClueKind::EitherOr)
                continue;
            Clue one{ClueKind::Is, c.a, {}, {}, 0};
            if (saidElsewhere(i, c.a, c.b))
                one.b = c.c;
            else if (saidElsewhere(i, c.a, c.c))
                one.b = c.b;
            else
                continue;
            bool told = false;
            for (const Clue& other : clues)
                told |= sameFact(other, one);
            if (told)
                clues.erase(clues.begin() + static_cast<std::ptrdiff_t>(i));
            else
                clues[i] = one;
            changed = true;
        }
        for (size_t i = 0; i < clues.size() && !changed; ++i) {
            const Clue& c = clues[i];
            if (c.kind != ClueKind::NeitherNor)
                continue;
            if (saidElsewhere(i, c.a, c.b))
                clues[i] = {ClueKind::IsNot, c.a, c.c, {}, 0};
            else if (saidElsewhere(i, c.a, c.c))
                clues[i] = {ClueKind::IsNot, c.a, c.b, {}, 0};
            else
                continue;
            changed = true;
        }
        merged |= changed;
    }
    return merged;
}

Clue RandomTrueClue(const Shape& shape, const Solution& s, const GenOptions& options,
                    CRandom& random) {
    const int n = shape.items;
    Clue clue;
    clue.kind = PickKind(shape, options, random);
    const int e = random.Below(n);
    switch (clue.kind) {
    case ClueKind::Is: {
        const int c1 = random.Below(shape.cats);
        const int c2 = OtherCat(shape, random, c1);
        clue.a = {c1, s.value[c1][e]};
        clue.b = {c2, s.value[c2][e]};
        break;
    }
    case ClueKind::IsNot: {
        const int c1 = random.Below(shape.cats);
        const int c2 = OtherCat(shape, random, c1);
        const int f = OtherEntity(shape, random, e);
        clue.a = {c1, s.value[c1][e]};
        clue.b = {c2, s.value[c2][f]};
        break;
    }
    case ClueKind::EitherOr: {
        const int c1 = random.Below(shape.cats);
        const int c2 = OtherCat(shape, random, c1);
        const int f = OtherEntity(shape, random, e);
        clue.a = {c1, s.value[c1][e]};
        clue.b = {c2, s.value[c2][e]};
        clue.c = {c2, s.value[c2][f]};
        if (random.Below(2))
            std::swap(clue.b, clue.c);
        break;
    }
    case ClueKind::NeitherNor: {
        const int c1 = random.Below(shape.cats);
        const int c2 = OtherCat(shape, random, c1);
        const int c3 = random.Below(2) ? c2 : OtherCat(shape, random, c1);
        const int f = OtherEntity(shape, random, e);
        int g = OtherEntity(shape, random, e);
        if (c3 == c2)
            while (g == f)
                g = OtherEntity(shape, random, e);
        clue.a = {c1, s.value[c1][e]};
        clue.b = {c2, s.value[c2][f]};
        clue.c = {c3, s.value[c3][g]};
        break;
    }
    case ClueKind::Before:
    case ClueKind::Apart: {
        const int f = OtherEntity(shape, random, e);
        int lo = e, hi = f;
        // In the shape's ordered category, or (drawn only when there are
        // more) in any ordered one.
        int o = shape.ordered;
        if (shape.alsoOrdered) {
            std::vector<int> ordered;
            for (int c = 0; c < shape.cats; ++c)
                if (IsOrdered(shape, c))
                    ordered.push_back(c);
            o = ordered[random.Below(static_cast<int>(ordered.size()))];
            clue.order = o == shape.ordered ? -1 : o;
        }
        if (s.value[o][lo] > s.value[o][hi])
            std::swap(lo, hi);
        const int c1 = UnorderedCat(shape, random, o);
        const int c2 = UnorderedCat(shape, random, o);
        clue.a = {c1, s.value[c1][lo]};
        clue.b = {c2, s.value[c2][hi]};
        clue.steps = clue.kind == ClueKind::Apart ? s.value[o][hi] - s.value[o][lo] : 0;
        break;
    }
    case ClueKind::OneOther: {
        // a is e's and b another's; c and d are theirs, in either order.
        const int f = OtherEntity(shape, random, e);
        const int c1 = random.Below(shape.cats);
        const int c2 = random.Below(2) ? c1 : OtherCat(shape, random, c1);
        const int c3 = OtherCat(shape, random, c1, c2);
        const int c4 = random.Below(2) ? c3 : OtherCat(shape, random, c1, c2);
        clue.a = {c1, s.value[c1][e]};
        clue.b = {c2, s.value[c2][f]};
        clue.c = {c3, s.value[c3][e]};
        clue.d = {c4, s.value[c4][f]};
        if (random.Below(2))
            std::swap(clue.c, clue.d);
        break;
    }
    }
    return clue;
}

std::string ShapeProblem(const Shape& shape) {
    const std::string asked =
        std::to_string(shape.cats) + " categories of " + std::to_string(shape.items) + " items";
    if (shape.cats < 2 || shape.cats > kMaxCats)
        return "cannot make " + asked + ": a puzzle has 2 to " + std::to_string(kMaxCats) +
               " categories";
    if (shape.items < 2 || shape.items > kMaxItems)
        return "cannot make " + asked + ": a category has 2 to " + std::to_string(kMaxItems) +
               " items";
    if (shape.ordered < -1 || shape.ordered >= shape.cats)
        return "cannot make " + asked + " ordered by category " + std::to_string(shape.ordered) +
               ": there is no such category";
    if (shape.alsoOrdered && (shape.ordered < 0 || (shape.alsoOrdered >> shape.cats) ||
                              (shape.alsoOrdered & 1) || (shape.alsoOrdered >> shape.ordered) & 1))
        return "cannot make " + asked + " with those ordered categories";
    return {};
}

int CellCount(const Shape& shape) {
    return shape.cats * (shape.cats - 1) / 2 * shape.items * shape.items;
}

int ClueLimit(const Shape& shape) {
    return CellCount(shape) > kShelfCells ? kMaxCluesBig : kMaxClues;
}

bool Generate(const Shape& shape, uint64_t seed, const GenOptions& options, GeneratedPuzzle& out) {
    if (!ShapeProblem(shape).empty())
        return false;
    const int maxClues = options.maxClues > 0 ? options.maxClues : ClueLimit(shape);
    // Clues drawn for a puzzle: up to 40 that teach something, in 400 draws;
    // more for a board beyond the shelf's, which needs more to be solved.
    const size_t drawnClues = static_cast<size_t>(std::max(40, CellCount(shape) / 12));
    const int draws = 10 * static_cast<int>(drawnClues);
    for (int attempt = 0; attempt < options.maxAttempts; ++attempt) {
        CRandom random(seed * 1000003ULL + static_cast<uint64_t>(attempt) * 7919ULL + 17);
        const Solution solution = RandomSolution(shape, random);
        std::vector<Clue> clues;
        int known = 0;
        bool solved = false;
        // One solver goes on from clue to clue: its grid is what a solve with
        // tiers 1 to 3 makes of the clues so far (CTieredSolver::AddClue).
        CTieredSolver solver(shape, {});
        for (int tries = 0; tries < draws && !solved && clues.size() < drawnClues; ++tries) {
            const Clue clue = RandomTrueClue(shape, solution, options, random);
            if (!IsWellFormed(shape, clue) ||
                std::find(clues.begin(), clues.end(), clue) != clues.end())
                continue;
            const CGrid before = solver.Grid();
            const bool fine = solver.AddClue(clue, 3);
            const int nowKnown = solver.Grid().Known();
            if (!fine || nowKnown <= known) {
                solver.DropLastClue(before); // teaches nothing new
                continue;
            }
            clues.push_back(clue);
            known = nowKnown;
            solved = solver.Grid().IsComplete();
        }
        if (!solved)
            continue;
        std::vector<Clue> kept;
        if (!Prune(shape, clues, maxClues, random, kept))
            continue;
        // Pairs that only restate one fact become that fact; should that
        // leave a clue the others make unnecessary, prune once more.
        if (MergeRestatedPairs(shape, kept) && !Prune(shape, kept, maxClues, random, kept))
            continue;
        Solution only;
        if (!CExactSolver(shape, kept).IsUnique(&only) || !(only == solution))
            continue;
        CTieredSolver grader(shape, kept);
        SolveResult graded = grader.Solve(4);
        if (!graded.solved || !grader.Grid().AgreesWith(solution))
            continue;
        out.shape = shape;
        out.solution = solution;
        out.clues = kept;
        out.grading = std::move(graded);
        out.attempt = attempt;
        return true;
    }
    return false;
}

} // namespace puzzlegen
