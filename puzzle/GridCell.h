// CGridCell: one square of the board and its mark.
#pragma once

#include <string>

class CGridCell {
public:
    enum { stateEmpty = 0, stateFalse = 1, stateTrue = 2 };

    CGridCell(int column, int row, int state = stateEmpty)
        : state(state), column(column), row(row) {}
    virtual ~CGridCell() = default;

    // empty -> false -> true -> empty: state + 1, or 0 when that gives 3.
    // Returns the new state.
    int Cycle() {
        state = state + 1 == 3 ? stateEmpty : state + 1;
        return state;
    }

    int state;  // 0 empty, 1 marked false, 2 marked true
    int column; // counted in cells from the grid origin
    int row;
};

// The cell key: "%d,%d" of column and row ("3,12").
std::string CellKey(int column, int row);

// Reads a key back as the board draws it: column is the number before the
// first ",", row the number after it (0 when there is no ","). Numbers follow
// the data files' rules (leading digits, 0 when there are none).
void SplitCellKey(const std::string& key, int& column, int& row);
