// A generated puzzle told in one theme: which categories and items it uses,
// and the words of its clues and marks.
#pragma once

#include "puzzlegen/Generator.h"
#include "puzzlegen/Themes.h"

#include <string>
#include <vector>

namespace puzzlegen {

class CStory {
public:
    // Picks the theme's categories and items for the shape from the seed. The
    // ordered category of the shape (if any) becomes the theme's ordered one;
    // a further ordered one of the shape, one of the theme's after its core.
    // A theme too small for the shape gives a story with a Problem(), whose
    // words are not to be shown.
    //
    // A puzzle bigger than the shelf's (more than kShelfCells cells) tells
    // its comparisons from either side, by the seed: "Ben is younger than
    // Amy" or "Amy is older than Ben". The shelf's puzzles keep one side.
    CStory(const ThemeDef& theme, const Shape& shape, uint64_t seed);
    const std::string& Problem() const { return m_problem; }

    const ThemeDef& Theme() const { return *m_theme; }
    std::string CategoryName(int cat) const;
    // The words for one and for several items of a category ("animal",
    // "animals"), as a sentence says them.
    std::string NounOne(int cat) const;
    std::string NounMany(int cat) const;
    std::string Label(Attr a) const; // on the picture and in marks
    std::string Ref(Attr a) const;   // noun phrase in a sentence
    std::string Intro() const;
    std::string ClueText(const Clue& clue) const;
    // "Anna - Cows: true"
    std::string MarkText(const Mark& mark) const;
    // What a clue lets the player mark, explained in a sentence or two.
    std::string Explain(const Clue& clue) const;
    // One solving step in words ("Anna - Cows is true: the only open square").
    std::string StepText(const Step& step) const;
    // The amount of an ordering distance ("20 acres"), in the ordered
    // category cat (-1: the shape's).
    std::string Amount(int steps, int cat = -1) const;

private:
    const ThemeDef* m_theme;
    Shape m_shape;
    int m_themeCat[kMaxCats] = {};             // theme category of each puzzle category
    int m_themeItem[kMaxCats][kMaxItems] = {}; // theme item of each puzzle item
    std::string m_problem;
    uint64_t m_seed = 0;
    bool m_bothSides = false;
    bool FromOtherSide(const Clue& clue) const;
};

// Why the theme cannot tell a puzzle of the shape ("The Chess Club cannot
// tell 6 categories of 8 items: ..."), or "" when it can: its names, the
// ordered category the shape needs, and enough other categories must each
// have the shape's number of items.
std::string ThemeProblem(const ThemeDef& theme, const Shape& shape);
// "Any theme": a theme that fits the shape, chosen by the seed; -1 when none does.
int AnyTheme(const Shape& shape, uint64_t seed);

} // namespace puzzlegen
