// The shelf of games the data folder ships with, and the pages of each game.
#pragma once

#include "puzzlegen/Board.h"
#include "puzzlegen/Generator.h"
#include "puzzlegen/Pages.h"
#include "puzzlegen/Story.h"

#include <functional>
#include <string>
#include <vector>

namespace puzzlegen {

struct ShelfSlot {
    int number = 1;  // "Game 1"
    int theme = 0;   // index into Themes()
    int telling = 0; // earlier slots in the same theme (ShelfTheme)
    Shape shape;
    int grade = 1; // wanted grade (1 Easy .. 4 Expert)
    uint64_t seed = 1;
};

// The shelf plan: `count` games in rising difficulty.
std::vector<ShelfSlot> ShelfPlan(int count);

struct ShelfGame {
    ShelfSlot slot;
    GeneratedPuzzle puzzle;
    int grade = 1; // the grade it got
    uint64_t seedUsed = 0;
    std::string title;    // "Game 12: The Farm"
    std::string fileName; // "game12"
    std::string code;     // a made game's code ("K7QX2-M4RT9"), shown on its first page
};

// Generates the slot's puzzle: the first seed from the slot's seed on whose
// puzzle has the wanted grade (or the nearest grade seen in `tries` seeds).
// stop, when given, is asked before each seed: true ends the search at once
// and the game comes back without a puzzle (no clues).
ShelfGame MakeShelfGame(const ShelfSlot& slot, int tries = 120,
                        const std::function<bool()>& stop = {});

// Numbers a game: "Game 12: The Farm" in "game12".
void Name(ShelfGame& game, int number);

// The whole shelf: every slot's game, sorted by grade (stable) and numbered.
std::vector<ShelfGame> MakeShelf(int count);

// Cell size for a number of categories: 24, 22 or 20 pixels.
int CellSizeFor(const Shape& shape);

// Every page of a game: "_00" to "_NN" and "-00" to "-NN", in that order,
// with their names.
struct NamedPage {
    std::string suffix; // "_00", "-03" ...
    PageFile page;
    int widest = 0; // widest row in pixels, by the measure
};
std::vector<NamedPage> MakeGamePages(const ShelfGame& game, const CStory& story,
                                     const ITextMeasure& measure);

} // namespace puzzlegen
