// The wave file reader: any bytes as one of the game's sounds. A sound it
// takes must be one the sound module can play: a known format, whole frames
// only, no more samples than the file holds.
#include "fuzz/FuzzFile.h"
#include "platform/WaveFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string path = fuzz_support::ScratchPath("wave");
    fuzz_support::WriteScratch(path, data, size);
    platform::WaveSound wave;
    if (!platform::ReadWaveFile(path, wave))
        return 0;
    const bool known = (wave.channels == 1 || wave.channels == 2) &&
                       (wave.bitsPerSample == 8 || wave.bitsPerSample == 16) &&
                       wave.sampleRate >= platform::kMinWaveRate &&
                       wave.sampleRate <= platform::kMaxWaveRate;
    if (!known || wave.samples.empty() || wave.samples.size() % wave.FrameBytes() != 0 ||
        wave.samples.size() > size)
        __builtin_trap();
    return 0;
}
