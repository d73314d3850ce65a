#include "platform/qt/QtSound.h"

#include "platform/DataPath.h"
#include "platform/FileReplace.h"
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
    }
    if (m_silent)
        return;
    const std::string path = RealPath(relativeName);
    if (FileExists(path))
        m_play(path.c_str());
}

} // namespace platform
