// The sound module: the game's sounds played through ALSA, the system's own
// sound interface (on a desktop with a sound server its "default" device goes
// to the server). One worker thread plays; a new sound stops the one still
// playing, at once. The device is opened once and kept.
#include "platform/qt/modules/ModuleApi.h"

#include <algorithm>
#include <alsa/asoundlib.h>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <type_traits>

namespace {

struct Sound {
    int channels = 0;
    int rate = 0;
    int bits = 0;
    std::string samples;
};

// A sound is written in slices of this length, so a newer one waits at most
// a slice before it cuts in.
constexpr int kSliceMs = 20;
// What the device buffers ahead: short, so a cut is heard at once.
constexpr unsigned kLatencyUs = 80000;

void NoAlsaMessages(const char*, int, const char*, int, const char*, ...) {}

class Player {
public:
    // Opens the device; false when there is none.
    bool Open() {
        snd_lib_error_set_handler(NoAlsaMessages);
        if (snd_pcm_open(&m_pcm, "default", SND_PCM_STREAM_PLAYBACK, 0) < 0) {
            m_pcm = nullptr;
            return false;
        }
        m_worker = std::thread([this] { Run(); });
        m_worker.detach(); // lives until the process ends
        return true;
    }

    void Play(std::unique_ptr<Sound> sound) {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_next = std::move(sound);
        }
        m_wake.notify_one();
    }

private:
    bool NewerWaiting() {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_next != nullptr;
    }

    void Run() {
        for (;;) {
            std::unique_ptr<Sound> sound;
            {
                std::unique_lock<std::mutex> lock(m_mutex);
                m_wake.wait(lock, [this] { return m_next != nullptr; });
                sound = std::move(m_next);
            }
            PlayOne(*sound);
        }
    }

    void PlayOne(const Sound& sound) {
        const snd_pcm_format_t format = sound.bits == 8 ? SND_PCM_FORMAT_U8 : SND_PCM_FORMAT_S16_LE;
        if (snd_pcm_set_params(m_pcm, format, SND_PCM_ACCESS_RW_INTERLEAVED,
                               static_cast<unsigned>(sound.channels),
                               static_cast<unsigned>(sound.rate), 1, kLatencyUs) < 0)
            return;
        const size_t frameBytes = static_cast<size_t>(sound.channels * sound.bits / 8);
        const size_t frames = sound.samples.size() / frameBytes;
        const size_t slice = static_cast<size_t>(sound.rate) * kSliceMs / 1000 + 1;
        for (size_t done = 0; done < frames;) {
            if (NewerWaiting()) {
                snd_pcm_drop(m_pcm);
                return;
            }
            const size_t count = std::min(slice, frames - done);
            const snd_pcm_sframes_t written =
                snd_pcm_writei(m_pcm, sound.samples.data() + done * frameBytes,
                               static_cast<snd_pcm_uframes_t>(count));
            if (written < 0) {
                if (snd_pcm_recover(m_pcm, static_cast<int>(written), 1) < 0)
                    return;
                continue;
            }
            done += static_cast<size_t>(written);
        }
        // The last of it still in the device plays out unless a newer sound
        // comes first.
        snd_pcm_sframes_t delay = 0;
        while (snd_pcm_delay(m_pcm, &delay) == 0 && delay > 0) {
            if (NewerWaiting()) {
                snd_pcm_drop(m_pcm);
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(kSliceMs / 2));
        }
        snd_pcm_drop(m_pcm);
    }

    snd_pcm_t* m_pcm = nullptr;
    std::thread m_worker;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::unique_ptr<Sound> m_next;
};

Player* ThePlayer() {
    // Opened by the first question, kept until the process ends.
    static Player* player = [] {
        auto* p = new Player;
        if (!p->Open()) {
            delete p;
            return static_cast<Player*>(nullptr);
        }
        return p;
    }();
    return player;
}

} // namespace

extern "C" __attribute__((visibility("default"))) bool deduxa_sound_silent() {
    return ThePlayer() == nullptr;
}

extern "C" __attribute__((visibility("default"))) void
deduxa_sound_play(int channels, int sampleRate, int bitsPerSample, const char* samples,
                  size_t bytes) {
    Player* player = ThePlayer();
    if (!player || (channels != 1 && channels != 2) ||
        (bitsPerSample != 8 && bitsPerSample != 16) || sampleRate <= 0 || !samples)
        return;
    auto sound = std::make_unique<Sound>();
    sound->channels = channels;
    sound->rate = sampleRate;
    sound->bits = bitsPerSample;
    sound->samples.assign(samples, bytes);
    player->Play(std::move(sound));
}

// The signatures are the ones the game calls.
static_assert(std::is_same_v<decltype(&deduxa_sound_silent), SoundSilentFn>);
static_assert(std::is_same_v<decltype(&deduxa_sound_play), SoundPlayFn>);
