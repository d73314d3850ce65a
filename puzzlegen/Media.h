// Writers of the game's picture and sound files, and the little synthesiser
// that makes the sounds.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace puzzlegen {

// An 8-bit picture with a colour table (0xRRGGBB entries, at most 256).
// Pixels are palette indices, top row first.
struct IndexedImage {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> palette;
    std::vector<uint8_t> pixels;
};

// The bitmap file: 14-byte file header, 40-byte information header with the
// colours-used count, the colour table, bottom-up rows padded to 4 bytes.
std::vector<uint8_t> EncodeBmp8(const IndexedImage& image);
bool WriteBmp8(const std::string& path, const IndexedImage& image);

// Mono 16-bit PCM wave file.
std::vector<uint8_t> EncodeWav16(const std::vector<int16_t>& samples, int sampleRate);
bool WriteWav16(const std::string& path, const std::vector<int16_t>& samples, int sampleRate);

inline constexpr int kSoundRate = 11025;

// One note of a sound: a waveform at a frequency that may glide, with an
// attack and a decay.
struct Note {
    double start = 0;    // seconds
    double length = 0.1; // seconds
    double freq = 440;   // Hz at the start
    double freqEnd = 0;  // Hz at the end (0: no glide)
    double volume = 0.5; // 0..1
    enum Wave { Sine, Square, Triangle, Noise } wave = Sine;
    double attack = 0.01; // seconds
};

// Mixes the notes into samples at kSoundRate, soft-clipped.
std::vector<int16_t> Synthesize(const std::vector<Note>& notes, uint32_t noiseSeed = 1);

// The game's sounds by file name ("start.wav" ...), each made from notes.
struct SoundDef {
    std::string file;
    std::vector<Note> notes;
};
std::vector<SoundDef> GameSounds();

} // namespace puzzlegen
