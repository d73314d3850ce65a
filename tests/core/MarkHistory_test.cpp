// The board's shape (sub-grids and cursor moves), the history of marks with
// undo and redo, and the marking helpers the keys and options use.
#include "puzzle/BoardLayout.h"
#include "puzzle/GridDoc.h"
#include "puzzle/MarkHistory.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Three categories of three: a 6 x 6 board without its lower right block.
void MakeStaircase(CGridDoc& doc) {
    doc.ResetPuzzle();
    for (int row = 0; row < 6; ++row)
        for (int column = 0; column < (row < 3 ? 6 : 3); ++column)
            doc.AddCell(column, row);
}

std::vector<int> States(const CGridDoc& doc) {
    std::vector<int> states;
    for (const auto& cell : doc.GetCells())
        states.push_back(cell->state);
    return states;
}

using Move = CBoardLayout::Move;

} // namespace

TEST(BoardLayout, CursorMovesStayOnCellsAndCrossSubGrids) {
    CGridDoc doc;
    MakeStaircase(doc);
    const CBoardLayout layout(doc.GetCells());
    struct Case {
        int column, row;
        Move move;
        bool moves;
        int toColumn, toRow;
    };
    const Case cases[] = {
        {2, 0, Move::right, true, 3, 0},      {5, 0, Move::right, false, 5, 0},
        {2, 3, Move::right, false, 2, 3},     {3, 0, Move::left, true, 2, 0},
        {0, 0, Move::left, false, 0, 0},      {0, 2, Move::down, true, 0, 3},
        {3, 2, Move::down, false, 3, 2},      {1, 3, Move::up, true, 1, 2},
        {4, 1, Move::rowStart, true, 0, 1},   {1, 4, Move::rowEnd, true, 2, 4},
        {4, 1, Move::rowEnd, true, 5, 1},     {1, 1, Move::blockDown, true, 1, 4},
        {1, 4, Move::blockDown, false, 1, 4}, {2, 5, Move::blockUp, true, 2, 2},
        {4, 1, Move::blockDown, false, 4, 1}, {4, 1, Move::blockUp, false, 4, 1},
        {7, 7, Move::left, false, 7, 7}, // not a cell: no move at all
    };
    for (const Case& c : cases) {
        int column = c.column, row = c.row;
        EXPECT_EQ(layout.Step(column, row, c.move), c.moves)
            << c.column << "," << c.row << " move " << static_cast<int>(c.move);
        EXPECT_EQ(column, c.toColumn) << c.column << "," << c.row;
        EXPECT_EQ(row, c.toRow) << c.column << "," << c.row;
    }

    // A gap in a row is stepped over.
    doc.ResetPuzzle();
    doc.AddCell(0, 0);
    doc.AddCell(3, 0);
    int column = 0, row = 0;
    EXPECT_TRUE(CBoardLayout(doc.GetCells()).Step(column, row, Move::right));
    EXPECT_EQ(column, 3);
}

TEST(BoardLayout, SubGridsComeFromTheBoardsShape) {
    CGridDoc doc;
    MakeStaircase(doc);
    const CBoardLayout layout(doc.GetCells());
    auto block = [&](int c, int r) {
        const CBoardLayout::Block b = layout.BlockOf(c, r);
        return std::vector<int>{b.left, b.top, b.right, b.bottom};
    };
    EXPECT_EQ(block(0, 0), (std::vector<int>{0, 0, 3, 3}));
    EXPECT_EQ(block(4, 1), (std::vector<int>{3, 0, 6, 3}));
    EXPECT_EQ(block(1, 4), (std::vector<int>{0, 3, 3, 6}));
    EXPECT_EQ(block(4, 4), (std::vector<int>{0, 0, 0, 0})); // no cell there

    // A plain rectangle is one sub-grid.
    doc.ResetPuzzle();
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 4; ++c)
            doc.AddCell(c, r);
    const CBoardLayout plain(doc.GetCells());
    const CBoardLayout::Block b = plain.BlockOf(2, 1);
    EXPECT_EQ(std::vector<int>({b.left, b.top, b.right, b.bottom}), (std::vector<int>{0, 0, 4, 2}));
}

TEST(MarkHistory, UndoneMarksLeaveTheBoardAsTheMarksWithoutThem) {
    // Clicks on A (0,1) and B (1,0), undo U and redo R; against the clicks
    // that are left once the undone ones are struck out.
    struct Case {
        const char* steps;
        const char* without;
        std::vector<std::string> marked;
    };
    const Case cases[] = {
        {"BBAAUU", "BB", {"1,0"}},
        {"BBAAUUR", "BBA", {"1,0"}},
        {"BBAABBBUUU", "BBAA", {"1,0", "0,1"}}, // B back at its old place in the list
        {"BBAABBBUUURRR", "BBAABBB", {"0,1", "1,0"}},
        {"AUBR", "B", {}}, // a new mark drops what could be redone
        {"URB", "B", {}},  // nothing to take back: nothing happens
        {"AAUUUU", "", {}},
    };
    for (const Case& c : cases) {
        CGridDoc played, plain;
        MakeStaircase(played);
        MakeStaircase(plain);
        for (const char* p = c.steps; *p; ++p) {
            if (*p == 'U')
                played.History().Undo(played);
            else if (*p == 'R')
                played.History().Redo(played);
            else
                played.History().Record(
                    played, [&] { played.ToggleCell(*p == 'A' ? 0 : 1, *p == 'A' ? 1 : 0); });
        }
        for (const char* p = c.without; *p; ++p)
            plain.ToggleCell(*p == 'A' ? 0 : 1, *p == 'A' ? 1 : 0);
        EXPECT_EQ(States(played), States(plain)) << c.steps;
        EXPECT_EQ(played.GetMarkedTrueList(), c.marked) << c.steps;
        EXPECT_EQ(plain.GetMarkedTrueList(), c.marked) << c.without;
    }

    // A change that changes nothing is no step; a new board has no history.
    CGridDoc doc;
    MakeStaircase(doc);
    EXPECT_FALSE(doc.History().Record(doc, [&] { doc.ToggleCell(9, 9); }));
    EXPECT_FALSE(doc.History().CanUndo());
    doc.History().Record(doc, [&] { doc.ToggleCell(0, 0); });
    EXPECT_TRUE(doc.History().CanUndo());
    doc.ResetPuzzle();
    EXPECT_FALSE(doc.History().CanUndo());
}

TEST(MarkHelpers, SetStateByTheClicksAndMarkTheRestFalse) {
    CGridDoc doc;
    MakeStaircase(doc);
    // True to false passes through empty: the key leaves the list.
    EXPECT_TRUE(marks::SetCellState(doc, 4, 1, CGridCell::stateTrue));
    EXPECT_TRUE(marks::SetCellState(doc, 0, 0, CGridCell::stateTrue));
    EXPECT_EQ(doc.GetMarkedTrueList(), (std::vector<std::string>{"4,1", "0,0"}));
    EXPECT_FALSE(marks::SetCellState(doc, 0, 0, CGridCell::stateTrue));
    EXPECT_TRUE(marks::SetCellState(doc, 4, 1, CGridCell::stateFalse));
    EXPECT_EQ(doc.GetMarkedTrueList(), (std::vector<std::string>{"0,0"}));
    EXPECT_FALSE(marks::SetCellState(doc, 4, 4, CGridCell::stateFalse));

    // Cell (4,1) of the upper right block: its row and column in that block
    // only; a true cell stays true.
    doc.ResetPuzzle();
    MakeStaircase(doc);
    doc.ToggleCell(4, 2);
    doc.ToggleCell(4, 2);
    marks::SetCellState(doc, 4, 1, CGridCell::stateTrue);
    EXPECT_EQ(marks::MarkRestFalse(doc, CBoardLayout(doc.GetCells()), 4, 1), 3);
    for (const auto& cell : doc.GetCells()) {
        const std::string key = CellKey(cell->column, cell->row);
        const int expected = key == "4,1" || key == "4,2"                   ? 2
                             : key == "3,1" || key == "5,1" || key == "4,0" ? 1
                                                                            : 0;
        EXPECT_EQ(cell->state, expected) << key;
    }
}
