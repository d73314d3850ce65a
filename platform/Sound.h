// The sound hub. PlaySound names a wave file relative to the data folder
// ("data\start.wav"); it returns at once, a new sound cuts off the one still
// playing, a missing file plays nothing and says nothing, and nothing plays
// while the application's sound setting is off.
#pragma once

#include <functional>
#include <string>

namespace platform {

using SoundHandler = std::function<void(const std::string& relativeName)>;

SoundHandler SetSoundHandler(SoundHandler handler);

// The application's sound setting.
void SetSoundOn(bool on);
bool SoundOn();

void PlaySound(const std::string& relativeName);

} // namespace platform
