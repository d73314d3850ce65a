// The files of one made game in a folder: the puzzle picture and the same
// picture at twice the size, the puzzle file, the clue file the coach reasons
// with and every page, each checked as it is written. The data-folder maker
// and the game's own New Random Game both write games through this.
#pragma once

#include "puzzlegen/Pages.h"
#include "puzzlegen/Shelf.h"

#include <string>
#include <vector>

namespace puzzlegen {

struct GameFilesResult {
    std::vector<std::string> files; // the names written, in order (also on a fault)
    std::string fault;              // empty when every file is written and checked
    int pictureWidth = 0;
    int pictureHeight = 0;
    bool Ok() const { return fault.empty(); }
};

// Writes game's files into folder (ending in "/") under game.fileName. A game
// without a puzzle, of a shape the generator cannot make or whose puzzle is
// not unique is refused before anything is written.
GameFilesResult WriteGameFiles(const ShelfGame& game, const std::string& folder,
                               const ITextMeasure& measure);

} // namespace puzzlegen
