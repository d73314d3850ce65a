#include "puzzlegen/Story.h"

#include <algorithm>
#include <bit>
#include <cctype>

namespace puzzlegen {

namespace {

std::string Lower(std::string text) {
    for (char& ch : text)
        ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return text;
}

// The theme categories a story of the shape tells, before the shuffle: the
// core ones after the people that have items enough, the ordered one last
// when the shape has no order, then extras while the shape needs more. Empty
// problem when the theme fits.
void Candidates(const ThemeDef& theme, const Shape& shape, std::vector<int>& plain,
                int& orderedTheme, std::vector<int>& moreOrdered, std::string& problem) {
    const int n = shape.items;
    const int count = static_cast<int>(theme.cats.size());
    auto fits = [&](int c) { return static_cast<int>(theme.cats[c].words.size()) >= n; };
    plain.clear();
    orderedTheme = -1;
    problem.clear();
    const std::string cannot = theme.title + " cannot tell " + std::to_string(shape.cats) +
                               " categories of " + std::to_string(n) + " items: ";
    for (int c = 1; c < std::min(count, kCoreCats); ++c) {
        if (theme.cats[c].ordered)
            orderedTheme = c;
        else if (fits(c))
            plain.push_back(c);
    }
    if (count == 0 || !fits(0)) {
        problem = cannot + "it has too few " + Lower(count ? theme.cats[0].name : "names");
        return;
    }
    if (shape.ordered >= 0 && (orderedTheme < 0 || !fits(orderedTheme))) {
        problem =
            cannot + (orderedTheme < 0 ? "it has no ordered category"
                                       : "its " + theme.cats[orderedTheme].name + " has only " +
                                             std::to_string(theme.cats[orderedTheme].words.size()));
        return;
    }
    if (shape.ordered < 0 && orderedTheme >= 0 && fits(orderedTheme))
        plain.push_back(orderedTheme); // told as a plain category
    // Further ordered categories come from the theme's beyond its core.
    moreOrdered.clear();
    const size_t more =
        static_cast<size_t>(std::popcount(static_cast<unsigned>(shape.alsoOrdered)));
    for (int c = kCoreCats; c < count && moreOrdered.size() < more; ++c)
        if (theme.cats[c].ordered && fits(c))
            moreOrdered.push_back(c);
    if (moreOrdered.size() < more) {
        problem = cannot + "it has only " + std::to_string(moreOrdered.size() + 1) +
                  " ordered categories of " + std::to_string(n) + " items";
        return;
    }
    const size_t needed = static_cast<size_t>(shape.cats - 1 - (shape.ordered >= 0 ? 1 : 0)) - more;
    for (int c = kCoreCats; c < count && plain.size() < needed; ++c)
        if (!theme.cats[c].ordered && fits(c))
            plain.push_back(c);
    if (plain.size() < needed)
        problem = cannot + "it has only " + std::to_string(plain.size()) +
                  (shape.ordered >= 0 ? " unordered" : "") + " categories of " + std::to_string(n) +
                  " items or more besides the " + Lower(theme.cats[0].name);
}

} // namespace

CStory::CStory(const ThemeDef& theme, const Shape& shape, uint64_t seed)
    : m_theme(&theme), m_shape(shape), m_seed(seed), m_bothSides(CellCount(shape) > kShelfCells) {
    CRandom random(seed ^ 0x5eedf00dULL);
    // The ordered category goes where the shape wants it, the others fill the
    // remaining places in a random choice.
    std::vector<int> plain, moreOrdered;
    int orderedTheme = -1;
    Candidates(theme, shape, plain, orderedTheme, moreOrdered, m_problem);
    if (!m_problem.empty()) {
        // Nothing to tell; every word stays the names' first, so nothing reads
        // out of range.
        return;
    }
    for (size_t i = plain.size(); i > 1; --i)
        std::swap(plain[i - 1], plain[random.Below(static_cast<int>(i))]);
    m_themeCat[0] = 0;
    size_t next = 0, nextOrdered = 0;
    for (int c = 1; c < shape.cats; ++c)
        m_themeCat[c] = c == shape.ordered    ? orderedTheme
                        : IsOrdered(shape, c) ? moreOrdered[nextOrdered++]
                                              : plain[next++];
    for (int c = 0; c < shape.cats; ++c) {
        const int available = static_cast<int>(theme.cats[m_themeCat[c]].words.size());
        // Up to kCoreWords items come from a category's first kCoreWords words.
        const int pool = shape.items <= kCoreWords ? std::min(available, kCoreWords) : available;
        std::vector<int> pick(pool);
        for (int i = 0; i < pool; ++i)
            pick[i] = i;
        if (!IsOrdered(shape, c)) {
            for (int i = pool; i > 1; --i)
                std::swap(pick[i - 1], pick[random.Below(i)]);
            pick.resize(shape.items);
            std::sort(pick.begin(), pick.end());
        }
        for (int i = 0; i < shape.items; ++i)
            m_themeItem[c][i] = pick[i];
    }
}

std::string ThemeProblem(const ThemeDef& theme, const Shape& shape) {
    std::vector<int> plain, moreOrdered;
    int orderedTheme = -1;
    std::string problem;
    Candidates(theme, shape, plain, orderedTheme, moreOrdered, problem);
    return problem;
}

int AnyTheme(const Shape& shape, uint64_t seed) {
    std::vector<int> fitting;
    for (size_t t = 0; t < Themes().size(); ++t)
        if (ThemeProblem(Themes()[t], shape).empty())
            fitting.push_back(static_cast<int>(t));
    if (fitting.empty())
        return -1;
    CRandom random(seed ^ 0x7e3e5ULL);
    return fitting[random.Below(static_cast<int>(fitting.size()))];
}

std::string CStory::CategoryName(int cat) const {
    return m_theme->cats[m_themeCat[cat]].name;
}

namespace {

struct Nouns {
    const char* name;
    const char* one;
    const char* many;
};

// Category headings whose singular is not the heading less its "s".
const Nouns kNouns[] = {
    {"Names", "person", "people"},
    {"Acres", "acreage", "acreages"},
    {"Leaves at", "departure time", "departure times"},
    {"Wakes at", "waking time", "waking times"},
    {"Days aboard", "length of stay", "lengths of stay"},
    {"Pages", "page count", "page counts"},
    {"Music", "kind of music", "kinds of music"},
    {"Media", "medium", "media"},
    {"Shoes", "shoe colour", "shoe colours"},
    {"Boots", "boot colour", "boot colours"},
    {"Books sold", "number sold", "numbers sold"},
    {"Dishes", "dish", "dishes"},
    {"Classes", "class", "classes"},
    {"Points", "score", "scores"},
    {"Nights", "length of stay", "lengths of stay"},
    {"Goggles", "pair of goggles", "pairs of goggles"},
};

} // namespace

std::string CStory::NounOne(int cat) const {
    const std::string name = CategoryName(cat);
    for (const Nouns& n : kNouns)
        if (name == n.name)
            return n.one;
    const std::string many = Lower(name);
    if (many.size() > 3 && many.compare(many.size() - 3, 3, "ies") == 0)
        return many.substr(0, many.size() - 3) + "y";
    if (many.size() > 1 && many.back() == 's')
        return many.substr(0, many.size() - 1);
    return many;
}

std::string CStory::NounMany(int cat) const {
    const std::string name = CategoryName(cat);
    for (const Nouns& n : kNouns)
        if (name == n.name)
            return n.many;
    return Lower(name);
}

std::string CStory::Label(Attr a) const {
    const CategoryDef& def = m_theme->cats[m_themeCat[a.cat]];
    const int i = m_themeItem[a.cat][a.item];
    if (!def.labels.empty())
        return def.labels[i];
    return Capitalised(def.words[i]);
}

std::string CStory::Ref(Attr a) const {
    const CategoryDef& def = m_theme->cats[m_themeCat[a.cat]];
    return Fill(def.ref, "", def.words[m_themeItem[a.cat][a.item]]);
}

std::string CStory::Intro() const {
    std::string text = Fill(m_theme->intro, "n", NumberWord(m_shape.items)) + " Each";
    for (int c = 1; c < m_shape.cats; ++c) {
        const size_t at = static_cast<size_t>(m_themeCat[c] - 1);
        const std::string clause = at < m_theme->clauses.size() ? m_theme->clauses[at] : "";
        text += (c == 1 ? " " : c + 1 == m_shape.cats ? " and " : ", ") + clause;
    }
    return text + ".";
}

std::string CStory::Amount(int steps, int cat) const {
    const CategoryDef& def = m_theme->cats[m_themeCat[cat >= 0 ? cat : m_shape.ordered]];
    const int amount = steps * def.step;
    return Fill(amount == 1 ? def.unitOne : def.unitMany, "", std::to_string(amount));
}

std::string CStory::ClueText(const Clue& clue) const {
    const std::string a = Ref(clue.a), b = Ref(clue.b);
    switch (clue.kind) {
    case ClueKind::Is:
        return Capitalised(a + " is " + b + ".");
    case ClueKind::IsNot:
        return Capitalised(a + " is not " + b + ".");
    case ClueKind::EitherOr: {
        // The two choices in their list order ("9:00 or 10:00").
        const bool swap = clue.c.item < clue.b.item;
        return Capitalised(a + " is either " + (swap ? Ref(clue.c) : b) + " or " +
                           (swap ? b : Ref(clue.c)) + ".");
    }
    case ClueKind::NeitherNor:
        return Capitalised(a + " is neither " + b + " nor " + Ref(clue.c) + ".");
    case ClueKind::Before: {
        const CategoryDef& def = m_theme->cats[m_themeCat[OrderCat(m_shape, clue)]];
        const std::string& said = FromOtherSide(clue) ? def.after : def.before;
        return Capitalised(Fill(Fill(said, "a", a), "b", b));
    }
    case ClueKind::Apart: {
        const CategoryDef& def = m_theme->cats[m_themeCat[OrderCat(m_shape, clue)]];
        const std::string& said = FromOtherSide(clue) ? def.apartBack : def.apart;
        return Capitalised(Fill(Fill(Fill(said, "a", a), "b", b), "d",
                                Amount(clue.steps, OrderCat(m_shape, clue))));
    }
    case ClueKind::OneOther:
        // A name first: "Of Grant and the director at the Astoria", not "Of
        // the director at the Astoria and Grant".
        return "Of " + (clue.b.cat == 0 ? b + " and " + a : a + " and " + b) + ", one is " +
               Ref(clue.c) + " and the other is " + Ref(clue.d) + ".";
    }
    return {};
}

bool CStory::FromOtherSide(const Clue& clue) const {
    const CategoryDef& def = m_theme->cats[m_themeCat[OrderCat(m_shape, clue)]];
    if (!m_bothSides || def.after.empty() || def.apartBack.empty())
        return false;
    const uint64_t key = static_cast<uint64_t>(
        ((clue.a.cat * kMaxItems + clue.a.item) * kMaxCats + clue.b.cat) * kMaxItems + clue.b.item);
    CRandom random(m_seed ^ (key * 0x9e3779b97f4a7c15ULL));
    return random.Below(2) == 1;
}

std::string CStory::MarkText(const Mark& mark) const {
    return Label(mark.x) + " - " + Label(mark.y) + (mark.yes ? ": true" : ": false");
}

std::string CStory::Explain(const Clue& clue) const {
    const std::string a = Label(clue.a), b = Label(clue.b);
    switch (clue.kind) {
    case ClueKind::Is:
        return "Mark the square of " + a + " and " + b +
               " true. Then every other square in its row and column of that block is false.";
    case ClueKind::IsNot:
        return "Mark the square of " + a + " and " + b + " false.";
    case ClueKind::EitherOr: {
        // The two choices in their list order, as the clue says them.
        const bool swap = clue.c.item < clue.b.item;
        const std::string first = swap ? Label(clue.c) : b, second = swap ? b : Label(clue.c);
        return a + " goes with " + first + " or with " + second + ", and with no other " +
               NounOne(clue.b.cat) +
               ", so those squares are false. Once one of the two is ruled out, the other is "
               "true.";
    }
    case ClueKind::NeitherNor:
        return "Mark both squares false: " + a + " with " + b + ", and " + a + " with " +
               Label(clue.c) + ".";
    case ClueKind::Before:
    case ClueKind::Apart: {
        // "the last" for one place, "among the last 2" for more.
        const int places = clue.kind == ClueKind::Apart ? clue.steps : 1;
        const std::string last =
            places == 1 ? "the last" : "among the last " + std::to_string(places);
        const std::string first =
            places == 1 ? "the first" : "among the first " + std::to_string(places);
        // Both belong to entities, which are not always people.
        return a + " cannot be " + last + " and " + b + " cannot be " + first + " in order of " +
               NounOne(OrderCat(m_shape, clue)) +
               (clue.a.cat != clue.b.cat ? "; and the two do not go together." : ".") +
               (clue.kind == ClueKind::Apart
                    ? " Once one of them is placed, so is the other."
                    : " Later, whatever is left for one limits the other.");
    }
    case ClueKind::OneOther: {
        const std::string c = Label(clue.c), d = Label(clue.d);
        std::vector<std::string> apart;
        if (clue.a.cat != clue.b.cat)
            apart.push_back(a + " and " + b);
        if (clue.c.cat != clue.d.cat)
            apart.push_back(c + " and " + d);
        std::string text =
            "One of " + a + " and " + b + " goes with " + c + " and the other with " + d + ".";
        if (!apart.empty())
            text += " Mark the square of " + apart[0] +
                    (apart.size() == 2 ? " false, and that of " + apart[1] : std::string()) +
                    " false.";
        // Two of one category: the pair on the other side has no third of it.
        if (clue.c.cat == clue.d.cat)
            text += " " + a + " and " + b + " go with no other " + NounOne(clue.c.cat) +
                    ", so those squares are false.";
        if (clue.a.cat == clue.b.cat)
            text += " " + c + " and " + d + " go with no other " + NounOne(clue.a.cat) +
                    ", so those squares are false.";
        return text + " Once one of the four squares between them is marked, the other three "
                      "follow.";
    }
    }
    return {};
}

std::string CStory::StepText(const Step& step) const {
    const std::string cell = Label(step.mark.x) + " - " + Label(step.mark.y);
    const std::string verdict = step.mark.yes ? " is true" : " is false";
    switch (step.rule) {
    case StepRule::Clue:
        return cell + verdict + " (clue " + std::to_string(step.clue + 1) + ").";
    case StepRule::Elimination:
        return cell + verdict +
               (step.mark.yes ? ": the only open square left."
                              : ": its row or column already has a true square.");
    case StepRule::Link:
        if (step.mark.yes)
            return cell + verdict + ": both go with " + Label(step.via) + ".";
        return cell + verdict + ": no " + NounOne(step.via.cat) + " fits both.";
    case StepRule::WhatIf:
        return cell + verdict + ": if it were true, the clues would clash.";
    }
    return {};
}

} // namespace puzzlegen
