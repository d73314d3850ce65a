#include "tests/support/AntsFixtures.h"

#include "tests/support/BoardFixtures.h"

#include <filesystem>

namespace testing_support {

namespace {

// An 8-bit picture filled with colour index fill, with a square of index mark
// in its middle third, and a 16-colour table whose entry i is colours[i]
// (0xRRGGBB; missing entries are grey).
void WriteTestBmp(const std::string& path, int width, int height, uint8_t fill, uint8_t mark,
                  const std::vector<uint32_t>& colours) {
    std::vector<BmpColor> table;
    for (uint32_t i = 0; i < 16; ++i) {
        const uint32_t rgb = i < colours.size() ? colours[i] : 0x808080;
        table.push_back({static_cast<uint8_t>(rgb >> 16), static_cast<uint8_t>(rgb >> 8),
                         static_cast<uint8_t>(rgb)});
    }
    WriteBytes(path, MakeBmp8(width, height, table, [=](int x, int y) -> uint8_t {
                   const bool inMark = x >= width / 3 && x < width - width / 3 && y >= height / 3 &&
                                       y < height - height / 3;
                   return inMark ? mark : fill;
               }));
}

} // namespace

std::vector<AntSpot> DefaultAntSpots() {
    std::vector<AntSpot> spots;
    for (int i = 0; i < 10; ++i)
        spots.push_back({40 + (i % 5) * 120, 100 + (i / 5) * 200, 36, 40});
    return spots;
}

void MakeAntsFolder(const std::string& dataFolder, const std::vector<AntSpot>& spots) {
    std::string folder = dataFolder;
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    folder += "ants/";
    std::filesystem::create_directories(folder);
    // Colours: 0 soil, 1 hole, 2-4 ant bodies, 5 grass.
    const std::vector<uint32_t> colours{0x806040, 0x201008, 0xC02020, 0xD04040, 0xE06060, 0x30A030};
    WriteTestBmp(folder + "field.bmp", 640, 480, 5, 0, colours);
    for (int frame = 0; frame < 4; ++frame)
        WriteTestBmp(folder + "ant" + std::to_string(frame) + ".bmp", 36, 40, 0,
                     static_cast<uint8_t>(frame == 0 ? 1 : frame + 1), colours);
    std::string dat = "field\r\n";
    for (size_t i = 0; i < 10; ++i) {
        if (i < spots.size()) {
            const AntSpot& s = spots[i];
            dat += "ant\r\n" + std::to_string(s.x) + "\r\n" + std::to_string(s.y) + "\r\n" +
                   std::to_string(s.width) + "\r\n" + std::to_string(s.height) + "\r\n";
        }
    }
    WriteBytes(folder + "ants.dat", dat);
}

} // namespace testing_support
