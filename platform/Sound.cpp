#include "platform/Sound.h"

#include <utility>

namespace platform {

namespace {
SoundHandler& Handler() {
    static SoundHandler handler;
    return handler;
}
bool g_soundOn = false;
} // namespace

SoundHandler SetSoundHandler(SoundHandler handler) {
    return std::exchange(Handler(), std::move(handler));
}

void SetSoundOn(bool on) {
    g_soundOn = on;
}
bool SoundOn() {
    return g_soundOn;
}

void PlaySound(const std::string& relativeName) {
    if (!g_soundOn || relativeName.empty())
        return;
    if (Handler())
        Handler()(relativeName);
}

} // namespace platform
