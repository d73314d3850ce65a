// CMarkHistory: the marks a player can take back and give again.
//
// Every change the player makes to the board is one step: the cells it
// changed with their states before and after, and the marked-true list before
// and after (its order counts: it is the order cells were marked in). Undo puts
// the board back exactly as it was before the step; redo as it was after.
// Hints, checks and scores are not the board's and never change here.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

class CGridDoc;
class CBoardLayout;

class CMarkHistory {
public:
    // Runs change on the board as one step. A change that leaves the board as
    // it was is no step (and keeps what can be redone). True when it changed
    // something.
    bool Record(CGridDoc& doc, const std::function<void()>& change);
    bool CanUndo() const { return !m_undo.empty(); }
    bool CanRedo() const { return !m_redo.empty(); }
    // False when there is nothing to take back (or give again).
    bool Undo(CGridDoc& doc);
    bool Redo(CGridDoc& doc);
    void Clear();
    // The cells (indexes into the document's cells) the steps that can be
    // undone changed, each once, ordered by the last step that changed it.
    std::vector<std::size_t> ChangeOrder() const;
    // The first cell the last undone or redone step changed.
    int LastColumn() const { return m_lastColumn; }
    int LastRow() const { return m_lastRow; }

private:
    struct CellChange {
        std::size_t index;
        int before;
        int after;
    };
    struct Step {
        std::vector<CellChange> cells;
        std::vector<std::string> markedBefore;
        std::vector<std::string> markedAfter;
    };
    void Apply(CGridDoc& doc, const Step& step, bool forward);

    std::vector<Step> m_undo;
    std::vector<Step> m_redo;
    int m_lastColumn = 0;
    int m_lastRow = 0;
};

namespace marks {

// Brings the cell to state (0 empty, 1 false, 2 true) by the clicks that lead
// there, so the marked-true list follows as it would under those clicks.
// False when there is no such cell or it is in that state already.
bool SetCellState(CGridDoc& doc, int column, int row, int state);

// Marks false every other empty cell of the cell's row and column inside its
// sub-grid. Returns how many cells it marked.
int MarkRestFalse(CGridDoc& doc, const CBoardLayout& layout, int column, int row);

} // namespace marks
