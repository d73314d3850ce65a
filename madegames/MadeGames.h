// Made games: what a recipe makes (the shelf slot, the title, the file
// names) and the list of made games, "data\madegames.dat", in the record
// format of the bundled list (app/GameList.h). The bundled list is never
// written; made games are listed after its games.
#pragma once

#include "app/GameList.h"
#include "madegames/GameCode.h"
#include "puzzlegen/Shelf.h"

#include <functional>
#include <string>
#include <vector>

namespace madegames {

inline constexpr const char* kMadeListName = "data\\madegames.dat";

// The theme a recipe is told in: its own, or for any theme one that fits the
// shape, picked by the seed (-1 when none fits: RecipeProblem says so).
int ThemeOf(const GameRecipe& recipe);

// The slot the generator searches from: the recipe's shape (an ordered
// category from Medium up, as the bundled shelf has), grade, theme and seed.
puzzlegen::ShelfSlot SlotOf(const GameRecipe& recipe);

// "Random 5x6 Expert: The Farm (K7QX2-M4RT9)", with the grade the puzzle got.
std::string TitleOf(const GameRecipe& recipe, int grade);
// The base name of the game's files: "made" and the code in small letters,
// "madek7qx2m4rt9".
std::string FileNameOf(const GameRecipe& recipe);

// Searches the recipe's puzzle and names the game. stop is asked between
// seeds; a stopped or failed search gives a game without clues.
puzzlegen::ShelfGame MakeGame(const GameRecipe& recipe, const std::function<bool()>& stop = {});

// The made-games list at path. A missing file is an empty list and no
// fault; a file that cannot be read, or holds an entry whose file name is
// not a plain name, sets cause (FileError.h) and keeps the good entries.
std::vector<GameListEntry> ReadMadeList(const std::string& path, int& cause);

// The list with entry added (an entry of the same file name replaced),
// written whole through ReplaceFile. Returns the cause code (0 written).
int AddToMadeList(const std::string& path, const GameListEntry& entry);

} // namespace madegames
