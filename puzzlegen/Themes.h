// The stories the shelf's puzzles are told in: per theme, the people and five
// more categories, one of them ordered, with the words the clues are made of.
//
// The people and the first four categories are a theme's core: a puzzle of
// up to five categories tells those, and a puzzle of up to kCoreWords items
// draws its items from each category's first kCoreWords words. The fifth
// category, and the words after the core ones, come into play in bigger
// puzzles (six categories, seven or eight items), so the smaller puzzles keep
// the words they have always had. Most categories have eight words; a few
// have fewer (there are only six kinds of chess piece), and a story leaves
// such a category out of a puzzle with more items.
#pragma once

#include <string>
#include <vector>

namespace puzzlegen {

inline constexpr int kCoreCats = 5;  // the people and four more
inline constexpr int kCoreWords = 6; // words of a category small puzzles draw from

struct CategoryDef {
    std::string name;                // heading on the picture ("Animals")
    std::string ref;                 // noun phrase with {} for the word ("the farmer who keeps {}")
    std::vector<std::string> words;  // the items as the clues say them
    std::vector<std::string> labels; // the items on the picture (empty: the words, capitalised)
    // Ordered categories only: the words are in rising order.
    bool ordered = false;
    int step = 0;         // amount between neighbours ("10" acres)
    std::string unitOne;  // "{} acre"   (with {} for the amount)
    std::string unitMany; // "{} acres"
    std::string before;   // "{a} has fewer acres than {b}."
    std::string apart;    // "{b} has exactly {d} more than {a}."
    // The same two told from the other side, for bigger puzzles (Story.h).
    std::string after;     // "{b} has more acres than {a}."
    std::string apartBack; // "{a} has exactly {d} fewer than {b}."
};

struct ThemeDef {
    ThemeDef(std::string title, std::string intro, std::vector<CategoryDef> cats)
        : title(std::move(title)), intro(std::move(intro)), cats(std::move(cats)) {}
    std::string title;             // "The Farm"
    std::string intro;             // the setting, with {n} for the number of people
    std::vector<CategoryDef> cats; // [0] the people, then four more, then the fifth
                                   // (a few themes: then a second ordered one)
    // Per category after the people: what each person has of it
    // ("keeps one kind of animal").
    std::vector<std::string> clauses;
    // The theme told a second time on the shelf: a title and setting of its
    // own, so no two bundled games share a title.
    std::string againTitle; // "The Harvest"
    std::string againIntro; // with {n}, as intro
};

// At most 31: a game code holds the theme in five bits, one value for "any".
const std::vector<ThemeDef>& Themes();

// The theme as the shelf tells it the telling-th time (0 the first): from
// the second on, under its second title and setting.
const ThemeDef& ShelfTheme(int theme, int telling);

// "Four", "Five" ... for 2..9.
std::string NumberWord(int n);
// Replaces every "{key}" in text.
std::string Fill(std::string text, const std::string& key, const std::string& value);
std::string Capitalised(std::string text);

} // namespace puzzlegen
