#include "puzzlegen/Media.h"

#include <algorithm>
#include <cmath>
#include <fstream>

namespace puzzlegen {

namespace {

void Put16(std::vector<uint8_t>& b, uint32_t v) {
    b.push_back(static_cast<uint8_t>(v));
    b.push_back(static_cast<uint8_t>(v >> 8));
}
void Put32(std::vector<uint8_t>& b, uint32_t v) {
    Put16(b, v & 0xffff);
    Put16(b, v >> 16);
}

bool WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

} // namespace

std::vector<uint8_t> EncodeBmp8(const IndexedImage& image) {
    const uint32_t colours = static_cast<uint32_t>(image.palette.size());
    const uint32_t stride = (static_cast<uint32_t>(image.width) + 3) & ~3u;
    const uint32_t bitsSize = stride * static_cast<uint32_t>(image.height);
    const uint32_t offset = 14 + 40 + colours * 4;
    std::vector<uint8_t> b;
    b.reserve(offset + bitsSize);
    b.push_back('B');
    b.push_back('M');
    Put32(b, offset + bitsSize);
    Put32(b, 0);
    Put32(b, offset);
    Put32(b, 40);
    Put32(b, static_cast<uint32_t>(image.width));
    Put32(b, static_cast<uint32_t>(image.height)); // positive: bottom-up
    Put16(b, 1);
    Put16(b, 8);
    Put32(b, 0); // no compression
    Put32(b, bitsSize);
    Put32(b, 2835); // 72 dpi
    Put32(b, 2835);
    Put32(b, colours);
    Put32(b, 0);
    for (uint32_t rgb : image.palette) {
        b.push_back(static_cast<uint8_t>(rgb));       // blue
        b.push_back(static_cast<uint8_t>(rgb >> 8));  // green
        b.push_back(static_cast<uint8_t>(rgb >> 16)); // red
        b.push_back(0);
    }
    for (int y = image.height - 1; y >= 0; --y) {
        const uint8_t* row = image.pixels.data() + static_cast<size_t>(y) * image.width;
        b.insert(b.end(), row, row + image.width);
        for (uint32_t pad = static_cast<uint32_t>(image.width); pad < stride; ++pad)
            b.push_back(0);
    }
    return b;
}

bool WriteBmp8(const std::string& path, const IndexedImage& image) {
    return WriteBytes(path, EncodeBmp8(image));
}

std::vector<uint8_t> EncodeWav16(const std::vector<int16_t>& samples, int sampleRate) {
    const uint32_t dataSize = static_cast<uint32_t>(samples.size() * 2);
    std::vector<uint8_t> b;
    b.insert(b.end(), {'R', 'I', 'F', 'F'});
    Put32(b, 36 + dataSize);
    b.insert(b.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    Put32(b, 16);
    Put16(b, 1); // PCM
    Put16(b, 1); // mono
    Put32(b, static_cast<uint32_t>(sampleRate));
    Put32(b, static_cast<uint32_t>(sampleRate * 2));
    Put16(b, 2);
    Put16(b, 16);
    b.insert(b.end(), {'d', 'a', 't', 'a'});
    Put32(b, dataSize);
    for (int16_t s : samples)
        Put16(b, static_cast<uint16_t>(s));
    return b;
}

bool WriteWav16(const std::string& path, const std::vector<int16_t>& samples, int sampleRate) {
    return WriteBytes(path, EncodeWav16(samples, sampleRate));
}

std::vector<int16_t> Synthesize(const std::vector<Note>& notes, uint32_t noiseSeed) {
    double end = 0;
    for (const Note& n : notes)
        end = std::max(end, n.start + n.length);
    const size_t count = static_cast<size_t>(end * kSoundRate) + 1;
    std::vector<double> mix(count, 0.0);
    uint32_t noise = noiseSeed;
    for (const Note& n : notes) {
        const size_t first = static_cast<size_t>(n.start * kSoundRate);
        const size_t len = static_cast<size_t>(n.length * kSoundRate);
        double phase = 0, low = 0;
        for (size_t i = 0; i < len && first + i < count; ++i) {
            const double t = static_cast<double>(i) / kSoundRate;
            const double f = n.freqEnd > 0 ? n.freq + (n.freqEnd - n.freq) * t / n.length : n.freq;
            phase += f / kSoundRate;
            phase -= std::floor(phase);
            double v = 0;
            switch (n.wave) {
            case Note::Sine:
                v = std::sin(2 * M_PI * phase) * 0.8 + std::sin(4 * M_PI * phase) * 0.2;
                break;
            case Note::Square:
                v = phase < 0.5 ? 0.6 : -0.6;
                break;
            case Note::Triangle:
                v = 4 * std::abs(phase - 0.5) - 1;
                break;
            case Note::Noise: {
                noise = noise * 1664525u + 1013904223u;
                const double white = static_cast<double>(noise >> 8) / 8388608.0 - 1.0;
                // A one-pole low-pass whose corner follows the frequency.
                const double k = std::min(1.0, f / kSoundRate * 6.0);
                low += k * (white - low);
                v = low * 1.6;
                break;
            }
            }
            // Envelope: linear attack, exponential decay to the note's end.
            const double attack = n.attack > 0 ? std::min(1.0, t / n.attack) : 1.0;
            const double decay = std::exp(-3.0 * t / n.length);
            const double tail = std::min(1.0, (n.length - t) / 0.01); // no click at the end
            mix[first + i] += v * n.volume * attack * decay * std::max(0.0, tail);
        }
    }
    std::vector<int16_t> out(count);
    for (size_t i = 0; i < count; ++i)
        out[i] = static_cast<int16_t>(std::tanh(mix[i]) * 26000.0);
    return out;
}

std::vector<SoundDef> GameSounds() {
    using W = Note::Wave;
    const double C5 = 523.25, D5 = 587.33, E5 = 659.26, G5 = 783.99, A5 = 880.0, C6 = 1046.5;
    const double G4 = 392.0, E4 = 329.63, C4 = 261.63, A4 = 440.0;
    std::vector<SoundDef> s;
    s.push_back({"start.wav",
                 {{0.00, 0.18, C5, 0, 0.5, W::Sine, 0.005},
                  {0.12, 0.18, E5, 0, 0.5, W::Sine, 0.005},
                  {0.24, 0.35, G5, 0, 0.5, W::Sine, 0.005}}});
    s.push_back(
        {"clue.wav",
         {{0.00, 0.20, A5, 0, 0.45, W::Sine, 0.005}, {0.15, 0.30, E5, 0, 0.45, W::Sine, 0.005}}});
    s.push_back({"corcheck.wav",
                 {{0.00, 0.15, E5, 0, 0.5, W::Triangle, 0.005},
                  {0.12, 0.30, A5, 0, 0.5, W::Triangle, 0.005}}});
    s.push_back({"inccheck.wav",
                 {{0.00, 0.18, E5, 0, 0.5, W::Triangle, 0.005},
                  {0.15, 0.32, C5, 0, 0.5, W::Triangle, 0.005}}});
    s.push_back({"incshow.wav",
                 {{0.00, 0.20, G4, 0, 0.5, W::Triangle, 0.01},
                  {0.18, 0.20, E4, 0, 0.5, W::Triangle, 0.01},
                  {0.36, 0.35, C4, 0, 0.5, W::Triangle, 0.01}}});
    s.push_back({"correct.wav",
                 {{0.00, 0.14, C5, 0, 0.45, W::Sine, 0.005},
                  {0.11, 0.14, E5, 0, 0.45, W::Sine, 0.005},
                  {0.22, 0.14, G5, 0, 0.45, W::Sine, 0.005},
                  {0.33, 0.55, C6, 0, 0.5, W::Sine, 0.005},
                  {0.33, 0.55, G5, 0, 0.25, W::Sine, 0.005}}});
    s.push_back({"wrong.wav",
                 {{0.00, 0.45, 220, 150, 0.35, W::Square, 0.01},
                  {0.00, 0.45, 223, 152, 0.25, W::Square, 0.01}}});
    s.push_back({"whoosh.wav", {{0.00, 0.40, 300, 3000, 0.9, W::Noise, 0.15}}});
    s.push_back({"dxup.wav", {{0.00, 0.05, 1400, 900, 0.45, W::Sine, 0.002}}});
    s.push_back(
        {"new.wav",
         {{0.00, 0.25, G5, 0, 0.4, W::Sine, 0.005}, {0.10, 0.35, D5, 0, 0.3, W::Sine, 0.005}}});
    s.push_back({"About.wav",
                 {{0.00, 0.90, C5, 0, 0.3, W::Sine, 0.02},
                  {0.08, 0.82, E5, 0, 0.3, W::Sine, 0.02},
                  {0.16, 0.74, G5, 0, 0.3, W::Sine, 0.02},
                  {0.24, 0.66, C6, 0, 0.25, W::Sine, 0.02}}});
    s.push_back({"startant.wav",
                 {{0.00, 0.10, G4, 0, 0.4, W::Square, 0.005},
                  {0.10, 0.10, C5, 0, 0.4, W::Square, 0.005},
                  {0.20, 0.10, E5, 0, 0.4, W::Square, 0.005},
                  {0.30, 0.30, G5, 0, 0.4, W::Square, 0.005}}});
    s.push_back({"gotcha.wav", {{0.00, 0.12, 600, 1800, 0.5, W::Triangle, 0.003}}});
    s.push_back({"shoop.wav", {{0.00, 0.15, 2500, 600, 0.7, W::Noise, 0.02}}});
    s.push_back({"endant.wav",
                 {{0.00, 0.16, G5, 0, 0.4, W::Triangle, 0.005},
                  {0.15, 0.16, E5, 0, 0.4, W::Triangle, 0.005},
                  {0.30, 0.16, C5, 0, 0.4, W::Triangle, 0.005},
                  {0.45, 0.40, A4, 0, 0.4, W::Triangle, 0.005}}});
    return s;
}

} // namespace puzzlegen
