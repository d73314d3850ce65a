#include "tests/support/AntsFixtures.h"

#include "tests/support/Recorders.h"

#include <filesystem>

namespace testing_support {

namespace {

void Put16(std::string& out, uint32_t v) {
    out += static_cast<char>(v & 0xff);
    out += static_cast<char>((v >> 8) & 0xff);
}

void Put32(std::string& out, uint32_t v) {
    Put16(out, v & 0xffff);
    Put16(out, v >> 16);
}

} // namespace

void WriteTestBmp(const std::string& path, int width, int height, uint8_t fill, uint8_t mark,
                  const std::vector<uint32_t>& colours) {
    const uint32_t stride = (static_cast<uint32_t>(width) + 3) & ~3u;
    const uint32_t colourCount = 16;
    const uint32_t bitsOffset = 14 + 40 + colourCount * 4;
    const uint32_t imageSize = stride * static_cast<uint32_t>(height);
    std::string out;
    out += "BM";
    Put32(out, bitsOffset + imageSize);
    Put32(out, 0);
    Put32(out, bitsOffset);
    Put32(out, 40);
    Put32(out, static_cast<uint32_t>(width));
    Put32(out, static_cast<uint32_t>(height));
    Put16(out, 1);
    Put16(out, 8);
    Put32(out, 0); // BI_RGB
    Put32(out, imageSize);
    Put32(out, 2835);
    Put32(out, 2835);
    Put32(out, colourCount);
    Put32(out, 0);
    for (uint32_t i = 0; i < colourCount; ++i) {
        uint32_t rgb = i < colours.size() ? colours[i] : 0x808080;
        out += static_cast<char>(rgb & 0xff);         // blue
        out += static_cast<char>((rgb >> 8) & 0xff);  // green
        out += static_cast<char>((rgb >> 16) & 0xff); // red
        out += '\0';
    }
    const int markLeft = width / 3, markRight = width - width / 3;
    const int markTop = height / 3, markBottom = height - height / 3;
    for (int row = 0; row < height; ++row) {
        for (uint32_t col = 0; col < stride; ++col) {
            const int c = static_cast<int>(col);
            bool inMark = c >= markLeft && c < markRight && row >= markTop && row < markBottom;
            out += static_cast<char>(c < width ? (inMark ? mark : fill) : 0);
        }
    }
    WriteBytes(path, out);
}

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
