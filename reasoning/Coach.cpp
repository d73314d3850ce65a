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
        const ClueBook::Category& ordered = book.categories[OrderCat(book.shape, clue)];
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
    case ClueKind::OneOther: {
        const std::string c = book.Label(clue.c), d = book.Label(clue.d);
        bool apart = false, namesApart = false, rowOf[4] = {};
        const Attr four[4] = {clue.a, clue.b, clue.c, clue.d};
        for (const Mark& m : marks) {
            if (SameCell(m, clue.a, clue.b))
                apart = true;
            else if (SameCell(m, clue.c, clue.d))
                namesApart = true;
            else
                for (int i = 0; i < 4; ++i)
                    rowOf[i] |= m.x == four[i];
        }
        if (apart)
            pieces.push_back(a + " does not go with " + b);
        if (namesApart)
            pieces.push_back(c + " does not go with " + d);
        // Rows ruled out but for the two the clue names in that category.
        for (int i = 0; i < 4; i += 2) {
            const Attr one = four[2 - i], two = four[3 - i];
            const std::string names = book.Label(one) + " or " + book.Label(two);
            const std::string other = "no other " + book.categories[one.cat].one;
            if (rowOf[i] && rowOf[i + 1])
                pieces.push_back(book.Label(four[i]) + " and " + book.Label(four[i + 1]) +
                                 " each go with " + names + ", and with " + other);
            else if (rowOf[i] || rowOf[i + 1])
                pieces.push_back(book.Label(four[rowOf[i] ? i : i + 1]) + " goes with " + names +
                                 ", and with " + other);
        }
        // One piece, its parts apart by semicolons, as each has its own "and".
        for (size_t i = 1; i < pieces.size(); ++i)
            pieces[0] += "; " + pieces[i];
        pieces.resize(std::min<size_t>(pieces.size(), 1));
        break;
    }
    }
    return pieces;
}

// The way round of a one-other clue that the mark does not belong to.
int OtherWay(const Clue& clue, const Mark& mark) {
    for (const Mark& m : WayMarks(clue, 0))
        if (SameCell(m, mark.x, mark.y) && m.yes == mark.yes)
            return 1;
    return 0;
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
        Mark by;
        if (clue.kind == ClueKind::OneOther && WayRuledOut(clue, OtherWay(clue, m), before, &by))
            return ClueSays(step.clue) + " " + MarkText(by) + ", so " + verdict + ".";
        if (step.tier == 1) { // either/or with one choice ruled out
            const Attr other = m.y == clue.b ? clue.c : clue.b;
            return ClueSays(step.clue) + " " + x + " does not go with " + book.Label(other) +
                   ", so " + verdict + ".";
        }
        const Attr partner = m.x == clue.a ? clue.b : clue.a;
        std::vector<std::string> open;
        const int o = OrderCat(book.shape, clue);
        for (int v : OpenFor(before, partner, o, book.shape.items))
            open.push_back(book.Label({o, v}));
        return ClueSays(step.clue) + " " + book.Label(partner) + " can only have " +
               words::List(open, "or") + ", so " + verdict + ".";
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
        std::vector<std::string> forX, forY;
        for (int v : OpenFor(before, m.x, cat, book.shape.items))
            forX.push_back(book.Label({cat, v}));
        for (int v : OpenFor(before, m.y, cat, book.shape.items))
            forY.push_back(book.Label({cat, v}));
        return x + " can only go with " + words::List(forX, "or") + ", and " + y + " only with " +
               words::List(forY, "or") + ", so " + verdict + ".";
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
        // A clue's own marks, or the marks of one way round of a one-other clue.
        const Clue& clue = m_book.clues[first.clue];
        if (first.tier == 1 &&
            IsDirect(m_book.shape, clue, s.mark) != IsDirect(m_book.shape, clue, first.mark))
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
    } else if (Mark by; first.rule == StepRule::Clue && first.tier == 1 &&
                        m_book.clues[first.clue].kind == ClueKind::OneOther &&
                        WayRuledOut(m_book.clues[first.clue],
                                    OtherWay(m_book.clues[first.clue], first.mark), grid, &by)) {
        std::vector<std::string> said;
        for (const Mark& m : group)
            said.push_back(MarkText(m));
        text = ClueSays(first.clue) + " " + MarkText(by) + ", so " + words::List(said, "and") + ".";
    } else if (first.rule == StepRule::Clue && first.tier == 3) {
        std::vector<std::string> places;
        for (const Mark& m : group)
            places.push_back(m_book.Label(m.y));
        const Clue& clue = m_book.clues[first.clue];
        const Attr partner = first.mark.x == clue.a ? clue.b : clue.a;
        std::vector<std::string> open;
        const int o = OrderCat(m_book.shape, clue);
        for (int v : OpenFor(grid, partner, o, m_book.shape.items))
            open.push_back(m_book.Label({o, v}));
        text = ClueSays(first.clue) + " " + m_book.Label(partner) + " can only have " +
               words::List(open, "or") + ", so " + m_book.Label(first.mark.x) + " cannot have " +
               words::List(places, "or") + ".";
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
    } else if (first.rule == StepRule::WhatIf) {
        // The what-if told in full: from the player's marks to the clash.
        const Mark suppose{first.mark.x, first.mark.y, true};
        const Chain chain = ChainAgainst(suppose, grid, 3, false);
        if (chain.clash.kind != Clash::none) {
            text = TellChain(suppose, chain, false);
            advice.clues = chain.clues;
        } else {
            text = StepSentence(first, grid);
        }
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

namespace {

using Pair = std::pair<Attr, Attr>;

// Search nodes the exact solver may spend on dropping one clue from a chain.
constexpr long kProofNodes = 300;
// Steps of a chain short enough not to look for a shorter one from an empty board.
constexpr size_t kShortChain = 8;

// The marks a step rests on, in the grid before it.
std::vector<Pair> Premises(const Shape& shape, const std::vector<Clue>& clues, const Step& s,
                           const CGrid& g) {
    std::vector<Pair> premises;
    const int n = shape.items;
    switch (s.rule) {
    case StepRule::Clue: {
        const Clue& clue = clues[s.clue];
        if (IsDirect(shape, clue, s.mark))
            break;
        Mark by;
        if (clue.kind == ClueKind::OneOther) {
            if (WayRuledOut(clue, OtherWay(clue, s.mark), g, &by))
                premises.push_back({by.x, by.y});
            break;
        }
        if (s.tier == 1) {
            premises.push_back({clue.a, s.mark.y == clue.b ? clue.c : clue.b});
            break;
        }
        const int o = OrderCat(shape, clue);
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
            premises.push_back(g.Get(s.mark.x, via) == kFalse ? Pair(s.mark.x, via)
                                                              : Pair(via, s.mark.y));
        }
        break;
    case StepRule::WhatIf:
        for (int c1 = 0; c1 < shape.cats; ++c1)
            for (int c2 = c1 + 1; c2 < shape.cats; ++c2)
                for (int a = 0; a < n; ++a)
                    for (int b = 0; b < n; ++b)
                        if (g.Get({c1, a}, {c2, b}) != kOpen)
                            premises.push_back({{c1, a}, {c2, b}});
        break;
    }
    return premises;
}

} // namespace

namespace {

// A solve from a grid to a clash, cut down to the steps the clash rests on.
struct Slice {
    bool clashed = false;
    Clash clash;
    std::vector<size_t> needed; // indexes into steps, in order
    std::vector<Step> steps;
    std::vector<CGrid> before;
    CGrid after{Shape{}};
    std::set<std::pair<int, int>> givens;        // marks of the start grid it rests on (ids)
    std::set<int> clues;                         // local clue indexes it rests on
    std::map<size_t, std::vector<int>> searched; // per what-if step: the clues it followed
};

// The cells of the grid, numbered.
int CellId(Attr a, Attr b) {
    if (a.cat > b.cat)
        std::swap(a, b);
    return (a.cat * kMaxItems + a.item) * kMaxCats * kMaxItems + b.cat * kMaxItems + b.item;
}
Pair CellOfId(int id) {
    const int p = id / (kMaxCats * kMaxItems), q = id % (kMaxCats * kMaxItems);
    return {{p / kMaxItems, p % kMaxItems}, {q / kMaxItems, q % kMaxItems}};
}
constexpr int kCellIds = kMaxCats * kMaxItems * kMaxCats * kMaxItems;

// One way of deciding a cell: the step and the cells it rests on.
struct Derivation {
    Step step;
    std::vector<int> premises;
    std::vector<int> searched; // a what-if's clues
};

// Every way the steps a player takes decide the mark from cells decided in
// the grid: a clue's own mark, one true square in its row or column, the last
// open square of a row or column, a link through a third category, an
// either/or with one choice ruled out.
struct DirectMark {
    int cell;
    int clue;
    bool yes;
    bool operator<(const DirectMark& o) const { return cell < o.cell; }
};
// Every clue's own marks, by cell.
std::vector<DirectMark> DirectByCell(const Shape& shape, const std::vector<Clue>& clues) {
    std::vector<DirectMark> all;
    for (size_t i = 0; i < clues.size(); ++i)
        for (const Mark& m : DirectMarks(shape, clues[i]))
            all.push_back({CellId(m.x, m.y), static_cast<int>(i), m.yes});
    std::stable_sort(all.begin(), all.end());
    return all;
}

std::vector<Derivation> WaysTo(const Shape& shape, const std::vector<Clue>& clues,
                               const std::vector<DirectMark>& direct, const CGrid& g,
                               const Mark& mark) {
    std::vector<Derivation> ways;
    const int n = shape.items;
    const DirectMark key{CellId(mark.x, mark.y), 0, false};
    const auto [from, to] = std::equal_range(direct.begin(), direct.end(), key);
    for (auto it = from; it != to; ++it)
        if (it->yes == mark.yes)
            ways.push_back({{1, StepRule::Clue, it->clue, {}, mark}, {}, {}});
    for (size_t i = 0; i < clues.size(); ++i) {
        const Clue& c = clues[i];
        if (c.kind == ClueKind::OneOther) {
            // One of the way's marks, from any mark that rules the other way out.
            const int other = OtherWay(c, mark);
            for (const Mark& m : WayMarks(c, 1 - other))
                if (SameCell(m, mark.x, mark.y) && m.yes == mark.yes)
                    for (const Mark& against : WayMarks(c, other))
                        if (!SameCell(against, mark.x, mark.y) &&
                            g.Get(against.x, against.y) == (against.yes ? kFalse : kTrue))
                            ways.push_back({{1, StepRule::Clue, static_cast<int>(i), {}, m},
                                            {CellId(against.x, against.y)},
                                            {}});
            continue;
        }
        if (c.kind != ClueKind::EitherOr || !mark.yes)
            continue;
        for (const auto& [want, other] : {std::pair(c.b, c.c), std::pair(c.c, c.b)})
            if (SameCell({c.a, want, true}, mark.x, mark.y) && g.Get(c.a, other) == kFalse)
                ways.push_back({{1, StepRule::Clue, static_cast<int>(i), {}, {c.a, want, true}},
                                {CellId(c.a, other)},
                                {}});
    }
    // Both ways round: the row of x in y's category, and the row of y in x's.
    for (const auto& [x, y] : {std::pair(mark.x, mark.y), std::pair(mark.y, mark.x)}) {
        const Mark oriented{x, y, mark.yes};
        if (mark.yes) {
            Derivation d{{1, StepRule::Elimination, -1, {}, oriented}, {}, {}};
            bool all = true;
            for (int v = 0; v < n && all; ++v)
                if (v != y.item) {
                    all = g.Get(x, {y.cat, v}) == kFalse;
                    d.premises.push_back(CellId(x, {y.cat, v}));
                }
            if (all)
                ways.push_back(d);
        } else {
            for (int v = 0; v < n; ++v)
                if (v != y.item && g.Get(x, {y.cat, v}) == kTrue)
                    ways.push_back({{1, StepRule::Elimination, -1, {}, oriented},
                                    {CellId(x, {y.cat, v})},
                                    {}});
        }
    }
    for (int cat = 0; cat < shape.cats; ++cat) {
        if (cat == mark.x.cat || cat == mark.y.cat)
            continue;
        if (mark.yes) {
            for (int v = 0; v < n; ++v)
                if (g.Get(mark.x, {cat, v}) == kTrue && g.Get({cat, v}, mark.y) == kTrue)
                    ways.push_back({{2, StepRule::Link, -1, {cat, v}, mark},
                                    {CellId(mark.x, {cat, v}), CellId({cat, v}, mark.y)},
                                    {}});
            continue;
        }
        // A true square on one side and a false one on the other.
        for (int v = 0; v < n; ++v) {
            const Attr via{cat, v};
            const uint8_t xv = g.Get(mark.x, via), vy = g.Get(via, mark.y);
            if ((xv == kTrue && vy == kFalse) || (xv == kFalse && vy == kTrue))
                ways.push_back({{2, StepRule::Link, -1, via, mark},
                                {CellId(mark.x, via), CellId(via, mark.y)},
                                {}});
        }
        // Or no item of the category left for both.
        Derivation d{{2, StepRule::Link, -1, {cat, -1}, mark}, {}, {}};
        bool apart = true;
        for (int v = 0; v < n && apart; ++v) {
            const Attr via{cat, v};
            if (g.Get(mark.x, via) == kFalse)
                d.premises.push_back(CellId(mark.x, via));
            else if (g.Get(via, mark.y) == kFalse)
                d.premises.push_back(CellId(via, mark.y));
            else
                apart = false;
        }
        if (apart)
            ways.push_back(d);
    }
    return ways;
}

// Solves on from start to a clash, then keeps the cheapest proof of it: each
// decided cell costs its steps, counted as the steps of the cheapest way to
// it from the cells it rests on (the solver's own way, or any other way a
// player takes from cells decided by then), and the clash is the cheapest
// one on the grid at the end.
Slice SliceToClash(const Shape& shape, const std::vector<Clue>& clues, const CGrid& start,
                   int maxTier) {
    Slice out;
    CTieredSolver solver(shape, clues);
    const SolveResult solved = solver.SolveFrom(start, maxTier);
    const Clash first = solver.LastClash();
    out.clashed = first.kind != Clash::none;
    if (!out.clashed)
        return out;
    CGrid grid = start;
    std::vector<int> stepOf(kCellIds, -1);
    std::vector<std::vector<Derivation>> ways(kCellIds);
    for (size_t i = 0; i < solved.steps.size(); ++i) {
        const Step& s = solved.steps[i];
        Derivation own{s, {}, {}};
        if (s.rule == StepRule::WhatIf) {
            CGrid suppose = grid;
            suppose.Set(s.mark.x, s.mark.y, kTrue);
            const Slice inner = SliceToClash(shape, clues, suppose, 3);
            // The cell supposed is the step's own, not a premise.
            for (const auto& [p, q] : inner.givens)
                if (p * kMaxCats * kMaxItems + q != CellId(s.mark.x, s.mark.y))
                    own.premises.push_back(p * kMaxCats * kMaxItems + q);
            own.searched.assign(inner.clues.begin(), inner.clues.end());
        } else {
            for (const auto& [p, q] : Premises(shape, clues, s, grid))
                own.premises.push_back(CellId(p, q));
        }
        const int id = CellId(s.mark.x, s.mark.y);
        stepOf[id] = static_cast<int>(i);
        ways[id].push_back(std::move(own));
        grid.Set(s.mark.x, s.mark.y, s.mark.yes ? kTrue : kFalse);
    }
    const CGrid& end = grid;
    const std::vector<DirectMark> direct = DirectByCell(shape, clues);
    for (int id = 0; id < kCellIds; ++id)
        if (stepOf[id] >= 0) {
            const auto [x, y] = CellOfId(id);
            for (Derivation& d : WaysTo(shape, clues, direct, end, {x, y, end.Get(x, y) == kTrue}))
                ways[id].push_back(std::move(d));
        }

    // Costs: the start's marks are free; a step costs one more than the cells
    // it rests on. Relaxed until nothing gets cheaper (each pass at least as
    // cheap as the solver's own order, which the first pass already allows).
    constexpr long kNever = 1L << 40;
    std::vector<long> cost(kCellIds, kNever);
    std::vector<int> best(kCellIds, -1);
    for (int id = 0; id < kCellIds; ++id) {
        const auto [x, y] = CellOfId(id);
        if (x.cat < shape.cats && y.cat < shape.cats && x.item < shape.items &&
            y.item < shape.items && x.cat < y.cat && start.Get(x, y) != kOpen)
            cost[id] = 0;
    }
    auto priced = [&](const std::vector<int>& premises) {
        long sum = 1;
        for (int p : premises)
            sum = std::min(kNever, sum + cost[p]);
        return sum;
    };
    for (bool changed = true; changed;) {
        changed = false;
        for (size_t i = 0; i < solved.steps.size(); ++i) {
            const int id = CellId(solved.steps[i].mark.x, solved.steps[i].mark.y);
            for (size_t k = 0; k < ways[id].size(); ++k)
                if (const long c = priced(ways[id][k].premises); c < cost[id]) {
                    cost[id] = c;
                    best[id] = static_cast<int>(k);
                    changed = true;
                }
        }
    }

    // The cheapest clash: the solver's, or a decided cell that a way of the
    // grid at the end would mark the other way.
    std::vector<int> clashOn; // the cells the clash rests on
    long clashCost = kNever;
    Derivation clashWay;
    bool conflict = first.kind == Clash::conflict;
    if (conflict) {
        clashWay = {first.step, {}, {}};
        for (const auto& [p, q] : Premises(shape, clues, first.step, end))
            clashWay.premises.push_back(CellId(p, q));
        clashOn = {CellId(first.step.mark.x, first.step.mark.y)};
        clashCost = priced(clashWay.premises) + cost[clashOn[0]];
    } else {
        for (const auto& [p, q] : first.cells)
            clashOn.push_back(CellId(p, q));
        clashCost = priced(clashOn);
    }
    for (int id = 0; id < kCellIds; ++id) {
        if (cost[id] >= clashCost)
            continue;
        const auto [x, y] = CellOfId(id);
        const uint8_t v = end.Get(x, y);
        if (v == kOpen)
            continue;
        for (Derivation& d : WaysTo(shape, clues, direct, end, {x, y, v != kTrue}))
            if (const long c = priced(d.premises) + cost[id]; c < clashCost) {
                clashCost = c;
                clashWay = std::move(d);
                clashOn = {id};
                conflict = true;
            }
    }

    // The steps the clash rests on, cheapest first (so each after the cells
    // it rests on), then the solver's order.
    std::vector<int> needed;
    std::vector<bool> seen(kCellIds, false);
    std::vector<int> work = clashOn;
    if (conflict)
        work.insert(work.end(), clashWay.premises.begin(), clashWay.premises.end());
    while (!work.empty()) {
        const int id = work.back();
        work.pop_back();
        if (seen[id])
            continue;
        seen[id] = true;
        if (cost[id] == 0) {
            out.givens.insert({id / (kMaxCats * kMaxItems), id % (kMaxCats * kMaxItems)});
            continue;
        }
        needed.push_back(id);
        const Derivation& d = ways[id][best[id]];
        work.insert(work.end(), d.premises.begin(), d.premises.end());
    }
    std::sort(needed.begin(), needed.end(), [&](int a, int b) {
        return cost[a] != cost[b] ? cost[a] < cost[b] : stepOf[a] < stepOf[b];
    });
    CGrid chain = start;
    auto noteClues = [&](const Derivation& d, size_t at) {
        if (d.step.rule == StepRule::Clue)
            out.clues.insert(d.step.clue);
        if (d.step.rule == StepRule::WhatIf) {
            out.clues.insert(d.searched.begin(), d.searched.end());
            out.searched[at] = d.searched;
        }
    };
    for (int id : needed) {
        const Derivation& d = ways[id][best[id]];
        noteClues(d, out.steps.size());
        out.needed.push_back(out.steps.size());
        out.steps.push_back(d.step);
        out.before.push_back(chain);
        chain.Set(d.step.mark.x, d.step.mark.y, d.step.mark.yes ? kTrue : kFalse);
    }
    out.after = chain;
    if (conflict) {
        out.clash = {Clash::conflict, clashWay.step, {CellOfId(clashOn[0])}};
        noteClues(clashWay, out.steps.size());
    } else {
        out.clash = first;
    }
    return out;
}

} // namespace

CCoach::Chain CCoach::Derive(const std::vector<int>& clueSet, const Mark& mark, const CGrid& start,
                             int maxTier) const {
    std::vector<Clue> clues;
    for (int i : clueSet)
        clues.push_back(m_book.clues[i]);
    CGrid grid = start;
    grid.Set(mark.x, mark.y, mark.yes ? kTrue : kFalse);
    const Slice slice = SliceToClash(m_book.shape, clues, grid, maxTier);
    Chain chain;
    if (!slice.clashed)
        return chain;
    auto global = [&](Step s) {
        if (s.rule == StepRule::Clue)
            s.clue = clueSet[s.clue];
        return s;
    };
    auto searched = [&](size_t i) {
        std::vector<int> numbers;
        auto it = slice.searched.find(i);
        if (it != slice.searched.end())
            for (int k : it->second)
                numbers.push_back(clueSet[k]);
        return numbers;
    };
    for (size_t i : slice.needed) {
        chain.steps.push_back(global(slice.steps[i]));
        chain.before.push_back(slice.before[i]);
        chain.searched.push_back(searched(i));
    }
    chain.clash = slice.clash;
    if (slice.clash.kind == Clash::conflict) {
        chain.clash.step = global(slice.clash.step);
        chain.clashSearched = searched(slice.steps.size());
    }
    for (int k : slice.clues)
        chain.clues.push_back(clueSet[k]);
    std::sort(chain.clues.begin(), chain.clues.end());
    chain.after = slice.after;
    return chain;
}

CCoach::Chain CCoach::ChainAgainst(const Mark& mark, const CGrid& start, int maxTier,
                                   bool fewest) const {
    std::vector<int> all;
    for (int i = 0; i < static_cast<int>(m_book.clues.size()); ++i)
        all.push_back(i);
    Chain full = Derive(all, mark, start, maxTier);
    if (!fewest)
        return full;
    // The fewest clues that rule the mark out (with the marks of start):
    // from the clues the chain rests on, drop each one the exact solver
    // finds the mark ruled out without.
    std::vector<Clue> known{{mark.yes ? ClueKind::Is : ClueKind::IsNot, mark.x, mark.y, {}, 0}};
    for (int c1 = 0; c1 < m_book.shape.cats; ++c1)
        for (int c2 = c1 + 1; c2 < m_book.shape.cats; ++c2)
            for (int a = 0; a < m_book.shape.items; ++a)
                for (int b = 0; b < m_book.shape.items; ++b)
                    if (const uint8_t v = start.Get({c1, a}, {c2, b}); v != kOpen)
                        known.push_back(
                            {v == kTrue ? ClueKind::Is : ClueKind::IsNot, {c1, a}, {c2, b}, {}, 0});
    std::vector<int> few = full.clash.kind != Clash::none ? full.clues : all;
    for (size_t k = few.size(); k-- > 0 && few.size() > 1;) {
        std::vector<Clue> trial = known;
        for (size_t j = 0; j < few.size(); ++j)
            if (j != k)
                trial.push_back(m_book.clues[few[j]]);
        // A proof that takes long counts as none: the clue stays.
        CExactSolver exact(m_book.shape, trial);
        exact.SetNodeLimit(kProofNodes);
        if (exact.Count(1) == 0)
            few.erase(few.begin() + static_cast<std::ptrdiff_t>(k));
    }
    if (full.clash.kind != Clash::none && few == full.clues)
        return full;
    Chain best = Derive(few, mark, start, maxTier);
    if (best.clash.kind == Clash::none ||
        (full.clash.kind != Clash::none && full.steps.size() < best.steps.size()))
        return full;
    return best;
}

std::string CCoach::TellChain(const Mark& mark, const Chain& chain, bool asMarked) const {
    const std::string x = m_book.Label(mark.x), y = m_book.Label(mark.y);
    std::vector<std::string> lines;
    // Consecutive steps of one clue's own marks, or ruled out by one true
    // square, are told in one sentence.
    for (size_t i = 0; i < chain.steps.size();) {
        const Step& s = chain.steps[i];
        size_t j = i + 1;
        std::vector<Mark> group{s.mark};
        if (s.rule == StepRule::Clue && IsDirect(m_book.shape, m_book.clues[s.clue], s.mark)) {
            while (j < chain.steps.size() && chain.steps[j].rule == StepRule::Clue &&
                   chain.steps[j].clue == s.clue &&
                   IsDirect(m_book.shape, m_book.clues[s.clue], chain.steps[j].mark))
                group.push_back(chain.steps[j++].mark);
            lines.push_back(ClueSays(s.clue) + " So " +
                            words::List(DirectPieces(m_book, m_book.clues[s.clue], group), "and") +
                            ".");
        } else if (s.rule == StepRule::Elimination && !s.mark.yes) {
            std::vector<std::string> others{m_book.Label(s.mark.y)};
            const std::vector<Pair> why = Premises(m_book.shape, m_book.clues, s, chain.before[i]);
            while (j < chain.steps.size() && chain.steps[j].rule == StepRule::Elimination &&
                   !chain.steps[j].mark.yes && chain.steps[j].mark.x == s.mark.x &&
                   Premises(m_book.shape, m_book.clues, chain.steps[j], chain.before[j]) == why)
                others.push_back(m_book.Label(chain.steps[j++].mark.y));
            if (others.size() == 1 || why.empty())
                lines.push_back(StepSentence(s, chain.before[i], chain.searched[i]));
            else
                lines.push_back(m_book.Label(s.mark.x) + " goes with " +
                                m_book.Label(why[0].second) + ", so " + m_book.Label(s.mark.x) +
                                " goes with none of " + words::List(others, "and") + ".");
        } else {
            lines.push_back(StepSentence(s, chain.before[i], chain.searched[i]));
        }
        i = j;
    }
    std::string clash;
    const Clash& c = chain.clash;
    if (c.kind == Clash::conflict) {
        const Mark had{c.step.mark.x, c.step.mark.y, !c.step.mark.yes};
        lines.push_back(StepSentence(c.step, chain.after, chain.clashSearched));
        clash = "But " + MarkText(had) + " already, so the marks clash.";
    } else if (c.kind == Clash::twoTrue && c.cells.size() == 2) {
        clash = "Then " + m_book.Label(c.cells[0].first) + " would go with both " +
                m_book.Label(c.cells[0].second) + " and " + m_book.Label(c.cells[1].second) +
                ", which cannot be.";
    } else if (c.kind == Clash::noneOpen && !c.cells.empty()) {
        clash = "Then no " + m_book.categories[c.cells[0].second.cat].one + " would be left for " +
                m_book.Label(c.cells[0].first) + ", which cannot be.";
    }
    std::string text =
        std::string(chain.fromEarlierMarks ? "The marks you made before it are right. Keep them, "
                                             "and suppose "
                                           : "Suppose ") +
        x + (mark.yes ? " went with " : " did not go with ") + y +
        (asMarked ? ", as marked." : ".");
    for (size_t i = 0; i < lines.size(); ++i)
        text += "\n" + std::to_string(i + 1) + ". " + lines[i];
    const Mark right{mark.x, mark.y, !mark.yes};
    text += "\n" + clash + " So " + MarkText(right) + ".";
    return text;
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
    // The marks made before it are right: a chain may start from them, which
    // is most often far shorter than one from the clues alone. The longer the
    // chain from them, the more worth a look from an empty board.
    const std::vector<Mark> earlier(marks.begin(), it);
    Chain chain;
    if (!earlier.empty()) {
        chain = ChainAgainst(wrong, GridOf(earlier));
        chain.fromEarlierMarks = chain.clash.kind != Clash::none;
    }
    if (chain.clash.kind == Clash::none || chain.steps.size() > kShortChain) {
        // Without the fewest clues when it is only the second try: it costs
        // an exact solve per clue.
        Chain bare = ChainAgainst(wrong, CGrid(m_book.shape), 4, earlier.empty());
        if (chain.clash.kind == Clash::none ||
            (bare.clash.kind != Clash::none && bare.steps.size() < chain.steps.size()))
            chain = std::move(bare);
    }
    if (chain.clash.kind == Clash::none) {
        // Not found in steps a player takes: the clues together still rule it out.
        for (size_t i = 0; i < m_book.clues.size(); ++i)
            advice.clues.push_back(static_cast<int>(i));
        advice.text = text + "\n\nThe clues taken together rule it out, though not in a few " +
                      "plain steps. So " + MarkText(right) + ".";
        return advice;
    }
    advice.clues = chain.clues;
    if (chain.fromEarlierMarks)
        advice.given = earlier;
    advice.text = text + "\n\n" + TellChain(wrong, chain, true);
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
