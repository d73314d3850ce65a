#include "platform/qt/QtSound.h"

#include "platform/DataPath.h"
#include "platform/FileReplace.h"
#include "platform/WaveFile.h"
#include "platform/qt/Module.h"
#include "platform/qt/modules/ModuleApi.h"

namespace platform {

CQtSound& CQtSound::Instance() {
    static CQtSound* sound = new CQtSound; // lives until the process ends
    return *sound;
}

void CQtSound::Play(const std::string& relativeName) {
    if (!m_checked) {
        m_checked = true;
        const auto silent =
            reinterpret_cast<SoundSilentFn>(ModuleFunction("deduxa_sound", "deduxa_sound_silent"));
        m_play = reinterpret_cast<SoundPlayFn>(ModuleFunction("deduxa_sound", "deduxa_sound_play"));
        m_silent = !silent || !m_play || silent();
        // With nothing to play on, the module and the audio library go.
        if (m_silent) {
            m_play = nullptr;
            UnloadModule("deduxa_sound");
        }
    }
    if (m_silent)
        return;
    // A file that is missing or not a sound the game can play is silence.
    WaveSound wave;
    if (ReadWaveFile(RealPath(relativeName), wave))
        m_play(wave.channels, wave.sampleRate, wave.bitsPerSample, wave.samples.data(),
               wave.samples.size());
}

} // namespace platform
