#include "puzzle/BoardLayout.h"

#include <algorithm>
#include <iterator>

namespace {

// The first line of every band: a line starts a band when the line before it
// has no cells or other positions than it.
std::vector<int> Bands(const std::map<int, std::set<int>>& lines) {
    std::vector<int> starts;
    const std::set<int>* previous = nullptr;
    int previousIndex = 0;
    for (const auto& [index, positions] : lines) {
        if (!previous || index != previousIndex + 1 || *previous != positions)
            starts.push_back(index);
        previous = &positions;
        previousIndex = index;
    }
    return starts;
}

} // namespace

CBoardLayout::CBoardLayout(const std::vector<std::unique_ptr<CGridCell>>& cells) {
    for (const auto& cell : cells) {
        m_byRow[cell->row].insert(cell->column);
        m_byColumn[cell->column].insert(cell->row);
    }
    m_rowStarts = Bands(m_byRow);
    m_columnStarts = Bands(m_byColumn);
}

bool CBoardLayout::Has(int column, int row) const {
    auto it = m_byRow.find(row);
    return it != m_byRow.end() && it->second.count(column) != 0;
}

int CBoardLayout::BandStart(const std::vector<int>& starts, int value) {
    auto it = std::upper_bound(starts.begin(), starts.end(), value);
    return it == starts.begin() ? value : *std::prev(it);
}

int CBoardLayout::BandEnd(const std::vector<int>& starts, int value, int last) {
    auto it = std::upper_bound(starts.begin(), starts.end(), value);
    return it == starts.end() ? last + 1 : *it;
}

CBoardLayout::Block CBoardLayout::BlockOf(int column, int row) const {
    if (!Has(column, row))
        return {};
    return {BandStart(m_columnStarts, column), BandStart(m_rowStarts, row),
            BandEnd(m_columnStarts, column, m_byColumn.rbegin()->first),
            BandEnd(m_rowStarts, row, m_byRow.rbegin()->first)};
}

bool CBoardLayout::Step(int& column, int& row, Move move) const {
    if (!Has(column, row))
        return false;
    const std::set<int>& inRow = m_byRow.at(row);
    const std::set<int>& inColumn = m_byColumn.at(column);
    auto before = [](const std::set<int>& s, int v, int& out) {
        auto it = s.lower_bound(v);
        if (it == s.begin())
            return false;
        out = *std::prev(it);
        return true;
    };
    auto after = [](const std::set<int>& s, int v, int& out) {
        auto it = s.upper_bound(v);
        if (it == s.end())
            return false;
        out = *it;
        return true;
    };
    switch (move) {
    case Move::left:
        return before(inRow, column, column);
    case Move::right:
        return after(inRow, column, column);
    case Move::up:
        return before(inColumn, row, row);
    case Move::down:
        return after(inColumn, row, row);
    case Move::rowStart:
        column = *inRow.begin();
        return true;
    case Move::rowEnd:
        column = *inRow.rbegin();
        return true;
    case Move::blockUp:
    case Move::blockDown: {
        auto band = std::upper_bound(m_rowStarts.begin(), m_rowStarts.end(), row);
        const int start = *std::prev(band);
        int target = 0;
        if (move == Move::blockDown) {
            if (band == m_rowStarts.end())
                return false;
            target = *band + (row - start);
        } else {
            if (std::prev(band) == m_rowStarts.begin())
                return false;
            target = *std::prev(band, 2) + (row - start);
        }
        if (!Has(column, target))
            return false;
        row = target;
        return true;
    }
    }
    return false;
}
