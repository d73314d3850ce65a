// The stories the shelf's puzzles are told in: per theme, the people and four
// more categories, one of them ordered, with the words the clues are made of.
#pragma once

#include <string>
#include <vector>

namespace puzzlegen {

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
};

struct ThemeDef {
    ThemeDef(std::string title, std::string intro, std::vector<CategoryDef> cats)
        : title(std::move(title)), intro(std::move(intro)), cats(std::move(cats)) {}
    std::string title;             // "The Farm"
    std::string intro;             // the setting, with {n} for the number of people
    std::vector<CategoryDef> cats; // [0] the people, then four more
    // Per category after the people: what each person has of it
    // ("keeps one kind of animal").
    std::vector<std::string> clauses;
};

const std::vector<ThemeDef>& Themes();

// "Four", "Five" ... for 2..9.
std::string NumberWord(int n);
// Replaces every "{key}" in text.
std::string Fill(std::string text, const std::string& key, const std::string& value);
std::string Capitalised(std::string text);

} // namespace puzzlegen
