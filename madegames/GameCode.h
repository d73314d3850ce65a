// Game codes: ten letters and digits that name a made game, shown as
// "K7QX2-M4RT9". A made game is fully determined by its recipe (categories,
// items, grade, theme or any, seed), and the code holds the recipe, so the
// same code makes the same game again, file for file, on any machine.
//
// The letters are the digits and the capitals without I, L, O and U, so no
// two look alike; case does not matter, and a typed O, I or L is read as 0, 1
// and 1. Nine characters carry 45 bits (seed 30, theme 5, grade 2, items 4,
// categories 4); the tenth is a check character (Luhn mod 32), so any one
// mistyped character, and any two neighbours typed the wrong way round (but
// for the pair 0 and Z), give a code that is refused.
#pragma once

#include "reasoning/Puzzle.h"

#include <cstdint>
#include <string>

namespace madegames {

inline constexpr int kAnyTheme = -1;
inline constexpr int kSeedBits = 30;
inline constexpr uint32_t kSeedMask = (1u << kSeedBits) - 1;
inline constexpr int kCodeLength = 10; // characters, without the dash

struct GameRecipe {
    int cats = 4;
    int items = 5;
    int grade = 2;         // 1 Easy .. 4 Expert
    int theme = kAnyTheme; // index into puzzlegen::Themes(), or kAnyTheme
    uint32_t seed = 0;     // below 2^30
    bool operator==(const GameRecipe&) const = default;
};

// The code of a recipe, "K7QX2-M4RT9". Fields out of range are cut to their
// bits: RecipeProblem tells beforehand whether the recipe can be made.
std::string EncodeGameCode(const GameRecipe& recipe);

// Reads a typed code (blanks and dashes anywhere are ignored). False with a
// sentence for the player when it is not a code or names a game this
// version cannot make.
bool DecodeGameCode(const std::string& typed, GameRecipe& recipe, std::string& fault);

// The puzzle's shape: Easy games teach without ordering clues; from Medium
// on one category is ordered, which one chosen by the seed.
reasoning::Shape ShapeOf(const GameRecipe& recipe);

// Why the game cannot be made ("" when it can): a grade of 1 to 4, a size
// the generator makes, a theme that exists and can tell the shape (for any
// theme, one that can).
std::string RecipeProblem(const GameRecipe& recipe);

} // namespace madegames
