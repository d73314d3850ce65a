#include "puzzlegen/Generator.h"

#include "reasoning/ExactSolver.h"

#include <algorithm>
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

int UnorderedCat(const Shape& shape, CRandom& random) {
    for (;;) {
        const int c = random.Below(shape.cats);
        if (c != shape.ordered)
            return c;
    }
}

ClueKind PickKind(const Shape& shape, const GenOptions& options, CRandom& random) {
    int total = 0;
    int w[6];
    for (int k = 0; k < 6; ++k) {
        w[k] = options.weight[k];
        if (shape.ordered < 0 && (k == int(ClueKind::Before) || k == int(ClueKind::Apart)))
            w[k] = 0;
        // "Neither b nor c" of one category needs two items besides a's own.
        if (shape.items < 3 && k == int(ClueKind::NeitherNor))
            w[k] = 0;
        total += w[k];
    }
    if (total <= 0)
        return ClueKind::Is;
    int r = random.Below(total);
    for (int k = 0; k < 6; ++k) {
        if (r < w[k])
            return static_cast<ClueKind>(k);
        r -= w[k];
    }
    return ClueKind::Is;
}

} // namespace

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
        const int o = shape.ordered;
        if (s.value[o][lo] > s.value[o][hi])
            std::swap(lo, hi);
        const int c1 = UnorderedCat(shape, random);
        const int c2 = UnorderedCat(shape, random);
        clue.a = {c1, s.value[c1][lo]};
        clue.b = {c2, s.value[c2][hi]};
        clue.steps = clue.kind == ClueKind::Apart ? s.value[o][hi] - s.value[o][lo] : 0;
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
        // Prune: drop every clue the others make unnecessary.
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
                    break; // too many whatever the rest does
            }
        }
        if (needed > maxClues)
            continue;
        std::vector<Clue> kept;
        for (size_t j = 0; j < clues.size(); ++j)
            if (keep[j])
                kept.push_back(clues[j]);
        if (static_cast<int>(kept.size()) > maxClues)
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
