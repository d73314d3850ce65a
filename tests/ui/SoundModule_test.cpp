// The game's sound path end to end: the wave file read, handed to the sound
// module and written by ALSA to a device. The device is ALSA's "file" device
// over its "null" one, from a configuration of the test's own, so the samples
// that reach the device can be compared with the file's.
#include "platform/DataPath.h"
#include "platform/qt/QtSound.h"
#include "tests/support/Recorders.h"
#include "tests/support/WaveBytes.h"

#include <QElapsedTimer>
#include <QThread>
#include <cstdlib>
#include <gtest/gtest.h>

using namespace testing_support;

namespace {

std::string Played(const std::string& path, size_t expected) {
    QElapsedTimer clock;
    clock.start();
    std::string out;
    while (clock.elapsed() < 10000) {
        out = ReadBytes(path);
        if (out.size() >= expected)
            break;
        QThread::msleep(20);
    }
    return out;
}

TEST(SoundModule, ASoundFileReachesTheDeviceSampleForSample) {
    TempDir dir;
    const std::string out = dir.File("device.raw");
    WriteBytes(dir.File("asound.conf"),
               "pcm.!default { type file; slave.pcm { type null }; file \"" + out +
                   "\"; format \"raw\" }\n");
    // ALSA reads this instead of the system's configuration.
    ::setenv("ALSA_CONFIG_PATH", dir.File("asound.conf").c_str(), 1);
    std::string samples;
    for (int i = 0; i < 4000; ++i)
        samples += static_cast<char>(i * 7 % 251);
    WriteBytes(dir.File("data/ring.wav"), PcmWave(2, 22050, 16, samples));
    WriteBytes(dir.File("data/bad.wav"), "RIFF but no sound");
    platform::SetDataFolder(dir.Path());

    platform::CQtSound& sound = platform::CQtSound::Instance();
    sound.Play("data\\bad.wav"); // silence, and no fault
    sound.Play("data\\missing.wav");
    sound.Play("data\\ring.wav");
    ASSERT_FALSE(sound.Silent()) << "the sound module or its device was not found";
    EXPECT_EQ(Played(out, samples.size()), samples);
}

} // namespace
