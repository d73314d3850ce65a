#include "reasoning/Puzzle.h"

namespace reasoning {

int Solution::EntityOf(Attr a) const {
    for (int e = 0; e < items; ++e)
        if (value[a.cat][e] == a.item)
            return e;
    return -1;
}

bool Solution::operator==(const Solution& other) const {
    if (cats != other.cats || items != other.items)
        return false;
    for (int c = 0; c < cats; ++c)
        for (int e = 0; e < items; ++e)
            if (value[c][e] != other.value[c][e])
                return false;
    return true;
}

bool IsOrdered(const Shape& shape, int cat) {
    return cat >= 0 && (cat == shape.ordered || (cat < 8 && (shape.alsoOrdered >> cat) & 1));
}

int OrderCat(const Shape& shape, const Clue& clue) {
    return clue.order >= 0 ? clue.order : shape.ordered;
}

int OrderOf(const Shape& shape, const Solution& s, Attr a, int cat) {
    const int o = cat >= 0 ? cat : shape.ordered;
    if (a.cat == o)
        return a.item;
    return s.value[o][s.EntityOf(a)];
}

bool Holds(const Shape& shape, const Clue& clue, const Solution& s) {
    const int ea = s.EntityOf(clue.a);
    const int eb = s.EntityOf(clue.b);
    switch (clue.kind) {
    case ClueKind::Is:
        return ea == eb;
    case ClueKind::IsNot:
        return ea != eb;
    case ClueKind::EitherOr:
        return ea == eb || ea == s.EntityOf(clue.c);
    case ClueKind::NeitherNor:
        return ea != eb && ea != s.EntityOf(clue.c);
    case ClueKind::Before:
        return OrderOf(shape, s, clue.a, OrderCat(shape, clue)) <
               OrderOf(shape, s, clue.b, OrderCat(shape, clue));
    case ClueKind::Apart:
        return OrderOf(shape, s, clue.b, OrderCat(shape, clue)) -
                   OrderOf(shape, s, clue.a, OrderCat(shape, clue)) ==
               clue.steps;
    case ClueKind::OneOther: {
        const int ec = s.EntityOf(clue.c), ed = s.EntityOf(clue.d);
        return ea != eb && ((ea == ec && eb == ed) || (ea == ed && eb == ec));
    }
    }
    return false;
}

static bool InRange(const Shape& shape, Attr a) {
    return a.cat >= 0 && a.cat < shape.cats && a.item >= 0 && a.item < shape.items;
}

bool IsWellFormed(const Shape& shape, const Clue& clue) {
    if (!InRange(shape, clue.a) || !InRange(shape, clue.b))
        return false;
    switch (clue.kind) {
    case ClueKind::Is:
    case ClueKind::IsNot:
        return clue.a.cat != clue.b.cat;
    case ClueKind::EitherOr:
        return InRange(shape, clue.c) && clue.a.cat != clue.b.cat && clue.b.cat == clue.c.cat &&
               clue.b.item != clue.c.item;
    case ClueKind::NeitherNor:
        return InRange(shape, clue.c) && clue.a.cat != clue.b.cat && clue.a.cat != clue.c.cat &&
               !(clue.b == clue.c);
    case ClueKind::Before:
    case ClueKind::Apart: {
        // In the shape's ordered category (order -1), or in another ordered one.
        const int o = OrderCat(shape, clue);
        return shape.ordered >= 0 && clue.order >= -1 && o < shape.cats && IsOrdered(shape, o) &&
               clue.order != shape.ordered && clue.a.cat != o && clue.b.cat != o &&
               !(clue.a == clue.b) &&
               (clue.kind == ClueKind::Before || (clue.steps > 0 && clue.steps < shape.items));
    }
    case ClueKind::OneOther:
        // Four cells, none inside one category: a and b apart, c and d apart.
        return InRange(shape, clue.c) && InRange(shape, clue.d) && !(clue.a == clue.b) &&
               !(clue.c == clue.d) && clue.a.cat != clue.c.cat && clue.a.cat != clue.d.cat &&
               clue.b.cat != clue.c.cat && clue.b.cat != clue.d.cat;
    }
    return false;
}

uint64_t CRandom::Next() {
    // splitmix64
    uint64_t z = (m_state += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

int CRandom::Below(int bound) {
    return static_cast<int>(Next() % static_cast<uint64_t>(bound));
}

Solution RandomSolution(const Shape& shape, CRandom& random) {
    Solution s;
    s.cats = shape.cats;
    s.items = shape.items;
    for (int c = 0; c < shape.cats; ++c) {
        for (int e = 0; e < shape.items; ++e)
            s.value[c][e] = e;
        if (c == 0)
            continue;
        for (int e = shape.items - 1; e > 0; --e) {
            const int j = random.Below(e + 1);
            std::swap(s.value[c][e], s.value[c][j]);
        }
    }
    return s;
}

} // namespace reasoning
