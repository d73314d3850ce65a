// CBoardLayout: the shape of a board, for moving a cursor over it and for
// finding the sub-grid a cell lies in.
//
// A logic-grid board is several rectangular sub-grids set side by side, some
// corner blocks absent. The cells list is the only record of which squares
// exist, so the sub-grids are found from it: a new band of rows starts where a
// row holds other columns than the row above it (or follows a row without
// cells), and a new band of columns likewise. A sub-grid is one band of rows
// crossed with one band of columns. A plain rectangle of cells is one sub-grid.
#pragma once

#include "puzzle/GridCell.h"

#include <map>
#include <memory>
#include <set>
#include <vector>

class CBoardLayout {
public:
    enum class Move { left, right, up, down, rowStart, rowEnd, blockUp, blockDown };

    // Columns [left, right) by rows [top, bottom).
    struct Block {
        int left = 0, top = 0, right = 0, bottom = 0;
    };

    CBoardLayout() = default;
    explicit CBoardLayout(const std::vector<std::unique_ptr<CGridCell>>& cells);

    bool Empty() const { return m_byRow.empty(); }
    bool Has(int column, int row) const;
    // The sub-grid of (column, row); an empty block when it is no cell.
    Block BlockOf(int column, int row) const;
    // Moves (column, row) one step: left and right to the next cell of the
    // row, up and down to the next cell of the column (across sub-grids),
    // rowStart and rowEnd to the row's first and last cells, blockUp and
    // blockDown to the same place in the sub-grid above or below. False, and
    // nothing changes, when there is no cell to go to.
    bool Step(int& column, int& row, Move move) const;

private:
    static int BandStart(const std::vector<int>& starts, int value);
    static int BandEnd(const std::vector<int>& starts, int value, int last);

    std::map<int, std::set<int>> m_byRow;    // row -> its columns
    std::map<int, std::set<int>> m_byColumn; // column -> its rows
    std::vector<int> m_rowStarts;            // first row of every band, ascending
    std::vector<int> m_columnStarts;
};
