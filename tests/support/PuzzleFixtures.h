// Small bitmap and puzzle files made on the fly, for tests and benchmarks.
// Header-only so that benchmarks can use it without the test libraries.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace fixtures {

inline void PutLE(std::string& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

struct BitmapSpec {
    int32_t width = 4;
    int32_t height = 3;
    uint16_t bits = 8;
    uint32_t colorsUsed = 0;     // 0: the full table for 1, 4 and 8 bits
    uint32_t headerSize = 40;    // 12 for the core header; 108 or 124 for the newer ones
    uint32_t compression = 0;    // 0 plain, 3 bit fields (16 and 32 bits)
    int32_t extraOffset = 0;     // a gap between the colour table and the bits
    int64_t pixelBytesDelta = 0; // add (or cut, when negative) pixel bytes
};

// Colour i of the fixture's table: (red, green, blue) = (i, 255 - i, i * 7).
inline uint8_t FixtureRed(uint32_t i) {
    return static_cast<uint8_t>(i);
}
inline uint8_t FixtureGreen(uint32_t i) {
    return static_cast<uint8_t>(255 - i);
}
inline uint8_t FixtureBlue(uint32_t i) {
    return static_cast<uint8_t>(i * 7);
}

// A bitmap file: file header, information header, colour table (and masks
// for bit fields), pixel rows of a diagonal pattern.
inline std::string BitmapFile(const BitmapSpec& s) {
    const bool core = s.headerSize == 12;
    uint32_t colors = s.colorsUsed;
    if (colors == 0 && s.bits <= 8)
        colors = 1u << s.bits;
    const uint32_t entry = core ? 3 : 4;
    const uint32_t masks = (!core && s.headerSize == 40 && s.compression == 3) ? 12 : 0;
    const uint32_t absHeight = static_cast<uint32_t>(s.height < 0 ? -s.height : s.height);
    const uint32_t rowBytes = ((static_cast<uint32_t>(s.width) * s.bits + 31) / 32) * 4;
    int64_t pixelBytes = static_cast<int64_t>(rowBytes) * absHeight + s.pixelBytesDelta;
    if (pixelBytes < 0)
        pixelBytes = 0;
    const uint32_t offBits = 14 + s.headerSize + masks + colors * entry + s.extraOffset;

    std::string out = "BM";
    PutLE(out, offBits + static_cast<uint32_t>(pixelBytes), 4);
    PutLE(out, 0, 4);
    PutLE(out, offBits, 4);
    PutLE(out, s.headerSize, 4);
    if (core) {
        PutLE(out, static_cast<uint32_t>(s.width), 2);
        PutLE(out, static_cast<uint32_t>(s.height), 2);
        PutLE(out, 1, 2);
        PutLE(out, s.bits, 2);
    } else {
        PutLE(out, static_cast<uint32_t>(s.width), 4);
        PutLE(out, static_cast<uint32_t>(s.height), 4);
        PutLE(out, 1, 2);
        PutLE(out, s.bits, 2);
        PutLE(out, s.compression, 4);
        PutLE(out, static_cast<uint32_t>(rowBytes * absHeight), 4);
        PutLE(out, 2835, 4);
        PutLE(out, 2835, 4);
        PutLE(out, s.colorsUsed, 4);
        PutLE(out, 0, 4);
        // Newer headers: masks, colour space and the rest, zero but for the masks.
        std::string rest(s.headerSize - 40, '\0');
        if (s.headerSize >= 56) {
            std::string m;
            if (s.bits == 16) {
                PutLE(m, 0x7C00, 4);
                PutLE(m, 0x03E0, 4);
                PutLE(m, 0x001F, 4);
            } else {
                PutLE(m, 0x00FF0000, 4);
                PutLE(m, 0x0000FF00, 4);
                PutLE(m, 0x000000FF, 4);
            }
            rest.replace(0, m.size(), m);
        }
        out += rest;
    }
    if (masks) {
        if (s.bits == 16) {
            PutLE(out, 0xF800, 4); // 5-6-5
            PutLE(out, 0x07E0, 4);
            PutLE(out, 0x001F, 4);
        } else {
            PutLE(out, 0x00FF0000, 4);
            PutLE(out, 0x0000FF00, 4);
            PutLE(out, 0x000000FF, 4);
        }
    }
    for (uint32_t i = 0; i < colors; ++i) {
        out.push_back(static_cast<char>(FixtureBlue(i)));
        out.push_back(static_cast<char>(FixtureGreen(i)));
        out.push_back(static_cast<char>(FixtureRed(i)));
        if (!core)
            out.push_back('\0');
    }
    out.append(static_cast<size_t>(s.extraOffset), '\x5A');
    for (int64_t i = 0; i < pixelBytes; ++i)
        out.push_back(static_cast<char>((i * 13 + (rowBytes ? i / rowBytes : 0)) & 0xFF));
    return out;
}

// Lines joined with CR LF, each line ended, as the game writes its files.
inline std::string Lines(std::initializer_list<std::string> lines) {
    std::string out;
    for (const auto& l : lines)
        out += l + "\r\n";
    return out;
}

// The lines given as "a|b|c", each ended with CR LF.
inline std::string Bars(const std::string& bars) {
    std::string out;
    size_t start = 0;
    for (size_t bar; (bar = bars.find('|', start)) != std::string::npos; start = bar + 1)
        out += bars.substr(start, bar - start) + "\r\n";
    return out + bars.substr(start) + "\r\n";
}

inline std::string Lines(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& l : lines)
        out += l + "\r\n";
    return out;
}

} // namespace fixtures
