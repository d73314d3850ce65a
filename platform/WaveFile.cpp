#include "platform/WaveFile.h"

#include "platform/FileError.h"
#include "platform/TextFile.h"

#include <cstdint>

namespace platform {

namespace {

uint32_t Le32(const std::string& b, size_t at) {
    return static_cast<uint32_t>(static_cast<unsigned char>(b[at])) |
           static_cast<uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8 |
           static_cast<uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16 |
           static_cast<uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24;
}

uint16_t Le16(const std::string& b, size_t at) {
    return static_cast<uint16_t>(static_cast<unsigned char>(b[at]) |
                                 static_cast<unsigned char>(b[at + 1]) << 8);
}

constexpr uint16_t kFormatPcm = 1;
constexpr uint16_t kFormatExtensible = 0xFFFE;

} // namespace

bool ParseWave(const std::string& bytes, WaveSound& wave) {
    if (bytes.size() < 12 || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "WAVE") != 0)
        return false;
    WaveSound found;
    bool haveFormat = false;
    size_t at = 12;
    // Chunks: a name, a size, the body, and a pad byte after an odd size.
    while (bytes.size() - at >= 8) {
        const std::string id = bytes.substr(at, 4);
        const uint64_t size = Le32(bytes, at + 4);
        const size_t body = at + 8;
        const size_t left = bytes.size() - body;
        if (id == "fmt ") {
            if (size < 16 || left < 16)
                return false;
            uint16_t format = Le16(bytes, body);
            // The extensible form names its format in the first two bytes
            // of its sub-format.
            if (format == kFormatExtensible && size >= 40 && left >= 40)
                format = Le16(bytes, body + 24);
            found.channels = Le16(bytes, body + 2);
            const uint32_t rate = Le32(bytes, body + 4);
            found.bitsPerSample = Le16(bytes, body + 14);
            if (format != kFormatPcm || (found.channels != 1 && found.channels != 2) ||
                (found.bitsPerSample != 8 && found.bitsPerSample != 16) || rate < kMinWaveRate ||
                rate > kMaxWaveRate)
                return false;
            found.sampleRate = static_cast<int>(rate);
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat)
                return false;
            const size_t frame = static_cast<size_t>(found.FrameBytes());
            const size_t held = size < left ? static_cast<size_t>(size) : left;
            if (held < frame)
                return false;
            found.samples = bytes.substr(body, held - held % frame);
            wave = std::move(found);
            return true;
        }
        if (size + (size & 1) > left)
            return false;
        at = body + static_cast<size_t>(size + (size & 1));
    }
    return false;
}

bool ReadWaveFile(const std::string& path, WaveSound& wave) {
    CTextFile file;
    if (!file.Open(path, CTextFile::modeRead))
        return false;
    std::string bytes;
    try {
        file.ReadBytes(bytes);
    } catch (const CFileException&) {
        return false;
    }
    return ParseWave(bytes, wave);
}

} // namespace platform
