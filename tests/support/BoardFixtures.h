// Small pictures and a small puzzle for the board's tests, written on the fly.
#pragma once

#include "tests/support/PuzzleFixtures.h"
#include "tests/support/Recorders.h"

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace testing_support {

struct BmpColor {
    uint8_t red = 0, green = 0, blue = 0;
};

// The file and information headers of an uncompressed bitmap whose colour
// table and pixel rows follow.
inline std::string BmpHeaders(int width, int height, int bits, uint32_t colours,
                              uint32_t imageBytes) {
    const uint32_t bitsOffset = 14 + 40 + colours * 4;
    std::string out = "BM";
    const uint32_t w = static_cast<uint32_t>(width), h = static_cast<uint32_t>(height);
    // Value and byte count of each field, in file order.
    // clang-format off
    const std::pair<uint32_t, int> fields[] = {
        {bitsOffset + imageBytes, 4}, {0, 4}, {bitsOffset, 4},          // file header
        {40, 4}, {w, 4}, {h, 4}, {1, 2}, {static_cast<uint32_t>(bits), 2}, // information
        {0, 4}, {imageBytes, 4}, {2835, 4}, {2835, 4}, {colours, 4}, {0, 4}};
    // clang-format on
    for (auto [value, bytes] : fields)
        fixtures::PutLE(out, value, bytes);
    return out;
}

// An 8-bit bitmap file with the given colour table; pixel(x, y) gives the
// colour index, y counted from the top.
inline std::string MakeBmp8(int width, int height, const std::vector<BmpColor>& table,
                            const std::function<uint8_t(int, int)>& pixel) {
    const int stride = (width + 3) & ~3;
    std::string out = BmpHeaders(width, height, 8, static_cast<uint32_t>(table.size()),
                                 static_cast<uint32_t>(stride * height));
    for (const BmpColor& c : table) {
        out.push_back(static_cast<char>(c.blue));
        out.push_back(static_cast<char>(c.green));
        out.push_back(static_cast<char>(c.red));
        out.push_back(0);
    }
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < stride; ++x)
            out.push_back(x < width ? static_cast<char>(pixel(x, y)) : 0);
    }
    return out;
}

// A 24-bit bitmap file (no colour table) of one colour.
inline std::string MakeBmp24(int width, int height, BmpColor color) {
    const int stride = (width * 3 + 3) & ~3;
    std::string out = BmpHeaders(width, height, 24, 0, static_cast<uint32_t>(stride * height));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < stride; ++x) {
            if (x < width * 3)
                out.push_back(static_cast<char>(x % 3 == 0   ? color.blue
                                                : x % 3 == 1 ? color.green
                                                             : color.red));
            else
                out.push_back(0);
        }
    }
    return out;
}

// The board test puzzle: a 240 x 140 picture, light grey with black grid
// lines, cell size 15 and grid offsets (100, 50); cells in columns 0-5 and
// rows 0-3; answer 0,0 2,1 4,3; hint 1 names 0,0 and 1,0, hint 2 names 2,1,
// hint 3 names 1,0 and 3,3.
struct TestPuzzle {
    static constexpr int kWidth = 240, kHeight = 140;
    static constexpr int kCellSize = 15, kOffsetX = 100, kOffsetY = 50;
    static constexpr int kColumns = 6, kRows = 4;
    static constexpr BmpColor kPaper{230, 230, 230};
    static constexpr BmpColor kInk{0, 0, 0};

    static std::string Picture() {
        return MakeBmp8(kWidth, kHeight, {kPaper, kInk}, [](int x, int y) -> uint8_t {
            const bool inX = x >= kOffsetX && x <= kOffsetX + kColumns * kCellSize;
            const bool inY = y >= kOffsetY && y <= kOffsetY + kRows * kCellSize;
            if (inX && inY && ((x - kOffsetX) % kCellSize == 0 || (y - kOffsetY) % kCellSize == 0))
                return 1;
            return 0;
        });
    }

    static std::string PuzzleFile(const std::string& pictureName = "test.bmp") {
        std::string s = pictureName + "\r\n15\r\nOffsets\r\n100\r\n50\r\nStart Grid\r\n";
        for (int row = 0; row < kRows; ++row)
            for (int column = 0; column < kColumns; ++column)
                s += std::to_string(column) + "\r\n" + std::to_string(row) + "\r\n";
        s += "End Grid\r\nStart Answer\r\n0,0\r\n2,1\r\n4,3\r\nEnd Answer\r\n";
        s += "Start Hint\r\n0,0\r\n1,0\r\nEnd Hint\r\n";
        s += "Start Hint\r\n2,1\r\nEnd Hint\r\n";
        s += "Start Hint\r\n1,0\r\n3,3\r\nEnd Hint\r\n";
        return s;
    }

    // Writes data/test.bgd and data/test.bmp under folder (ending in "/");
    // returns the puzzle path.
    static std::string WriteTo(const std::string& folder) {
        WriteBytes(folder + "data/test.bmp", Picture());
        WriteBytes(folder + "data/test.bgd", PuzzleFile());
        return folder + "data/test.bgd";
    }
};

} // namespace testing_support
