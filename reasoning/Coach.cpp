#include "reasoning/Coach.h"

#include "platform/FileError.h"
#include "puzzle/GridCell.h"
#include "puzzle/GridDoc.h"
#include "reasoning/ExactSolver.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <sys/stat.h>

namespace reasoning {

namespace words {

std::string Number(int n) {
    static const char* const names[] = {"zero", "one",   "two",   "three", "four", "five",
                                        "six",  "seven", "eight", "nine",  "ten"};
    return n >= 0 && n <= 10 ? names[n] : std::to_string(n);
}

std::string List(const std::vector<std::string>& items, const char* joiner) {
    std::string text;
    for (size_t i = 0; i < items.size(); ++i) {
        if (i > 0)
            text += i + 1 == items.size() ? std::string(" ") + joiner + " " : ", ";
        text += items[i];
    }
    return text;
}

std::string NotAtEnd(const ClueBook::Category& ordered, bool last, int places) {
    const int n = static_cast<int>(ordered.items.size());
    std::vector<std::string> items;
    for (int i = 0; i < places && i < n; ++i)
        items.push_back(ordered.items[last ? n - places + i : i]);
    const char* end = last ? "last" : "first";
    if (places == 1)
        return std::string("cannot have the ") + end + " " + ordered.one + " (" + items[0] + ")";
    return std::string("cannot have any of the ") + end + " " + Number(places) + " " +
           ordered.many + " (" + List(items, "or") + ")";
}

} // namespace words

namespace {

bool SameCell(const Mark& m, Attr x, Attr y) {
    return (m.x == x && m.y == y) || (m.x == y && m.y == x);
}

} // namespace

CCoach::CCoach(ClueBook book) : m_book(std::move(book)) {
    m_solvable = CExactSolver(m_book.shape, m_book.clues).IsUnique(&m_answer);
}

bool CCoach::IsRight(const Mark& m) const {
    return (m_answer.EntityOf(m.x) == m_answer.EntityOf(m.y)) == m.yes;
}

bool CCoach::MatchesAnswer(const std::vector<std::string>& answerKeys) const {
    if (!m_solvable)
        return false;
    std::set<std::string> keys(answerKeys.begin(), answerKeys.end());
    if (keys.size() != answerKeys.size())
        return false;
    const Shape& s = m_book.shape;
    size_t trueCells = 0;
    for (int c1 = 0; c1 < s.cats; ++c1)
        for (int c2 = c1 + 1; c2 < s.cats; ++c2)
            for (int e = 0; e < s.items; ++e) {
                const BoardCell cell =
                    m_book.CellOf({c1, m_answer.value[c1][e]}, {c2, m_answer.value[c2][e]});
                if (!keys.count(CellKey(cell.column, cell.row)))
                    return false;
                ++trueCells;
            }
    return trueCells == keys.size();
}

CGrid CCoach::GridOf(const std::vector<Mark>& marks) const {
    CGrid grid(m_book.shape);
    for (const Mark& m : marks)
        grid.Set(m.x, m.y, m.yes ? kTrue : kFalse);
    return grid;
}

std::string CCoach::ClueSays(int clue) const {
    return "Clue " + std::to_string(m_book.numbers[clue]) + " says: \u201c" + m_book.texts[clue] +
           "\u201d";
}

std::string CCoach::MarkText(const Mark& m) const {
    return m_book.Label(m.x) + (m.yes ? " goes with " : " does not go with ") + m_book.Label(m.y);
}

// ---------------------------------------------------------------------------
// Steps in words

namespace {

// The pieces of a clue's own marks, in words.
std::vector<std::string> DirectPieces(const ClueBook& book, const Clue& clue,
                                      const std::vector<Mark>& marks) {
    const std::string a = book.Label(clue.a), b = book.Label(clue.b);
    std::vector<std::string> pieces;
    switch (clue.kind) {
    case ClueKind::Is:
        pieces.push_back(a + " goes with " + b);
        break;
    case ClueKind::IsNot:
        pieces.push_back(a + " does not go with " + b);
        break;
    case ClueKind::NeitherNor: {
        std::vector<std::string> names;
        for (const Mark& m : marks)
            names.push_back(book.Label(m.y));
        pieces.push_back(names.size() == 2
                             ? a + " goes with neither " + names[0] + " nor " + names[1]
                             : a + " does not go with " + names[0]);
        break;
    }
    case ClueKind::EitherOr: {
        std::vector<std::string> names{b, book.Label(clue.c)};
        if (clue.c.item < clue.b.item)
            std::swap(names[0], names[1]);
        pieces.push_back(a + " goes with " + names[0] + " or " + names[1] + ", so " + a +
                         " goes with no other " + book.categories[clue.b.cat].one);
        break;
    }
    case ClueKind::Before:
    case ClueKind::Apart: {
        const ClueBook::Category& ordered = book.categories[book.shape.ordered];
        const int d = clue.kind == ClueKind::Before ? 1 : clue.steps;
        bool together = false, last = false, first = false;
        for (const Mark& m : marks) {
            if (SameCell(m, clue.a, clue.b))
                together = true;
            else if (m.x == clue.a)
                last = true;
            else
                first = true;
        }
        if (last)
            pieces.push_back(a + " " + words::NotAtEnd(ordered, true, d));
        if (first)
            pieces.push_back(b + " " + words::NotAtEnd(ordered, false, d));
        if (together)
            pieces.push_back(a + " does not go with " + b);
        break;
    }
    }
    return pieces;
}

bool IsDirect(const Shape& shape, const Clue& clue, const Mark& mark) {
    for (const Mark& m : DirectMarks(shape, clue))
        if (SameCell(m, mark.x, mark.y) && m.yes == mark.yes)
            return true;
    return false;
}

// The items of category cat still open or true for a, in the grid.
std::vector<int> OpenFor(const CGrid& grid, Attr a, int cat, int items) {
    std::vector<int> open;
    for (int v = 0; v < items; ++v)
        if (a.cat == cat ? v == a.item : grid.Get(a, {cat, v}) != kFalse)
            open.push_back(v);
    return open;
}

} // namespace

std::string CCoach::StepSentence(const Step& step, const CGrid& before,
                                 const std::vector<int>& searched) const {
    const ClueBook& book = m_book;
    const Mark& m = step.mark;
    const std::string x = book.Label(m.x), y = book.Label(m.y);
    const std::string verdict = MarkText(m);
    switch (step.rule) {
    case StepRule::Clue: {
        const Clue& clue = book.clues[step.clue];
        if (IsDirect(book.shape, clue, m))
            return ClueSays(step.clue) + " So " +
                   words::List(DirectPieces(book, clue, {m}), "and") + ".";
        if (step.tier == 1) { // either/or with one choice ruled out
            const Attr other = m.y == clue.b ? clue.c : clue.b;
            return ClueSays(step.clue) + " " + x + " does not go with " + book.Label(other) +
                   ", so " + verdict + ".";
        }
        const Attr partner = m.x == clue.a ? clue.b : clue.a;
        std::vector<std::string> open;
        for (int v : OpenFor(before, partner, book.shape.ordered, book.shape.items))
            open.push_back(book.Label({book.shape.ordered, v}));
        const ClueBook::Category& ordered = book.categories[book.shape.ordered];
        return ClueSays(step.clue) + " " + book.Label(partner) + " can only have " +
               (open.size() == 1 ? "the " + ordered.one + " " : "") + words::List(open, "or") +
               ", so " + verdict + ".";
    }
    case StepRule::Elimination: {
        const int cat = m.y.cat;
        if (m.yes)
            return "Every other " + book.categories[cat].one + " is ruled out for " + x + ", so " +
                   verdict + ".";
        for (int v = 0; v < book.shape.items; ++v)
            if (before.Get(m.x, {cat, v}) == kTrue)
                return x + " goes with " + book.Label({cat, v}) + ", so " + verdict + ".";
        return verdict + ".";
    }
    case StepRule::Link: {
        const int cat = step.via.cat;
        if (m.yes)
            return x + " goes with " + book.Label(step.via) + " and " + book.Label(step.via) +
                   " goes with " + y + ", so " + verdict + ".";
        if (step.via.item >= 0) {
            const bool fromX = before.Get(m.x, step.via) == kTrue;
            const std::string owner = fromX ? x : y, other = fromX ? y : x;
            return owner + " goes with " + book.Label(step.via) + ", and " + book.Label(step.via) +
                   " does not go with " + other + ", so " + verdict + ".";
        }
        return "No " + book.categories[cat].one + " can go with both " + x + " and " + y + ", so " +
               verdict + ".";
    }
    case StepRule::WhatIf: {
        std::vector<std::string> numbers;
        for (int i : searched)
            numbers.push_back(std::to_string(book.numbers[i]));
        const std::string clues = numbers.empty()       ? "the clues"
                                  : numbers.size() == 1 ? "clue " + numbers[0]
                                                        : "clues " + words::List(numbers, "and");
        return "If " + x + " went with " + y + ", following " + clues +
               " from there would lead to a clash, so " + verdict + ".";
    }
    }
    return verdict + ".";
}

// ---------------------------------------------------------------------------
// Explain Next Step

Advice CCoach::ExplainNext(const std::vector<Mark>& marks) const {
    Advice advice;
    int wrong = 0;
    for (const Mark& m : marks)
        wrong += !IsRight(m);
    if (wrong > 0) {
        advice.kind = Advice::wrongMarks;
        advice.text = (wrong == 1 ? std::string("One of your marks is wrong")
                                  : words::Number(wrong) + " of your marks are wrong");
        advice.text[0] =
            static_cast<char>(std::toupper(static_cast<unsigned char>(advice.text[0])));
        advice.text += ", so no step can safely follow from them. Where Did I Go Wrong? finds the "
                       "first one.";
        return advice;
    }
    const CGrid grid = GridOf(marks);
    CTieredSolver solver(m_book.shape, m_book.clues);
    const std::vector<Step> steps = solver.NextSteps(grid);
    if (steps.empty()) {
        advice.text = "Nothing more follows from your marks.";
        return advice;
    }
    advice.kind = Advice::nextStep;
    const Step& first = steps.front();
    std::vector<Mark> group{first.mark};
    // A clue's own marks, or the places an ordering clue rules out for one
    // item, go together.
    for (size_t i = 1; i < steps.size(); ++i) {
        const Step& s = steps[i];
        if (first.rule != StepRule::Clue || s.rule != StepRule::Clue || s.clue != first.clue ||
            s.tier != first.tier)
            break;
        if (first.tier == 3 && !(s.mark.x == first.mark.x))
            break;
        if (first.tier == 1 && !IsDirect(m_book.shape, m_book.clues[first.clue], s.mark))
            break;
        group.push_back(s.mark);
    }
    if (first.rule == StepRule::Clue)
        advice.clues.push_back(first.clue);
    std::string text;
    if (first.rule == StepRule::Clue && first.tier == 1 &&
        IsDirect(m_book.shape, m_book.clues[first.clue], first.mark)) {
        text = ClueSays(first.clue) + " So " +
               words::List(DirectPieces(m_book, m_book.clues[first.clue], group), "and") + ".";
    } else if (first.rule == StepRule::Clue && first.tier == 3) {
        std::vector<std::string> places;
        for (const Mark& m : group)
            places.push_back(m_book.Label(m.y));
        const Clue& clue = m_book.clues[first.clue];
        const Attr partner = first.mark.x == clue.a ? clue.b : clue.a;
        std::vector<std::string> open;
        for (int v : OpenFor(grid, partner, m_book.shape.ordered, m_book.shape.items))
            open.push_back(m_book.Label({m_book.shape.ordered, v}));
        const ClueBook::Category& ordered = m_book.categories[m_book.shape.ordered];
        text = ClueSays(first.clue) + " " + m_book.Label(partner) + " can only have " +
               (open.size() == 1 ? "the " + ordered.one + " " : "") + words::List(open, "or") +
               ", so " + m_book.Label(first.mark.x) + " cannot have " + words::List(places, "or") +
               ".";
    } else if (first.rule == StepRule::Elimination && !first.mark.yes) {
        // The true square that rules out the rest of its row and column.
        const int cat = first.mark.y.cat;
        Attr owner = first.mark.x, partner{cat, 0};
        for (int v = 0; v < m_book.shape.items; ++v)
            if (grid.Get(owner, {cat, v}) == kTrue)
                partner = {cat, v};
        group.clear();
        for (int v = 0; v < m_book.shape.items; ++v) {
            if (grid.Get(owner, {cat, v}) == kOpen)
                group.push_back({owner, {cat, v}, false});
            if (grid.Get({owner.cat, v}, partner) == kOpen)
                group.push_back({{owner.cat, v}, partner, false});
        }
        const std::string o = m_book.Label(owner), p = m_book.Label(partner);
        bool rowOpen = false, columnOpen = false;
        for (const Mark& m : group)
            (m.x == owner ? rowOpen : columnOpen) = true;
        std::vector<std::string> parts;
        if (rowOpen)
            parts.push_back(o + " goes with no other " + m_book.categories[cat].one);
        if (columnOpen)
            parts.push_back("no other " + m_book.categories[owner.cat].one + " goes with " + p);
        text = o + " goes with " + p + ", so " + words::List(parts, "and") + ".";
    } else {
        text = StepSentence(first, grid);
    }
    // A square found true rules out the rest of its row and column.
    CGrid after = grid;
    for (const Mark& m : group)
        after.Set(m.x, m.y, m.yes ? kTrue : kFalse);
    std::vector<Mark> rest;
    for (const Mark& m : group) {
        if (!m.yes)
            continue;
        bool rowOpen = false, columnOpen = false;
        for (int v = 0; v < m_book.shape.items; ++v) {
            if (after.Get(m.x, {m.y.cat, v}) == kOpen) {
                rest.push_back({m.x, {m.y.cat, v}, false});
                after.Set(m.x, {m.y.cat, v}, kFalse);
                rowOpen = true;
            }
            if (after.Get({m.x.cat, v}, m.y) == kOpen) {
                rest.push_back({{m.x.cat, v}, m.y, false});
                after.Set({m.x.cat, v}, m.y, kFalse);
                columnOpen = true;
            }
        }
        std::vector<std::string> parts;
        if (rowOpen)
            parts.push_back("every other " + m_book.categories[m.y.cat].one + " for " +
                            m_book.Label(m.x));
        if (columnOpen)
            parts.push_back("every other " + m_book.categories[m.x.cat].one + " for " +
                            m_book.Label(m.y));
        if (!parts.empty())
            text += " That rules out " + words::List(parts, "and") + ".";
    }
    group.insert(group.end(), rest.begin(), rest.end());
    advice.text = text;
    advice.marks = group;
    for (const Mark& m : group)
        advice.cells.push_back(m_book.CellOf(m.x, m.y));
    return advice;
}

// ---------------------------------------------------------------------------
// Where Did I Go Wrong?

CCoach::Chain CCoach::Derive(const std::vector<int>& clueSet, Attr x, Attr y) const {
    std::vector<Clue> clues;
    for (int i : clueSet)
        clues.push_back(m_book.clues[i]);
    CTieredSolver solver(m_book.shape, clues);
    const SolveResult solved = solver.Solve(4);
    // Replay the steps, noting which step decided each cell.
    CGrid grid(m_book.shape);
    std::vector<CGrid> before;
    std::map<std::pair<int, int>, size_t> decidedBy;
    auto id = [](Attr a, Attr b) {
        const int p = a.cat * kMaxItems + a.item, q = b.cat * kMaxItems + b.item;
        return std::make_pair(std::min(p, q), std::max(p, q));
    };
    size_t target = solved.steps.size();
    for (size_t i = 0; i < solved.steps.size(); ++i) {
        const Step& s = solved.steps[i];
        before.push_back(grid);
        grid.Set(s.mark.x, s.mark.y, s.mark.yes ? kTrue : kFalse);
        decidedBy.emplace(id(s.mark.x, s.mark.y), i);
        if (SameCell(s.mark, x, y)) {
            target = i;
            break;
        }
    }
    Chain chain;
    if (target == solved.steps.size())
        return chain;
    // Work back from the target to the steps it rests on.
    std::set<size_t> needed{target};
    std::vector<size_t> work{target};
    bool anyWhatIf = false;
    while (!work.empty()) {
        const size_t i = work.back();
        work.pop_back();
        const Step& s = solved.steps[i];
        const CGrid& g = before[i];
        std::vector<std::pair<Attr, Attr>> premises;
        const int n = m_book.shape.items;
        switch (s.rule) {
        case StepRule::Clue: {
            const Clue& clue = clues[s.clue];
            if (IsDirect(m_book.shape, clue, s.mark))
                break;
            if (s.tier == 1) {
                premises.push_back({clue.a, s.mark.y == clue.b ? clue.c : clue.b});
                break;
            }
            const int o = m_book.shape.ordered;
            for (Attr a : {clue.a, clue.b})
                for (int v = 0; v < n; ++v)
                    if (a.cat != o && g.Get(a, {o, v}) != kOpen)
                        premises.push_back({a, {o, v}});
            break;
        }
        case StepRule::Elimination:
            for (int v = 0; v < n; ++v) {
                const Attr other{s.mark.y.cat, v};
                if (other == s.mark.y)
                    continue;
                if (s.mark.yes || g.Get(s.mark.x, other) == kTrue)
                    premises.push_back({s.mark.x, other});
            }
            if (!s.mark.yes && premises.size() > 1)
                premises.resize(1);
            break;
        case StepRule::Link:
            if (s.mark.yes) {
                premises.push_back({s.mark.x, s.via});
                premises.push_back({s.via, s.mark.y});
                break;
            }
            for (int v = 0; v < n; ++v) {
                const Attr via{s.via.cat, v};
                premises.push_back(g.Get(s.mark.x, via) == kFalse ? std::make_pair(s.mark.x, via)
                                                                  : std::make_pair(via, s.mark.y));
            }
            break;
        case StepRule::WhatIf:
            anyWhatIf = true;
            for (size_t k = 0; k < i; ++k)
                premises.push_back({solved.steps[k].mark.x, solved.steps[k].mark.y});
            break;
        }
        for (const auto& [p, q] : premises) {
            auto it = decidedBy.find(id(p, q));
            if (it != decidedBy.end() && it->second < i && needed.insert(it->second).second)
                work.push_back(it->second);
        }
    }
    std::set<int> used;
    for (size_t i : needed) {
        chain.steps.push_back(solved.steps[i]);
        chain.before.push_back(before[i]);
        if (solved.steps[i].rule == StepRule::Clue)
            used.insert(clueSet[solved.steps[i].clue]);
        chain.steps.back().clue =
            solved.steps[i].rule == StepRule::Clue ? clueSet[solved.steps[i].clue] : -1;
    }
    if (anyWhatIf) {
        used.insert(clueSet.begin(), clueSet.end());
        chain.searched = clueSet;
    }
    chain.clues.assign(used.begin(), used.end());
    return chain;
}

CCoach::Chain CCoach::ChainFor(Attr x, Attr y) const {
    const int count = static_cast<int>(m_book.clues.size());
    std::vector<int> all;
    for (int i = 0; i < count; ++i)
        all.push_back(i);
    // The clues that alone decide the pair: drop each clue the exact solver
    // finds the pair decided without.
    const bool together = m_answer.EntityOf(x) == m_answer.EntityOf(y);
    const Clue wrong{together ? ClueKind::IsNot : ClueKind::Is, x, y, {}, 0};
    std::vector<int> few = all;
    for (int i = count - 1; i >= 0 && few.size() > 1; --i) {
        std::vector<Clue> trial;
        for (int k : few)
            if (k != i)
                trial.push_back(m_book.clues[k]);
        trial.push_back(wrong);
        if (CExactSolver(m_book.shape, trial).Count(1) == 0)
            few.erase(std::find(few.begin(), few.end(), i));
    }
    Chain best = Derive(few, x, y);
    if (best.steps.empty() || best.steps.size() > 3) {
        Chain full = Derive(all, x, y);
        if (best.steps.empty() || (!full.steps.empty() && full.steps.size() < best.steps.size()))
            best = std::move(full);
    }
    return best;
}

Advice CCoach::FindFirstWrong(const std::vector<Mark>& marks) const {
    Advice advice;
    auto it = std::find_if(marks.begin(), marks.end(), [&](const Mark& m) { return !IsRight(m); });
    if (it == marks.end()) {
        advice.kind = Advice::allRight;
        advice.text = marks.empty() ? "You have not marked any squares yet."
                                    : "All your marks are right so far.";
        return advice;
    }
    const Mark wrong = *it;
    advice.kind = Advice::firstWrong;
    advice.marks = {wrong};
    advice.cells = {m_book.CellOf(wrong.x, wrong.y)};
    std::string text = "Your first wrong mark is the square of " + m_book.Label(wrong.x) + " and " +
                       m_book.Label(wrong.y) + ", marked " + (wrong.yes ? "true" : "false") + ".";
    const Mark right{wrong.x, wrong.y, !wrong.yes};
    for (size_t i = 0; i < m_book.clues.size(); ++i)
        if (IsDirect(m_book.shape, m_book.clues[i], right)) {
            advice.clues = {static_cast<int>(i)};
            advice.text =
                text + "\n\n" + ClueSays(static_cast<int>(i)) + " So " + MarkText(right) + ".";
            return advice;
        }
    const Chain chain = ChainFor(wrong.x, wrong.y);
    advice.clues = chain.clues;
    text += chain.steps.size() == 1 ? "\n\nHere is why it cannot be:"
                                    : "\n\nHere is why it cannot be, step by step:";
    for (size_t i = 0; i < chain.steps.size(); ++i)
        text += "\n" + (chain.steps.size() > 1 ? std::to_string(i + 1) + ". " : std::string()) +
                StepSentence(chain.steps[i], chain.before[i], chain.searched);
    advice.text = text;
    return advice;
}

// ---------------------------------------------------------------------------
// The board

std::unique_ptr<CCoach> LoadCoach(const std::string& puzzlePath,
                                  const std::vector<std::string>& answerKeys, int& cause) {
    cause = platform::causeNone;
    const std::string path = ClueFilePath(puzzlePath);
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0)
        return nullptr; // a puzzle without clues: no coach
    ClueBook book;
    if (!ReadClueFile(path, book, &cause))
        return nullptr;
    auto coach = std::make_unique<CCoach>(std::move(book));
    if (!coach->MatchesAnswer(answerKeys)) {
        cause = platform::causeInvalidFile;
        return nullptr;
    }
    return coach;
}

std::vector<Mark> BoardMarks(const CGridDoc& doc, const ClueBook& book) {
    const auto& cells = doc.GetCells();
    std::vector<std::size_t> order;
    const std::vector<std::size_t> made = doc.History().ChangeOrder();
    for (std::size_t i = 0; i < cells.size(); ++i)
        if (std::find(made.begin(), made.end(), i) == made.end())
            order.push_back(i);
    order.insert(order.end(), made.begin(), made.end());
    std::vector<Mark> marks;
    for (std::size_t i : order) {
        if (i >= cells.size())
            continue;
        const CGridCell& cell = *cells[i];
        Attr x, y;
        if (cell.state == CGridCell::stateEmpty || !book.PairOf(cell.column, cell.row, x, y))
            continue;
        if (std::any_of(marks.begin(), marks.end(),
                        [&](const Mark& m) { return SameCell(m, x, y); }))
            continue;
        marks.push_back({x, y, cell.state == CGridCell::stateTrue});
    }
    return marks;
}

bool MakeMarks(CGridDoc& doc, const ClueBook& book, const std::vector<Mark>& wanted) {
    return doc.History().Record(doc, [&] {
        for (const Mark& m : wanted) {
            const BoardCell c = book.CellOf(m.x, m.y);
            ::marks::SetCellState(doc, c.column, c.row,
                                  m.yes ? CGridCell::stateTrue : CGridCell::stateFalse);
        }
    });
}

bool ClearMark(CGridDoc& doc, const ClueBook& book, const Mark& mark) {
    const BoardCell c = book.CellOf(mark.x, mark.y);
    return doc.History().Record(
        doc, [&] { ::marks::SetCellState(doc, c.column, c.row, CGridCell::stateEmpty); });
}

} // namespace reasoning
