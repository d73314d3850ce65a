// Sound output. The game reads the wave file (platform/WaveFile.h); the
// playing is done by the sound module (ALSA, platform/qt/modules/
// SoundModule.cpp), loaded by the first sound, so start-up does not wait for
// the audio system. With no audio output device, or without the module, every
// sound is silent.
#pragma once

#include "platform/qt/modules/ModuleApi.h"

#include <string>

namespace platform {

class CQtSound {
public:
    static CQtSound& Instance();

    // Plays a file named relative to the data folder.
    void Play(const std::string& relativeName);
    // True once the audio system was found to have no output device (or the
    // sound module is missing).
    bool Silent() const { return m_silent; }

private:
    CQtSound() = default;
    bool m_checked = false;
    bool m_silent = false;
    SoundPlayFn m_play = nullptr;
};

} // namespace platform
