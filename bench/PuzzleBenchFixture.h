// The benchmark puzzle: 1,000 cells (a 40 x 25 board), 500 answer cells,
// 60 hints of 8 cells each, and a 1024 x 768 8-bit picture, written to a
// fresh folder under /tmp.
#pragma once

#include "puzzle/GridCell.h"
#include "tests/support/PuzzleFixtures.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace bench_fixture {

inline constexpr int kColumns = 40;
inline constexpr int kRows = 25;

// Returns the puzzle file's path; the folder holds it and "board.bmp".
inline std::string WriteBenchPuzzle() {
    char pattern[] = "/tmp/deduxa-bench-XXXXXX";
    const char* made = ::mkdtemp(pattern);
    if (!made)
        std::abort();
    const std::string folder = std::string(made) + "/";
    fixtures::BitmapSpec spec;
    spec.width = 1024;
    spec.height = 768;
    spec.bits = 8;
    std::ofstream(folder + "board.bmp", std::ios::binary) << fixtures::BitmapFile(spec);

    std::vector<std::string> lines = {"board.bmp", "15", "Offsets", "120", "90", "Start Grid"};
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            lines.push_back(std::to_string(column));
            lines.push_back(std::to_string(row));
        }
    }
    lines.push_back("End Grid");
    lines.push_back("Start Answer");
    for (int i = 0; i < 500; ++i)
        lines.push_back(CellKey((i * 7) % kColumns, i / 20));
    lines.push_back("End Answer");
    for (int h = 0; h < 60; ++h) {
        lines.push_back("Start Hint");
        for (int k = 0; k < 8; ++k)
            lines.push_back(CellKey((h + k * 5) % kColumns, (h * 3 + k) % kRows));
        lines.push_back("End Hint");
    }
    std::ofstream(folder + "board.bgd", std::ios::binary) << fixtures::Lines(lines);
    return folder + "board.bgd";
}

inline void RemoveBenchPuzzle(const std::string& path) {
    std::filesystem::remove_all(std::filesystem::path(path).parent_path());
}

} // namespace bench_fixture
