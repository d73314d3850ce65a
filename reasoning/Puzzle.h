// The logic-grid puzzle as the generator and the solvers see it: categories of
// items, a solution that ties one item of every category to each entity, and
// the clues.
//
// Entities are numbered by the items of category 0 (entity e has item e of
// category 0). An ordered category lists its items in rising order, so an
// item's index is its place in the order.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace reasoning {

// The largest puzzle: six categories of eight items. A set of items is a
// byte (reasoning/Bits.h), so kMaxItems can be at most 8.
inline constexpr int kMaxCats = 6;
inline constexpr int kMaxItems = 8;

// One item of one category ("the cat" of "Pets").
struct Attr {
    int cat = 0;
    int item = 0;
    bool operator==(const Attr&) const = default;
};

enum class ClueKind {
    Is,         // a and b belong to the same entity
    IsNot,      // a and b belong to different entities
    EitherOr,   // a is b or a is c (b and c of one category)
    NeitherNor, // a is not b and a is not c
    Before,     // a comes earlier than b in the ordered category
    Apart,      // b comes exactly `steps` places after a in the ordered category
    OneOther,   // of a and b (two entities), one is c and the other is d
};
inline constexpr int kClueKinds = 7;

struct Clue {
    Clue() = default;
    Clue(ClueKind k, Attr x, Attr y, Attr z = {}, int apart = 0, Attr w = {}, int in = -1)
        : kind(k), a(x), b(y), c(z), steps(apart), d(w), order(in) {}
    ClueKind kind = ClueKind::Is;
    Attr a, b, c;
    int steps = 0;  // Apart only
    Attr d;         // OneOther only
    int order = -1; // Before and Apart: the ordered category compared in (-1: the shape's)
    bool operator==(const Clue&) const = default;
};

struct Shape {
    int cats = 3;
    int items = 4;
    int ordered = -1; // index of the ordered category, or -1
    // Further ordered categories, as a set of bits (with `ordered` set only).
    uint8_t alsoOrdered = 0;
};

// Whether category cat of the shape is ordered.
bool IsOrdered(const Shape& shape, int cat);
// The ordered category a Before or Apart clue compares in.
int OrderCat(const Shape& shape, const Clue& clue);

struct Solution {
    // value[c][e]: the item of category c that entity e has. value[0][e] == e.
    int value[kMaxCats][kMaxItems] = {};
    int EntityOf(Attr a) const;
    bool operator==(const Solution& other) const;
    int cats = 0;
    int items = 0;
};

// The place of attribute a in the order of category cat (-1: the shape's
// ordered one), given the entity that holds it.
int OrderOf(const Shape& shape, const Solution& s, Attr a, int cat = -1);

// True when the clue is true of the solution.
bool Holds(const Shape& shape, const Clue& clue, const Solution& s);

// The clue is well formed for the shape (items in range, categories distinct
// where the kind needs it, ordering only with an ordered category).
bool IsWellFormed(const Shape& shape, const Clue& clue);

// A small deterministic generator, the same on every platform and compiler.
class CRandom {
public:
    explicit CRandom(uint64_t seed) : m_state(seed) {}
    uint64_t Next();
    // 0 .. bound - 1 (bound > 0).
    int Below(int bound);

private:
    uint64_t m_state;
};

// A random solution for the shape.
Solution RandomSolution(const Shape& shape, CRandom& random);

} // namespace reasoning
