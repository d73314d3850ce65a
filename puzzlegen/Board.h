// Where every pair of items sits on the puzzle picture, and the puzzle file.
//
// The board is the usual staircase: category 0 down the left against every
// other category across the top; below it the other categories, last first,
// each against the top categories that come before it:
//
//            C1  C2  C3
//       C0  [ ] [ ] [ ]
//       C3  [ ] [ ]
//       C2  [ ]
#pragma once

#include "reasoning/ClueFile.h"
#include "reasoning/Puzzle.h"
#include "reasoning/TieredSolver.h"

#include <string>
#include <vector>

namespace puzzlegen {

// The generator speaks the reasoning engine's vocabulary (puzzles, clues, marks).
using namespace reasoning;

class CBoardLayout {
public:
    CBoardLayout(const Shape& shape, int cellSize, int offsetX, int offsetY);

    // The category of column block j / row block r.
    int ColumnCat(int block) const { return block + 1; }
    int RowCat(int block) const { return block == 0 ? 0 : m_shape.cats - block; }
    int Blocks() const { return m_shape.cats - 1; }
    // Row block r has the column blocks 0 .. BlocksInRow(r) - 1.
    int BlocksInRow(int rowBlock) const { return m_shape.cats - 1 - rowBlock; }

    // The cell of the pair of items, in either order. False for two items of
    // one category.
    bool CellOf(Attr x, Attr y, int& column, int& row) const;
    std::string KeyOf(Attr x, Attr y) const;
    // The items a cell stands for: (row item, column item).
    void ItemsOf(int column, int row, Attr& rowItem, Attr& columnItem) const;

    // Every cell, row by row.
    std::vector<std::pair<int, int>> Cells() const;

    int CellSize() const { return m_cellSize; }
    int OffsetX() const { return m_offsetX; }
    int OffsetY() const { return m_offsetY; }
    int GridSize() const { return Blocks() * m_shape.items * m_cellSize; }
    const Shape& GetShape() const { return m_shape; }

private:
    Shape m_shape;
    int m_cellSize, m_offsetX, m_offsetY;
};

std::string CellKey(int column, int row);

// The cell size of the board picture: the shelf's size for the number of
// categories (CellSizeFor), made smaller where the grid would grow past
// kMaxGridSize pixels, so that the picture with its labels, beside the page
// and inside the game's window, fits a 1280 x 1024 screen (6 categories of
// 8 items: 18 pixels, a grid of 720).
inline constexpr int kMaxGridSize = 720;
int BoardCellSize(const Shape& shape);

// The contents of a puzzle file.
struct PuzzleFile {
    std::string pictureName;
    int cellSize = 15;
    int offsetX = 0, offsetY = 0;
    std::vector<std::pair<int, int>> cells;
    std::vector<std::string> answer;
    std::vector<std::vector<std::string>> hints;
};

// The answer keys of a solution and one hint list per clue (the cells of the
// clue's direct marks).
PuzzleFile MakePuzzleFile(const CBoardLayout& layout, const Solution& solution,
                          const std::vector<Clue>& clues, const std::string& pictureName);

// Writes the puzzle file in the game's layout. False on a file error.
bool WritePuzzleFile(const std::string& path, const PuzzleFile& file);

class CStory;
// What the clue file beside the puzzle file says: the story's categories,
// nouns and labels, the clues as the pages number and word them, and the cell
// of every pair of items.
ClueBook MakeClueBook(const CBoardLayout& layout, const CStory& story,
                      const std::vector<Clue>& clues);

} // namespace puzzlegen
