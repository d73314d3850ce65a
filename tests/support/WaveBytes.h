// Wave files built byte by byte for the sound tests.
#pragma once

#include <cstdint>
#include <string>

namespace testing_support {

inline std::string Le(uint32_t v, int bytes) {
    std::string s;
    for (int i = 0; i < bytes; ++i)
        s += static_cast<char>((v >> (8 * i)) & 0xFF);
    return s;
}

inline std::string Chunk(const std::string& id, const std::string& body) {
    return id + Le(static_cast<uint32_t>(body.size()), 4) + body +
           std::string(body.size() % 2, '\0');
}

inline std::string FormatBody(int tag, int channels, int rate, int bits) {
    const int frame = channels * bits / 8;
    return Le(tag, 2) + Le(channels, 2) + Le(rate, 4) + Le(rate * frame, 4) + Le(frame, 2) +
           Le(bits, 2);
}

// A RIFF WAVE file of the chunks given, in order.
inline std::string Riff(const std::string& chunks) {
    return "RIFF" + Le(static_cast<uint32_t>(4 + chunks.size()), 4) + "WAVE" + chunks;
}

inline std::string PcmWave(int channels, int rate, int bits, const std::string& samples) {
    return Riff(Chunk("fmt ", FormatBody(1, channels, rate, bits)) + Chunk("data", samples));
}

} // namespace testing_support
