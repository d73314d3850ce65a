#include "puzzle/GridCell.h"

#include "platform/TextFile.h"

std::string CellKey(int column, int row) {
    return std::to_string(column) + "," + std::to_string(row);
}

void SplitCellKey(const std::string& key, int& column, int& row) {
    size_t comma = key.find(',');
    column = platform::ParseInt(key.substr(0, comma));
    row = comma == std::string::npos ? 0 : platform::ParseInt(key.substr(comma + 1));
}
