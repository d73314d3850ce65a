#include "puzzlegen/Board.h"

#include "puzzle/GridDoc.h"
#include "puzzlegen/Shelf.h"
#include "puzzlegen/Story.h"

#include <algorithm>

namespace puzzlegen {

CBoardLayout::CBoardLayout(const Shape& shape, int cellSize, int offsetX, int offsetY)
    : m_shape(shape), m_cellSize(cellSize), m_offsetX(offsetX), m_offsetY(offsetY) {}

bool CBoardLayout::CellOf(Attr x, Attr y, int& column, int& row) const {
    if (x.cat == y.cat)
        return false;
    if (x.cat > y.cat)
        std::swap(x, y); // x has the lower category
    const int n = m_shape.items;
    if (x.cat == 0) {
        column = (y.cat - 1) * n + y.item;
        row = x.item;
    } else {
        column = (x.cat - 1) * n + x.item;
        row = (m_shape.cats - y.cat) * n + y.item;
    }
    return true;
}

std::string CellKey(int column, int row) {
    return std::to_string(column) + "," + std::to_string(row);
}

int BoardCellSize(const Shape& shape) {
    const int cells = std::max(1, (shape.cats - 1) * shape.items); // rows and columns
    return std::min(CellSizeFor(shape), kMaxGridSize / cells);
}

std::string CBoardLayout::KeyOf(Attr x, Attr y) const {
    int column = 0, row = 0;
    if (!CellOf(x, y, column, row))
        return {};
    return CellKey(column, row);
}

void CBoardLayout::ItemsOf(int column, int row, Attr& rowItem, Attr& columnItem) const {
    const int n = m_shape.items;
    columnItem = {ColumnCat(column / n), column % n};
    rowItem = {RowCat(row / n), row % n};
}

std::vector<std::pair<int, int>> CBoardLayout::Cells() const {
    std::vector<std::pair<int, int>> cells;
    const int n = m_shape.items;
    for (int r = 0; r < Blocks(); ++r)
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < BlocksInRow(r); ++j)
                for (int k = 0; k < n; ++k)
                    cells.emplace_back(j * n + k, r * n + i);
    return cells;
}

PuzzleFile MakePuzzleFile(const CBoardLayout& layout, const Solution& solution,
                          const std::vector<Clue>& clues, const std::string& pictureName) {
    const Shape& shape = layout.GetShape();
    PuzzleFile f;
    f.pictureName = pictureName;
    f.cellSize = layout.CellSize();
    f.offsetX = layout.OffsetX();
    f.offsetY = layout.OffsetY();
    f.cells = layout.Cells();
    for (int c1 = 0; c1 < shape.cats; ++c1)
        for (int c2 = c1 + 1; c2 < shape.cats; ++c2)
            for (int e = 0; e < shape.items; ++e)
                f.answer.push_back(
                    layout.KeyOf({c1, solution.value[c1][e]}, {c2, solution.value[c2][e]}));
    for (const Clue& clue : clues) {
        std::vector<std::string> keys;
        for (const Mark& m : DirectMarks(shape, clue)) {
            const std::string key = layout.KeyOf(m.x, m.y);
            if (!key.empty() && std::find(keys.begin(), keys.end(), key) == keys.end())
                keys.push_back(key);
        }
        f.hints.push_back(keys);
    }
    return f;
}

bool WritePuzzleFile(const std::string& path, const PuzzleFile& f) {
    // The game's own writer of the format.
    CGridDoc doc;
    doc.SetPictureName(f.pictureName);
    doc.SetCellSize(f.cellSize);
    doc.SetGridOffsets(f.offsetX, f.offsetY);
    for (const auto& [column, row] : f.cells)
        doc.AddCell(column, row);
    doc.GetAnswerList() = f.answer;
    for (const auto& hint : f.hints)
        doc.AddHint(hint);
    return doc.OnSaveDocument(path);
}

ClueBook MakeClueBook(const CBoardLayout& layout, const CStory& story,
                      const std::vector<Clue>& clues) {
    ClueBook book;
    book.shape = layout.GetShape();
    for (int c = 0; c < book.shape.cats; ++c) {
        ClueBook::Category category{story.CategoryName(c), story.NounOne(c), story.NounMany(c), {}};
        for (int i = 0; i < book.shape.items; ++i)
            category.items.push_back(story.Label({c, i}));
        book.categories.push_back(category);
    }
    for (size_t i = 0; i < clues.size(); ++i) {
        book.clues.push_back(clues[i]);
        book.numbers.push_back(static_cast<int>(i + 1));
        book.texts.push_back(story.ClueText(clues[i]));
    }
    for (int c1 = 0; c1 < book.shape.cats; ++c1)
        for (int c2 = 0; c2 < book.shape.cats; ++c2)
            for (int a = 0; a < book.shape.items; ++a)
                for (int b = 0; b < book.shape.items; ++b) {
                    int column = 0, row = 0;
                    if (layout.CellOf({c1, a}, {c2, b}, column, row))
                        book.cell[c1][a][c2][b] = {column, row};
                }
    return book;
}

} // namespace puzzlegen
