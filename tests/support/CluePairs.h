// Pairs of clues a careful setter would not let through, because together
// they only restate one fact: an either/or with a clue that rules out one of
// its choices, or a not (or half a neither/nor) another clue already says.
// Found by what the clues allow, with the exact solver, not by their words.
// Shared by the checks of the bundled games and of freshly generated ones.
#pragma once

#include "reasoning/ExactSolver.h"

#include <string>
#include <vector>

namespace testing_support {

// Clue `one` alone leaves no room for x and y to be one entity's.
inline bool RulesOut(const reasoning::Shape& shape, const reasoning::Clue& one, reasoning::Attr x,
                     reasoning::Attr y) {
    // A clue that reads neither x's category nor y's leaves them free: any
    // solution of it, with x's category shuffled to put x by y, is one too.
    using reasoning::ClueKind;
    const bool four = one.kind == ClueKind::OneOther;
    const bool third = four || one.kind == ClueKind::EitherOr || one.kind == ClueKind::NeitherNor;
    const bool order = one.kind == ClueKind::Before || one.kind == ClueKind::Apart;
    auto reads = [&](int cat) {
        return one.a.cat == cat || one.b.cat == cat || (third && one.c.cat == cat) ||
               (four && one.d.cat == cat) || (order && reasoning::OrderCat(shape, one) == cat);
    };
    if (!reads(x.cat) && !reads(y.cat))
        return false;
    const reasoning::Clue together{reasoning::ClueKind::Is, x, y, {}, 0};
    return reasoning::CExactSolver(shape, {one, together}).Count(1) == 0;
}

// Each such pair, as "clues 8 and 9: ..." with 1-based numbers.
inline std::vector<std::string> RestatedPairs(const reasoning::Shape& shape,
                                              const std::vector<reasoning::Clue>& clues) {
    using reasoning::ClueKind;
    std::vector<std::string> found;
    for (size_t i = 0; i < clues.size(); ++i) {
        const reasoning::Clue& c = clues[i];
        for (size_t j = 0; j < clues.size(); ++j) {
            if (j == i)
                continue;
            const std::string pair =
                "clues " + std::to_string(i + 1) + " and " + std::to_string(j + 1) + ": ";
            auto outB = [&] { return RulesOut(shape, clues[j], c.a, c.b); };
            auto outC = [&] { return RulesOut(shape, clues[j], c.a, c.c); };
            switch (c.kind) {
            case ClueKind::EitherOr:
                if (outB() || outC())
                    found.push_back(pair + "the either/or has one choice left");
                break;
            case ClueKind::IsNot:
                if (outB())
                    found.push_back(pair + "the not is said twice");
                break;
            case ClueKind::NeitherNor:
                if (outB() || outC())
                    found.push_back(pair + "half the neither/nor is said twice");
                break;
            default:
                break;
            }
        }
    }
    return found;
}

} // namespace testing_support
