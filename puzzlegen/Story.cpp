#include "puzzlegen/Story.h"

#include <algorithm>
#include <cctype>

namespace puzzlegen {

CStory::CStory(const ThemeDef& theme, const Shape& shape, uint64_t seed)
    : m_theme(&theme), m_shape(shape) {
    CRandom random(seed ^ 0x5eedf00dULL);
    // Theme categories 1..4: the ordered one goes where the shape wants it,
    // the others fill the remaining places in a random choice.
    std::vector<int> plain;
    int orderedTheme = -1;
    for (int c = 1; c < static_cast<int>(theme.cats.size()); ++c) {
        if (theme.cats[c].ordered)
            orderedTheme = c;
        else
            plain.push_back(c);
    }
    if (shape.ordered < 0)
        plain.push_back(orderedTheme); // told as a plain category
    for (size_t i = plain.size(); i > 1; --i)
        std::swap(plain[i - 1], plain[random.Below(static_cast<int>(i))]);
    m_themeCat[0] = 0;
    size_t next = 0;
    for (int c = 1; c < shape.cats; ++c)
        m_themeCat[c] = c == shape.ordered ? orderedTheme : plain[next++];
    for (int c = 0; c < shape.cats; ++c) {
        const int available = static_cast<int>(theme.cats[m_themeCat[c]].words.size());
        std::vector<int> pick(available);
        for (int i = 0; i < available; ++i)
            pick[i] = i;
        if (c != shape.ordered) {
            for (int i = available; i > 1; --i)
                std::swap(pick[i - 1], pick[random.Below(i)]);
            pick.resize(shape.items);
            std::sort(pick.begin(), pick.end());
        }
        for (int i = 0; i < shape.items; ++i)
            m_themeItem[c][i] = pick[i];
    }
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
};

std::string Lower(std::string text) {
    for (char& ch : text)
        ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return text;
}

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

std::string CStory::Amount(int steps) const {
    const CategoryDef& def = m_theme->cats[m_themeCat[m_shape.ordered]];
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
        const CategoryDef& def = m_theme->cats[m_themeCat[m_shape.ordered]];
        return Capitalised(Fill(Fill(def.before, "a", a), "b", b));
    }
    case ClueKind::Apart: {
        const CategoryDef& def = m_theme->cats[m_themeCat[m_shape.ordered]];
        return Capitalised(Fill(Fill(Fill(def.apart, "a", a), "b", b), "d", Amount(clue.steps)));
    }
    }
    return {};
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
               NounOne(m_shape.ordered) +
               (clue.a.cat != clue.b.cat ? "; and the two do not go together." : ".") +
               (clue.kind == ClueKind::Apart
                    ? " Once one of them is placed, so is the other."
                    : " Later, whatever is left for one limits the other.");
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
