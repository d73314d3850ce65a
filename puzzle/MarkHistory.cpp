#include "puzzle/MarkHistory.h"

#include "puzzle/BoardLayout.h"
#include "puzzle/GridDoc.h"

#include <algorithm>

bool CMarkHistory::Record(CGridDoc& doc, const std::function<void()>& change) {
    const auto& cells = doc.GetCells();
    std::vector<int> before;
    before.reserve(cells.size());
    for (const auto& cell : cells)
        before.push_back(cell->state);
    Step step;
    step.markedBefore = doc.GetMarkedTrueList();
    change();
    // A change may not add or remove cells; should it, only the cells both
    // boards share are compared.
    const std::size_t count = std::min(before.size(), cells.size());
    for (std::size_t i = 0; i < count; ++i)
        if (cells[i]->state != before[i])
            step.cells.push_back({i, before[i], cells[i]->state});
    step.markedAfter = doc.GetMarkedTrueList();
    if (step.cells.empty() && step.markedAfter == step.markedBefore)
        return false;
    m_undo.push_back(std::move(step));
    m_redo.clear();
    return true;
}

void CMarkHistory::Apply(CGridDoc& doc, const Step& step, bool forward) {
    auto& cells = doc.GetCells();
    for (const CellChange& change : step.cells)
        if (change.index < cells.size())
            cells[change.index]->state = forward ? change.after : change.before;
    doc.GetMarkedTrueList() = forward ? step.markedAfter : step.markedBefore;
    if (!step.cells.empty() && step.cells.front().index < cells.size()) {
        m_lastColumn = cells[step.cells.front().index]->column;
        m_lastRow = cells[step.cells.front().index]->row;
    }
}

bool CMarkHistory::Undo(CGridDoc& doc) {
    if (m_undo.empty())
        return false;
    Apply(doc, m_undo.back(), false);
    m_redo.push_back(std::move(m_undo.back()));
    m_undo.pop_back();
    return true;
}

bool CMarkHistory::Redo(CGridDoc& doc) {
    if (m_redo.empty())
        return false;
    Apply(doc, m_redo.back(), true);
    m_undo.push_back(std::move(m_redo.back()));
    m_redo.pop_back();
    return true;
}

void CMarkHistory::Clear() {
    m_undo.clear();
    m_redo.clear();
}

std::vector<std::size_t> CMarkHistory::ChangeOrder() const {
    std::vector<std::size_t> order;
    for (auto step = m_undo.rbegin(); step != m_undo.rend(); ++step)
        for (auto change = step->cells.rbegin(); change != step->cells.rend(); ++change)
            if (std::find(order.begin(), order.end(), change->index) == order.end())
                order.push_back(change->index);
    std::reverse(order.begin(), order.end());
    return order;
}

namespace marks {

bool SetCellState(CGridDoc& doc, int column, int row, int state) {
    const CGridCell* cell = doc.FindCell(column, row);
    if (!cell || cell->state == state || state < CGridCell::stateEmpty ||
        state > CGridCell::stateTrue)
        return false;
    while (cell->state != state)
        doc.ToggleCell(column, row);
    return true;
}

int MarkRestFalse(CGridDoc& doc, const CBoardLayout& layout, int column, int row) {
    const CBoardLayout::Block block = layout.BlockOf(column, row);
    int marked = 0;
    auto mark = [&](int c, int r) {
        if (c == column && r == row)
            return;
        const CGridCell* cell = doc.FindCell(c, r);
        if (cell && cell->state == CGridCell::stateEmpty && doc.ToggleCell(c, r))
            ++marked;
    };
    for (int c = block.left; c < block.right; ++c)
        mark(c, row);
    for (int r = block.top; r < block.bottom; ++r)
        mark(column, r);
    return marked;
}

} // namespace marks
