// The game's sounds: wave files (RIFF WAVE) of uncompressed PCM. The reader
// takes the format and the samples and checks them against the file's own
// sizes; anything else is no sound.
#pragma once

#include <string>

namespace platform {

struct WaveSound {
    int channels = 0;      // 1 or 2
    int sampleRate = 0;    // frames a second
    int bitsPerSample = 0; // 8 (unsigned) or 16 (signed, little-endian)
    std::string samples;   // whole frames, interleaved
    int FrameBytes() const { return channels * bitsPerSample / 8; }
};

inline constexpr int kMinWaveRate = 1000;
inline constexpr int kMaxWaveRate = 192000;

// The sound in the bytes of a wave file: a "fmt " chunk of PCM with 8 or 16
// bits, 1 or 2 channels and a rate from kMinWaveRate to kMaxWaveRate, and a
// "data" chunk of at least one whole frame. A data chunk the file cuts short
// keeps the frames it holds; a byte of a part frame at the end is dropped.
// False, and wave as it was, for anything else.
bool ParseWave(const std::string& bytes, WaveSound& wave);

// Reads the file at path (a regular file, as every data file) and parses it.
bool ReadWaveFile(const std::string& path, WaveSound& wave);

} // namespace platform
