// One saved game of a player: the entry in the player file and the
// saved-game file (".gme") in the games folder that holds the board's marks.
//
//   title / puzzle base name / player's name / first and second saved-game
//   integer / Start Grid / column, row, state per cell / End Grid
#pragma once

#include "puzzle/GridDoc.h"

#include <string>

class CSavedGame {
public:
    using CellList = CGridDoc::CellList;
    using KeyList = CGridDoc::KeyList;

    std::string title;      // the game title, the key of the entry
    std::string fileName;   // inside the games folder; empty when none was made
    std::string puzzleBase; // base name of the game's files
    bool finished = false;  // the game ended in this run; never stored

    CSavedGame() = default;
    CSavedGame(const std::string& title, const std::string& fileName,
               const std::string& puzzleBase);

    // Sets title, then picks and reserves a free file name in gamesFolder
    // (ending with a separator). False, with fileName left empty, when none
    // of the 100 names is free.
    bool MakeFileName(const std::string& newTitle, const std::string& gamesFolder);

    // Writes the saved-game file whole; on failure the old file stays as it
    // was and "Unable to save %s because of error %d." is shown. False without
    // a message when fileName is empty.
    bool Write(const std::string& gamesFolder, const std::string& playerName, int savedFirst,
               int savedSecond, const CellList& cells) const;

    // Reads the saved-game file: title, puzzle base name and the two integers,
    // then the cell states onto cells (the first cell with the column and row
    // named; none changes for a missing cell) and the keys of cells in state 2
    // appended to markedTrue. The end of the file ends the grid; a triple the
    // end of the file cuts off is not applied.
    bool Read(const std::string& gamesFolder, int& savedFirst, int& savedSecond, CellList& cells,
              KeyList& markedTrue);
};
