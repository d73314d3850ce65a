// CGridDoc: the board of one puzzle while it is played.
//
// It holds the cells and their marks, the answer, the hints that say which
// cells each clue concerns, and the picture (from CDibDoc). It reads and
// writes the puzzle file (".bgd"):
//
//   picture file name (relative to the puzzle's folder)
//   cell size
//   [Offsets / x / y]
//   Start Grid / column / row / ... / End Grid
//   Start Answer / key / ... / End Answer
//   Start Hint / key / ... / End Hint      (any number of hint blocks)
#pragma once

#include "board/DibDoc.h"
#include "puzzle/GridCell.h"
#include "puzzle/MarkHistory.h"

#include <memory>
#include <string>
#include <vector>

namespace platform {
class CTextFile;
}

class CGridDoc : public CDibDoc {
public:
    // Owned cells in file order.
    using CellList = std::vector<std::unique_ptr<CGridCell>>;
    // Cell keys ("%d,%d"), in file order or marking order.
    using KeyList = std::vector<std::string>;

    static constexpr int kDefaultCellSize = 15;

    CGridDoc();
    ~CGridDoc() override;

    // Reads the puzzle file at path and loads its picture. A file that
    // cannot be opened or read gets the standard load report and false; a
    // picture that cannot be loaded gets "Unable to load image file " + its
    // path, and the puzzle loads all the same.
    bool OnOpenDocument(const std::string& path) override;
    // Writes the puzzle in the file layout above (no marks). A failure gets
    // the standard report and false; the file on disk is then left as it was.
    bool OnSaveDocument(const std::string& path);

    // Empties the board for a new puzzle. Picture name, cell size and the
    // picture stay.
    virtual void ResetPuzzle();

    void AddCell(int column, int row);
    // Cycles the first cell at (column, row) and keeps the marked-true list in
    // step. False (and nothing changes) when there is no such cell.
    bool ToggleCell(int column, int row);
    // Compares the marked-true list with the answer. Returns true exactly
    // when the cells marked true are the answer cells. When percent is not
    // null, stores the percentage right (0 for an empty answer) and, where
    // given, the marked and correct counts; when percent is null stores
    // nothing.
    bool CompareWithAnswer(int* percent, int* markedCount, int* correctCount) const;
    // The number of the one hint that names the cell, with "Hint %d" in text;
    // 0 for a position that is not a cell, a cell no hint names (empty text)
    // and a cell several hints name (text "Hint 1, Hint 4").
    int GetHintsForCell(int column, int row, std::string& text) const;

    // The picture file name, line 1 of the file, trailing white space removed.
    const std::string& GetPictureName() const { return m_pictureName; }
    void SetPictureName(const std::string& name) { m_pictureName = name; }

    int GetCellSize() const { return m_cellSize; }
    void SetCellSize(int size) { m_cellSize = size; }
    int GetGridOffsetX() const { return m_gridOffsetX; }
    int GetGridOffsetY() const { return m_gridOffsetY; }
    void SetGridOffsets(int x, int y) {
        m_gridOffsetX = x;
        m_gridOffsetY = y;
    }

    const CellList& GetCells() const { return m_cells; }
    // The saved-game restore writes cell states directly.
    CellList& GetCells() { return m_cells; }
    // The first cell at (column, row), or null.
    CGridCell* FindCell(int column, int row) const;

    const KeyList& GetAnswerList() const { return m_answer; }
    KeyList& GetAnswerList() { return m_answer; }

    const KeyList& GetMarkedTrueList() const { return m_markedTrue; }
    // The saved-game restore appends to it directly.
    KeyList& GetMarkedTrueList() { return m_markedTrue; }

    // Element i is the hint list of hint i + 1.
    const std::vector<KeyList>& GetHints() const { return m_hints; }
    // Appends a hint block (for tools that make puzzles); counts it.
    void AddHint(const KeyList& keys);
    int GetHintCount() const { return m_hintCount; }

    // 1-based number of the hint the board highlights; 0 for none.
    int GetHighlightedHint() const { return m_highlightedHint; }
    void SetHighlightedHint(int hint) {
        m_highlightedHint = hint;
        m_highlightedCells.clear();
    }
    // Cells the board highlights as it does a hint's (the coach's); a hint
    // highlighted later takes their place.
    void SetHighlightedCells(const KeyList& keys) {
        m_highlightedHint = 0;
        m_highlightedCells = keys;
    }
    // The keys the board highlights now, or null for none.
    const KeyList* HighlightedCells() const;

    // The two integers only the saved game reads and writes back.
    int GetSavedGameValue1() const { return m_savedGameValue1; }
    int GetSavedGameValue2() const { return m_savedGameValue2; }
    void SetSavedGameValues(int first, int second) {
        m_savedGameValue1 = first;
        m_savedGameValue2 = second;
    }

    // Whether the game's solution is on show. The document never changes it
    // by itself (not on open, not in ResetPuzzle); whoever runs the game sets
    // and clears it and the board draws from it.
    bool IsSolutionShown() const { return solutionShown; }
    void SetSolutionShown(bool shown) { solutionShown = shown; }
    bool solutionShown = false;

    // The player's marks that can be taken back; emptied with the board
    // (ResetPuzzle), so every game opened starts a history of its own.
    CMarkHistory& History() { return m_history; }
    const CMarkHistory& History() const { return m_history; }

private:
    void ReadPuzzle(platform::CTextFile& file, const std::string& path);

    int m_hintCount = 0;
    std::string m_pictureName;
    int m_cellSize = kDefaultCellSize;
    int m_gridOffsetX = 0;
    int m_gridOffsetY = 0;
    CellList m_cells;
    KeyList m_answer;
    KeyList m_markedTrue;
    std::vector<KeyList> m_hints;
    int m_highlightedHint = 0;
    KeyList m_highlightedCells;
    int m_savedGameValue1 = 0;
    int m_savedGameValue2 = 0;
    CMarkHistory m_history;
};
