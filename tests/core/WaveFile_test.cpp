#include "platform/WaveFile.h"
#include "tests/support/Recorders.h"
#include "tests/support/WaveBytes.h"

#include <gtest/gtest.h>

using namespace testing_support;
using platform::ParseWave;
using platform::WaveSound;

namespace {

const std::string kFrames = "\x01\x02\x03\x04\x05\x06\x07\x08";

TEST(WaveFile, TakesPcmAndItsWholeFrames) {
    const std::string fmt16 = Chunk("fmt ", FormatBody(1, 2, 44100, 16));
    // The extensible form: a sub-format whose first two bytes say PCM.
    const std::string extensible =
        Chunk("fmt ", FormatBody(0xFFFE, 1, 8000, 8) + Le(22, 2) + Le(8, 2) + Le(4, 4) + Le(1, 2) +
                          std::string(14, '\x11'));
    struct Case {
        const char* what;
        std::string bytes;
        int channels, rate, bits;
        std::string samples;
    } cases[] = {
        {"mono 16-bit", PcmWave(1, 11025, 16, kFrames), 1, 11025, 16, kFrames},
        {"stereo 8-bit", PcmWave(2, 8000, 8, kFrames), 2, 8000, 8, kFrames},
        {"extensible", Riff(extensible + Chunk("data", "abc")), 1, 8000, 8, "abc"},
        {"an odd chunk and its pad before the data",
         Riff(fmt16 + Chunk("LIST", "odd") + Chunk("data", kFrames)), 2, 44100, 16, kFrames},
        {"data cut short: the whole frames it holds",
         Riff(fmt16 + "data" + Le(400, 4) + kFrames.substr(0, 7)), 2, 44100, 16,
         "\x01\x02\x03\x04"},
    };
    for (const Case& c : cases) {
        WaveSound wave;
        ASSERT_TRUE(ParseWave(c.bytes, wave)) << c.what;
        EXPECT_EQ(wave.channels, c.channels) << c.what;
        EXPECT_EQ(wave.sampleRate, c.rate) << c.what;
        EXPECT_EQ(wave.bitsPerSample, c.bits) << c.what;
        EXPECT_EQ(wave.samples, c.samples) << c.what;
    }
}

TEST(WaveFile, RefusesWhatIsNoPlayableSound) {
    const std::string data = Chunk("data", kFrames);
    const std::string refused[] = {
        "",
        "RIFX" + PcmWave(1, 8000, 8, kFrames).substr(4),
        Riff(Chunk("fmt ", FormatBody(2, 1, 8000, 16)) + data),   // ADPCM
        Riff(Chunk("fmt ", FormatBody(1, 3, 8000, 16)) + data),   // three channels
        Riff(Chunk("fmt ", FormatBody(1, 1, 8000, 24)) + data),   // 24 bits
        Riff(Chunk("fmt ", FormatBody(1, 1, 500, 16)) + data),    // too slow to be sound
        Riff(Chunk("fmt ", FormatBody(1, 1, 400000, 16)) + data), // faster than any device
        Riff(Chunk("fmt ", FormatBody(1, 1, 8000, 16).substr(0, 14)) + data), // short format
        Riff(data + Chunk("fmt ", FormatBody(1, 1, 8000, 16))), // data before its format
        Riff(Chunk("fmt ", FormatBody(1, 2, 8000, 16)) + Chunk("data", "abc")), // no whole frame
        Riff(Chunk("fmt ", FormatBody(1, 1, 8000, 8)) + "LIST" + Le(0xFFFFFFF0u, 4) + data),
        Riff(Chunk("fmt ", FormatBody(1, 1, 8000, 8))), // no data at all
    };
    for (const std::string& bytes : refused) {
        WaveSound wave;
        wave.channels = 7;
        EXPECT_FALSE(ParseWave(bytes, wave)) << testing::PrintToString(bytes);
        EXPECT_EQ(wave.channels, 7) << "a refused file leaves the sound as it was";
    }
}

TEST(WaveFile, ReadsOnlyRegularFiles) {
    TempDir dir;
    WriteBytes(dir.File("a.wav"), PcmWave(1, 8000, 8, kFrames));
    WaveSound wave;
    EXPECT_TRUE(platform::ReadWaveFile(dir.File("a.wav"), wave));
    EXPECT_EQ(wave.samples, kFrames);
    EXPECT_FALSE(platform::ReadWaveFile(dir.Path(), wave));
    EXPECT_FALSE(platform::ReadWaveFile(dir.File("missing.wav"), wave));
}

} // namespace
